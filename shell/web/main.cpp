#include <QApplication>

#include <emscripten/val.h>

#include <array>
#include <optional>

#include "accessibility.h"
#include "colour_chart.h"
#include "form.h"
#include "form_view.h"
#include "product.h"
#include "swatch.h"

namespace {

// A page cannot close its tab: with its window closed the program has
// nothing left to do, and the page takes the canvas away and says so
// (index.html). The runtime itself stays: tearing it down runs Qt's static
// destructors under a live QApplication, which traps.
void endWithThePage()
{
    using emscripten::val;
    val::global("window").call<bool>("dispatchEvent", val::global("Event").new_(std::string("vexil-closed")));
}

// Qt 6.4 for WebAssembly draws wrongly once the device pixel ratio changes
// under it (a zoom): the page then starts the program anew at the new ratio
// (index.html), with the choices made so far, which it keeps meanwhile as
// "kind count band1 .. band5 focus" (window.vexilChoices, and for the new
// start sessionStorage's "vexil-choices", taken once). With a Qt that follows
// the change, this goes.
QString written(const vexil::FormView::Choices& c)
{
    QStringList words{QString::number(static_cast<int>(c.kind)), QString::number(static_cast<int>(c.count))};
    for (const auto band : c.bands)
        words << QString::number(band);
    return words.join(QLatin1Char(' ')) + QLatin1Char(' ') + c.focus;
}

std::optional<vexil::FormView::Choices> read(const QString& text)
{
    const auto words = text.split(QLatin1Char(' '));
    if (words.size() != 8)
        return std::nullopt;
    std::array<int, 7> n{};
    for (std::size_t i = 0; i < n.size(); ++i) {
        bool ok = false;
        n.at(i) = words.at(static_cast<qsizetype>(i)).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (n[0] < 0 || n[0] > 2 || n[1] < 3 || n[1] > 5)
        return std::nullopt;
    vexil::FormView::Choices c{
        static_cast<vexil::ComponentKind>(n[0]), static_cast<vexil::BandCount>(n[1]), {}, words.at(7)};
    for (std::size_t band = 0; band < c.bands.size(); ++band)
        c.bands.at(band) = static_cast<vexil::ColourIndex>(n.at(band + 2));
    return c;
}

void carryOver(vexil::FormView& form)
{
    using emscripten::val;
    val storage = val::global("sessionStorage");
    const val kept = storage.call<val>("getItem", std::string("vexil-choices"));
    if (kept.isString()) {
        storage.call<void>("removeItem", std::string("vexil-choices"));
        if (const auto choices = read(QString::fromStdString(kept.as<std::string>())))
            form.restore(*choices);
    }
    const auto publish = [&form] {
        val::global("window").set("vexilChoices", written(form.choices()).toStdString());
    };
    QObject::connect(&form, &vexil::FormView::recomputed, &form, publish);
    QObject::connect(qApp, &QApplication::focusChanged, &form, publish);
    QObject::connect(form.chart(), &vexil::ColourChart::cursorMoved, &form, publish);
    publish();
}

}  // namespace

int main(int argc, char* argv[])
{
    // The window's scale, which the page has chosen and sized the canvas
    // for (index.html): less than 1 on a narrow screen, more below one device
    // pixel per pixel.
    if (const double scale = emscripten::val::global("vexilScale").as<double>(); scale != 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 17));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexil"));
    QApplication::setApplicationVersion(QString::fromLatin1(vexil::product::kVersion));

    vexil::prepareApplication();
    vexil::installAccessibility();
    // Lives as long as the page: the browser's event loop runs after main()
    // has handed it over, and nothing is torn down at the end.
    auto* form = vexil::makeForm().release();
    carryOver(*form);
    vexil::reportAccessibleChanges(*form);
    // The canvas is exactly the layout's size and the page is the frame:
    // the window fills the canvas, with no title bar of Qt's own.
    form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &endWithThePage);
    form->showFullScreen();
    // At a scale between whole device pixels Qt 6.4 repaints a hidden
    // control's place a pixel short, leaving bits of its outline: each
    // change repaints the window whole, which costs little at this size.
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        QObject::connect(form, &vexil::FormView::recomputed, form, [form] { form->update(); });
    return QApplication::exec();
}
