#include "announcer.h"

#include <QAccessible>
#include <QApplication>
#include <QTimer>

#include "chart_band.h"
#include "form_view.h"
#include "speaker.h"
#include "swatch.h"
#include "utf8.h"

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

Announcer::Announcer(FormView& form) : QObject(&form), form_(form), rules_(form.logic())
{
    auto* chart = form_.chart();
    connect(chart, &ColourChart::cursorMoved, this, &Announcer::cursorMoved);
    connect(chart, &ColourChart::edgeReached, this, &Announcer::edgeReached);
    connect(&form_, &FormView::recomputed, this, &Announcer::choiceMade);
    for (auto* swatch : form_.swatches())
        connect(swatch, &Swatch::clicked, this, [this, swatch] { rules_.chosenIn(swatch->band()); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focusChanged(now); });
    speaker::stateChanged(utf8(rules_.state()));
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
    if (const auto text = rules_.focusMoved(); !text.empty())
        carry(now, utf8(text));
    speaker::focusChanged(QAccessible::queryAccessibleInterface(now));
}

void Announcer::cursorMoved(Swatch* swatch)
{
    if (!speaker::listening())
        return;
    carried() = {};
    const auto news = rules_.cursorMoved(swatch->band());
    if (!news.carried.empty())
        carry(swatch, utf8(news.carried));
    // The band that holds the cursor reads as selected.
    auto* chart = form_.chart();
    if (news.leftBand != 0)
        speaker::selectedChanged(QAccessible::queryAccessibleInterface(chart->column(news.leftBand)), false);
    if (news.enteredBand != 0)
        speaker::selectedChanged(QAccessible::queryAccessibleInterface(chart->column(news.enteredBand)),
                                 true);
    speaker::cursorMoved(QAccessible::queryAccessibleInterface(swatch), utf8(news.bandName));
}

void Announcer::choiceMade()
{
    if (!speaker::listening())
        return;
    carried() = {};
    if (rules_.choiceMade())
        QMetaObject::invokeMethod(this, &Announcer::settle, Qt::QueuedConnection);
}

// Once every handler of the choice has run, and any focus it moved has
// been told.
void Announcer::settle()
{
    auto* focus = focusObject();
    const auto text = rules_.settle(focus != nullptr);
    speaker::stateChanged(utf8(rules_.state()));
    if (!text.empty())
        speaker::say(focus, utf8(text));
}

void Announcer::edgeReached(ColourChart::Edge edge)
{
    if (auto* focus = focusObject(); focus != nullptr && speaker::listening())
        speaker::say(focus, utf8(speech::cue(edge)));
}

}  // namespace vexil
