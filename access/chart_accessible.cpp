#include "chart_accessible.h"

#include <QApplication>

#include "announcer.h"
#include "chart_band.h"
#include "colour_chart.h"
#include "speech.h"
#include "swatch.h"
#include "tree.h"
#include "utf8.h"

namespace vexil {

SwatchAccessible::SwatchAccessible(Swatch* swatch) : QAccessibleWidget(swatch, QAccessible::ListItem) {}

Swatch* SwatchAccessible::swatch() const
{
    return static_cast<Swatch*>(widget());
}

QString SwatchAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const auto role =
            formOf(widget())->logic().roles().at(static_cast<std::size_t>(swatch()->band() - 1));
        return utf8(speech::colour(swatch()->colour(), role));
    }
    case QAccessible::Description: return Announcer::carriedBy(swatch());
    default: return QAccessibleWidget::text(t);
    }
}

QAccessible::State SwatchAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.checked = swatch()->isChecked();
    s.focusable = !swatch()->isHidden();
    const auto* chart = qobject_cast<const ColourChart*>(QApplication::focusWidget());
    s.focused = chart != nullptr && chart->cursor() == swatch();
    return s;
}

QAccessibleInterface* SwatchAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(formOf(widget())->chart()->column(swatch()->band()));
}

QStringList SwatchAccessible::actionNames() const
{
    return swatch()->isHidden() ? QStringList() : QStringList{pressAction()};
}

void SwatchAccessible::doAction(const QString& action)
{
    if (action == pressAction() && !swatch()->isHidden())
        swatch()->click();
}

QStringList SwatchAccessible::keyBindingsForAction(const QString&) const
{
    return {};
}

namespace {

// Where a band begins: no object of the form's, nothing to say.
class BandStart : public QAccessibleInterface {
public:
    explicit BandStart(QAccessibleInterface* band) : band_(band) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return band_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        return band_->rect().topLeft().isNull() ? QRect() : QRect(band_->rect().topLeft(), QSize(1, 1));
    }
    QAccessible::Role role() const override { return QAccessible::Separator; }
    QAccessible::State state() const override { return {}; }

private:
    QAccessibleInterface* band_;
};

}  // namespace

BandAccessible::BandAccessible(ChartBand* band) : QAccessibleObject(band), start_(new BandStart(this))
{
    QAccessible::registerAccessibleInterface(start_);
}

BandAccessible::~BandAccessible()
{
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(start_));
}

ChartBand* BandAccessible::band() const
{
    return static_cast<ChartBand*>(object());
}

ColourChart* BandAccessible::chart() const
{
    return static_cast<ColourChart*>(band()->parent());
}

std::vector<Swatch*> BandAccessible::swatches() const
{
    return chart()->shownIn(band()->band());
}

QAccessible::Role BandAccessible::role() const
{
    return QAccessible::Grouping;
}

QAccessible::State BandAccessible::state() const
{
    QAccessible::State s;
    s.invisible = swatches().empty();
    s.selected = chart()->cursor() != nullptr && chart()->cursor()->band() == band()->band();
    return s;
}

QString BandAccessible::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return {};
    return utf8(
        speech::band(formOf(chart())->logic().roles().at(static_cast<std::size_t>(band()->band() - 1))));
}

QRect BandAccessible::rect() const
{
    QRect area;
    for (const auto* swatch : swatches())
        area |= QRect(swatch->mapToGlobal(QPoint(0, 0)), swatch->size());
    return area;
}

QAccessibleInterface* BandAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(chart());
}

int BandAccessible::childCount() const
{
    return 1 + static_cast<int>(swatches().size());
}

QAccessibleInterface* BandAccessible::child(int index) const
{
    return index == 0 ? start_ : childIn(swatches(), index - 1);
}

int BandAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    if (child == start_)
        return 0;
    const int at = indexIn(swatches(), child);
    return at < 0 ? -1 : at + 1;
}

QAccessibleInterface* BandAccessible::focusChild() const
{
    auto* cursor = chart()->cursor();
    if (chart()->hasFocus() && cursor != nullptr && cursor->band() == band()->band())
        return QAccessible::queryAccessibleInterface(cursor);
    return nullptr;
}

ChartAccessible::ChartAccessible(ColourChart* chart) : QAccessibleWidget(chart, QAccessible::Grouping) {}

ColourChart* ChartAccessible::chart() const
{
    return static_cast<ColourChart*>(widget());
}

std::vector<ChartBand*> ChartAccessible::bands() const
{
    std::vector<ChartBand*> shown;
    for (int band = 1; band <= ColourChart::kBands; ++band) {
        if (!chart()->shownIn(band).empty())
            shown.push_back(chart()->column(band));
    }
    return shown;
}

QString ChartAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? utf8(speech::chart()) : QAccessibleWidget::text(t);
}

int ChartAccessible::childCount() const
{
    return static_cast<int>(bands().size());
}

QAccessibleInterface* ChartAccessible::child(int index) const
{
    return childIn(bands(), index);
}

int ChartAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    return indexIn(bands(), child);
}

QAccessibleInterface* ChartAccessible::focusChild() const
{
    if (chart()->hasFocus() && chart()->cursor() != nullptr)
        return QAccessible::queryAccessibleInterface(chart()->cursor());
    return nullptr;
}

}  // namespace vexil
