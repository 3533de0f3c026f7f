// Decoding without a mouse: keys, focus marks and what assistive
// technology is told and may do.
#include <QtTest>

#include <QAccessible>
#include <QPushButton>

#include "accessibility.h"
#include "colour_chart.h"
#include "speech.h"
#include "swatch.h"
#include "utf8.h"
#include "window_probe.h"

using vexil::Vexil;
using namespace probe;

namespace {

using namespace vexil;           // the colours by name
using Bands = std::vector<int>;  // the choices of bands 1..5

void showAndFocus(Vexil& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QAccessibleInterface* accessible(Vexil& window, const char* name)
{
    return QAccessible::queryAccessibleInterface(find(window, QString::fromLatin1(name)));
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        vexil::prepareApplication();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        vexil::installAccessibility();
    }

    void returnOnCloseEndsTheApplication()
    {
#ifdef Q_OS_WASM
        QSKIP("A page's event loop never returns: the page itself ends the program (web_e2e)");
#endif
        Vexil window;
        showAndFocus(window);
        find(window, QStringLiteral("Exit_Btn"))->setFocus();
        QTimer::singleShot(0, &window, [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window.isVisible());
    }

    // The whole box of an option responds, and is what is announced.
    void optionBoxes()
    {
        Vexil window;
        showAndFocus(window);
        for (const char* name : {"Op_C", "Op_G", "Op_R", "L3_En", "L4_En", "L5_En"}) {
            auto* option = qobject_cast<QRadioButton*>(find(window, QString::fromLatin1(name)));
            QVERIFY(option);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->width() - 2, option->height() / 2));
            QVERIFY2(option->isChecked(), name);
            QCOMPARE(accessible(window, name)->rect(),
                     QRect(option->mapToGlobal(QPoint(0, 0)), option->size()));
        }
    }

