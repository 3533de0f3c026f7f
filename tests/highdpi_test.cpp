// The window at the pixel densities desktops offer: CTest runs this with
// QT_SCALE_FACTOR 1.25, 1.5, 1.75, 2 and 3.
#include <QtTest>

#include <QSet>

#include <memory>

#include "form.h"
#include "vexil.h"

using vexil::Vexil;

namespace {

// The device pixel that holds the middle of logical pixel `x`.
int device(double x, double scale)
{
    return static_cast<int>(std::floor((x + 0.5) * scale));
}

}  // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

    std::unique_ptr<Vexil> window_;
    double scale_ = 1;  // device pixels a logical pixel
    QImage image_;

    QRgb at(int x, int y) const { return image_.pixel(x, y) & 0xFFFFFF; }

private slots:
    void initTestCase() { vexil::prepareApplication(); }

    // Each test looks at the window as shown at this scale.
    void init()
    {
        window_ = std::make_unique<Vexil>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        scale_ = window_->devicePixelRatio();
        image_ = window_->grab().toImage();
    }

    void cleanup() { window_.reset(); }

    void sameLayoutLargerPixels()
    {
        QVERIFY(scale_ > 1.0);
        QCOMPARE(window_->size(), QSize(441, 407));
        QVERIFY(std::abs(image_.width() - 441 * scale_) <= 1 &&
                std::abs(image_.height() - 407 * scale_) <= 1);

        const std::pair<const char*, QRect> logical[] = {
            {"Op_R", {24, 32, 145, 17}},    {"Line1", {224, 40, 17, 65}},   {"L4_2", {320, 280, 17, 17}},
            {"Shape1", {216, 48, 177, 49}}, {"R_Full", {16, 221, 161, 19}}, {"Exit_Btn", {16, 368, 105, 25}},
        };
        for (const auto& [name, rect] : logical) {
            auto* w = window_->findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY(w);
            QCOMPARE(w->geometry(), rect);
        }
    }

    // Sharp means no blended edge: every device pixel across a swatch, a
    // stripe and the drawing is one of the colours painted there.
    void drawingAndSwatchesAreSharp()
    {

        // Across every visible swatch, through its middle.
        for (auto* swatch :
             window_->findChildren<QWidget*>(QRegularExpression(QStringLiteral("^L\\d_\\d+$")))) {
            if (!swatch->isVisible())
                continue;
            const QRect r = swatch->geometry();
            const QRgb colour = vexil::ColourPalette.at(swatch->objectName().section('_', 1).toUInt()).rgb;
            const QSet<QRgb> allowed{0x004040, 0x000000, colour};
            const int y = device(r.center().y(), scale_);
            for (int x = device(r.left(), scale_) - 2; x <= device(r.right(), scale_) + 2; ++x)
                QVERIFY2(allowed.contains(at(x, y)), qPrintable(swatch->objectName()));
            QCOMPARE(at(device(r.left(), scale_), y), 0x000000u);  // its border
            QCOMPARE(at(device(r.left() + 1, scale_), y), colour);
        }

        // Down through stripe 1 and the body beside it, and along a lead.
        const QSet<QRgb> drawing{0x004040, 0x000000, 0xFFFFFF, 0x00C000, 0x008000, 0xC0FFC0};
        for (int y = device(30, scale_); y < device(115, scale_); ++y) {
            QVERIFY(drawing.contains(at(device(232, scale_), y)));
            QVERIFY(drawing.contains(at(device(218, scale_), y)));
        }
        for (int x = device(195, scale_); x < device(230, scale_); ++x)
            QVERIFY(drawing.contains(at(x, device(71, scale_))));
        QCOMPARE(at(device(192, scale_), device(200, scale_)), 0xC0FFC0u);  // outlines
        QCOMPARE(at(device(216, scale_), device(60, scale_)), 0x00C000u);
        QCOMPARE(at(device(217, scale_), device(60, scale_)), 0x008000u);
        if (scale_ == 2.0) {  // one logical pixel: exactly two device pixels
            QCOMPARE(at(2 * 192 + 1, 400), 0xC0FFC0u);
            QCOMPARE(at(2 * 192 + 2, 400), 0x004040u);
            QCOMPARE(at(2 * 216 + 1, 2 * 60), 0x00C000u);
            QCOMPARE(at(2 * 216 + 2, 2 * 60), 0x008000u);
        }
    }

    // Each result field shows all four sides of its border, along their
    // whole length.
    void fieldBordersAreWhole()
    {
        const auto isBorder = [&](int x, int y) { return at(x, y) != 0x004040 && at(x, y) != 0xC0C0C0; };
        for (const char* name : {"Result", "Ed_Izm", "Result2", "R_Full", "Result3"}) {
            const QRect r = window_->findChild<QWidget*>(QString::fromLatin1(name))->geometry();
            const int left = device(r.left(), scale_), right = device(r.right(), scale_);
            const int top = device(r.top(), scale_), bottom = device(r.bottom(), scale_);
            for (int y = top + 2; y <= bottom - 2; ++y)
                QVERIFY2(isBorder(left, y) && isBorder(right, y),
                         qPrintable(QStringLiteral("%1 side").arg(name)));
            for (int x = left + 2; x <= right - 2; ++x)
                QVERIFY2(isBorder(x, top) && isBorder(x, bottom),
                         qPrintable(QStringLiteral("%1 edge").arg(name)));
            QCOMPARE(at(device(r.left() - 1, scale_), device(r.center().y(), scale_)), 0x004040u);
            QCOMPARE(at(device(r.right() + 1, scale_), device(r.center().y(), scale_)), 0x004040u);
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "highdpi_test.moc"
