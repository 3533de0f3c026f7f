#pragma once

#include <optional>
#include <vector>

#include "colour_code.h"

// What a key does in the colour chart, as one stop of the keyboard focus
// with a cursor on one swatch: the arrows move the cursor through what is
// shown, Space or Enter chooses the swatch under it, a digit chooses the
// colour of that code in the cursor's band and goes on to the next band, a
// letter goes to the next colour whose name starts with it.
namespace vexil::chart {

inline constexpr int kBands = 5;

// A swatch, by its band 1..5 and colour.
struct Cell {
    int band = 0;
    ColourIndex colour = 0;
    bool operator==(const Cell&) const = default;
};

// Where a key found nothing to do.
enum class Edge { TopOfBand, BottomOfBand, FirstBand, LastBand, NoSuchColour, NoOtherColour };

// What the keys need to know of the chart.
class Chart {
public:
    virtual ~Chart() = default;
    virtual bool shown(Cell cell) const = 0;
    // The band's current choice.
    virtual ColourIndex choice(int band) const = 0;
};

// The shown swatches of a band, top to bottom as on the screen.
std::vector<Cell> shownIn(const Chart& chart, int band);
// Where the cursor lands in a band: its choice, or the shown swatch nearest
// to it; none when the whole band is hidden.
std::optional<Cell> landingIn(const Chart& chart, int band);
// The landing of the nearest band with anything shown, from `band` out:
// where the cursor goes when its swatch is hidden.
std::optional<Cell> nearestLanding(const Chart& chart, int band);

enum class Key { Up, Down, Left, Right, Choose, Typed };

struct Outcome {
    bool handled = true;           // false: the key is not the chart's
    std::optional<Cell> chosen{};  // chosen as a click would, first
    std::optional<Cell> cursor{};  // where the cursor goes then
    std::optional<Edge> edge{};
};

// A key pressed with the cursor on `cursor`; `typed` is the character of a
// Typed key.
Outcome press(const Chart& chart, Cell cursor, Key key, char32_t typed = 0);

// The Russian letter typed: a Cyrillic letter as it is, a Latin one as the
// letter at its place on the Russian layout (ЙЦУКЕН), so that no one has to
// switch layouts to type a colour's name.
char32_t russianLetter(char32_t typed);

}  // namespace vexil::chart
