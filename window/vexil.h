#pragma once

#include <QWidget>

#include <array>

#include "decoder.h"
#include "form_view.h"
#include "twips.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace vexil {

class ColourChart;
class ReadOnlyField;
class Shape;
class Swatch;

// The one window of the program: the component kind and band count, the
// colour chart with its drawing, and the results.
class Vexil : public FormView, private DecoderView {
    Q_OBJECT

public:
    explicit Vexil(QWidget* parent = nullptr);

    // The colour stored for band 1..5.
    ColourIndex bandChoice(int band) const;
    // The swatch of a colour in band 1..5; none where the band lacks it.
    Swatch* swatch(int band, ColourIndex colour) const;

    // FormView (and DecoderView's readers)
    ComponentKind componentKind() const override;
    BandCount bandCount() const override;
    QString kindCaption() const override;
    QString bandCountCaption() const override;
    Reading reading() const override;
    ReadOnlyField* resultField(ResultField field) const override;
    std::array<OptionGroup, 2> optionGroups() const override { return optionGroups_; }
    ColourChart* chart() const override { return chart_; }
    std::vector<Swatch*> swatches() const override;
    std::vector<QWidget*> decoration() const override { return decoration_; }
    Choices choices() const override;
    void restore(const Choices& choices) override;

private:
    struct OptionLayout;
    OptionGroup buildOptionGroup(const char* frameName, const TwipsRect& frameRect, const char* titleName,
                                 const char* titleText, const TwipsRect& titleRect,
                                 const std::array<OptionLayout, 3>& options);
    void buildKindGroup();
    void buildBandCountGroup();
    void buildResults();
    void buildColourChart();
    void buildChartCursor();
    void setFocusOrder();
    void onSelected(QRadioButton* option, void (Vexil::*handler)());

    // Handlers, named after their control and event.
    void Form_Load();
    void Exit_Btn_Click();
    void SelectBandColour(int band, ColourIndex colour);
    void L3_En_Click();
    void L4_En_Click();
    void L5_En_Click();
    void Op_R_Click();
    void Op_C_Click();
    void Op_G_Click();

    void Tabl();

    struct BandColumns;
    void showBandColumns(const BandColumns& columns);
    void showForResistanceOrCapacitance(bool voltage);
    // Paints band's stripe with the swatch's colour and stores the choice.
    void chooseBandColour(int band, ColourIndex colour);
    Shape* stripe(int band) const;
    QRadioButton* selected(const std::array<QRadioButton*, 3>& group) const;
    void describeStripe(int band, ColourIndex colour);
    void setSwatchesVisible(int band, Colour first, Colour last, bool visible);

    // DecoderView
    BandSelection bandSelection() const override;
    std::string decimalSeparator() const override;
    void setResultText(ResultField field, std::string_view text) override;

    DecoderTables tables_{};
    BandSelection BandSelection_{};

    QRadioButton* Op_R = nullptr;
    QRadioButton* Op_C = nullptr;
    QRadioButton* Op_G = nullptr;
    QRadioButton* L3_En = nullptr;
    QRadioButton* L4_En = nullptr;
    QRadioButton* L5_En = nullptr;
    std::array<QRadioButton*, 3> kindOptions() const { return {Op_R, Op_C, Op_G}; }
    std::array<QRadioButton*, 3> countOptions() const { return {L3_En, L4_En, L5_En}; }
    QLabel* Lab_4 = nullptr;
    QLabel* Lab_5 = nullptr;
    QLabel* Result4_Txt = nullptr;
    QPushButton* Exit_Btn = nullptr;
    ColourChart* chart_ = nullptr;

    std::array<ReadOnlyField*, 6> resultFields_{};  // indexed by ResultField
    std::array<OptionGroup, 2> optionGroups_{};
    std::vector<QWidget*> decoration_;
    std::array<Shape*, 5> stripes_{};                              // Line1..Line5
    std::array<std::array<Swatch*, kColourCount>, 5> swatches_{};  // [band - 1][colour]
};

}  // namespace vexil
