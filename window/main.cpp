#include <QApplication>

#include "platform.h"
#include "vexil.h"

int main(int, char* argv[])
{
    if (!vexil::displayAvailable())
        return 1;
    // The program takes no command line: Qt is not shown one either, so no
    // -reverse, -style or -platform changes the layout.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("Vexil"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    // Ties the running window to its desktop entry (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vexil.Vexil"));

    std::unique_ptr<QWidget> frame;  // outlives the window it may hold
    vexil::Vexil window;
    frame = vexil::drawnTitleBar(window);
    QWidget* shown = frame ? frame.get() : &window;
    shown->show();
    return QApplication::exec();
}
