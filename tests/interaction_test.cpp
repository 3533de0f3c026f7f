// Decoding by clicking: swatches, band count and component kind.
#include <QtTest>

#include <QAccessible>

#include <random>

#include "accessibility.h"
#include "colour_chart.h"
#include "speaker.h"
#include "speech.h"
#include "swatch.h"
#include "utf8.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif
#include "window_probe.h"

using vexil::Vexil;
using namespace probe;

namespace {

using namespace vexil;  // the colours by name

// Everything a user can see change, to prove that a click changed nothing.
QStringList snapshot(Vexil& window)
{
    QStringList state;
    for (auto* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        state << w->objectName() +
                     (w->isVisibleTo(&window) ? QStringLiteral(" shown") : QStringLiteral(" hidden"));
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            state << edit->text();
        if (auto* option = qobject_cast<QRadioButton*>(w))
            state << QString::number(option->isChecked());
        if (w->objectName().startsWith(QLatin1String("Line")))
            state << QString::number(paintedColour(w), 16);
    }
    for (int band = 1; band <= 5; ++band)
        state << QString::number(window.bandChoice(band));
    return state;
}

// What the band-count and kind handlers leave visible, as a function of the
// selected kind and band count alone.
std::map<QString, bool> governedVisibility(vexil::ComponentKind kind, int count)
{
    using vexil::ComponentKind;
    std::map<QString, bool> v;
    const auto set = [&](std::initializer_list<const char*> patterns, bool shown) {
        for (const auto& name : names(patterns))
            v[name] = shown;
    };
    set({"Result4", "Result4_Txt"}, kind == ComponentKind::Capacitance);
    set({"L5_En", "L3_5-9"}, kind != ComponentKind::Inductance);
    set({"L4_1-9"}, kind != ComponentKind::Inductance && count >= 4);
    set({"L4_0", "L4_10-11", "Line4", "Lab_4"}, count >= 4);
    set({"L5_0-11", "Line5", "Lab_5"}, count == 5);
    set({"L3_10-11"}, count <= 4);
    return v;
}

}  // namespace

class InteractionTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        vexil::prepareApplication();
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        vexil::installAccessibility();
    }

    // Clicks and keys from start, and what they leave: the same cases drive
    // the page (tests/web/web_e2e.py).
    void sharedCases_data()
    {
        QTest::addColumn<QJsonObject>("c");
        for (const auto c : testData(QStringLiteral("interaction.json"))["cases"].toArray())
            if (c[u"only"].toString() != QLatin1String("page"))
                QTest::newRow(qPrintable(c[u"name"].toString())) << c.toObject();
    }

    void sharedCases()
    {
        QFETCH(QJsonObject, c);
        const auto colours = testData(QStringLiteral("interaction.json"))["colours"].toArray();
        const auto colourOf = [&](const QJsonValue& name) {
            return static_cast<int>(colours.toVariantList().indexOf(name.toString()));
        };
        Vexil window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QStringList cues;
        connect(window.chart(), &vexil::ColourChart::edgeReached, this, [&](vexil::ColourChart::Edge edge) {
            if (const auto cue = vexil::utf8(vexil::speech::cue(edge)); cues.isEmpty() || cues.last() != cue)
                cues << cue;
        });
        perform(window, c[u"steps"].toString());
        const auto fields = c[u"fields"].toObject();
        for (auto field = fields.begin(); field != fields.end(); ++field)
            QCOMPARE(text(window, qPrintable(field.key())), field.value().toString());
        const auto stripes = c[u"stripes"].toObject();
        for (auto stripe = stripes.begin(); stripe != stripes.end(); ++stripe) {
            const int band = stripe.key().toInt();
            QCOMPARE(window.bandChoice(band), colourOf(stripe.value()));
            // Hidden ones too, for when they return.
            QCOMPARE(paintedColour(find(window, QStringLiteral("Line%1").arg(band))),
                     paletteRgb(colourOf(stripe.value())));
        }
        const auto bands = c[u"bands"].toArray();
        for (int band = 1; band <= bands.size(); ++band)
            QCOMPARE(window.bandChoice(band), colourOf(bands.at(band - 1)));
        for (const auto& name : names(c[u"shown"].toVariant().toStringList()))
            QVERIFY2(find(window, name)->isVisible(), qPrintable(name + QStringLiteral(" should be shown")));
        for (const auto& name : names(c[u"hidden"].toVariant().toStringList()))
            QVERIFY2(!find(window, name)->isVisible(),
                     qPrintable(name + QStringLiteral(" should be hidden")));
        for (const auto& name : c[u"checked"].toVariant().toStringList())
            QVERIFY2(qobject_cast<QRadioButton*>(find(window, name))->isChecked(), qPrintable(name));
        if (c.contains(QLatin1String("cursor"))) {
            QVERIFY(window.chart()->cursor() && window.chart()->cursor()->isVisible());
            QCOMPARE(window.chart()->cursor()->objectName(), c[u"cursor"].toString());
            QCOMPARE(cues, c[u"cues"].toVariant().toStringList());
        }
    }

    void passiveControlsIgnoreClicks()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(find(window, QStringLiteral("L2_5")));
        const auto before = snapshot(window);
        const auto passive = names({"Label1", "Label2-23", "Label14-17", "Lab_4", "Lab_5", "Line1", "Line2",
                                    "Line3", "Line4", "Line5", "Shape1", "Shape3", "Frame1", "Frame2",
                                    "Result", "Result2", "Result3", "R_Full", "Ed_Izm"});
        for (const auto& name : passive) {
            auto* w = find(window, name);
            QVERIFY2(w, qPrintable(name));
            click(w);
            QTest::mouseDClick(w, Qt::LeftButton);
            QCOMPARE(snapshot(window), before);
        }
    }

    void selectingTheCurrentCountChangesNothing()
    {
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char* count : {"L5_En", "L4_En", "L3_En"}) {
            click(find(window, QString::fromLatin1(count)));
            const auto before = snapshot(window);
            click(find(window, QString::fromLatin1(count)));
            QCOMPARE(snapshot(window), before);
        }
    }

    // What a screen reader says of a control: its name, its description
    // (for a choice, the result it leads to) or the caption labelling it.
    void accessibleNamesSayWhatAndWhichColour_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("name");
        const auto row = [](const char* tag, QStringList clicks, const char* control, const char* what,
                            const char* name) {
            QTest::newRow(tag) << clicks << QString::fromLatin1(control) << QString::fromLatin1(what)
                               << QString::fromUtf8(name);
        };
        row("swatch: colour and digit", {}, "L3_6", "name", "Голубой, 6");
        row("swatch: tolerance in words", {}, "L5_10", "name", "Золотой, 5 процентов");
        row("swatch: a multiplier that divides", {}, "L4_10", "name", "Золотой, разделить на 10");
        row("swatch of an inductor: multiplier", {"Op_G"}, "L3_2", "name", "Красный, умножить на 100");
        row("swatch of a capacitor: voltage", {"Op_C"}, "L5_5", "name", "Зеленый, 50 вольт");
        row("a swatch says no result", {"L2_7"}, "L1_0", "description", "");
        row("stripe at start", {}, "Line2", "name", "Полоса 2 на рисунке: Белый");
        row("stripe after a click", {"L2_1"}, "Line2", "name", "Полоса 2 на рисунке: Коричневый");
        row("stripe after two clicks", {"L2_1", "L2_0"}, "Line2", "name", "Полоса 2 на рисунке: Черный");
        row("stripe set by inductance", {"Op_G"}, "Line4", "name", "Полоса 4 на рисунке: Золотой");
        row("kind option", {}, "Op_C", "name", "Емкость, 2 из 3");
        row("count option", {}, "L4_En", "name", "4, 2 из 3");
        row("count option of an inductor", {"Op_G"}, "L4_En", "name", "4, 2 из 2");
        row("window's state, units in full", {"L4_En", "L1_4", "L2_7", "L3_2", "L4_10"}, "", "description",
            "Сопротивление, 4 полосы: 4,7 килоома, допуск 5 процентов");
        row("capacitor's state: signs and voltage in words", {"Op_C"}, "", "description",
            "Емкость, 5 полос: 99000 микрофарад, допуск плюс 80 минус 20, напряжение 90 вольт");
        // Fields: their own name and the value in words, no two alike.
        const QStringList decoded{"L4_En", "L1_4", "L2_7", "L3_2", "L4_10"};
        row("digits", decoded, "Result", "name", "Цифры: 47");
        row("unit", decoded, "Ed_Izm", "name", "Единица: ом");
        row("multiplier", decoded, "Result2", "name", "Множитель: 100");
        row("nominal value", decoded, "R_Full", "name", "Номинал: 4,7 килоома");
        row("no nominal value", {"L4_En", "L3_10", "L5_En"}, "R_Full", "name", "Номинал: не определен");
        row("tolerance", decoded, "Result3", "name", "Допуск: 5 процентов");
        row("tolerance of three bands", {"L3_En"}, "Result3", "name", "Допуск: плюс-минус 20 процентов");
        row("capacitor's unit", {"Op_C"}, "Ed_Izm", "name", "Единица: пикофарад");
        row("voltage", {"Op_C", "L5_0"}, "Result4", "name", "Напряжение: не указано");
        row("close", {}, "Exit_Btn", "name", "Закрыть");
    }

    void accessibleNamesSayWhatAndWhichColour()
    {
        QFETCH(QStringList, clicks);
        QFETCH(QString, control);
        QFETCH(QString, what);
        QFETCH(QString, name);
        Vexil window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto before = window.grab().toImage();
        for (const auto& c : clicks)
            click(find(window, c));
        QWidget* w = control.isEmpty() ? &window : find(window, control);
        QVERIFY(w);
        // What assistive technology is told, not just the widget property.
        auto* accessible = QAccessible::queryAccessibleInterface(w);
        QVERIFY(accessible);
        QCOMPARE(
            accessible->text(what == QLatin1String("name") ? QAccessible::Name : QAccessible::Description),
            name);
        if (clicks.isEmpty())
            QCOMPARE(window.grab().toImage(), before);  // names change nothing visible
    }

    // Windows screen readers hear a result as a UI Automation notification,
    // looked up at run time: Windows before 10 1709 has none, nor has the
    // uiautomationcore of Wine 8, where nothing is said and nothing fails.
    void resultIsToldOnWindows()
    {
#ifdef Q_OS_WIN
        Vexil window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
        QVERIFY(core != nullptr);
        const bool notifies = GetProcAddress(core, "UiaRaiseNotificationEvent") != nullptr;
        if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr)
            QVERIFY2(!notifies,
                     "Wine's uiautomationcore has UiaRaiseNotificationEvent now: test it for real");
        QCOMPARE(vexil::speaker::say(QAccessible::queryAccessibleInterface(&window),
                                     QStringLiteral("4,7 килоома")),
                 notifies);
