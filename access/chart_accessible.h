#pragma once

#include <QAccessibleObject>
#include <QAccessibleWidget>

#include <vector>

namespace vexil {

class ChartBand;
class ColourChart;
class Swatch;

// A swatch as Orca 43 speaks a list item (orca/formatting.py, ROLE_LIST_ITEM;
// tests/orca_e2e.py fails where a later Orca speaks it otherwise): its name
// alone, with no role word
// and no result: "Желтый, 4", "Красный, умножить на 100", "Золотой, 5
// процентов". The band's choice is checked, and Orca adds "checked" to it
// alone; it is not checkable, which Orca would speak on every item.
// Pressing a swatch chooses its colour. A hidden swatch offers nothing, as
// it receives no clicks.
class SwatchAccessible : public QAccessibleWidget {
public:
    explicit SwatchAccessible(Swatch* swatch);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QAccessibleInterface* parent() const override;
    QStringList actionNames() const override;
    void doAction(const QString& action) override;
    QStringList keyBindingsForAction(const QString& action) const override;

private:
    Swatch* swatch() const;
};

// One band of the chart, named by what it means ("Вторая цифра"): a
// separator, then its shown swatches, top to bottom. Orca 43 speaks the
// name of a panel as the focus enters it, but passes over one whose first
// child is a list item as mere layout; and it counts a list item's place
// without separators. The band that holds the cursor is the selected one,
// and Orca then says its name alone, without the word "panel". Orca's
// heuristics (script_utilities.py, isLayoutOnly), checked by
// tests/orca_e2e.py on every run.
class BandAccessible : public QAccessibleObject {
public:
    explicit BandAccessible(ChartBand* band);
    ~BandAccessible() override;
    BandAccessible(const BandAccessible&) = delete;
    BandAccessible& operator=(const BandAccessible&) = delete;

    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessibleInterface* parent() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ChartBand* band() const;
    ColourChart* chart() const;
    std::vector<Swatch*> swatches() const;

    QAccessibleInterface* start_;  // the separator
};

// The chart holds the bands that have anything shown; it reports the
// swatch under its cursor as its focused child, and its name says which
// keys work: Orca speaks it once each time the focus enters the chart.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ColourChart* chart);

    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ColourChart* chart() const;
    std::vector<ChartBand*> bands() const;
};

}  // namespace vexil
