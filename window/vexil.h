#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "decoder.h"
#include "form_logic.h"
#include "form_view.h"

namespace vexil {

class ColourChart;
class ReadOnlyField;
class Swatch;

// The one window of the program, built from the layout's table: the
// component kind and band count, the colour chart with its drawing, and the
// results. Its handlers are the form's logic, run on these widgets.
class Vexil : public FormView, private FormControls {
    Q_OBJECT

public:
    explicit Vexil(QWidget* parent = nullptr);

    // The colour stored for band 1..5.
    ColourIndex bandChoice(int band) const { return logic_.bandChoice(band); }
    // The swatch of a colour in band 1..5.
    Swatch* swatch(int band, ColourIndex colour) const;

    // FormView
    const FormLogic& logic() const override { return logic_; }
    ReadOnlyField* resultField(ResultField field) const override;
    std::array<OptionGroup, 2> optionGroups() const override { return optionGroups_; }
    ColourChart* chart() const override { return chart_; }
    std::vector<Swatch*> swatches() const override;
    std::vector<QWidget*> decoration() const override { return decoration_; }

private:
    void build();
    QWidget* make(const layout::Control& control);
    void bindHandlers();
    void setFocusOrder();

    // FormControls
    void setShown(layout::ControlId control, bool shown) override;
    bool isSelected(layout::ControlId option) const override;
    void select(layout::ControlId option) override;
    std::uint32_t background(layout::ControlId control) const override;
    void setBackground(layout::ControlId control, std::uint32_t rgb) override;
    void markChosen(layout::ControlId swatch, bool chosen) override;
    void setSpokenName(layout::ControlId control, std::string_view name) override;
    void setResultText(ResultField field, std::string_view text) override;
    std::string decimalSeparator() const override;
    void resultsChanged() override;
    void closeWindow() override;

    FormLogic logic_;
    std::vector<QWidget*> widgets_;  // by their place in the layout
    ColourChart* chart_ = nullptr;
    std::array<OptionGroup, 2> optionGroups_{};
    std::vector<QWidget*> decoration_;
};

}  // namespace vexil
