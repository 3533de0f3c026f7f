#include <QApplication>

#include "vexil.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexil"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));
    // Ties the running window to its desktop entry (the Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vexil.Vexil"));

    vexil::Vexil window;
    window.show();
    return QApplication::exec();
}