#else
        QSKIP("UI Automation is Windows' own");
#endif
    }

    void numbersFollowTheLocale()
    {
        Vexil window;
        window.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        click(find(window, QStringLiteral("L4_2")));
        QCOMPARE(text(window, "R_Full"), QStringLiteral("99.9 кОм"));
        // Speech is Russian whatever the locale: "99.9" would be read "точка".
        QVERIFY(QAccessible::queryAccessibleInterface(&window)
                    ->text(QAccessible::Description)
                    .contains(QStringLiteral("99,9 килоома")));
        click(find(window, QStringLiteral("L4_11")));
        QCOMPARE(text(window, "Result2"), QStringLiteral("0.01"));
        QCOMPARE(text(window, "Result3"), QStringLiteral("+80% -20% (Z)"));
    }

    // Long random click sequences, checked after every click against what
    // must always hold.
    void randomClicksKeepTheWindowConsistent()
    {
        const auto tables = vexil::buildDecoderTables();
        constexpr int seeds = 24;
        constexpr int clicksPerSeed = 250;
        for (unsigned seed = 1; seed <= seeds; ++seed) {
            Vexil window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            const auto options = window.findChildren<QRadioButton*>();
            auto clickable = window.findChildren<QWidget*>(QRegularExpression(QStringLiteral("^L\\d_\\d+$")));
            QList<QWidget*> candidates(clickable.begin(), clickable.end());
            for (auto* option : options)
                candidates << option;

            std::mt19937 random(seed);
            vexil::BandSelection model{White, White, White, White, White};
            QStringList sequence;
            for (int step = 0; step < clicksPerSeed; ++step) {
                QList<QWidget*> visible;
                for (auto* w : candidates)
                    if (w->isVisible())
                        visible << w;
                auto* target =
                    visible.at(static_cast<qsizetype>(random() % static_cast<unsigned>(visible.size())));
                sequence << target->objectName();
                auto* targetOption = qobject_cast<QRadioButton*>(target);
                const bool newlySelected = targetOption && !targetOption->isChecked();
                click(target);

                // The message outlives the check that prints it (qPrintable of
                // a temporary would not).
                QByteArray message;
                const auto failure = [&](const QString& what) {
                    message = QStringLiteral("seed %1: %2 after %3")
                                  .arg(seed)
                                  .arg(what, sequence.join(' '))
                                  .toLocal8Bit();
                    return message.constData();
                };
                // The model of the band choices.
                static const QRegularExpression swatchName(QStringLiteral("^L(\\d)_(\\d+)$"));
                if (const auto m = swatchName.match(target->objectName()); m.hasMatch())
                    model.at(static_cast<std::size_t>(m.captured(1).toInt() - 1)) =
                        static_cast<vexil::ColourIndex>(m.captured(2).toInt());
                // Only a change of kind runs its handler.
                if (target->objectName() == QLatin1String("Op_G") && newlySelected)
                    model[3] = Gold;

                int kindsChecked = 0;
                int countsChecked = 0;
                for (auto* option : options) {
                    const bool isKind = option->objectName().startsWith(QLatin1String("Op_"));
                    (isKind ? kindsChecked : countsChecked) += option->isChecked() ? 1 : 0;
                }
                QVERIFY2(kindsChecked == 1 && countsChecked == 1, failure(QStringLiteral("option groups")));

                const auto isChecked = [&](const char* name) {
                    return qobject_cast<QRadioButton*>(find(window, QString::fromLatin1(name)))->isChecked();
                };
                const auto kind = isChecked("Op_R")   ? vexil::ComponentKind::Resistance
                                  : isChecked("Op_G") ? vexil::ComponentKind::Inductance
                                                      : vexil::ComponentKind::Capacitance;
                const int count = isChecked("L3_En") ? 3 : isChecked("L4_En") ? 4 : 5;

                for (int band = 1; band <= 5; ++band) {
                    QVERIFY2(window.bandChoice(band) == model.at(static_cast<std::size_t>(band - 1)),
                             failure(QStringLiteral("choice of band %1").arg(band)));
                    auto* stripe = find(window, QStringLiteral("Line%1").arg(band));
                    if (stripe->isVisible())
                        QVERIFY2(paintedColour(stripe) == paletteRgb(window.bandChoice(band)),
                                 failure(QStringLiteral("colour of Line%1").arg(band)));
                }

                const auto expected =
                    vexil::decode(tables, kind, static_cast<vexil::BandCount>(count), model, ",");
                QVERIFY2(text(window, "Result") == QString::fromStdString(expected.result),
                         failure("Result"));
                QVERIFY2(text(window, "Result2") == QString::fromStdString(expected.result2),
                         failure("Result2"));
                QVERIFY2(text(window, "Result3") == QString::fromStdString(expected.result3),
                         failure("Result3"));
                QVERIFY2(text(window, "R_Full") == QString::fromStdString(expected.rFull), failure("R_Full"));
                QVERIFY2(text(window, "Ed_Izm") == QString::fromStdString(expected.edIzm), failure("Ed_Izm"));
                if (expected.result4)
                    QVERIFY2(text(window, "Result4") == QString::fromStdString(*expected.result4),
                             failure("Result4"));

                for (const auto& [name, shown] : governedVisibility(kind, count))
                    QVERIFY2(find(window, name)->isVisible() == shown,
                             failure(name + QStringLiteral(" visibility")));
            }
        }
    }
};

QTEST_MAIN(InteractionTest)
#include "interaction_test.moc"
