#pragma once

#include <QObject>
#include <QPointer>

#include "colour_chart.h"
#include "speech.h"

class QAccessibleInterface;

namespace vexil {

class FormView;
class Swatch;

// Tells a screen reader what it cannot see by itself, once and at the
// right moment:
// - the swatch under the chart's cursor, as the focus;
// - the result after each choice, once all its handlers have run: where
//   the same key moved the focus (an arrow key among the options, a digit
//   in the chart), as the newly focused object's description, spoken with
//   it; else at once;
// - a short cue where a key found nothing to do.
// Orca 43 cuts off what it is saying for each thing it is told: a result
// told after the focus moved would cut off the new focus, one told before
// would be cut off by it. Kept while Orca does (tests/orca_e2e.py shows it:
// a result told at once after a digit is lost there).
class Announcer : public QObject {
    Q_OBJECT

public:
    explicit Announcer(FormView& form);

    // The result `object` carries while the screen reader presents it, as
    // its description; empty for anything else.
    static QString carriedBy(const QObject* object);

private:
    // What the screen reader follows now: the focused widget, or in the
    // chart the swatch under its cursor.
    QAccessibleInterface* focusObject() const;
    void choiceMade();
    void focusChanged(QWidget* now);
    void cursorMoved(Swatch* swatch);
    void edgeReached(ColourChart::Edge edge);
    void settle();
    // The pending result goes with `object`, about to take the focus.
    void carryResult(QObject* object);
    // `text` goes with `object`, for as long as it takes to be said.
    void carry(QObject* object, const QString& text);
    static constexpr int kCarriedFor = 3000;  // ms, long enough for a loaded machine
    // The result as it is to be said now: what changed since it was last.
    QString newResult();

    FormView& form_;
    bool choicePending_ = false;  // a result not yet said
    bool settling_ = false;
    int cursorBand_ = 0;
    bool keysTold_ = false;
    int chosenBand_ = 0;  // the band of the swatch chosen last, until settled
    speech::Result lastSaid_;
};

}  // namespace vexil
