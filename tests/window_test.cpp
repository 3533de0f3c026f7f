// The window as it opens: every control in place, painted in its colours,
// with the first results shown.
#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "fixed_size.h"
#include "frame.h"
#include "window_probe.h"

using probe::click;
using vexil::Vexil;

namespace {

// Twips to pixels the way the layout is given: 15 twips a pixel, rounded.
QRect px(int left, int top, int width, int height)
{
    const auto p = [](int twips) { return (twips + 7) / 15; };
    return {p(left), p(top), p(width), p(height)};
}

const unsigned kPalette[12] = {0x000000, 0x804040, 0xFF0000, 0xFF8000, 0xFFFF00, 0x00C000,
                               0x00C0C0, 0xFF00FF, 0x808080, 0xFFFFFF, 0xFFC080, 0xC0C0C0};

QPoint centreIn(QWidget* w)
{
    return w->mapTo(w->window(), w->rect().center());
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        vexil::prepareApplication();
    }

    // The form, and the frame that the desktop shows around it.
    void windowItself()
    {
        vexil::Frame window(std::make_unique<Vexil>(), vexil::TitleBar::System);
        const auto* form = window.findChild<Vexil*>();
        QVERIFY(form);
        QCOMPARE(window.objectName(), QStringLiteral("Vexil"));
        QVERIFY(!window.findChild<QObject*>(QStringLiteral("Vexil")));
        QCOMPARE(form->windowTitle(), QStringLiteral("Vexil...!"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Vexil...!"));
        QCOMPARE(form->size(), QSize(441, 407));
        QCOMPARE(window.size(), QSize(441, 407));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        const auto sizes = window.windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }

    // Every control at its place, with its caption: the layout as the page's
    // tests check it too (tests/layout.json).
    void controlGeometry_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<QJsonValue>("caption");
        for (const auto control : probe::testData(QStringLiteral("layout.json")).array()) {
            const auto twips = control[u"twips"].toArray();
            QTest::newRow(qPrintable(control[u"name"].toString()))
                << control[u"parent"].toString()
                << px(twips[0].toInt(), twips[1].toInt(), twips[2].toInt(), twips[3].toInt())
                << control[u"caption"];
        }
    }

    void controlGeometry()
    {
        QFETCH(QString, parent);
        QFETCH(QRect, rect);
        QFETCH(QJsonValue, caption);
        Vexil window;
        // The drawing's two leads are one group, Shape2, and each its index.
        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const bool lead = name.startsWith(QLatin1String("Shape2_"));
        QList<QWidget*> found;
        for (auto* w : window.findChildren<QWidget*>(lead ? QStringLiteral("Shape2") : name))
            if (!lead || w->property("index").toInt() == name.mid(7).toInt())
                found << w;
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.front()->parentWidget()->objectName(), parent);
        QCOMPARE(found.front()->geometry(), rect);
        if (caption.isUndefined())
            return;
        if (auto* label = qobject_cast<QLabel*>(found.front()))
            QCOMPARE(label->text(), caption.toString());
        else if (auto* button = qobject_cast<QAbstractButton*>(found.front()))
            QCOMPARE(button->text(), caption.toString());
        else
            QFAIL("not a captioned control");
    }

