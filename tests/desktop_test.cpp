// The window on the desktops people have: dark palettes and themes, every
// installed widget style, other fonts, right-to-left settings. Run by CTest
// as the desktop is set up (a GTK dark theme, qt6ct, a font set) and then
// under each style and palette in turn.
#include <QtTest>

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleFactory>

#include "read_only_field.h"
#include "window_probe.h"

using vexil::Vexil;
using namespace probe;

namespace {

QRect boxOf(Vexil& window, const char* name)
{
    auto* w = find(window, QString::fromLatin1(name));
    return QRect(w->mapTo(&window, QPoint(0, 0)), w->size());
}

int countOf(const QImage& image, const QRect& box, QRgb colour)
{
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFF) == colour ? 1 : 0;
    return n;
}

// How many pixels `text` darkens, drawn black on white.
int inkOf(const QFont& font, const QString& text)
{
    QImage image(200, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignVCenter, text);
    painter.end();
    return 200 * 40 - countOf(image, image.rect(), 0xFFFFFF);
}

// The strongest contrast of any pixel in `box` against `behind`: that of
// the text drawn there.
double textContrast(const QImage& image, const QRect& box, QRgb behind)
{
    double best = 1;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            best = std::max(best, contrast(image.pixel(x, y), behind));
    return best;
}

QPalette darkPalette()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    dark.setColor(QPalette::Dark, QColor(0x20, 0x20, 0x20));
    return dark;
}

}  // namespace

class DesktopTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { vexil::prepareApplication(); }

    void ownColours_data()
    {
        QTest::addColumn<QString>("style");  // empty: as the desktop set it up
        QTest::addColumn<bool>("dark");
        QTest::newRow("as the desktop set it up") << QString() << false;
        QTest::newRow("dark application palette") << QString() << true;
        for (const auto& key : QStyleFactory::keys())
            QTest::newRow(qPrintable(QStringLiteral("style %1").arg(key))) << key << false;
    }

    // Every colour the layout gives holds; text left to the platform stays
    // readable.
    void ownColours()
    {
        QFETCH(QString, style);
        QFETCH(bool, dark);
        if (!style.isEmpty()) {
            // As QT_STYLE_OVERRIDE would, palette and all.
            QApplication::setPalette(QApplication::setStyle(style)->standardPalette());
        }
        if (dark)
            QApplication::setPalette(darkPalette());
        vexil::prepareApplication();  // after the desktop's style, as main does
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const auto at = [&](QPoint p) { return image.pixel(p) & 0xFFFFFF; };

        QCOMPARE(at({5, 400}), 0x004040u);
        QCOMPARE(at({200, 300}), 0x004040u);
        QVERIFY2(countOf(image, boxOf(window, "Op_R"), 0xC0FFC0) >= 10, "option caption");
        QVERIFY2(countOf(image, boxOf(window, "L5_En"), 0xC0FFC0) >= 3, "option caption");
        QVERIFY2(countOf(image, boxOf(window, "Label23"), 0x00FF00) >= 10, "group title");
        QVERIFY2(countOf(image, boxOf(window, "Label2"), 0xC0FFC0) >= 5, "colour name");
        for (const char* field : {"Result", "R_Full", "Result2", "Ed_Izm"}) {
            const QRect inside = boxOf(window, field).adjusted(3, 3, -3, -3);
            QCOMPARE(at(inside.topLeft()), 0xC0C0C0u);
            QVERIFY2(countOf(image, inside, 0x000000) >= 5, field);  // black text
        }
        const QRect button = boxOf(window, "Exit_Btn").adjusted(3, 3, -3, -3);
        const double buttonText = textContrast(image, button, at({button.left(), button.center().y()}));
        QVERIFY2(buttonText >= 4.5, qPrintable(QStringLiteral("button text %1:1").arg(buttonText)));
        for (const char* frame : {"Frame1", "Frame2"}) {
            const QRect box = boxOf(window, frame);
            QVERIFY2(contrast(at({box.left(), box.center().y()}), 0x004040) >= 3.0, frame);
            QVERIFY2(contrast(at({box.center().x(), box.top()}), 0x004040) >= 3.0, frame);
        }
    }

    void neverMirrored()
    {
        const auto grab = [] {
            Vexil window;
            window.show();
            return QTest::qWaitForWindowExposed(&window) ? window.grab().toImage() : QImage();
        };
        const QImage leftToRight = grab();
        QApplication::setLayoutDirection(Qt::RightToLeft);  // as -reverse or an RTL locale
        const QImage rightToLeft = grab();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        QVERIFY(!leftToRight.isNull());
        QCOMPARE(rightToLeft, leftToRight);
    }

    // No caption or result loses a glyph, whichever sans face the system
    // resolves and whatever the scale.
    void everyTextFits()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto fields = window.findChildren<QLineEdit*>();
        int boldInk = 0;
        int regularInk = 0;
        for (auto* label : window.findChildren<QLabel*>()) {
            if (label->text().isEmpty())
                continue;
            // Fields are drawn over the captions above them.
            int room = label->height();
            for (auto* field : fields)
                if (field->geometry().intersects(label->geometry()) && field->y() > label->y())
                    room = std::min(room, field->y() - label->y());
            const QFontMetricsF metrics(label->font(), label);
            QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
                     qPrintable(label->objectName()));
            // Text keeps 2 px clear of the chart's frame line beside it,
            // and of its group's frame.
            const int chartRight = find(window, QStringLiteral("Shape3"))->geometry().right();
            const int textRight = label->x() + qCeil(metrics.horizontalAdvance(label->text()));
            if (label->parentWidget() == &window && label->geometry().right() >= chartRight)
                QVERIFY2(textRight <= chartRight - 2, qPrintable(label->objectName()));
            if (label->parentWidget() != &window)
                QVERIFY2(textRight <= label->parentWidget()->width() - 1 - 2,
                         qPrintable(label->objectName()));
            if (label->font().bold()) {
                QFont regular = label->font();
                regular.setBold(false);
                boldInk += inkOf(label->font(), label->text());
                regularInk += inkOf(regular, label->text());
            }
            QVERIFY2(metrics.ascent() + metrics.descent() <= room, qPrintable(label->objectName()));
        }
        // Bold captions stay bold where the face has no bold style of its own.
        QVERIFY(boldInk > 1.1 * regularInk);
        for (auto* button : window.findChildren<QAbstractButton*>())
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->objectName()));
        const int unitAtStart = find(window, QStringLiteral("Ed_Izm"))->font().stretch();
        for (const char* kind : {"Op_R", "Op_C", "Op_G"}) {
            click(find(window, QString::fromLatin1(kind)));
            for (auto* field : fields) {
                const QFontMetricsF metrics(field->font(), field);
                const auto* result = qobject_cast<vexil::ReadOnlyField*>(field);
                QVERIFY2(metrics.horizontalAdvance(field->text()) <= result->textArea().width(),
                         qPrintable(field->objectName() + QLatin1Char(' ') + field->text()));
                // Narrowed letters keep three quarters of their face's width.
                QFont natural = field->font();
                natural.setStretch(QFont::AnyStretch);
                QVERIFY2(metrics.horizontalAdvance(field->text()) >=
                             0.74 * QFontMetricsF(natural, field).horizontalAdvance(field->text()),
                         qPrintable(field->objectName()));
            }
        }
        // Back to a short unit, back to the width of its letters at start.
        click(find(window, QStringLiteral("Op_R")));
        QCOMPARE(find(window, QStringLiteral("Ed_Izm"))->font().stretch(), unitAtStart);
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
