#include "colour_chart.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstdlib>

#include "chart_band.h"
#include "colour_text.h"
#include "filled_frame.h"
#include "keyboard.h"
#include "look.h"
#include "swatch.h"

namespace vexil {

namespace {

// The focus mark lies in the gap between swatches, where only the window's
// background lies.
constexpr int kMarkOutset = look::kCursorRingGap + look::kCursorRingWidth;

int distance(const Swatch* a, const Swatch* b)
{
    return std::abs(a->y() - b->y());
}

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

std::vector<Swatch*> ColourChart::shownIn(int band) const
{
    std::vector<Swatch*> shown;
    for (auto* swatch : swatches_) {
        if (swatch->band() == band && !swatch->isHidden())
            shown.push_back(swatch);
    }
    std::sort(shown.begin(), shown.end(), [](Swatch* a, Swatch* b) { return a->y() < b->y(); });
    return shown;
}

Swatch* ColourChart::landingIn(int band) const
{
    const auto shown = shownIn(band);
    if (shown.empty())
        return nullptr;
    const auto it = std::find_if(swatches_.begin(), swatches_.end(),
                                 [&](Swatch* s) { return s->band() == band && s->isChecked(); });
    if (it == swatches_.end())
        return shown.front();
    if (!(*it)->isHidden())
        return *it;
    // The choice is kept but no longer offered: the nearest row that is.
    return *std::min_element(shown.begin(), shown.end(),
                             [&](Swatch* a, Swatch* b) { return distance(a, *it) < distance(b, *it); });
}

Swatch* ColourChart::nearestLanding(int band) const
{
    for (int step = 0; step < kBands; ++step) {
        for (int candidate : {band - step, band + step}) {
            if (candidate < 1 || candidate > kBands)
                continue;
            if (auto* landing = landingIn(candidate))
                return landing;
        }
    }
    return nullptr;
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
    if (cursor_ == nullptr)
        return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const auto shown = shownIn(cursor_->band());
        const auto at = std::find(shown.begin(), shown.end(), cursor_);
        if (at == shown.end())
            break;
        if (event->key() == Qt::Key_Up && at == shown.begin())
            emit edgeReached(Edge::TopOfBand);
        else if (event->key() == Qt::Key_Up)
            moveTo(*(at - 1));
        else if (at + 1 == shown.end())
            emit edgeReached(Edge::BottomOfBand);
        else
            moveTo(*(at + 1));
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        const bool left = event->key() == Qt::Key_Left;
        if (auto* landing = landingBeside(cursor_->band(), left ? -1 : 1))
            moveTo(landing);
        else
            emit edgeReached(left ? Edge::FirstBand : Edge::LastBand);
        break;
    }
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: cursor_->click(); break;
    default:
        if (!typed(event->text()))
            return QWidget::keyPressEvent(event);
    }
    event->accept();
}

Swatch* ColourChart::landingBeside(int band, int step) const
{
    for (int beside = band + step; beside >= 1 && beside <= kBands; beside += step) {
        if (auto* landing = landingIn(beside))
            return landing;
    }
    return nullptr;
}

bool ColourChart::typed(const QString& text)
{
    if (text.size() != 1)
        return false;
    const auto shown = shownIn(cursor_->band());
    if (text.front().isDigit()) {
        // The colour whose code is the digit, chosen; then on to the next
        // band, as a number is typed.
        const auto digit = static_cast<ColourIndex>(text.front().digitValue());
        const auto chosen =
            std::find_if(shown.begin(), shown.end(), [&](const Swatch* s) { return s->colour() == digit; });
        if (chosen == shown.end()) {
            emit edgeReached(Edge::NoSuchColour);
            return true;
        }
        (*chosen)->click();
        auto* next = landingBeside(cursor_->band(), 1);
        moveTo(next != nullptr ? next : *chosen);
        return true;
    }
    const QChar letter = russianLetter(text.front());
    if (!letter.isLetter())
        return false;
    // The next colour after the cursor whose name starts with the letter,
    // round the band.
    const auto at = std::find(shown.begin(), shown.end(), cursor_);
    const auto count = static_cast<std::ptrdiff_t>(shown.size());
    const auto named = [&](const Swatch* s) {
        return fullColourName(s->colour()).startsWith(letter, Qt::CaseInsensitive);
    };
    for (std::ptrdiff_t step = 1; step < count; ++step) {
        auto* candidate = shown.at(static_cast<std::size_t>((at - shown.begin() + step) % count));
        if (named(candidate)) {
            moveTo(candidate);
            return true;
        }
    }
    emit edgeReached(named(cursor_) ? Edge::NoOtherColour : Edge::NoSuchColour);
    return true;
}

void ColourChart::focusInEvent(QFocusEvent* event)
{
    if (cursor_ == nullptr)
        cursor_ = landingIn(1);
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
        moveTo(nearestLanding(cursor_->band()));
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
