#include "chart_keys.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "layout.h"

namespace vexil::chart {

namespace {

int distance(Cell a, Cell b)
{
    return std::abs(layout::rowFromTop(a.colour) - layout::rowFromTop(b.colour));
}

bool isLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') || (c >= U'А' && c <= U'я') || c == U'Ё' ||
           c == U'ё';
}

char32_t lower(char32_t c)
{
    if (c >= U'А' && c <= U'Я')
        return c + (U'а' - U'А');
    if (c == U'Ё')
        return U'ё';
    if (c >= U'A' && c <= U'Z')
        return c + (U'a' - U'A');
    return c;
}

// The first character of UTF-8 `text`.
char32_t firstOf(std::string_view text)
{
    if (text.empty())
        return 0;
    const auto byte = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(text[i]));
    };
    if (byte(0) < 0x80)
        return byte(0);
    if ((byte(0) & 0xE0) == 0xC0 && text.size() >= 2)
        return ((byte(0) & 0x1F) << 6) | (byte(1) & 0x3F);
    if ((byte(0) & 0xF0) == 0xE0 && text.size() >= 3)
        return ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
    return 0;
}

bool named(Cell cell, char32_t letter)
{
    return lower(firstOf(ColourPalette.at(static_cast<std::size_t>(cell.colour)).fullName)) == lower(letter);
}

// The landing of the first band with anything shown from `band` on, `step`
// at a time, not counting `band` itself.
std::optional<Cell> landingBeside(const Chart& chart, int band, int step)
{
    for (int beside = band + step; beside >= 1 && beside <= kBands; beside += step) {
        if (const auto landing = landingIn(chart, beside))
            return landing;
    }
    return std::nullopt;
}

Outcome typedIn(const Chart& chart, Cell cursor, char32_t typed)
{
    const auto shown = shownIn(chart, cursor.band);
    if (typed >= U'0' && typed <= U'9') {
        // The colour whose code is the digit, chosen; then on to the next
        // band, as a number is typed.
        const auto digit = static_cast<ColourIndex>(typed - U'0');
        const auto chosen =
            std::find_if(shown.begin(), shown.end(), [&](Cell c) { return c.colour == digit; });
        if (chosen == shown.end())
            return {.edge = Edge::NoSuchColour};
        const auto next = landingBeside(chart, cursor.band, 1);
        return {.chosen = *chosen, .cursor = next ? *next : *chosen};
    }
    const char32_t letter = russianLetter(typed);
    if (!isLetter(letter))
        return {.handled = false};
    // The next colour after the cursor whose name starts with the letter,
    // round the band.
    const auto at = std::find(shown.begin(), shown.end(), cursor);
    const auto count = static_cast<std::ptrdiff_t>(shown.size());
    for (std::ptrdiff_t step = 1; step < count; ++step) {
        const Cell candidate = shown.at(static_cast<std::size_t>((at - shown.begin() + step) % count));
        if (named(candidate, letter))
            return {.cursor = candidate};
    }
    return {.edge = named(cursor, letter) ? Edge::NoOtherColour : Edge::NoSuchColour};
}

}  // namespace

std::vector<Cell> shownIn(const Chart& chart, int band)
{
    std::vector<Cell> shown;
    for (ColourIndex colour = 0; colour < layout::coloursOfBand(band); ++colour) {
        if (chart.shown({band, colour}))
            shown.push_back({band, colour});
    }
    std::sort(shown.begin(), shown.end(),
              [](Cell a, Cell b) { return layout::rowFromTop(a.colour) < layout::rowFromTop(b.colour); });
    return shown;
}

std::optional<Cell> landingIn(const Chart& chart, int band)
{
    const auto shown = shownIn(chart, band);
    if (shown.empty())
        return std::nullopt;
    const Cell choice{band, chart.choice(band)};
    if (chart.shown(choice))
        return choice;
    // The choice is kept but no longer offered: the nearest row that is.
    return *std::min_element(shown.begin(), shown.end(),
                             [&](Cell a, Cell b) { return distance(a, choice) < distance(b, choice); });
}

std::optional<Cell> nearestLanding(const Chart& chart, int band)
{
    for (int step = 0; step < kBands; ++step) {
        for (int candidate : {band - step, band + step}) {
            if (candidate < 1 || candidate > kBands)
                continue;
            if (const auto landing = landingIn(chart, candidate))
                return landing;
        }
    }
    return std::nullopt;
}

Outcome press(const Chart& chart, Cell cursor, Key key, char32_t typed)
{
    switch (key) {
    case Key::Up:
    case Key::Down: {
        const auto shown = shownIn(chart, cursor.band);
        const auto at = std::find(shown.begin(), shown.end(), cursor);
        if (at == shown.end())
            return {};
        if (key == Key::Up)
            return at == shown.begin() ? Outcome{.edge = Edge::TopOfBand} : Outcome{.cursor = *(at - 1)};
        return at + 1 == shown.end() ? Outcome{.edge = Edge::BottomOfBand} : Outcome{.cursor = *(at + 1)};
    }
    case Key::Left:
    case Key::Right: {
        const bool left = key == Key::Left;
        if (const auto landing = landingBeside(chart, cursor.band, left ? -1 : 1))
            return {.cursor = landing};
        return {.edge = left ? Edge::FirstBand : Edge::LastBand};
    }
    case Key::Choose: return {.chosen = cursor};
    case Key::Typed: return typedIn(chart, cursor, typed);
    }
    return {.handled = false};
}

char32_t russianLetter(char32_t typed)
{
    static constexpr std::u32string_view latin = U"qwertyuiop[]asdfghjkl;'zxcvbnm,.`";
    static constexpr std::u32string_view russian = U"йцукенгшщзхъфывапролджэячсмитьбюё";
    const auto at = latin.find(lower(typed));
    return at == std::u32string_view::npos ? typed : russian.at(at);
}

}  // namespace vexil::chart
