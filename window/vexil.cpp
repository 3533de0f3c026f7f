#include "vexil.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "colour_chart.h"
#include "faces.h"
#include "form.h"
#include "group_frame.h"
#include "keyboard.h"
#include "look.h"
#include "product.h"
#include "read_only_field.h"
#include "shape.h"
#include "speech.h"
#include "swatch.h"
#include "text_fit.h"
#include "utf8.h"
#include "window_style.h"

#include <algorithm>

namespace vexil {

namespace {

using layout::ControlId;
using layout::Kind;

constexpr QRect toPixels(const layout::Rect& twips)
{
    const auto px = layout::pixels(twips);
    return {px.left, px.top, px.width, px.height};
}

// A face of the layout at its size in pixels (at 96 dpi), or what stands in
// for it (faces.h), fitted to each box where it differs (text_fit.h).
QFont layoutFont(layout::Face face)
{
    const auto metrics = layout::metrics(face);
    QFont font;
    font.setFamilies(layoutFaces(metrics.layoutFace));
    font.setStyleHint(QFont::SansSerif);
    // Fully hinted, as Windows draws text: glyphs on whole pixels, each
    // drawn once rather than once per sub-pixel position.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(metrics.pixelSize);
    font.setBold(metrics.bold);
    return font;
}

void setColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

Qt::Alignment alignment(layout::Align align)
{
    switch (align) {
    case layout::Align::Centre: return Qt::AlignHCenter;
    case layout::Align::Right: return Qt::AlignRight;
    case layout::Align::Left: break;
    }
    return Qt::AlignLeft;
}

QColor colour(std::uint32_t rgb)
{
    return QColor::fromRgb(rgb);
}

}  // namespace

Vexil::Vexil(QWidget* parent) : FormView(parent), logic_(*this)
{
    setObjectName(QStringLiteral("Vexil"));
    // The window's caption, its accessible name too; the frame around it,
    // its flags and its icon are the shell's.
    setWindowTitle(QString::fromLatin1(product::kTitle));
    constexpr QRect kClientArea = toPixels(layout::kWindow);
    static_assert(kClientArea.width() == product::kWidth && kClientArea.height() == product::kHeight);
    setFixedSize(kClientArea.size());
    // The layout reads left to right, whatever the locale.
    setLayoutDirection(Qt::LeftToRight);

    setFont(layoutFont(layout::Face::Regular));

    // Every frame, option and caption inherits the dark teal and pale green,
    // given before they are made rather than passed down to each after.
    applyWindowPalette(*this, look::kBackground, look::kCaptionText);
    build();
    // The colour chart as one stop of the keyboard focus, made after every
    // other control, so that it also comes after them in the focus chain.
    chart_ = new ColourChart(swatches(), this);
    setFocusOrder();
    fitCaptions(*this);
    std::vector<QRadioButton*> options;
    for (const auto& group : optionGroups_)
        options.insert(options.end(), group.options.begin(), group.options.end());
    new Keyboard(options, {qobject_cast<QPushButton*>(widgets_.at(layout::find("Exit_Btn")))}, this);
    // Handlers are bound once the state at start is set, so that it runs none.
    bindHandlers();

    logic_.Form_Load();
}

void Vexil::build()
{
    const auto& table = layout::controls();
    widgets_.reserve(table.size());
    for (const auto& control : table) {
        QWidget* w = make(control);
        w->setObjectName(QLatin1String(control.name.data(), static_cast<qsizetype>(control.name.size())));
        if (control.index >= 0)
            w->setProperty("index", control.index);
        w->setGeometry(toPixels(control.rect));
        if (!control.shownAtStart)
            w->hide();
        widgets_.push_back(w);
    }
    // Each frame with its title and options, in their order.
    std::size_t group = 0;
    for (ControlId id = 0; id < table.size(); ++id) {
        if (table[id].kind != Kind::Frame)
            continue;
        auto& g = optionGroups_.at(group++);
        g.frame = static_cast<GroupFrame*>(widgets_[id]);
        g.title = static_cast<QLabel*>(widgets_[id + 1]);
        for (std::size_t o = 0; o < g.options.size(); ++o)
            g.options.at(o) = static_cast<QRadioButton*>(widgets_[id + 2 + o]);
    }
}

QWidget* Vexil::make(const layout::Control& c)
{
    QWidget* parent = c.parent < 0 ? this : widgets_.at(static_cast<std::size_t>(c.parent));
    const QString caption = utf8(c.caption);
    switch (c.kind) {
    case Kind::Frame: {
        auto* frame = new GroupFrame(parent);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        return frame;
    }
    case Kind::Title:
    case Kind::Caption:
    case Kind::Heading:
    case Kind::Name: {
        auto* label = new QLabel(caption, parent);
        label->setAlignment(alignment(c.align) | Qt::AlignTop);
        label->setFont(layoutFont(c.face));
        if (colour(c.text) != look::kCaptionText)
            setColour(label, QPalette::WindowText, colour(c.text));
        return label;
    }
    case Kind::Option: {
        auto* button = new QRadioButton(caption, parent);
        button->setFont(layoutFont(c.face));
        button->setChecked(c.selectedAtStart);
        return button;
    }
    case Kind::Field: {
        auto* field = new ReadOnlyField(layoutFont(c.face), parent);
        field->setAccessibleName(utf8(c.spokenName));
        field->setAlignment(alignment(c.align) | Qt::AlignVCenter);
        setColour(field, QPalette::Base, colour(c.fill));
        return field;
    }
    case Kind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setFont(layoutFont(c.face));
        button->setAccessibleName(caption);
        return button;
    }
    case Kind::Outline:
    case Kind::Block: {
        auto* shape = new Shape(colour(c.outline),
                                c.kind == Kind::Block ? std::optional(colour(c.fill)) : std::nullopt, parent);
        decoration_.push_back(shape);
        return shape;
    }
    case Kind::Stripe: {
        // A stripe is a bordered rectangle like a swatch, but its colour is
        // not a palette: a palette change would make Qt recompute which of
        // the window's hundred children are opaque on every click.
        auto* stripe = new Shape(colour(c.outline), colour(c.fill), parent);
        // It covers its whole rectangle: a new colour repaints nothing beneath.
        stripe->setAttribute(Qt::WA_OpaquePaintEvent);
        stripe->setAccessibleName(utf8(speech::stripe(c.band, White)));
        return stripe;
    }
    case Kind::Swatch: {
        auto* swatch = new Swatch(c.band, c.colour, colour(c.fill), parent);
        connect(swatch, &Swatch::clicked, this,
                [this, band = c.band, colour = c.colour] { logic_.SelectBandColour(band, colour); });
        return swatch;
    }
    }
    return nullptr;
}

