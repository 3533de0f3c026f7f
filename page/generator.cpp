// Writes the page from the layout's table, at build time (under node):
//   generator FOLDER  writes FOLDER/index.html, FOLDER/layout.css and
//                     FOLDER/glyphs.txt (every character the page can show,
//                     for the fonts' subsets)
// Every control is an element whose id is its name, at its rectangle, with
// its caption, colours and state at start; the page's own few sentences
// are here too.
#include <cstdio>
#include <set>
#include <string>
#include <string_view>

#include "decoder.h"
#include "layout.h"
#include "product.h"
#include "speech.h"
#include "units.h"

namespace {

using namespace vexil;
using layout::Control;
using layout::ControlId;
using layout::Kind;

// What the page says of itself, in Russian as the window does.
constexpr std::string_view kNoScript = "Vexil работает в браузере с включённым JavaScript.";
constexpr std::string_view kUnable = "Vexil не может работать в этом браузере: в нём нет WebAssembly.";
constexpr std::string_view kFailed =
    "Vexil не удалось запустить. Откройте страницу заново; если она открыта как "
    "файл, откройте её в Chromium или Firefox.";
constexpr std::string_view kClosed = "Vexil закрыт.";
constexpr std::string_view kAgain = "Запустить снова";

// Loads nothing from elsewhere and runs no inline script; the core's
// WebAssembly is compiled from its script.
constexpr std::string_view kPolicy =
    "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; "
    "img-src 'self'; font-src data:; manifest-src 'self'; worker-src 'self'; "
    "connect-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'";

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string hex(std::uint32_t rgb)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
    return text;
}

std::string px(int pixels)
{
    return pixels == 0 ? "0" : std::to_string(pixels) + "px";
}

std::string box(const layout::Rect& r)
{
    return "left:" + px(r.left) + ";top:" + px(r.top) + ";width:" + px(r.width) + ";height:" + px(r.height);
}

// A rectangle in pixels, from the top-left corner of another.
layout::Rect within(const layout::Rect& twips, const layout::Rect& originTwips)
{
    const auto r = layout::pixels(twips);
    const auto o = layout::pixels(originTwips);
    return {r.left - o.left, r.top - o.top, r.width, r.height};
}

// The colour chart's grid lies over the chart's outline.
const Control& outline()
{
    return layout::controls().at(layout::find("Shape3"));
}

class Page {
public:
    std::string html;
    std::string css;
    std::set<std::string> glyphs;  // UTF-8 characters

    void text(std::string_view t)
    {
        for (std::size_t i = 0; i < t.size();) {
            const auto lead = static_cast<unsigned char>(t[i]);
            const std::size_t n = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            glyphs.insert(std::string(t.substr(i, n)));
            i += n;
        }
    }

    // An element's opening tag: its id, any attributes, and its state at start.
    void open(std::string_view tag, const Control& c, std::string_view attributes = {})
    {
        html += "<" + std::string(tag) + " id=\"" + c.id() + "\"";
        if (!attributes.empty())
            html += " " + std::string(attributes);
        if (!c.shownAtStart)
            html += " hidden";
        html += ">";
    }

    void style(const Control& c, const layout::Rect& rect)
    {
        const auto face = layout::metrics(c.face);
        css += "#" + c.id() + "{" + box(rect);
        switch (c.kind) {
        case Kind::Title:
        case Kind::Option:
        case Kind::Caption:
        case Kind::Heading:
        case Kind::Name:
        case Kind::Button:
        case Kind::Field:
            css += ";font-size:" + px(face.pixelSize) + ";font-weight:" + (face.bold ? "700" : "400");
            css += c.align == layout::Align::Centre  ? ";text-align:center;justify-content:center"
                   : c.align == layout::Align::Right ? ";text-align:right;justify-content:flex-end"
                                                     : "";
            if (c.text != layout::colours::kCaptionText)
                css += ";color:" + hex(c.text);
            break;
        default: break;
        }
        switch (c.kind) {
        case Kind::Field:
        case Kind::Block:
        case Kind::Stripe:
        case Kind::Swatch: css += ";background:" + hex(c.fill); break;
        default: break;
        }
        if (c.kind == Kind::Outline || c.kind == Kind::Block || c.kind == Kind::Stripe ||
            c.kind == Kind::Swatch)
            css += ";border:1px solid " + hex(c.outline);  // an outline of one pixel
        css += "}\n";
    }

