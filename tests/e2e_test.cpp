// The real executable on a real X server, driven by real input events.
// Run through scripts/with-xvfb, which provides the server. VEXIL_COMMAND,
// where set, starts the program instead (the Windows build under Wine).
#include <QtTest>

#include <QProcess>
#include <QScreen>

namespace {

QPoint centreOf(int left, int top, int width, int height)
{
    const auto p = [](int twips) { return (twips + 7) / 15; };
    return {p(left) + p(width) / 2, p(top) + p(height) / 2};
}

QPoint swatch(int band, int colour)
{
    const int top = colour < 10 ? 4920 - 360 * colour : 5280 + 360 * (colour - 10);
    return centreOf(3360 + 480 * (band - 1), top, 255, 255);
}

// An option button is clicked on its round indicator, at its left end.
QPoint option(int frameLeft, int frameTop, int left, int top)
{
    return centreOf(frameLeft + left, frameTop + top, 0, 255) + QPoint(8, 0);
}

// A point on a band stripe above the body: stripe colour, or the window's
// background where the stripe is hidden.
QPoint stripe(int band)
{
    return centreOf(3360 + 480 * (band - 1), 600, 255, 0) + QPoint(0, 3);
}

const QPoint kVoltageField = centreOf(225, 4635, 0, 285) + QPoint(4, 0);

constexpr QRgb kHidden = 0x004040;
constexpr QRgb white = 0xFFFFFF, yellow = 0xFFFF00, violet = 0xFF00FF, red = 0xFF0000, gold = 0xFFC080;

QString xdotool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    if (!p.waitForFinished(20000))
        return {};
    return QString::fromLatin1(p.readAllStandardOutput()).trimmed();
}

}  // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

private slots:
    void decodeWithRealClicks()
    {
        QProcess app;
        app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QStringList command =
            qEnvironmentVariable("VEXIL_COMMAND").split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (command.isEmpty())
            command = {QStringLiteral(VEXIL_EXECUTABLE)};
        app.start(command.takeFirst(), command);
        QVERIFY(app.waitForStarted());

        const auto window =
            xdotool({"search", "--sync", "--onlyvisible", "--name", "^Vexil\\.\\.\\.!$"}).section('\n', 0, 0);
        QVERIFY2(!window.isEmpty(), "the window did not appear");
        const WId id = window.toULongLong();

        QImage shot;
        const auto pixel = [&](QPoint p) { return shot.pixel(p) & 0xFFFFFF; };
        // Waits until the window shows what is expected (the server paints
        // asynchronously); true if it does within a few seconds.
        const auto shows = [&](const std::array<QRgb, 5>& stripes, QRgb voltageField) {
            for (int attempt = 0; attempt < 100; ++attempt) {
                shot = QGuiApplication::primaryScreen()->grabWindow(id).toImage();
                bool same = !shot.isNull() && pixel(kVoltageField) == voltageField;
                for (int band = 1; same && band <= 5; ++band)
                    same = pixel(stripe(band)) == stripes.at(static_cast<std::size_t>(band - 1));
                if (same)
                    return true;
                QTest::qWait(50);
            }
            return false;
        };
        const auto clickAt = [&](QPoint p) {
            xdotool({"mousemove", "--window", window, QString::number(p.x()), QString::number(p.y()), "click",
                     "1"});
        };

        QVERIFY2(shows({white, white, white, white, white}, kHidden), "start-up");
        QCOMPARE(shot.size(), QSize(441, 407));  // the client area

        struct Step {
            const char* what;
            QPoint at;
            std::array<QRgb, 5> stripes;
            QRgb voltageField;
        };
        const Step steps[] = {
            {"4 bands", option(120, 1560, 975, 480), {white, white, white, white, kHidden}, kHidden},
            {"yellow", swatch(1, 4), {yellow, white, white, white, kHidden}, kHidden},
            {"violet", swatch(2, 7), {yellow, violet, white, white, kHidden}, kHidden},
            {"red", swatch(3, 2), {yellow, violet, red, white, kHidden}, kHidden},
            {"gold", swatch(4, 10), {yellow, violet, red, gold, kHidden}, kHidden},
            {"capacitance", option(120, 0, 360, 840), {yellow, violet, red, gold, kHidden}, 0xC0C0C0},
            {"inductance", option(120, 0, 360, 1200), {yellow, violet, red, gold, kHidden}, kHidden},
        };
        for (const auto& step : steps) {
            clickAt(step.at);
            QVERIFY2(shows(step.stripes, step.voltageField), step.what);
        }

        clickAt(centreOf(240, 5520, 1575, 375));  // "Закрыть"
        QVERIFY2(app.waitForFinished(10000), "the program did not end");
        QCOMPARE(app.exitStatus(), QProcess::NormalExit);
        QCOMPARE(app.exitCode(), 0);
    }
};

QTEST_MAIN(EndToEndTest)
#include "e2e_test.moc"
