#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "decoder.h"
#include "layout.h"

namespace vexil {

// What the handlers need of a window, whatever draws it: its controls, by
// their place in the layout.
class FormControls {
public:
    virtual ~FormControls() = default;

    virtual void setShown(layout::ControlId control, bool shown) = 0;
    virtual bool isSelected(layout::ControlId option) const = 0;
    // Selects `option`; where it was not selected, its handler runs at
    // once, inside this call, as when the user selects it.
    virtual void select(layout::ControlId option) = 0;
    virtual std::uint32_t background(layout::ControlId control) const = 0;
    virtual void setBackground(layout::ControlId control, std::uint32_t rgb) = 0;
    // Whether a swatch is its band's current choice, which assistive
    // technology is told.
    virtual void markChosen(layout::ControlId swatch, bool chosen) = 0;
    // What a listener hears a control called (a stripe says its colour).
    virtual void setSpokenName(layout::ControlId control, std::string_view name) = 0;
    virtual void setResultText(ResultField field, std::string_view text) = 0;
    // The user's decimal separator, "," in the Russian locale.
    virtual std::string decimalSeparator() const = 0;
    // After each recomputation.
    virtual void resultsChanged() = 0;
    // Closes the window, which ends the program.
    virtual void closeWindow() = 0;
};

// The window's state and its handlers, named after their control and
// event: the tables, the five band choices, and what each click changes.
// The kind and the band count are the selected options, asked of the
// window each time.
class FormLogic : private DecoderView {
public:
    explicit FormLogic(FormControls& controls);

    void Form_Load();
    void Exit_Btn_Click();
    void SelectBandColour(int band, ColourIndex colour);
    void L3_En_Click();
    void L4_En_Click();
    void L5_En_Click();
    void Op_R_Click();
    void Op_C_Click();
    void Op_G_Click();

    // The handler each option runs as it becomes selected.
    using Handler = void (FormLogic::*)();
    struct OptionHandler {
        std::string_view option;
        Handler handler;
    };
    static const std::array<OptionHandler, 6> kOptionHandlers;

    // The colour stored for band 1..5.
    ColourIndex bandChoice(int band) const;
    ComponentKind componentKind() const override;
    BandCount bandCount() const override;
    // The captions of the selected options: "Сопротивление", "4".
    std::string_view kindCaption() const;
    std::string_view bandCountCaption() const;
    // What the bands say now, and what each band means.
    Reading reading() const;
    BandRoles roles() const;

private:
    void Tabl();

    struct BandColumns;
    void showBandColumns(const BandColumns& columns);
    void showForResistanceOrCapacitance(bool voltage);
    // Paints band's stripe with the swatch's colour and stores the choice.
    void chooseBandColour(int band, ColourIndex colour);
    void setSwatchesShown(int band, Colour first, Colour last, bool shown);
    layout::ControlId selected(const std::array<layout::ControlId, 3>& group) const;

    // DecoderView
    BandSelection bandSelection() const override;
    std::string decimalSeparator() const override;
    void setResultText(ResultField field, std::string_view text) override;

    FormControls& controls_;
    DecoderTables tables_{};
    BandSelection BandSelection_{};

    layout::ControlId Op_R, Op_C, Op_G, L3_En, L4_En, L5_En, Lab_4, Lab_5, Result4_Txt, Result4;
};

}  // namespace vexil
