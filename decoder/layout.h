#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "colour_code.h"
#include "decoder.h"

// The window as data: every control with its name, rectangle, caption,
// colours, face and state at start. The desktop window is built from it and
// the page's HTML is written from it, so neither can drift from the other.
namespace vexil::layout {

// The layout is measured in twips (1/1440 inch); at 96 dots per inch 15
// twips make one pixel. Every position and size goes through here.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips)
{
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The same rectangle in pixels at 96 dpi.
constexpr Rect pixels(const Rect& twips)
{
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

// The window's client area.
inline constexpr Rect kWindow{0, 0, 6615, 6105};

// The layout's colours, 0xRRGGBB.
namespace colours {
inline constexpr std::uint32_t kBackground = 0x004040;       // the window, frames, options, captions
inline constexpr std::uint32_t kCaptionText = 0xC0FFC0;      // captions, the chart's outline and leads
inline constexpr std::uint32_t kGroupTitleText = 0x00FF00;   // the two option groups' titles
inline constexpr std::uint32_t kFieldBackground = 0xC0C0C0;  // result fields
inline constexpr std::uint32_t kFieldText = 0x000000;
inline constexpr std::uint32_t kBody = 0x008000;  // the component's body
inline constexpr std::uint32_t kBodyOutline = 0x00C000;
inline constexpr std::uint32_t kBorder = 0x000000;  // around swatches and stripes
}  // namespace colours

enum class Kind {
    Frame,    // a bordered group of options
    Title,    // a group's title, in its frame
    Option,   // an option button, its indicator and caption
    Caption,  // a label
    Heading,  // a band's column heading, "1" to "5"
    Name,     // a colour's name, in its row
    Field,    // a single-line result field
    Button,
    Outline,  // an unfilled rectangle
    Block,    // a filled rectangle of the drawing
    Stripe,   // a band's stripe on the drawing
    Swatch,   // a colour of the chart
};

// "MS Sans Serif" 8.25 pt (11 px) bold or the window's default (regular),
// and "Arial" 9 pt bold (12 px).
enum class Face { Bold, Regular, Field };
struct FaceMetrics {
    const char* layoutFace;  // the face the layout names
    int pixelSize;           // at 96 dpi
    bool bold;
};
FaceMetrics metrics(Face face);

enum class Align { Left, Centre, Right };

using ControlId = std::size_t;  // a control's place in the table

struct Control {
    std::string_view name{};  // the object name; shared by the leads
    int index = -1;           // a lead's place in its group, or -1
    Kind kind = Kind::Caption;
    int parent = -1;  // the frame it lies in, or -1 for the window
    Rect rect{};      // twips, from the parent's top-left corner
    std::string_view caption{};
    Face face = Face::Bold;
    Align align = Align::Left;
    std::uint32_t text = colours::kCaptionText;
    std::uint32_t fill = colours::kBackground;  // its background or fill
    std::uint32_t outline = colours::kBorder;   // shapes, stripes and swatches
    bool shownAtStart = true;
    bool selectedAtStart = false;  // options
    // What it stands for.
    int band = 0;            // stripes, swatches and their headings: 1..5
    ColourIndex colour = 0;  // swatches and colour names
    ResultField field = ResultField::Result;
    std::string_view spokenName{};  // fields: what a listener hears it called

    // The page's element id: the name, and a lead's index after it.
    std::string id() const;
};

// Every control, frames before what they hold, drawn bottom to top; the
// ones that take the keyboard focus in its order.
const std::vector<Control>& controls();

// The controls that take the focus, in their order (the colour chart after them).
const std::vector<ControlId>& focusOrder();

ControlId find(std::string_view name);
ControlId swatch(int band, ColourIndex colour);
ControlId stripe(int band);
ControlId heading(int band);
ControlId field(ResultField which);

// The colours band 1..5 offers: ten digits in bands 1 and 2, all twelve in
// bands 3 to 5.
constexpr int coloursOfBand(int band)
{
    return band <= 2 ? kDigitCount : kColourCount;
}

// A colour's row in the chart: white at the top down to black, then gold
// and silver below black.
constexpr int rowFromTop(ColourIndex colour)
{
    return colour <= White ? White - colour : colour;
}

// What the options selected at start say: resistance, five bands.
ComponentKind kindAtStart();
BandCount countAtStart();

// A swatch's cell: the part of the chart's grid around it, up to halfway
// to its neighbours.
Rect cellAround(const Rect& swatch);

}  // namespace vexil::layout
