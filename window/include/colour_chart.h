#pragma once

#include <QWidget>

#include <array>
#include <vector>

#include "chart_keys.h"

namespace vexil {

class ChartBand;
class Swatch;

// The colour chart as one stop of the keyboard focus: a cursor around one
// swatch that the keys move and choose with as chart_keys.h says. It lies
// beneath the swatches, paints those shown, and takes no mouse input; the
// swatches themselves stay the only things clicked.
class ColourChart : public QWidget, private chart::Chart {
    Q_OBJECT

public:
    static constexpr int kBands = chart::kBands;
    using Edge = chart::Edge;

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
    // chart::Chart
    bool shown(chart::Cell cell) const override;
    ColourIndex choice(int band) const override;

    Swatch* at(const std::optional<chart::Cell>& cell) const;
    void moveTo(Swatch* swatch);
    // The cursor's ring around `swatch`, in the chart's coordinates.
    QRect ringAround(const Swatch* swatch) const;
    void updateRing();

    std::vector<Swatch*> swatches_;
    std::array<ChartBand*, 5> columns_{};
    Swatch* cursor_ = nullptr;
};

}  // namespace vexil