    void stateAtStart()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList hidden{"Result4", "Result4_Txt", "L3_10", "L3_11"};
        for (auto* w : window.findChildren<QWidget*>()) {
            if (w->objectName().isEmpty() || w->parentWidget() == nullptr)
                continue;  // Qt's own helpers
            QCOMPARE_NE(w->isVisible(), hidden.contains(w->objectName()));
        }
        const QStringList checked{"Op_R", "L5_En"};
        for (auto* option : window.findChildren<QRadioButton*>())
            QCOMPARE(option->isChecked(), checked.contains(option->objectName()));
        for (int band = 1; band <= 5; ++band)
            QCOMPARE(window.bandChoice(band), 9);
    }

    void firstResults()
    {
        Vexil window;
        const std::pair<const char*, const char*> expected[] = {
            {"Result", "999"}, {"Result2", "1000000000"}, {"Result3", "+80% -20% (Z)"},
            {"Ed_Izm", "Ом"},  {"R_Full", "999000 МОм"},  {"Result4", ""},
        };
        for (const auto& [name, text] : expected) {
            auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name));
            QVERIFY(field);
            QCOMPARE(field->text(), QString::fromUtf8(text));
        }
    }

    void paintedColours()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const auto at = [&](QPoint p) { return image.pixelColor(p).rgb() & 0xFFFFFF; };
        const auto widget = [&](const char* name) {
            return window.findChild<QWidget*>(QString::fromLatin1(name));
        };

        QCOMPARE(at({5, 400}), 0x004040u);    // window background
        QCOMPARE(at({220, 60}), 0x008000u);   // body
        QCOMPARE(at({216, 60}), 0x00C000u);   // body outline
        QCOMPARE(at({205, 71}), 0xC0FFC0u);   // left lead
        QCOMPARE(at({410, 71}), 0xC0FFC0u);   // right lead
        QCOMPARE(at({192, 200}), 0xC0FFC0u);  // outline round the chart
        QCOMPARE(at({432, 395}), 0xC0FFC0u);
        for (int band = 1; band <= 5; ++band) {
            auto* stripe = widget(qPrintable(QStringLiteral("Line%1").arg(band)));
            QVERIFY(stripe);
            QCOMPARE(at(centreIn(stripe)), 0xFFFFFFu);
            QCOMPARE(at(stripe->geometry().topLeft() + QPoint(4, 0)), 0x000000u);  // its border
            // The stripe stands above the body and reaches past it.
            QCOMPARE(at(stripe->geometry().topLeft() + QPoint(8, 50)), 0xFFFFFFu);
        }
        for (auto* swatch :
             window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^L\\d_\\d+$")))) {
            if (!swatch->isVisible())
                continue;
            const int colour = swatch->objectName().section(QLatin1Char('_'), 1).toInt();
            QCOMPARE(at(centreIn(swatch)), kPalette[colour]);
            QCOMPARE(at(swatch->geometry().topLeft()), 0x000000u);
        }
        // Band 3 shows no gold or silver at start: the background shows through.
        QCOMPARE(at(px(4320, 5280, 255, 255).center()), 0x004040u);
        for (const char* field : {"R_Full", "Result3"}) {
            auto* w = widget(field);
            QCOMPARE(at(w->geometry().topLeft() + QPoint(4, w->height() / 2)), 0xC0C0C0u);
        }
    }

    void focusOrder()
    {
        Vexil window;
        const QStringList expected{"Op_R",    "Op_C",    "Op_G",     "L3_En",      "L4_En",
                                   "L5_En",   "Result",  "Ed_Izm",   "Result2",    "R_Full",
                                   "Result3", "Result4", "Exit_Btn", "ColourChart"};
        QStringList order;
        QWidget* w = window.findChild<QWidget*>(QStringLiteral("Op_R"));
        QVERIFY(w);
        do {
            if (w->focusPolicy() != Qt::NoFocus)
                order << w->objectName();
            w = w->nextInFocusChain();
        } while (w->objectName() != QStringLiteral("Op_R"));
        QCOMPARE(order, expected);
    }

    void resultFieldsAreReadOnly()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* field = window.findChild<QLineEdit*>(QStringLiteral("R_Full"));
        QVERIFY(field);
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("123"));
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("999000 МОм"));
    }

    // Window managers maximize any window on request, whatever its size
    // hints; so does a compositor's shortcut where the program draws the
    // title bar (Wayland), and there the request reaches the frame.
    void staysItsOwnSize_data()
    {
        QTest::addColumn<Qt::WindowState>("asked");
        QTest::addColumn<bool>("ownTitleBar");
        QTest::addColumn<QSize>("size");
        QTest::newRow("maximize") << Qt::WindowMaximized << false << QSize(441, 407);
        QTest::newRow("full screen") << Qt::WindowFullScreen << false << QSize(441, 407);
        QTest::newRow("maximize, own title bar") << Qt::WindowMaximized << true << QSize(441, 427);
        QTest::newRow("full screen, own title bar") << Qt::WindowFullScreen << true << QSize(441, 427);
    }

    void staysItsOwnSize()
    {
        QFETCH(Qt::WindowState, asked);
        QFETCH(bool, ownTitleBar);
        QFETCH(QSize, size);
        const auto window = std::make_unique<vexil::Frame>(
            std::make_unique<Vexil>(), ownTitleBar ? vexil::TitleBar::Program : vexil::TitleBar::System);
        new vexil::FixedSize(window.get());
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->setWindowState(asked);
        QTRY_COMPARE(window->windowState(), Qt::WindowNoState);
        QCOMPARE(window->size(), size);
    }

    // A tiling window manager makes the window larger anyway.
    void stretchedAroundTheForm()
    {
        vexil::Frame window(std::make_unique<Vexil>(), vexil::TitleBar::System);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.windowHandle()->resize(1020, 728);
        QTRY_COMPARE(window.size(), QSize(1020, 728));
        QCOMPARE(window.findChild<Vexil*>()->geometry(), QRect(0, 0, 441, 407));
        QCOMPARE(window.grab().toImage().pixelColor(1000, 700), QColor(0x00, 0x40, 0x40));
    }

    void closingEndsTheApplication_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("Закрыть") << true;
        QTest::newRow("closed by the platform") << false;
    }

    void closingEndsTheApplication()
    {
#ifdef Q_OS_WASM
        QSKIP("A page's event loop never returns: the page itself ends the program (web_e2e)");
#endif
        QFETCH(bool, byButton);
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* button = window.findChild<QPushButton*>(QStringLiteral("Exit_Btn"));
        QVERIFY(button);
        click(window.findChild<QWidget*>(QStringLiteral("L2_3")));  // in any state of the selections
        QTimer::singleShot(0, &window, [&] {
            if (byButton)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                window.windowHandle()->close();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });  // should it never quit
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