// A handler runs whenever its option becomes selected, by a click or from
// code; selecting the option already selected runs nothing.
void Vexil::bindHandlers()
{
    connect(static_cast<QPushButton*>(widgets_.at(layout::find("Exit_Btn"))), &QPushButton::clicked, this,
            [this] { logic_.Exit_Btn_Click(); });
    for (const auto& [name, handler] : FormLogic::kOptionHandlers) {
        auto* option = static_cast<QRadioButton*>(widgets_.at(layout::find(name)));
        connect(option, &QRadioButton::toggled, this, [this, handler = handler](bool on) {
            if (on)
                (logic_.*handler)();
        });
    }
}

std::vector<Swatch*> Vexil::swatches() const
{
    std::vector<Swatch*> all;
    for (int band = 1; band <= 5; ++band)
        for (ColourIndex colour = 0; colour < layout::coloursOfBand(band); ++colour)
            all.push_back(swatch(band, colour));
    return all;
}

void Vexil::setFocusOrder()
{
    std::vector<QWidget*> order;
    for (const ControlId id : layout::focusOrder())
        order.push_back(widgets_.at(id));
    order.push_back(chart_);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

Swatch* Vexil::swatch(int band, ColourIndex colour) const
{
    return static_cast<Swatch*>(widgets_.at(layout::swatch(band, colour)));
}

ReadOnlyField* Vexil::resultField(ResultField which) const
{
    return static_cast<ReadOnlyField*>(widgets_.at(layout::field(which)));
}

// ---- What the handlers do to the widgets ---------------------------------------

void Vexil::setShown(ControlId control, bool shown)
{
    widgets_.at(control)->setVisible(shown);
}

bool Vexil::isSelected(ControlId option) const
{
    return static_cast<const QRadioButton*>(widgets_.at(option))->isChecked();
}

void Vexil::select(ControlId option)
{
    static_cast<QRadioButton*>(widgets_.at(option))->setChecked(true);  // its toggled() runs the handler
}

std::uint32_t Vexil::background(ControlId control) const
{
    return static_cast<const Shape*>(widgets_.at(control))->fill().value_or(Qt::transparent).rgb() & 0xFFFFFF;
}

void Vexil::setBackground(ControlId control, std::uint32_t rgb)
{
    static_cast<Shape*>(widgets_.at(control))->setFill(colour(rgb));
}

void Vexil::markChosen(ControlId swatch, bool chosen)
{
    static_cast<Swatch*>(widgets_.at(swatch))->setChecked(chosen);
}

void Vexil::setSpokenName(ControlId control, std::string_view name)
{
    widgets_.at(control)->setAccessibleName(utf8(name));
}

void Vexil::setResultText(ResultField which, std::string_view text)
{
    resultField(which)->showResult(utf8(text));
}

std::string Vexil::decimalSeparator() const
{
    return locale().decimalPoint().toStdString();
}

void Vexil::resultsChanged()
{
    emit recomputed();
}

void Vexil::closeWindow()
{
    close();
}

// ---- The form's entry points ----------------------------------------------------

void prepareApplication()
{
    useWindowStyle();
    QApplication::setFont(layoutFont(layout::Face::Regular));
}

std::unique_ptr<FormView> makeForm()
{
    return std::make_unique<Vexil>();
}

}  // namespace vexil
