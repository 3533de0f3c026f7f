// The window on a screen of twice the pixel density (run with QT_SCALE_FACTOR=2).
#include <QtTest>

#include <QLabel>
#include <QSet>

#include "vexil.h"

using vexil::Vexil;

class HighDpiTest : public QObject {
    Q_OBJECT

private slots:
    void twiceTheSizeSameLayout()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatio(), 2.0);
        QCOMPARE(window.size(), QSize(441, 407));
        const QImage image = window.grab().toImage();
        QCOMPARE(image.size(), QSize(882, 814));

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
            const int y = 2 * r.center().y();
            for (int x = 2 * r.left() - 2; x < 2 * (r.right() + 1) + 2; ++x)
                QVERIFY2(allowed.contains(at(x, y)), qPrintable(swatch->objectName()));
            QCOMPARE(at(2 * r.left() + 1, y), 0x000000u);  // border: two device pixels
            QCOMPARE(at(2 * r.left() + 2, y), colour);
        }

        // Down through stripe 1 and the body beside it, and along a lead.
        const QSet<QRgb> drawing{0x004040, 0x000000, 0xFFFFFF, 0x00C000, 0x008000, 0xC0FFC0};
        for (int y = 2 * 30; y < 2 * 115; ++y) {
            QVERIFY(drawing.contains(at(2 * 232, y)));
            QVERIFY(drawing.contains(at(2 * 218, y)));
        }
        for (int x = 2 * 195; x < 2 * 230; ++x)
            QVERIFY(drawing.contains(at(x, 2 * 71)));
        // Outlines are one logical pixel wide: two device pixels.
        QCOMPARE(at(2 * 192, 400), 0xC0FFC0u);
        QCOMPARE(at(2 * 192 + 1, 400), 0xC0FFC0u);
        QCOMPARE(at(2 * 192 + 2, 400), 0x004040u);
        QCOMPARE(at(2 * 216 + 1, 2 * 60), 0x00C000u);
        QCOMPARE(at(2 * 216 + 2, 2 * 60), 0x008000u);
    }

    void captionsStillFit()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (auto* label : window.findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(label->objectName()));
        }
    }
};

QTEST_MAIN(HighDpiTest)
#include "highdpi_test.moc"
