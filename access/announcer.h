#pragma once

#include <QObject>
#include <QPointer>

#include "announcements.h"
#include "colour_chart.h"

class QAccessibleInterface;

namespace vexil {

class FormView;
class Swatch;

// Tells a desktop screen reader what announcements.h decides, through the
// platform's speaker: the swatch under the chart's cursor as the focus, a
// result with the object newly focused as its description, or at once.
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
    // `text` goes with `object`, for as long as it takes to be said.
    void carry(QObject* object, const QString& text);
    static constexpr int kCarriedFor = 3000;  // ms, long enough for a loaded machine

    FormView& form_;
    Announcements rules_;
};

}  // namespace vexil
