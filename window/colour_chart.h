#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "colour_code.h"

namespace vexil {

class Swatch;

// The colour chart as one stop of the keyboard focus: a cursor around one
// swatch that the arrow keys move through what is shown, and that Space or
// Enter chooses as a click would. It lies beneath the swatches and takes no
// mouse input; the swatches themselves stay the only things clicked.
class ColourChart : public QWidget {
    Q_OBJECT

public:
    using ChoiceOf = std::function<ColourIndex(int band)>;

    // The swatches of every band, any order, and where to read each band's
    // current choice.
    ColourChart(const std::vector<Swatch*>& swatches, ChoiceOf choiceOf, QWidget* parent);

    // The swatch under the cursor; none until the chart first has focus.
    Swatch* cursor() const { return cursor_; }

signals:
    // The cursor moved while the chart has focus, or the chart took focus.
    void cursorMoved(Swatch* swatch);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The shown swatches of a band, top to bottom as on the screen.
    std::vector<Swatch*> shownIn(int band) const;
    // The band's current choice, or its nearest shown swatch; null when
    // the whole column is hidden.
    Swatch* landingIn(int band) const;
    // The landing of the nearest band with anything shown, from `band` out.
    Swatch* nearestLanding(int band) const;
    void moveTo(Swatch* swatch);

    std::vector<Swatch*> swatches_;
    ChoiceOf choiceOf_;
    Swatch* cursor_ = nullptr;
};

}  // namespace vexil