    void control(ControlId id)
    {
        const auto& all = layout::controls();
        const Control& c = all.at(id);
        switch (c.kind) {
        case Kind::Frame:
            open("fieldset", c);
            for (ControlId child = id + 1; child < all.size() && all[child].parent == static_cast<int>(id);
                 ++child)
                control(child);
            html += "</fieldset>\n";
            break;
        case Kind::Title:
            open("legend", c);
            html += escaped(c.caption) + "</legend>\n";
            break;
        case Kind::Option: {
            open("label", c);
            std::string input = "<input type=\"radio\" name=\"" +
                                all.at(static_cast<ControlId>(c.parent)).id() + "\" autocomplete=\"off\"";
            html += input + (c.selectedAtStart ? " checked>" : ">") + escaped(c.caption) + "</label>\n";
            break;
        }
        case Kind::Caption:
        case Kind::Name:
            open("div", c, c.kind == Kind::Name ? "aria-hidden=\"true\"" : "");
            html += escaped(c.caption) + "</div>\n";
            break;
        case Kind::Field:
            // Read, not typed into; in the focus order as on the desktop, and
            // told in words by its name rather than as a live region.
            open("output", c, "tabindex=\"0\" aria-live=\"off\"");
            html += "</output>\n";
            break;
        case Kind::Button:
            open("button", c, "type=\"button\"");
            html += escaped(c.caption) + "</button>\n";
            break;
        case Kind::Outline:
        case Kind::Block:
            open("div", c, "aria-hidden=\"true\"");
            html += "</div>\n";
            break;
        case Kind::Stripe:
            open("div", c, "role=\"img\" aria-label=\"" + escaped(speech::stripe(c.band, White)) + "\"");
            html += "</div>\n";
            break;
        case Kind::Heading:
            open("div", c, "aria-hidden=\"true\"");
            html += escaped(c.caption) + "</div>\n";
            break;
        case Kind::Swatch: break;  // in the chart's grid
        }
        text(c.caption);
        if (c.kind == Kind::Swatch)
            return;
        style(c, layout::pixels(c.rect));  // from the window's or its frame's corner, as the table has it
    }

    // The colour chart: one grid, a row of band headers, then a row a
    // colour, top to bottom; each swatch a cell that says its colour and
    // what it means in its band, and takes a tap anywhere in its cell.
    void chart()
    {
        const auto& all = layout::controls();
        html += "<div id=\"ColourChart\" role=\"grid\" aria-label=\"" + escaped(speech::chart()) + "\">\n";
        css += "#ColourChart{" + box(layout::pixels(outline().rect)) + "}\n";
        // Each column's header says what its band means ("Вторая цифра"),
        // which the core tells as the kind and band count change; the
        // headings "1" to "5" only show it.
        html += "<div role=\"row\">";
        for (int band = 1; band <= chart::kBands; ++band)
            html += "<div role=\"columnheader\" class=\"unseen\" aria-colindex=\"" + std::to_string(band) +
                    "\"></div>";
        html += "</div>\n";
        // What each swatch means in its band at start; the core tells each
        // change of it.
        const auto roles = bandRoles(layout::kindAtStart(), layout::countAtStart());
        for (int row = 0; row < kColourCount; ++row) {
            html += "<div role=\"row\">";
            for (int band = 1; band <= chart::kBands; ++band) {
                for (ColourIndex colour = 0; colour < layout::coloursOfBand(band); ++colour) {
                    if (layout::rowFromTop(colour) != row)
                        continue;
                    const auto& swatch = all.at(layout::swatch(band, colour));
                    const auto role = roles.at(static_cast<std::size_t>(band - 1));
                    open("div", swatch,
                         "role=\"gridcell\" tabindex=\"-1\" aria-colindex=\"" + std::to_string(band) +
                             "\" aria-label=\"" + escaped(speech::colour(colour, role)) + "\"");
                    html += "<div class=\"reach\"></div></div>";
                    const auto cell = within(swatch.rect, outline().rect);
                    style(swatch, cell);
                    const auto reach = within(layout::cellAround(swatch.rect), swatch.rect);
                    css += "#" + swatch.id() + ">.reach{" + box(reach) + "}\n";
                }
            }
            html += "</div>\n";
        }
        html += "</div>\n";
    }

