#include <QApplication>

#include <memory>

#include "accessibility.h"
#include "fixed_size.h"
#include "form.h"
#include "form_view.h"
#include "frame.h"
#include "platform.h"
#include "product.h"

int main(int, char* argv[])
{
    const auto display = vexil::chooseDisplay();
    if (!display)
        return 1;
    if (!display->platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", display->platform);
    // The program takes no command line: Qt is not shown one either, so no
    // -reverse, -style or -platform changes the layout.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QStringLiteral("Vexil"));
    QApplication::setApplicationVersion(QString::fromLatin1(vexil::product::kVersion));
    // Ties the running window to its desktop entry (the Wayland app id).
    QGuiApplication::setDesktopFileName(QString::fromLatin1(vexil::product::kAppId));
    vexil::markRunning();

    vexil::prepareApplication();
    vexil::installAccessibility();
    auto form = vexil::makeForm();
    vexil::FormView& shownForm = *form;
    const auto window = std::make_unique<vexil::Frame>(std::move(form), display->titleBar);
    vexil::reportAccessibleChanges(shownForm);
    new vexil::FixedSize(window.get());  // owned by the window
    vexil::shapeToplevel(*window, display->titleBar);
    window->show();
    return QApplication::exec();
}
