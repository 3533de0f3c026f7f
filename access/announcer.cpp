#include "announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QTimer>

#include "chart_band.h"
#include "form_view.h"
#include "speaker.h"
#include "speech.h"
#include "swatch.h"

namespace vexil {

namespace {

// One result at a time, carried by one object.
struct Carried {
    QPointer<QObject> object;
    QString text;
};

Carried& carried()
{
    static Carried current;
    return current;
}

}  // namespace

Announcer::Announcer(FormView& form) : QObject(&form), form_(form)
{
    auto* chart = form_.chart();
    connect(chart, &ColourChart::cursorMoved, this, &Announcer::cursorMoved);
    connect(chart, &ColourChart::edgeReached, this, &Announcer::edgeReached);
    connect(&form_, &FormView::recomputed, this, &Announcer::choiceMade);
    // Where a colour was chosen: a typed digit goes on from there.
    for (auto* swatch : form_.swatches())
        connect(swatch, &Swatch::clicked, this, [this, swatch] { chosenBand_ = swatch->band(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
    lastSaid_ = speech::resultOf(form_);
    speaker::stateChanged(speech::state(form_));
}

QString Announcer::newResult()
{
    const auto now = speech::resultOf(form_);
    const QString text = speech::said(now, &lastSaid_);
    lastSaid_ = now;
    return text;
}

QString Announcer::carriedBy(const QObject* object)
{
    return object != nullptr && carried().object == object ? carried().text : QString();
}

QAccessibleInterface* Announcer::focusObject() const
{
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus->window() != form_.window())
        return nullptr;
    if (const auto* chart = qobject_cast<const ColourChart*>(focus);
        chart != nullptr && chart->cursor() != nullptr)
        return QAccessible::queryAccessibleInterface(chart->cursor());
    return QAccessible::queryAccessibleInterface(focus);
}

void Announcer::carryResult(QObject* object)
{
    carry(object, newResult());
    choicePending_ = false;
}

void Announcer::carry(QObject* object, const QString& text)
{
    carried() = {object, text};
    speaker::sayWith(QAccessible::queryAccessibleInterface(object), text);
    // Once said with the object, it is not its description: where-am-I
    // would read it again, stale.
    QTimer::singleShot(kCarriedFor, this, [object = QPointer<QObject>(object), text] {
        if (object == nullptr || carried().object != object || carried().text != text)
            return;
        carried() = {};
        speaker::sayWith(QAccessible::queryAccessibleInterface(object), QString());
    });
}

// Qt tells this before its focus event goes out: an arrow key among the
// options clicks the next option, then focuses it.
void Announcer::focusChanged(QWidget* now)
{
    if (!speaker::listening() || now == nullptr || now->window() != form_.window())
        return;
    carried() = {};
    // In the chart the swatch under the cursor takes the focus next.
    if (qobject_cast<ColourChart*>(now) != nullptr)
        return;
    if (choicePending_)
        carryResult(now);
    speaker::focusChanged(QAccessible::queryAccessibleInterface(now));
}

void Announcer::cursorMoved(Swatch* swatch)
{
    if (!speaker::listening())
        return;
    carried() = {};
    // A digit typed goes on from its band to the next: while that band
    // still changes the value, the number is not yet whole, and its result
    // waits.
    const auto next = form_.chart()->bandRole(swatch->band());
    if (choicePending_ && chosenBand_ != 0 && chosenBand_ != swatch->band() && next != BandRole::Tolerance &&
        next != BandRole::Voltage && next != BandRole::None)
        choicePending_ = false;
    // The chart's keys are told once a run, as the cursor first shows.
    QString pending = choicePending_ ? newResult() : QString();
    choicePending_ = false;
    if (!keysTold_) {
        keysTold_ = true;
        pending = pending.isEmpty() ? speech::keys() : pending + QStringLiteral(". ") + speech::keys();
    }
    if (!pending.isEmpty())
        carry(swatch, pending);
    // The band that holds the cursor reads as selected.
    QString enteredBand;
    if (swatch->band() != cursorBand_) {
        if (cursorBand_ != 0)
            speaker::selectedChanged(
                QAccessible::queryAccessibleInterface(form_.chart()->column(cursorBand_)), false);
        cursorBand_ = swatch->band();
        auto* column = QAccessible::queryAccessibleInterface(form_.chart()->column(cursorBand_));
        speaker::selectedChanged(column, true);
        enteredBand = column->text(QAccessible::Name);
    }
    speaker::cursorMoved(QAccessible::queryAccessibleInterface(swatch), enteredBand);
}

void Announcer::choiceMade()
{
    if (!speaker::listening())
        return;
    carried() = {};
    choicePending_ = true;
    if (!settling_) {
        settling_ = true;
        QMetaObject::invokeMethod(this, &Announcer::settle, Qt::QueuedConnection);
    }
}

// Once every handler of the choice has run, and any focus it moved has
// been told.
void Announcer::settle()
{
    settling_ = false;
    chosenBand_ = 0;
    speaker::stateChanged(speech::state(form_));
    if (!choicePending_)
        return;
    choicePending_ = false;
    if (auto* focus = focusObject())
        speaker::say(focus, newResult());
}

void Announcer::edgeReached(ColourChart::Edge edge)
{
    if (auto* focus = focusObject(); focus != nullptr && speaker::listening())
        speaker::say(focus, speech::cue(edge));
}

}  // namespace vexil
