// The page's core: the form's handlers, the colour chart's keys and what
// is said, run on the page's elements. page.js hands it the events with the
// handlers' names and does what it asks of the elements (Module.page).
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "announcements.h"
#include "chart_keys.h"
#include "form_logic.h"
#include "layout.h"
#include "speech.h"

namespace {

using namespace vexil;
using layout::ControlId;

// What the core asks of the page (page.js, Module.page), by the controls'
// places in the layout.
EM_JS(void, pageShow, (int control, bool shown), { Module.page.show(control, shown); });
EM_JS(bool, pageSelected, (int control), { return Module.page.selected(control); });
EM_JS(void, pageSelect, (int control), { Module.page.select(control); });
EM_JS(int, pageBackground, (int control), { return Module.page.background(control); });
EM_JS(void, pageSetBackground, (int control, int rgb), { Module.page.setBackground(control, rgb); });
EM_JS(void, pageMarkChosen, (int control, bool chosen), { Module.page.markChosen(control, chosen); });
EM_JS(void, pageName, (int control, const char* name), { Module.page.name(control, UTF8ToString(name)); });
EM_JS(void, pageText, (int control, const char* text), { Module.page.text(control, UTF8ToString(text)); });
EM_JS(void, pageBand, (int band, const char* name, bool shown),
      { Module.page.band(band, UTF8ToString(name), shown); });
EM_JS(void, pageCursor, (int control, bool focus), { Module.page.cursor(control, focus); });
EM_JS(void, pageSay, (const char* text), { Module.page.say(UTF8ToString(text)); });
EM_JS(void, pageDescribe, (const char* text), { Module.page.describe(UTF8ToString(text)); });
EM_JS(void, pageClose, (), { Module.page.close(); });
EM_JS(int, pageSeparator, (), { return Module.page.separator(); });

int at(ControlId control)
{
    return static_cast<int>(control);
}

std::string utf8(char32_t c)
{
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

class Page final : public FormControls, public chart::Chart {
public:
    FormLogic logic{*this};
    std::optional<Announcements> said;  // once loaded
    chart::Cell cursor{1, White};

    // Each result field, swatch and band's column says in words what it
    // holds now; the chart's cursor stays on a shown swatch.
    void tellChanges()
    {
        const auto reading = logic.reading();
        for (const auto& control : layout::controls())
            if (control.kind == layout::Kind::Field)
                pageName(at(layout::field(control.field)), speech::field(reading, control.field).c_str());
        const auto roles = logic.roles();
        for (int band = 1; band <= chart::kBands; ++band) {
            const auto role = roles.at(static_cast<std::size_t>(band - 1));
            pageBand(band, speech::band(role).c_str(), shown_.at(layout::heading(band)));
            if (roles == told_)
                continue;
            for (ColourIndex colour = 0; colour < layout::coloursOfBand(band); ++colour)
                pageName(at(layout::swatch(band, colour)), speech::colour(colour, role).c_str());
        }
        told_ = roles;
        if (!shown(cursor))
            if (const auto landing = chart::nearestLanding(*this, cursor.band))
                moveCursor(*landing, false);
    }

    void moveCursor(chart::Cell cell, bool focus)
    {
        cursor = cell;
        pageCursor(at(layout::swatch(cell.band, cell.colour)), focus);
    }

    // chart::Chart
    bool shown(chart::Cell cell) const override { return shown_.at(layout::swatch(cell.band, cell.colour)); }
    ColourIndex choice(int band) const override { return logic.bandChoice(band); }

private:
    // FormControls
    void setShown(ControlId control, bool shown) override
    {
        shown_.at(control) = shown;
        pageShow(at(control), shown);
    }
    bool isSelected(ControlId option) const override { return pageSelected(at(option)); }
    void select(ControlId option) override { pageSelect(at(option)); }
    std::uint32_t background(ControlId control) const override
    {
        return static_cast<std::uint32_t>(pageBackground(at(control)));
    }
    void setBackground(ControlId control, std::uint32_t rgb) override
    {
        pageSetBackground(at(control), static_cast<int>(rgb));
    }
    void markChosen(ControlId swatch, bool chosen) override { pageMarkChosen(at(swatch), chosen); }
    void setSpokenName(ControlId control, std::string_view name) override
    {
        pageName(at(control), std::string(name).c_str());
    }
    void setResultText(ResultField field, std::string_view text) override
    {
        pageText(at(layout::field(field)), std::string(text).c_str());
    }
    std::string decimalSeparator() const override { return utf8(static_cast<char32_t>(pageSeparator())); }
    void resultsChanged() override
    {
        tellChanges();
        if (said)
            said->choiceMade();
    }
    void closeWindow() override { pageClose(); }

    std::vector<bool> shown_ = [] {
        std::vector<bool> shown;
        for (const auto& control : layout::controls())
            shown.push_back(control.shownAtStart);
        return shown;
    }();
    BandRoles told_ = bandRoles(layout::kindAtStart(), layout::countAtStart());  // as the page is written
};

Page* page = nullptr;

void say(const std::string& text)
{
    if (!text.empty())
        pageSay(text.c_str());
}

}  // namespace

// The handlers by their names, and the events page.js passes on.
extern "C" {

EMSCRIPTEN_KEEPALIVE void vexil_start()
{
    page = new Page;  // lives as long as the page
}

EMSCRIPTEN_KEEPALIVE const char* vexil_id(int control)
{
    static std::string id;
    id = layout::controls().at(static_cast<std::size_t>(control)).id();
    return id.c_str();
}

EMSCRIPTEN_KEEPALIVE void Form_Load()
{
    page->logic.Form_Load();
    page->said.emplace(page->logic);
    page->moveCursor(page->cursor, false);
    pageDescribe(page->said->state().c_str());
}

EMSCRIPTEN_KEEPALIVE void Exit_Btn_Click()
{
    page->logic.Exit_Btn_Click();
}

EMSCRIPTEN_KEEPALIVE void SelectBandColour(int band, int colour)
{
    page->said->chosenIn(band);
    page->logic.SelectBandColour(band, static_cast<ColourIndex>(colour));
}

EMSCRIPTEN_KEEPALIVE void Op_R_Click()
{
    page->logic.Op_R_Click();
}

EMSCRIPTEN_KEEPALIVE void Op_C_Click()
{
    page->logic.Op_C_Click();
}

EMSCRIPTEN_KEEPALIVE void Op_G_Click()
{
    page->logic.Op_G_Click();
}

EMSCRIPTEN_KEEPALIVE void L3_En_Click()
{
    page->logic.L3_En_Click();
}

EMSCRIPTEN_KEEPALIVE void L4_En_Click()
{
    page->logic.L4_En_Click();
}

EMSCRIPTEN_KEEPALIVE void L5_En_Click()
{
    page->logic.L5_En_Click();
}

// The focus moved to a control outside the chart.
EMSCRIPTEN_KEEPALIVE void vexil_focused()
{
    say(page->said->focusMoved());
}

// The focus is on swatch `colour` of `band`: the chart's cursor is there.
EMSCRIPTEN_KEEPALIVE void vexil_cell_focused(int band, int colour)
{
    const chart::Cell cell{band, static_cast<ColourIndex>(colour)};
    if (!(cell == page->cursor))
        page->moveCursor(cell, false);
    say(page->said->cursorMoved(band).carried);
}

// A key in the chart: an arrow (0 up, 1 down, 2 left, 3 right), 4 to
// choose, 5 a typed character. True where it was the chart's.
EMSCRIPTEN_KEEPALIVE bool vexil_key(int key, char32_t typed)
{
    const auto outcome = chart::press(*page, page->cursor, static_cast<chart::Key>(key), typed);
    if (!outcome.handled)
        return false;
    if (outcome.chosen)
        SelectBandColour(outcome.chosen->band, outcome.chosen->colour);
    if (outcome.cursor && !(*outcome.cursor == page->cursor))
        page->moveCursor(*outcome.cursor, true);  // focusing it tells vexil_cell_focused
    if (outcome.edge)
        say(speech::cue(*outcome.edge));
    return true;
}

// Once every handler of an event has run.
EMSCRIPTEN_KEEPALIVE void vexil_settle()
{
    say(page->said->settle());
    pageDescribe(page->said->state().c_str());
}

}  // extern "C"
