#include "colour_chart.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "chart_band.h"
#include "filled_frame.h"
#include "look.h"
#include "swatch.h"

namespace vexil {

namespace {

// The focus mark lies in the gap between swatches, where only the window's
// background lies.
constexpr int kMarkOutset = look::kCursorRingGap + look::kCursorRingWidth;

}  // namespace

ColourChart::ColourChart(const std::vector<Swatch*>& swatches, QWidget* parent)
    : QWidget(parent), swatches_(swatches)
{
    setObjectName(QStringLiteral("ColourChart"));
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int band = 1; band <= kBands; ++band)
        columns_.at(static_cast<std::size_t>(band - 1)) = new ChartBand(band, this);
    QRect area;
    for (auto* swatch : swatches_) {
        area |= swatch->geometry();
        swatch->installEventFilter(this);
    }
    setGeometry(area.adjusted(-kMarkOutset, -kMarkOutset, kMarkOutset, kMarkOutset));
    lower();  // beneath the swatches: it only paints between them
}

bool ColourChart::shown(chart::Cell cell) const
{
    const auto* swatch = at(cell);
    return swatch != nullptr && !swatch->isHidden();
}

ColourIndex ColourChart::choice(int band) const
{
    const auto it = std::find_if(swatches_.begin(), swatches_.end(),
                                 [&](Swatch* s) { return s->band() == band && s->isChecked(); });
    return it == swatches_.end() ? ColourIndex{-1} : (*it)->colour();
}

Swatch* ColourChart::at(const std::optional<chart::Cell>& cell) const
{
    if (!cell)
        return nullptr;
    const auto it = std::find_if(swatches_.begin(), swatches_.end(), [&](Swatch* s) {
        return s->band() == cell->band && s->colour() == cell->colour;
    });
    return it == swatches_.end() ? nullptr : *it;
}

std::vector<Swatch*> ColourChart::shownIn(int band) const
{
    std::vector<Swatch*> shown;
    for (const auto cell : chart::shownIn(*this, band))
        shown.push_back(at(cell));
    return shown;
}

void ColourChart::focusOn(Swatch* swatch)
{
    if (swatch == nullptr || swatch->isHidden())
        return;
    moveTo(swatch);
    setFocus(Qt::OtherFocusReason);
}

void ColourChart::moveTo(Swatch* swatch)
{
    if (swatch == nullptr || swatch == cursor_)
        return;
    updateRing();
    cursor_ = swatch;
    updateRing();
    if (hasFocus())
        emit cursorMoved(cursor_);
}

void ColourChart::keyPressEvent(QKeyEvent* event)
{
    using chart::Key;
    if (cursor_ == nullptr)
        return QWidget::keyPressEvent(event);
    Key key = Key::Typed;
    char32_t typed = 0;
    switch (event->key()) {
    case Qt::Key_Up: key = Key::Up; break;
    case Qt::Key_Down: key = Key::Down; break;
    case Qt::Key_Left: key = Key::Left; break;
    case Qt::Key_Right: key = Key::Right; break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: key = Key::Choose; break;
    default: {
        const auto text = event->text().toUcs4();
        if (text.size() != 1)
            return QWidget::keyPressEvent(event);
        typed = text.front();
    }
    }
    const auto outcome = chart::press(*this, {cursor_->band(), cursor_->colour()}, key, typed);
    if (!outcome.handled)
        return QWidget::keyPressEvent(event);
    if (auto* chosen = at(outcome.chosen))
        chosen->click();
    moveTo(at(outcome.cursor));
    if (outcome.edge)
        emit edgeReached(*outcome.edge);
    event->accept();
}

void ColourChart::focusInEvent(QFocusEvent* event)
{
    if (cursor_ == nullptr)
        cursor_ = at(chart::landingIn(*this, 1));
    updateRing();
    QWidget::focusInEvent(event);
    // After Qt has announced the chart itself, announce the swatch under
    // the cursor.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus() && cursor_ != nullptr)
                emit cursorMoved(cursor_);
        },
        Qt::QueuedConnection);
}

void ColourChart::focusOutEvent(QFocusEvent* event)
{
    updateRing();
    QWidget::focusOutEvent(event);
}

// A band-count or kind change shows and hides swatches, which do not
// paint themselves, and can hide the swatch under the cursor.
bool ColourChart::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::HideToParent && event->type() != QEvent::ShowToParent)
        return false;
    const auto* swatch = static_cast<Swatch*>(watched);
    update(swatch->geometry().translated(-pos()));
    if (event->type() == QEvent::HideToParent && swatch == cursor_)
        moveTo(at(chart::nearestLanding(*this, cursor_->band())));
    return false;
}

QRect ColourChart::ringAround(const Swatch* swatch) const
{
    return swatch->geometry().translated(-pos()).adjusted(-kMarkOutset, -kMarkOutset, kMarkOutset,
                                                          kMarkOutset);
}

void ColourChart::updateRing()
{
    if (cursor_ != nullptr)
        update(ringAround(cursor_));
}

void ColourChart::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    for (const auto* swatch : swatches_) {
        const QRect square = swatch->geometry().translated(-pos());
        if (!swatch->isHidden() && event->region().intersects(square))
            paintShape(painter, square, swatch->outline(), swatch->shown());
    }
    if (hasFocus() && cursor_ != nullptr && !cursor_->isHidden())
        fillFrame(painter, ringAround(cursor_), look::kCursorRingWidth, look::kCursorRing);
}

}  // namespace vexil
