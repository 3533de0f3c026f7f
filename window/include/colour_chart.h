#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "decoder.h"

namespace vexil {

class ChartBand;
class Swatch;

// The colour chart as one stop of the keyboard focus: a cursor around one
// swatch that the arrow keys move through what is shown, and that Space or
// Enter chooses as a click would. A digit chooses the colour of that code
// in the cursor's band and goes on to the next band; a letter goes to the
// next colour whose name starts with it. It lies beneath the swatches, paints
// those shown, and takes no mouse input; the swatches themselves stay the
// only things clicked.
class ColourChart : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBands = 5;

    // The swatches of every band, any order.
    ColourChart(const std::vector<Swatch*>& swatches, QWidget* parent);

    // The swatch under the cursor; none until the chart first has focus.
    Swatch* cursor() const { return cursor_; }
    // Puts the cursor on `swatch`, a shown one, and the focus on the chart.
    void focusOn(Swatch* swatch);

    // The shown swatches of a band 1..5, top to bottom as on the screen.
    std::vector<Swatch*> shownIn(int band) const;

    // Band 1..5 as one object.
    ChartBand* column(int band) const { return columns_.at(static_cast<std::size_t>(band - 1)); }

    // What each band means for the current kind and band count.
    BandRole bandRole(int band) const { return roles_.at(static_cast<std::size_t>(band - 1)); }
    void setBandRoles(const BandRoles& roles) { roles_ = roles; }

    // Where a key found nothing to do.
    enum class Edge { TopOfBand, BottomOfBand, FirstBand, LastBand, NoSuchColour, NoOtherColour };

signals:
    // The cursor moved while the chart has focus, or the chart took focus.
    void cursorMoved(Swatch* swatch);
    void edgeReached(ColourChart::Edge edge);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The band's current choice, or its nearest shown swatch; null when
    // the whole column is hidden.
    Swatch* landingIn(int band) const;
    // The landing of the nearest band with anything shown, from `band` out.
    Swatch* nearestLanding(int band) const;
    // The landing of the first band with anything shown from `band` on,
    // `step` at a time, not counting `band` itself.
    Swatch* landingBeside(int band, int step) const;
    // A digit or a letter typed; false for anything else.
    bool typed(const QString& text);
    void moveTo(Swatch* swatch);
    // The cursor's ring around `swatch`, in the chart's coordinates.
    QRect ringAround(const Swatch* swatch) const;
    void updateRing();

    std::vector<Swatch*> swatches_;
    BandRoles roles_{};
    std::array<ChartBand*, 5> columns_{};
    Swatch* cursor_ = nullptr;
};

}  // namespace vexil
