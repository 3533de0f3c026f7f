#include "layout.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace vexil::layout {

namespace {

// The colour chart, in twips.
constexpr int kChartTop = 1680;
constexpr int kRowPitch = 360;
constexpr int kColumnPitch = 480;
constexpr int kFirstColumnLeft = 3360;
constexpr int kCellSize = 255;
constexpr int kNamesLeft = 5640;

constexpr int columnLeft(int band)
{
    return kFirstColumnLeft + kColumnPitch * (band - 1);
}

constexpr int rowTop(ColourIndex colour)
{
    return kChartTop + kRowPitch * rowFromTop(colour);
}

// Names made by the table's loops, kept for as long as the table.
constexpr std::array<std::string_view, 5> kHeadings{"Label18", "Label19", "Label20", "Lab_4", "Lab_5"};
constexpr std::array<std::string_view, 5> kStripes{"Line1", "Line2", "Line3", "Line4", "Line5"};
constexpr std::array<std::string_view, 5> kBandNumbers{"1", "2", "3", "4", "5"};
constexpr std::array<std::string_view, kColourCount> kColourNames{"Label2",  "Label3",  "Label4",  "Label5",
                                                                  "Label6",  "Label7",  "Label8",  "Label9",
                                                                  "Label10", "Label11", "Label12", "Label13"};

const std::vector<std::string>& swatchNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> all;
        for (int band = 1; band <= 5; ++band)
            for (ColourIndex colour = 0; colour < coloursOfBand(band); ++colour)
                all.push_back("L" + std::to_string(band) + "_" + std::to_string(colour));
        return all;
    }();
    return names;
}

std::vector<Control> build()
{
    using namespace colours;
    std::vector<Control> t;
    const auto add = [&t](Control c) {
        t.push_back(c);
        return static_cast<int>(t.size() - 1);
    };
    const auto frame = [&](std::string_view name, Rect rect, std::string_view title, std::string_view text,
                           Rect titleRect) {
        const int f = add({.name = name, .kind = Kind::Frame, .rect = rect});
        add({.name = title,
             .kind = Kind::Title,
             .parent = f,
             .rect = titleRect,
             .caption = text,
             .text = kGroupTitleText});
        return f;
    };
    const auto option = [&](int f, std::string_view name, std::string_view text, Rect rect,
                            bool selected = false) {
        add({.name = name,
             .kind = Kind::Option,
             .parent = f,
             .rect = rect,
             .caption = text,
             .selectedAtStart = selected});
    };
    const auto caption = [&](std::string_view name, std::string_view text, Rect rect, Align align,
                             bool shown = true) {
        add({.name = name,
             .kind = Kind::Caption,
             .rect = rect,
             .caption = text,
             .align = align,
             .shownAtStart = shown});
    };
    const auto result = [&](ResultField which, std::string_view name, Rect rect, Align align,
                            std::string_view spoken, bool shown = true) {
        add({.name = name,
             .kind = Kind::Field,
             .rect = rect,
             .face = Face::Field,
             .align = align,
             .text = kFieldText,
             .fill = kFieldBackground,
             .shownAtStart = shown,
             .field = which,
             .spokenName = spoken});
    };

    const int kind = frame("Frame2", {120, 0, 2655, 1575}, "Label23", "Элемент", {120, 150, 1215, 255});
    option(kind, "Op_R", "Сопротивление", {360, 480, 2175, 255}, true);
    option(kind, "Op_C", "Емкость", {360, 840, 2175, 255});
    option(kind, "Op_G", "Индуктивность", {360, 1200, 2175, 255});
    const int count =
        frame("Frame1", {120, 1560, 2655, 855}, "Label1", "Кол-во полос", {120, 150, 2415, 255});
    option(count, "L3_En", "3", {120, 480, 495, 255});
    option(count, "L4_En", "4", {975, 480, 495, 255});
    option(count, "L5_En", "5", {1800, 480, 495, 255}, true);

    // Each field after the caption it lies under, which it overlaps by a
    // pixel or two. A field's spoken name says what it holds: the captions
    // name two at once ("Номинал") or say it in signs ("+ -").
    caption("Label14", "Номинал", {240, 2520, 975, 255}, Align::Left);
    result(ResultField::Result, "Result", {240, 2715, 570, 270}, Align::Centre, "Цифры");
    result(ResultField::Ed_Izm, "Ed_Izm", {840, 2715, 405, 270}, Align::Right, "Единица");
    caption("Label17", "x", {1260, 2775, 165, 225}, Align::Centre);
    caption("Label15", "Множитель", {1440, 2520, 1215, 255}, Align::Left);
    result(ResultField::Result2, "Result2", {1440, 2730, 1215, 270}, Align::Centre, "Множитель");
    caption("Label22", "то есть (короче)", {216, 3108, 2436, 240}, Align::Centre);
    result(ResultField::R_Full, "R_Full", {240, 3315, 2415, 285}, Align::Centre, "Номинал");
    caption("Label16", "Допуск + -", {225, 3825, 1575, 255}, Align::Left);
    result(ResultField::Result3, "Result3", {225, 4035, 1575, 285}, Align::Centre, "Допуск");
    caption("Result4_Txt", "Напряжение", {225, 4425, 1575, 255}, Align::Left, false);
    result(ResultField::Result4, "Result4", {225, 4635, 1575, 285}, Align::Centre, "Напряжение", false);
    add({.name = "Exit_Btn",
         .kind = Kind::Button,
         .rect = {240, 5520, 1575, 375},
         .caption = "Закрыть",
         .align = Align::Centre});

    // The colour picker, stacked bottom to top: outline, leads, body, stripes.
    add({.name = "Shape3", .kind = Kind::Outline, .rect = {2880, 120, 3615, 5895}, .outline = kCaptionText});
    add({.name = "Shape2",
         .index = 0,
         .kind = Kind::Block,
         .rect = {5640, 1005, 615, 135},
         .fill = kCaptionText,
         .outline = kCaptionText});
    add({.name = "Shape2",
         .index = 1,
         .kind = Kind::Block,
         .rect = {3000, 1005, 375, 135},
         .fill = kCaptionText,
         .outline = kCaptionText});
    add({.name = "Shape1",
         .kind = Kind::Block,
         .rect = {3240, 720, 2655, 735},
         .fill = kBody,
         .outline = kBodyOutline});
    std::size_t swatchName = 0;
    for (int band = 1; band <= 5; ++band) {
        const auto b = static_cast<std::size_t>(band - 1);
        const int left = columnLeft(band);
        add({.name = kHeadings.at(b),
             .kind = Kind::Heading,
             .rect = {left, 240, kCellSize, kCellSize},
             .caption = kBandNumbers.at(b),
             .align = Align::Centre,
             .band = band});
        add({.name = kStripes.at(b),
             .kind = Kind::Stripe,
             .rect = {left, 600, kCellSize, 975},
             .fill = ColourPalette[White].rgb,
             .band = band});
        for (ColourIndex colour = 0; colour < coloursOfBand(band); ++colour)
            add({.name = swatchNames().at(swatchName++),
                 .kind = Kind::Swatch,
                 .rect = {left, rowTop(colour), kCellSize, kCellSize},
                 .fill = ColourPalette.at(static_cast<std::size_t>(colour)).rgb,
                 // Band 3 offers gold and silver only with three or four bands.
                 .shownAtStart = !(band == 3 && colour >= Gold),
                 .band = band,
                 .colour = colour});
    }
    add({.name = "Label21",
         .kind = Kind::Caption,
         .rect = {kNamesLeft, 240, 735, kCellSize},
         .caption = "№ полос",
         .face = Face::Regular});
    for (ColourIndex colour = 0; colour < kColourCount; ++colour)
        add({.name = kColourNames.at(static_cast<std::size_t>(rowFromTop(colour))),
             .kind = Kind::Name,
             .rect = {kNamesLeft, rowTop(colour), 855, kCellSize},
             .caption = ColourPalette.at(static_cast<std::size_t>(colour)).name,
             .face = Face::Regular,
             .colour = colour});
    return t;
}

