#include "vexil.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "colour_chart.h"
#include "colour_text.h"
#include "faces.h"
#include "form.h"
#include "group_frame.h"
#include "keyboard.h"
#include "look.h"
#include "product.h"
#include "read_only_field.h"
#include "shape.h"
#include "swatch.h"
#include "text_fit.h"
#include "twips.h"
#include "window_style.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <string_view>

namespace vexil {

namespace {

using namespace look;

QColor displayColour(ColourIndex colour)
{
    return QColor::fromRgb(ColourPalette.at(static_cast<std::size_t>(colour)).rgb);
}

// A face of the layout at its size in pixels (at 96 dpi), or what stands in
// for it (platform.h), fitted to each box where it differs (text_fit.h).
QFont layoutFont(const char* windowsFace, int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies(layoutFaces(windowsFace));
    font.setStyleHint(QFont::SansSerif);
    // Fully hinted, as Windows draws text: glyphs on whole pixels, each
    // drawn once rather than once per sub-pixel position.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

// "MS Sans Serif" 8.25 pt: 11 pixels.
QFont sansSerif(bool bold)
{
    return layoutFont("MS Sans Serif", 11, bold);
}

// "Arial" 9 pt bold: 12 pixels.
QFont arialBold()
{
    return layoutFont("Arial", 12, true);
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

template <typename W>
W* place(W* widget, const char* name, const TwipsRect& rect)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(toPixels(rect));
    return widget;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, const TwipsRect& rect,
                Qt::Alignment alignment, const QFont& font)
{
    auto* label = place(new QLabel(text, parent), name, rect);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setFont(font);
    return label;
}

GroupFrame* frame(QWidget* parent, const char* name, const TwipsRect& rect)
{
    auto* f = place(new GroupFrame(parent), name, rect);
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    return f;
}

// Colour chart geometry, in twips.
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

// Rows run white (top) down to black, then gold and silver below black.
constexpr int rowFromTop(ColourIndex colour)
{
    return colour <= White ? White - colour : colour;
}

constexpr int rowTop(ColourIndex colour)
{
    return kChartTop + kRowPitch * rowFromTop(colour);
}

constexpr ColourIndex coloursOfBand(int band)
{
    return band <= 2 ? kDigitCount : kColourCount;
}

QString indexedName(const char* stem, int number)
{
    return QLatin1String(stem) + QString::number(number);
}

}  // namespace

Vexil::Vexil(QWidget* parent) : FormView(parent)
{
    setObjectName(QStringLiteral("Vexil"));
    // The window's caption, its accessible name too; the frame around it,
    // its flags and its icon are the shell's.
    setWindowTitle(QString::fromLatin1(product::kTitle));
    constexpr QRect kClientArea = toPixels({0, 0, 6615, 6105});
    static_assert(kClientArea.width() == product::kWidth && kClientArea.height() == product::kHeight);
    setFixedSize(kClientArea.size());
    // The layout reads left to right, whatever the locale.
    setLayoutDirection(Qt::LeftToRight);

    setFont(sansSerif(false));

    // Every frame, option and caption inherits the dark teal and pale green,
    // given before they are made rather than passed down to each after.
    applyWindowPalette(*this, kBackground, kCaptionText);
    buildColourChart();
    buildKindGroup();
    buildBandCountGroup();
    buildResults();
    buildChartCursor();
    setFocusOrder();
    fitCaptions(*this);
    new Keyboard({Op_R, Op_C, Op_G, L3_En, L4_En, L5_En}, {Exit_Btn}, this);

    Form_Load();
}

// A frame with a green title and three exclusive options.
struct Vexil::OptionLayout {
    QRadioButton* Vexil::*member;
    const char* name;
    const char* text;
    TwipsRect rect;
    void (Vexil::*handler)();
    bool selectedAtStart = false;
};

Vexil::OptionGroup Vexil::buildOptionGroup(const char* frameName, const TwipsRect& frameRect,
                                           const char* titleName, const char* titleText,
                                           const TwipsRect& titleRect,
                                           const std::array<OptionLayout, 3>& options)
{
    auto* group = frame(this, frameName, frameRect);
    auto* title =
        caption(group, titleName, QString::fromUtf8(titleText), titleRect, Qt::AlignLeft, sansSerif(true));
    setColour(title, QPalette::WindowText, kGroupTitleText);
    for (const auto& o : options) {
        auto* button = place(new QRadioButton(QString::fromUtf8(o.text), group), o.name, o.rect);
        button->setFont(sansSerif(true));
        button->setChecked(o.selectedAtStart);
        this->*o.member = button;
    }
    // Handlers are bound once the state at start is set, so that it runs none.
    for (const auto& o : options)
        onSelected(this->*o.member, o.handler);
    return {group, title, {this->*options[0].member, this->*options[1].member, this->*options[2].member}};
}

void Vexil::buildKindGroup()
{
    optionGroups_[0] = buildOptionGroup(
        "Frame2", {120, 0, 2655, 1575}, "Label23", "Элемент", {120, 150, 1215, 255},
        {{{&Vexil::Op_R, "Op_R", "Сопротивление", {360, 480, 2175, 255}, &Vexil::Op_R_Click, true},
          {&Vexil::Op_C, "Op_C", "Емкость", {360, 840, 2175, 255}, &Vexil::Op_C_Click},
          {&Vexil::Op_G, "Op_G", "Индуктивность", {360, 1200, 2175, 255}, &Vexil::Op_G_Click}}});
}

void Vexil::buildBandCountGroup()
{
    optionGroups_[1] =
        buildOptionGroup("Frame1", {120, 1560, 2655, 855}, "Label1", "Кол-во полос", {120, 150, 2415, 255},
                         {{{&Vexil::L3_En, "L3_En", "3", {120, 480, 495, 255}, &Vexil::L3_En_Click},
                           {&Vexil::L4_En, "L4_En", "4", {975, 480, 495, 255}, &Vexil::L4_En_Click},
                           {&Vexil::L5_En, "L5_En", "5", {1800, 480, 495, 255}, &Vexil::L5_En_Click, true}}});
}

void Vexil::buildResults()
{
    const auto bold = sansSerif(true);
    struct CaptionLayout {
        const char* name;
        const char* text;
        TwipsRect rect;
        Qt::Alignment alignment;
    };
    const CaptionLayout captions[] = {
        {"Label14", "Номинал", {240, 2520, 975, 255}, Qt::AlignLeft},
        {"Label15", "Множитель", {1440, 2520, 1215, 255}, Qt::AlignLeft},
        {"Label17", "x", {1260, 2775, 165, 225}, Qt::AlignHCenter},
        {"Label22", "то есть (короче)", {216, 3108, 2436, 240}, Qt::AlignHCenter},
        {"Label16", "Допуск + -", {225, 3825, 1575, 255}, Qt::AlignLeft},
        {"Result4_Txt", "Напряжение", {225, 4425, 1575, 255}, Qt::AlignLeft},
    };
    std::map<std::string_view, QLabel*> made;
    for (const auto& c : captions)
        made[c.name] = caption(this, c.name, QString::fromUtf8(c.text), c.rect, c.alignment, bold);
    Result4_Txt = made.at("Result4_Txt");
    Result4_Txt->hide();

    // Each field with the name a listener hears for it: the captions
    // above them name two at once ("Номинал") or say it in signs ("+ -").
    struct FieldLayout {
        ResultField field;
        const char* name;
        TwipsRect rect;
        Qt::Alignment alignment;
        const char* spokenName;
    };
    const FieldLayout fields[] = {
        {ResultField::Result, "Result", {240, 2715, 570, 270}, Qt::AlignHCenter, "Цифры"},
        {ResultField::Ed_Izm, "Ed_Izm", {840, 2715, 405, 270}, Qt::AlignRight, "Единица"},
        {ResultField::Result2, "Result2", {1440, 2730, 1215, 270}, Qt::AlignHCenter, "Множитель"},
        {ResultField::R_Full, "R_Full", {240, 3315, 2415, 285}, Qt::AlignHCenter, "Номинал"},
        {ResultField::Result3, "Result3", {225, 4035, 1575, 285}, Qt::AlignHCenter, "Допуск"},
        {ResultField::Result4, "Result4", {225, 4635, 1575, 285}, Qt::AlignHCenter, "Напряжение"},
    };
    for (const auto& layout : fields) {
        auto* field = place(new ReadOnlyField(arialBold(), this), layout.name, layout.rect);
        field->setAccessibleName(QString::fromUtf8(layout.spokenName));
        field->setAlignment(layout.alignment | Qt::AlignVCenter);
        setColour(field, QPalette::Base, kFieldBackground);
        const auto index = static_cast<std::size_t>(layout.field);
        resultFields_.at(index) = field;
    }
    resultField(ResultField::Result4)->hide();

    Exit_Btn = place(new QPushButton(QStringLiteral("Закрыть"), this), "Exit_Btn", {240, 5520, 1575, 375});
    Exit_Btn->setFont(bold);
    Exit_Btn->setAccessibleName(Exit_Btn->text());
    connect(Exit_Btn, &QPushButton::clicked, this, &Vexil::Exit_Btn_Click);
}

void Vexil::buildColourChart()
{
    // Stacked bottom to top: outline, leads, body, stripes.
    decoration_ = {place(new Shape(kCaptionText, std::nullopt, this), "Shape3", {2880, 120, 3615, 5895}),
                   place(new Shape(kCaptionText, kCaptionText, this), "Shape2", {5640, 1005, 615, 135}),
                   place(new Shape(kCaptionText, kCaptionText, this), "Shape2", {3000, 1005, 375, 135}),
                   place(new Shape(kBodyOutline, kBody, this), "Shape1", {3240, 720, 2655, 735})};
    decoration_[1]->setProperty("index", 0);
    decoration_[2]->setProperty("index", 1);

    const char* headings[] = {"Label18", "Label19", "Label20", "Lab_4", "Lab_5"};
    for (int band = 1; band <= 5; ++band) {
        const auto left = columnLeft(band);
        auto* heading = caption(this, headings[band - 1], QString::number(band),
                                {left, 240, kCellSize, kCellSize}, Qt::AlignHCenter, sansSerif(true));
        if (band == 4)
            Lab_4 = heading;
        if (band == 5)
            Lab_5 = heading;

        // A stripe is a bordered rectangle like a swatch, but its colour is
        // not a palette: a palette change would make Qt recompute which of
        // the window's hundred children are opaque on every click.
        stripes_.at(static_cast<std::size_t>(band - 1)) =
            place(new Shape(kBorder, displayColour(White), this), "", {left, 600, kCellSize, 975});
        stripe(band)->setObjectName(indexedName("Line", band));
        // It covers its whole rectangle: a new colour repaints nothing beneath.
        stripe(band)->setAttribute(Qt::WA_OpaquePaintEvent);
        describeStripe(band, White);

        for (ColourIndex colour = 0; colour < coloursOfBand(band); ++colour) {
            auto* cell = place(new Swatch(band, colour, displayColour(colour), this), "",
                               {left, rowTop(colour), kCellSize, kCellSize});
            cell->setObjectName(QStringLiteral("L%1_%2").arg(band).arg(colour));
            swatches_.at(static_cast<std::size_t>(band - 1)).at(static_cast<std::size_t>(colour)) = cell;
            connect(cell, &Swatch::clicked, this, [this, band, colour] { SelectBandColour(band, colour); });
        }
    }
    // Band 3 offers gold and silver only with three or four bands.
    swatch(3, Gold)->hide();
    swatch(3, Silver)->hide();

    caption(this, "Label21", QStringLiteral("№ полос"), {kNamesLeft, 240, 735, kCellSize}, Qt::AlignLeft,
            font());
    for (ColourIndex colour = 0; colour < kColourCount; ++colour) {
        auto* name = caption(this, "", colourCaption(colour), {kNamesLeft, rowTop(colour), 855, kCellSize},
                             Qt::AlignLeft, font());
        name->setObjectName(indexedName("Label", 2 + rowFromTop(colour)));
    }
}

// The colour chart as one stop of the keyboard focus. Made after every other
// control, so that it also comes after them in the focus chain.
void Vexil::buildChartCursor()
{
    chart_ = new ColourChart(swatches(), this);
}

std::vector<Swatch*> Vexil::swatches() const
{
    std::vector<Swatch*> all;
    for (const auto& column : swatches_)
        std::copy_if(column.begin(), column.end(), std::back_inserter(all),
                     [](Swatch* s) { return s != nullptr; });
    return all;
}

void Vexil::setFocusOrder()
{
    QWidget* order[] = {Op_R,
                        Op_C,
                        Op_G,
                        L3_En,
                        L4_En,
                        L5_En,
                        resultField(ResultField::Result),
                        resultField(ResultField::Ed_Izm),
                        resultField(ResultField::Result2),
                        resultField(ResultField::R_Full),
                        resultField(ResultField::Result3),
                        resultField(ResultField::Result4),
                        Exit_Btn,
                        chart_};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// A handler runs whenever its option becomes selected, by a click or from
// code; selecting the option already selected runs nothing.
void Vexil::onSelected(QRadioButton* option, void (Vexil::*handler)())
{
    connect(option, &QRadioButton::toggled, this, [this, handler](bool on) {
        if (on)
            (this->*handler)();
    });
}

ColourIndex Vexil::bandChoice(int band) const
{
    return BandSelection_.at(static_cast<std::size_t>(band - 1));
}

Swatch* Vexil::swatch(int band, ColourIndex colour) const
{
    return swatches_.at(static_cast<std::size_t>(band - 1)).at(static_cast<std::size_t>(colour));
}

ReadOnlyField* Vexil::resultField(ResultField which) const
{
    return resultFields_.at(static_cast<std::size_t>(which));
}

QRadioButton* Vexil::selected(const std::array<QRadioButton*, 3>& group) const
{
    return *std::find_if(group.begin(), group.end(), [](QRadioButton* o) { return o->isChecked(); });
}

QString Vexil::kindCaption() const
{
    return selected(kindOptions())->text();
}

QString Vexil::bandCountCaption() const
{
    return selected(countOptions())->text();
}

Shape* Vexil::stripe(int band) const
{
    return stripes_.at(static_cast<std::size_t>(band - 1));
}

// A screen reader cannot see the colours, so every stripe says its own.
void Vexil::describeStripe(int band, ColourIndex colour)
{
    stripe(band)->setAccessibleName(bandTitle(band) + QStringLiteral(" на рисунке: ") +
                                    fullColourName(colour));
}

void Vexil::setSwatchesVisible(int band, Colour first, Colour last, bool visible)
{
    for (int colour = first; colour <= last; ++colour)
        swatch(band, static_cast<ColourIndex>(colour))->setVisible(visible);
}

// ---- Start-up and exit -----------------------------------------------------

void Vexil::Form_Load()
{
    tables_ = buildDecoderTables();
    BandSelection_.fill(White);
    for (int band = 1; band <= 5; ++band)
        swatch(band, White)->setChecked(true);
    Tabl();
}

void Vexil::Exit_Btn_Click()
{
    close();
}

// ---- Band colour -------------------------------------------------------------

void Vexil::chooseBandColour(int band, ColourIndex colour)
{
    const QColor shown = swatch(band, colour)->shown();
    stripe(band)->setFill(shown);
    describeStripe(band, colour);
    auto& choice = BandSelection_.at(static_cast<std::size_t>(band - 1));
    swatch(band, choice)->setChecked(false);
    choice = colour;
    swatch(band, colour)->setChecked(true);
}

void Vexil::SelectBandColour(int band, ColourIndex colour)
{
    chooseBandColour(band, colour);
    Tabl();
}

// ---- Band count --------------------------------------------------------------

// What one band-count handler shows (true) and hides (false), in the order
// it does so.
struct Vexil::BandColumns {
    bool band3GoldSilver;         // L3_10, L3_11
    bool heading5;                // Lab_5
    bool heading4;                // Lab_4
    std::optional<bool> column5;  // Line5 and L5_0..L5_11; untouched when empty
    bool column4;                 // Line4, L4_0, L4_10, L4_11
    bool band4Digits;             // L4_1..L4_9
};

void Vexil::showBandColumns(const BandColumns& c)
{
    setSwatchesVisible(3, Gold, Silver, c.band3GoldSilver);
    Lab_5->setVisible(c.heading5);
    Lab_4->setVisible(c.heading4);
    if (c.column5) {
        stripe(5)->setVisible(*c.column5);
        setSwatchesVisible(5, Black, Silver, *c.column5);
    }
    stripe(4)->setVisible(c.column4);
    swatch(4, Black)->setVisible(c.column4);
    setSwatchesVisible(4, Brown, White, c.band4Digits);
    setSwatchesVisible(4, Gold, Silver, c.column4);
}

void Vexil::L3_En_Click()
{
    showBandColumns({.band3GoldSilver = true,
                     .heading5 = false,
                     .heading4 = false,
                     .column5 = false,
                     .column4 = false,
                     .band4Digits = false});
    Tabl();
}

void Vexil::L4_En_Click()
{
    const bool inductance = Op_G->isChecked();
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

void Vexil::L5_En_Click()
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

void Vexil::showForResistanceOrCapacitance(bool voltage)
{
    resultField(ResultField::Result4)->setVisible(voltage);
    Result4_Txt->setVisible(voltage);
    if (!L3_En->isChecked())
        setSwatchesVisible(4, Black, Silver, true);
    L5_En->show();
    setSwatchesVisible(3, Green, White, true);
    Tabl();
}

void Vexil::Op_R_Click()
{
    showForResistanceOrCapacitance(false);
}

void Vexil::Op_C_Click()
{
    showForResistanceOrCapacitance(true);
}

void Vexil::Op_G_Click()
{
    resultField(ResultField::Result4)->hide();
    Result4_Txt->hide();
    L4_En->setChecked(true);  // runs L4_En_Click, nested, when the count changes
    Lab_4->show();
    stripe(5)->hide();
    setSwatchesVisible(5, Black, Silver, false);
    L5_En->hide();
    setSwatchesVisible(4, Brown, White, false);
    chooseBandColour(4, Gold);
    // An inductor's multiplier goes no higher than yellow (10^4).
    setSwatchesVisible(3, Green, White, false);
    Tabl();
}

// ---- Carried over ----------------------------------------------------------------

FormView::Choices Vexil::choices() const
{
    Choices c{componentKind(), bandCount(), BandSelection_, {}};
    if (const QWidget* focus = QApplication::focusWidget(); focus != nullptr && isAncestorOf(focus))
        c.focus = focus == chart_ && chart_->cursor() != nullptr ? chart_->cursor()->objectName()
                                                                 : focus->objectName();
    return c;
}

void Vexil::restore(const Choices& c)
{
    kindOptions().at(static_cast<std::size_t>(c.kind))->setChecked(true);  // the options in the enum's order
    countOptions().at(static_cast<std::size_t>(c.count) - 3)->setChecked(true);
    // Stored as they were, shown or not: a band keeps a colour chosen in
    // another mode.
    for (int band = 1; band <= 5; ++band) {
        const auto colour = c.bands.at(static_cast<std::size_t>(band - 1));
        if (colour >= 0 && colour < coloursOfBand(band))
            chooseBandColour(band, colour);
    }
    Tabl();
    if (auto* swatch = findChild<Swatch*>(c.focus); swatch != nullptr)
        chart_->focusOn(swatch);
    else if (auto* control = findChild<QWidget*>(c.focus); control != nullptr && !c.focus.isEmpty())
        control->setFocus(Qt::OtherFocusReason);
}

// ---- Recomputation -------------------------------------------------------------

void Vexil::Tabl()
{
    vexil::Tabl(*this, tables_);
    chart_->setBandRoles(bandRoles(componentKind(), bandCount()));
    emit recomputed();
}

ComponentKind Vexil::componentKind() const
{
    if (Op_R->isChecked())
        return ComponentKind::Resistance;
    if (Op_G->isChecked())
        return ComponentKind::Inductance;
    return ComponentKind::Capacitance;
}

BandCount Vexil::bandCount() const
{
    if (L3_En->isChecked())
        return BandCount::Three;
    if (L4_En->isChecked())
        return BandCount::Four;
    return BandCount::Five;
}

Reading Vexil::reading() const
{
    return read(tables_, componentKind(), bandCount(), BandSelection_);
}

BandSelection Vexil::bandSelection() const
{
    return BandSelection_;
}

std::string Vexil::decimalSeparator() const
{
    return locale().decimalPoint().toStdString();
}

void Vexil::setResultText(ResultField which, std::string_view text)
{
    resultField(which)->showResult(utf8(text));
}

// ---- The form's entry points ----------------------------------------------------

void prepareApplication()
{
    useWindowStyle();
    QApplication::setFont(sansSerif(false));
}

std::unique_ptr<FormView> makeForm()
{
    return std::make_unique<Vexil>();
}

}  // namespace vexil