    void document()
    {
        html += "<!DOCTYPE html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n";
        html += "<meta http-equiv=\"Content-Security-Policy\" content=\"" + std::string(kPolicy) + "\">\n";
        // Narrower than the window, a phone shows it whole; a pinch still
        // enlarges it (page.js).
        html += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
        html += "<title>" + escaped(product::kTitle) + "</title>\n";
        text(product::kTitle);
        html += "<link rel=\"icon\" type=\"image/png\" href=\"favicon.png\">\n";
        html += "<meta name=\"theme-color\" content=\"" + hex(layout::colours::kBackground) + "\">\n";
        for (const char* sheet : {"fonts.css", "page.css", "layout.css"})
            html += std::string("<link rel=\"stylesheet\" href=\"") + sheet + "\">\n";
        html += "<script src=\"core.js\" async></script>\n<script src=\"page.js\" defer></script>\n";
        html += "</head>\n<body>\n";
        // Shown once the core has filled every field and can take clicks.
        html += "<main id=\"Vexil\" aria-label=\"" + escaped(product::kTitle) +
                "\" aria-describedby=\"vexil-state\" data-width=\"" +
                std::to_string(layout::pixels(layout::kWindow).width) + "\" hidden>\n";
        css += "#Vexil{width:" + px(layout::pixels(layout::kWindow).width) +
               ";height:" + px(layout::pixels(layout::kWindow).height) +
               ";background:" + hex(layout::colours::kBackground) +
               ";color:" + hex(layout::colours::kCaptionText) + "}\n";
        const auto& all = layout::controls();
        for (ControlId id = 0; id < all.size(); ++id)
            if (all[id].parent < 0)
                control(id);
        chart();
        html += "</main>\n";
        html += "<div id=\"vexil-speech\" class=\"unseen\" aria-live=\"polite\"></div>\n";
        html += "<div id=\"vexil-state\" hidden></div>\n";
        sentence("vexil-closed", kClosed, kAgain);
        sentence("vexil-unable", kUnable);
        sentence("vexil-failed", kFailed);
        html += "<noscript><p class=\"sentence\">" + std::string(kNoScript) + "</p></noscript>\n";
        text(kNoScript);
        html += "</body>\n</html>\n";
    }

    // One of the page's sentences, and a button after it, if any.
    void sentence(std::string_view id, std::string_view content, std::string_view button = {})
    {
        html +=
            "<p id=\"" + std::string(id) + "\" class=\"sentence\" role=\"status\" hidden>" + escaped(content);
        if (!button.empty())
            html += " <button type=\"button\">" + escaped(button) + "</button>";
        html += "</p>\n";
        text(content);
        text(button);
    }

    // What a result field can show.
    void results()
    {
        text("0123456789,.-+% ");
        const auto tables = buildDecoderTables();
        for (const auto& code : tables.ToleranceCodes)
            text(code);
        for (const auto& code : tables.VoltageCodes)
            text(code);
        for (const auto& prefix : units::kPrefixes)
            for (const auto& unit : units::kUnits)
                text(unitSymbol(prefix.power, unit.unit));
    }
};

bool write(const std::string& path, const std::string& content)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr)
        return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: generator FOLDER\n");
        return 2;
    }
    Page page;
    page.document();
    page.results();
    std::string glyphs;
    for (const auto& glyph : page.glyphs)
        glyphs += glyph;
    const std::string folder = argv[1];
    if (!write(folder + "/index.html", page.html) || !write(folder + "/layout.css", page.css) ||
        !write(folder + "/glyphs.txt", glyphs)) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
