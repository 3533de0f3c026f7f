#include "fixed_size.h"

#include <QEvent>
#include <QWidget>

namespace vexil {

namespace {

constexpr Qt::WindowStates kOtherSizes = Qt::WindowMaximized | Qt::WindowFullScreen;

}  // namespace

FixedSize::FixedSize(QWidget* window) : QObject(window)
{
    window->installEventFilter(this);
}

bool FixedSize::eventFilter(QObject* watched, QEvent* event)
{
    auto* window = static_cast<QWidget*>(watched);
    if (event->type() == QEvent::WindowStateChange && (window->windowState() & kOtherSizes)) {
        // After the platform has finished applying the state it asked for.
        QMetaObject::invokeMethod(
            window, [window] { window->setWindowState(window->windowState() & ~kOtherSizes); },
            Qt::QueuedConnection);
    }
    return false;
}

}  // namespace vexil
