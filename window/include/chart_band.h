#pragma once

#include <QObject>

namespace vexil {

// One band's column of the colour chart as assistive technology sees it:
// the chart holds its bands, a band its shown swatches, so a screen reader
// can tell a swatch's place in its band.
class ChartBand : public QObject {
    Q_OBJECT

public:
    ChartBand(int band, QObject* chart) : QObject(chart), band_(band) {}

    int band() const { return band_; }

private:
    int band_;
};

}  // namespace vexil
