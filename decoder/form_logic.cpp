#include "form_logic.h"

#include <algorithm>
#include <optional>

#include "speech.h"

namespace vexil {

using layout::ControlId;

const std::array<FormLogic::OptionHandler, 6> FormLogic::kOptionHandlers{{
    {"Op_R", &FormLogic::Op_R_Click},
    {"Op_C", &FormLogic::Op_C_Click},
    {"Op_G", &FormLogic::Op_G_Click},
    {"L3_En", &FormLogic::L3_En_Click},
    {"L4_En", &FormLogic::L4_En_Click},
    {"L5_En", &FormLogic::L5_En_Click},
}};

FormLogic::FormLogic(FormControls& controls)
    : controls_(controls), Op_R(layout::find("Op_R")), Op_C(layout::find("Op_C")), Op_G(layout::find("Op_G")),
      L3_En(layout::find("L3_En")), L4_En(layout::find("L4_En")), L5_En(layout::find("L5_En")),
      Lab_4(layout::heading(4)), Lab_5(layout::heading(5)), Result4_Txt(layout::find("Result4_Txt")),
      Result4(layout::field(ResultField::Result4))
{
}

ColourIndex FormLogic::bandChoice(int band) const
{
    return BandSelection_.at(static_cast<std::size_t>(band - 1));
}

void FormLogic::setSwatchesShown(int band, Colour first, Colour last, bool shown)
{
    for (int colour = first; colour <= last; ++colour)
        controls_.setShown(layout::swatch(band, static_cast<ColourIndex>(colour)), shown);
}

// ---- Start-up and exit -----------------------------------------------------

void FormLogic::Form_Load()
{
    tables_ = buildDecoderTables();
    BandSelection_.fill(White);
    for (int band = 1; band <= 5; ++band)
        controls_.markChosen(layout::swatch(band, White), true);
    Tabl();
}

void FormLogic::Exit_Btn_Click()
{
    controls_.closeWindow();
}

// ---- Band colour -------------------------------------------------------------

void FormLogic::chooseBandColour(int band, ColourIndex colour)
{
    const auto shown = controls_.background(layout::swatch(band, colour));
    controls_.setBackground(layout::stripe(band), shown);
    controls_.setSpokenName(layout::stripe(band), speech::stripe(band, colour));
    auto& choice = BandSelection_.at(static_cast<std::size_t>(band - 1));
    controls_.markChosen(layout::swatch(band, choice), false);
    choice = colour;
    controls_.markChosen(layout::swatch(band, colour), true);
}

void FormLogic::SelectBandColour(int band, ColourIndex colour)
{
    chooseBandColour(band, colour);
    Tabl();
}

// ---- Band count --------------------------------------------------------------

// What one band-count handler shows (true) and hides (false), in the order
// it does so.
struct FormLogic::BandColumns {
    bool band3GoldSilver;         // L3_10, L3_11
    bool heading5;                // Lab_5
    bool heading4;                // Lab_4
    std::optional<bool> column5;  // Line5 and L5_0..L5_11; untouched when empty
    bool column4;                 // Line4, L4_0, L4_10, L4_11
    bool band4Digits;             // L4_1..L4_9
};

void FormLogic::showBandColumns(const BandColumns& c)
{
    setSwatchesShown(3, Gold, Silver, c.band3GoldSilver);
    controls_.setShown(Lab_5, c.heading5);
    controls_.setShown(Lab_4, c.heading4);
    if (c.column5) {
        controls_.setShown(layout::stripe(5), *c.column5);
        setSwatchesShown(5, Black, Silver, *c.column5);
    }
    controls_.setShown(layout::stripe(4), c.column4);
    controls_.setShown(layout::swatch(4, Black), c.column4);
    setSwatchesShown(4, Brown, White, c.band4Digits);
    setSwatchesShown(4, Gold, Silver, c.column4);
}

void FormLogic::L3_En_Click()
{
    showBandColumns({.band3GoldSilver = true,
                     .heading5 = false,
                     .heading4 = false,
                     .column5 = false,
                     .column4 = false,
                     .band4Digits = false});
    Tabl();
}

void FormLogic::L4_En_Click()
{
    const bool inductance = controls_.isSelected(Op_G);
    // An inductor's tolerance band offers black, gold and silver only; its
    // fifth column stays as the inductance handler left it.
    showBandColumns({.band3GoldSilver = true,
                     .heading5 = false,
                     .heading4 = true,
                     .column5 = inductance ? std::nullopt : std::optional<bool>(false),
                     .column4 = true,
                     .band4Digits = !inductance});
    Tabl();
}

void FormLogic::L5_En_Click()
{
    showBandColumns({.band3GoldSilver = false,
                     .heading5 = true,
                     .heading4 = true,
                     .column5 = true,
                     .column4 = true,
                     .band4Digits = true});
    Tabl();
}

// ---- Component kind ----------------------------------------------------------

void FormLogic::showForResistanceOrCapacitance(bool voltage)
{
    controls_.setShown(Result4, voltage);
    controls_.setShown(Result4_Txt, voltage);
    if (!controls_.isSelected(L3_En))
        setSwatchesShown(4, Black, Silver, true);
    controls_.setShown(L5_En, true);
    setSwatchesShown(3, Green, White, true);
    Tabl();
}

void FormLogic::Op_R_Click()
{
    showForResistanceOrCapacitance(false);
}

void FormLogic::Op_C_Click()
{
    showForResistanceOrCapacitance(true);
}

void FormLogic::Op_G_Click()
{
    controls_.setShown(Result4, false);
    controls_.setShown(Result4_Txt, false);
    controls_.select(L4_En);  // runs L4_En_Click, nested, when the count changes
    controls_.setShown(Lab_4, true);
    controls_.setShown(layout::stripe(5), false);
    setSwatchesShown(5, Black, Silver, false);
    controls_.setShown(L5_En, false);
    setSwatchesShown(4, Brown, White, false);
    chooseBandColour(4, Gold);
    // An inductor's multiplier goes no higher than yellow (10^4).
    setSwatchesShown(3, Green, White, false);
    Tabl();
}

// ---- Recomputation -------------------------------------------------------------

void FormLogic::Tabl()
{
    vexil::Tabl(*this, tables_);
    controls_.resultsChanged();
}

ControlId FormLogic::selected(const std::array<ControlId, 3>& group) const
{
    return *std::find_if(group.begin(), group.end(), [&](ControlId o) { return controls_.isSelected(o); });
}

ComponentKind FormLogic::componentKind() const
{
    if (controls_.isSelected(Op_R))
        return ComponentKind::Resistance;
    if (controls_.isSelected(Op_G))
        return ComponentKind::Inductance;
    return ComponentKind::Capacitance;
}

BandCount FormLogic::bandCount() const
{
    if (controls_.isSelected(L3_En))
        return BandCount::Three;
    if (controls_.isSelected(L4_En))
        return BandCount::Four;
    return BandCount::Five;
}

std::string_view FormLogic::kindCaption() const
{
    return layout::controls().at(selected({Op_R, Op_C, Op_G})).caption;
}

std::string_view FormLogic::bandCountCaption() const
{
    return layout::controls().at(selected({L3_En, L4_En, L5_En})).caption;
}

Reading FormLogic::reading() const
{
    return read(tables_, componentKind(), bandCount(), BandSelection_);
}

BandRoles FormLogic::roles() const
{
    return bandRoles(componentKind(), bandCount());
}

BandSelection FormLogic::bandSelection() const
{
    return BandSelection_;
}

std::string FormLogic::decimalSeparator() const
{
    return controls_.decimalSeparator();
}

void FormLogic::setResultText(ResultField field, std::string_view text)
{
    controls_.setResultText(field, text);
}

}  // namespace vexil
