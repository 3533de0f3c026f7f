// The window at the pixel densities desktops offer: CTest runs this with
// QT_SCALE_FACTOR 1.25, 1.5, 1.75, 2 and 3.
#include <QtTest>

#include <QSet>

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

private slots:
    void sameLayoutLargerPixels()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double s = window.devicePixelRatio();
        QVERIFY(s > 1.0);
        QCOMPARE(window.size(), QSize(441, 407));
        const QImage image = window.grab().toImage();
        QVERIFY(std::abs(image.width() - 441 * s) <= 1 && std::abs(image.height() - 407 * s) <= 1);

        const std::pair<const char*, QRect> logical[] = {
            {"Op_R", {24, 32, 145, 17}},    {"Line1", {224, 40, 17, 65}},   {"L4_2", {320, 280, 17, 17}},
            {"Shape1", {216, 48, 177, 49}}, {"R_Full", {16, 221, 161, 19}}, {"Exit_Btn", {16, 368, 105, 25}},
        };
        for (const auto& [name, rect] : logical) {
            auto* w = window.findChild<QWidget*>(QString::fromLatin1(name));
            QVERIFY(w);
            QCOMPARE(w->geometry(), rect);
        }
    }

    // Sharp means no blended edge: every device pixel across a swatch, a
    // stripe and the drawing is one of the colours painted there.
    void drawingAndSwatchesAreSharp()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double s = window.devicePixelRatio();
        const QImage image = window.grab().toImage();
        const auto at = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };

        // Across every visible swatch, through its middle.
        for (auto* swatch :
             window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^L\\d_\\d+$")))) {
            if (!swatch->isVisible())
                continue;
            const QRect r = swatch->geometry();
            const QRgb colour = vexil::ColourPalette.at(swatch->objectName().section('_', 1).toUInt()).rgb;
            const QSet<QRgb> allowed{0x004040, 0x000000, colour};
            const int y = device(r.center().y(), s);
            for (int x = device(r.left(), s) - 2; x <= device(r.right(), s) + 2; ++x)
                QVERIFY2(allowed.contains(at(x, y)), qPrintable(swatch->objectName()));
            QCOMPARE(at(device(r.left(), s), y), 0x000000u);  // its border
            QCOMPARE(at(device(r.left() + 1, s), y), colour);
        }

        // Down through stripe 1 and the body beside it, and along a lead.
        const QSet<QRgb> drawing{0x004040, 0x000000, 0xFFFFFF, 0x00C000, 0x008000, 0xC0FFC0};
        for (int y = device(30, s); y < device(115, s); ++y) {
            QVERIFY(drawing.contains(at(device(232, s), y)));
            QVERIFY(drawing.contains(at(device(218, s), y)));
        }
        for (int x = device(195, s); x < device(230, s); ++x)
            QVERIFY(drawing.contains(at(x, device(71, s))));
        QCOMPARE(at(device(192, s), device(200, s)), 0xC0FFC0u);  // outlines
        QCOMPARE(at(device(216, s), device(60, s)), 0x00C000u);
        QCOMPARE(at(device(217, s), device(60, s)), 0x008000u);
        if (s == 2.0) {  // one logical pixel: exactly two device pixels
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
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const double s = window.devicePixelRatio();
        const QImage image = window.grab().toImage();
        const auto at = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
        const auto isBorder = [&](int x, int y) { return at(x, y) != 0x004040 && at(x, y) != 0xC0C0C0; };
        for (const char* name : {"Result", "Ed_Izm", "Result2", "R_Full", "Result3"}) {
            const QRect r = window.findChild<QWidget*>(QString::fromLatin1(name))->geometry();
            const int left = device(r.left(), s), right = device(r.right(), s);
            const int top = device(r.top(), s), bottom = device(r.bottom(), s);
            for (int y = top + 2; y <= bottom - 2; ++y)
                QVERIFY2(isBorder(left, y) && isBorder(right, y),
                         qPrintable(QStringLiteral("%1 side").arg(name)));
            for (int x = left + 2; x <= right - 2; ++x)
                QVERIFY2(isBorder(x, top) && isBorder(x, bottom),
                         qPrintable(QStringLiteral("%1 edge").arg(name)));
            QCOMPARE(at(device(r.left() - 1, s), device(r.center().y(), s)), 0x004040u);
            QCOMPARE(at(device(r.right() + 1, s), device(r.center().y(), s)), 0x004040u);
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "highdpi_test.moc"