    // Reached by Tab, each kind of control shows a mark: pixels that
    // contrast at least 3:1 with what they cover when it is not focused.
    void focusMarksStandOut_data()
    {
        QTest::addColumn<QString>("control");
        for (const char* name : {"Op_R", "L5_En", "R_Full", "Ed_Izm", "Exit_Btn", "ColourChart"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void focusMarksStandOut()
    {
        QFETCH(QString, control);
        Vexil window;
        showAndFocus(window);
        auto* w = find(window, control);
        const bool chart = control == QLatin1String("ColourChart");
        find(window, chart ? QStringLiteral("Op_R") : QStringLiteral("ColourChart"))->setFocus();
        const QImage before = window.grab().toImage();
        for (int tabs = 0; tabs < 20 && QApplication::focusWidget() != w; ++tabs)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), w);
        const QImage after = window.grab().toImage();
        const QRect area = QRect(w->mapTo(&window, QPoint(0, 0)), w->size()).adjusted(-4, -4, 4, 4);
        int strong = 0;
        double best = 1;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const double c = contrast(before.pixel(x, y), after.pixel(x, y));
                strong += c >= 3.0 ? 1 : 0;
                best = std::max(best, c);
            }
        }
        QVERIFY2(strong >= 20, qPrintable(QStringLiteral("%1 pixels at 3:1 or more").arg(strong)));
        qInfo("%s: %d pixels at 3:1 or more, up to %.1f:1", qPrintable(control), strong, best);
    }

    void swatchesThroughAccessibility_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<QString>("swatch");
        QTest::addColumn<bool>("offered");
        QTest::addColumn<Bands>("choices");
        QTest::newRow("press chooses") << ""
                                       << "L2_3" << true << Bands{White, Orange, White, White, White};
        QTest::newRow("gold of band 3 hidden at five bands")
            << ""
            << "L3_10" << false << Bands{White, White, White, White, White};
        QTest::newRow("band 4 digits hidden for inductors")
            << "Op_G"
            << "L4_5" << false << Bands{White, White, White, Gold, White};
        QTest::newRow("column 5 hidden at four bands")
            << "L4_En"
            << "L5_1" << false << Bands{White, White, White, White, White};
        QTest::newRow("silver of band 4 for inductors")
            << "Op_G"
            << "L4_11" << true << Bands{White, White, White, Silver, White};
    }

    void swatchesThroughAccessibility()
    {
        QFETCH(QString, setup);
        QFETCH(QString, swatch);
        QFETCH(bool, offered);
        QFETCH(Bands, choices);
        Vexil window;
        showAndFocus(window);
        perform(window, setup);
        auto* iface = accessible(window, qPrintable(swatch));
        QVERIFY(iface && iface->actionInterface());
        QCOMPARE(iface->role(), QAccessible::ListItem);
        QCOMPARE(iface->state().invisible, !offered);
        QCOMPARE(iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 offered);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        for (int band = 1; band <= 5; ++band)
            QCOMPARE(window.bandChoice(band), choices.at(static_cast<std::size_t>(band - 1)));
        // Exactly the current choice of each band reads as checked; none is
        // checkable, or Orca would say "not checked" of every other colour.
        for (auto* s : window.findChildren<vexil::Swatch*>()) {
            auto* other = QAccessible::queryAccessibleInterface(s);
            QVERIFY(!other->state().checkable);
            QVERIFY2(other->state().checked == (window.bandChoice(s->band()) == s->colour()),
                     qPrintable(s->objectName()));
        }
        QCOMPARE(paintedColour(find(window, QStringLiteral("Line4"))), paletteRgb(window.bandChoice(4)));
    }

    // Results can be read and selected, never changed, whoever asks.
    void resultFieldsRefuseEditing()
    {
        Vexil window;
        showAndFocus(window);
        for (const char* name : {"Result", "Result2", "Result3", "Result4", "R_Full", "Ed_Izm"}) {
            auto* iface = accessible(window, name);
            QVERIFY(iface);
            const QString shown = text(window, name);
            QVERIFY(iface->state().readOnly);
            QVERIFY(!iface->editableTextInterface());
            QVERIFY(!iface->valueInterface());
            iface->setText(QAccessible::Value, QStringLiteral("XX"));
            QCOMPARE(text(window, name), shown);
            auto* textIface = iface->textInterface();
            QVERIFY(textIface);
            QCOMPARE(textIface->text(0, textIface->characterCount()), shown);
            // The characters' boxes lie where the letters are painted (a
            // magnifier follows them).
            auto* field = find(window, QString::fromLatin1(name));
            if (field->isVisible()) {
                // Tab brings the focus, not a selection to speak twice.
                field->setFocus(Qt::TabFocusReason);
                QVERIFY(!field->property("hasSelectedText").toBool());
                QRect boxes, ink;
                for (int i = 0; i < textIface->characterCount(); ++i)
                    boxes |= textIface->characterRect(i).translated(-field->mapToGlobal(QPoint(0, 0)));
                const QImage image = field->grab().toImage();
                for (int y = 3; y < image.height() - 3; ++y)
                    for (int x = 3; x < image.width() - 3; ++x)
                        ink |= qGray(image.pixel(x, y)) < 96 ? QRect(x, y, 1, 1) : QRect();
                QVERIFY2(boxes.contains(ink) && boxes.width() - ink.width() <= 3, name);
            }
            if (shown.size() > 2) {
                textIface->setSelection(0, 1, 3);
                QCOMPARE(find(window, QString::fromLatin1(name))->property("selectedText").toString(),
                         shown.mid(1, 2));
            }
        }
    }

    void whatTheTreeSays()
    {
        Vexil window;
        showAndFocus(window);
        auto* root = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(root->role(), QAccessible::Window);
        QCOMPARE(root->text(QAccessible::Name), QStringLiteral("Vexil...!"));
        QCOMPARE(accessible(window, "Frame2")->role(), QAccessible::Grouping);
        QCOMPARE(accessible(window, "Frame2")->text(QAccessible::Name), QStringLiteral("Элемент"));
        QCOMPARE(accessible(window, "Frame1")->text(QAccessible::Name), QStringLiteral("Кол-во полос"));
        for (int i = 0; i < root->childCount(); ++i) {
            auto* child = root->child(i);
            QVERIFY(child);
            QVERIFY2(!child->text(QAccessible::Name).isEmpty() || child->role() != QAccessible::Graphic,
                     qPrintable(child->object()->objectName()));
            QCOMPARE(root->indexOfChild(child), i);
        }
    }

    // A screen reader hears the swatch under the cursor as it moves.
    void cursorIsTheFocusedChild()
    {
        Vexil window;
        showAndFocus(window);
        auto* chart = window.findChild<vexil::ColourChart*>();
        chart->setFocus(Qt::TabFocusReason);
        QTest::keyClick(chart, Qt::Key_Right);
        QTest::keyClick(chart, Qt::Key_Down);
        auto* focused = QAccessible::queryAccessibleInterface(chart)->focusChild();
        QVERIFY(focused);
        QCOMPARE(focused->text(QAccessible::Name), QStringLiteral("Серый, 8"));
        QVERIFY(focused->state().focused);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