template <typename Match>
ControlId findIf(Match match)
{
    const auto& all = controls();
    const auto at = std::find_if(all.begin(), all.end(), match);
    if (at == all.end())
        throw std::out_of_range("no such control");
    return static_cast<ControlId>(at - all.begin());
}

}  // namespace

FaceMetrics metrics(Face face)
{
    switch (face) {
    case Face::Regular: return {"MS Sans Serif", 11, false};
    case Face::Field: return {"Arial", 12, true};
    case Face::Bold: break;
    }
    return {"MS Sans Serif", 11, true};
}

std::string Control::id() const
{
    return index < 0 ? std::string(name) : std::string(name) + "_" + std::to_string(index);
}

const std::vector<Control>& controls()
{
    static const std::vector<Control> table = build();
    return table;
}

const std::vector<ControlId>& focusOrder()
{
    static const std::vector<ControlId> order = [] {
        std::vector<ControlId> ids;
        const auto& all = controls();
        for (ControlId id = 0; id < all.size(); ++id) {
            const auto kind = all[id].kind;
            if (kind == Kind::Option || kind == Kind::Field || kind == Kind::Button)
                ids.push_back(id);
        }
        return ids;
    }();
    return order;
}

ControlId find(std::string_view name)
{
    return findIf([&](const Control& c) { return c.name == name; });
}

ControlId swatch(int band, ColourIndex colour)
{
    // The swatches stand together, band by band.
    static const ControlId first = findIf([](const Control& c) { return c.kind == Kind::Swatch; });
    ControlId id = first;
    for (int b = 1; b < band; ++b)
        id += static_cast<ControlId>(coloursOfBand(b)) + 2;  // the next band's heading and stripe between
    return id + static_cast<ControlId>(colour);
}

ControlId stripe(int band)
{
    return swatch(band, 0) - 1;
}

ControlId heading(int band)
{
    return swatch(band, 0) - 2;
}

ControlId field(ResultField which)
{
    return findIf([&](const Control& c) { return c.kind == Kind::Field && c.field == which; });
}

namespace {

// The place of the option selected at start among the options of `frame`.
int selectedAtStart(std::string_view frame)
{
    const auto& all = controls();
    const auto f = static_cast<int>(find(frame));
    int place = 0;
    for (const auto& c : all) {
        if (c.kind != Kind::Option || c.parent != f)
            continue;
        if (c.selectedAtStart)
            return place;
        ++place;
    }
    return 0;
}

}  // namespace

// The options stand in the enums' order: resistance, capacitance,
// inductance; three, four, five bands.
ComponentKind kindAtStart()
{
    return static_cast<ComponentKind>(selectedAtStart("Frame2"));
}

BandCount countAtStart()
{
    return static_cast<BandCount>(3 + selectedAtStart("Frame1"));
}

Rect cellAround(const Rect& swatch)
{
    const int wide = (kColumnPitch - swatch.width) / 2;
    const int high = (kRowPitch - swatch.height) / 2;
    return {swatch.left - wide, swatch.top - high, kColumnPitch, kRowPitch};
}

}  // namespace vexil::layout
