#include <QApplication>

#include "vexil.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vexil"));
    QApplication::setApplicationVersion(QStringLiteral("2.00"));

    vexil::Vexil window;
    window.show();
    return QApplication::exec();
}
