#include <QApplication>

#include <emscripten/val.h>

#include "accessibility.h"
#include "form.h"
#include "form_view.h"
#include "product.h"

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

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexil"));
    QApplication::setApplicationVersion(QString::fromLatin1(vexil::product::kVersion));

    vexil::prepareApplication();
    vexil::installAccessibility();
    // Lives as long as the page: the browser's event loop runs after main()
    // has handed it over, and nothing is torn down at the end.
    auto* form = vexil::makeForm().release();
    vexil::reportAccessibleChanges(*form);
    // The canvas is exactly the layout's size and the page is the frame:
    // the window fills the canvas, with no title bar of Qt's own.
    form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    QObject::connect(&app, &QGuiApplication::lastWindowClosed, &endWithThePage);
    form->showFullScreen();
    return QApplication::exec();
}
