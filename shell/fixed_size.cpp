#include "fixed_size.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace vexil {

namespace {

constexpr Qt::WindowStates kOtherSizes = Qt::WindowMaximized | Qt::WindowFullScreen;

}  // namespace

FixedSize::FixedSize(QWidget* window) : QObject(window), window_(window)
{
    window->installEventFilter(this);
}

// Whether the Qt after 6.4 still needs this is not known here: it trips at
// the next, to be checked there (docs/platforms.md says how).
static_assert(QT_VERSION < QT_VERSION_CHECK(6, 5, 0),
              "Maximize and full screen on Weston with one fixed size: check them on this Qt without "
              "FixedSize::refuse (docs/platforms.md, Workarounds), then raise this bound or remove it");

void FixedSize::refuse()
{
    const auto restore = [window = window_] { window->setWindowState(window->windowState() & ~kOtherSizes); };
    // Qt 6.4 on Wayland acknowledges the state, then delivers it here, then
    // draws a frame. A frame of other than the compositor's size in a
    // maximized state gets the program disconnected (Weston), and a request
    // for the normal state without one is not answered: the compositor saw
    // no change. Where Qt held the window to its one size (xdg_toplevel.h
    // lets it take the compositor's where it can), no frame is drawn, and
    // the window is shown anew, in its normal state, as it started.
    // display_choice's Weston rows press maximize and full screen: with a Qt
    // whose xdg-shell refuses a state outside the window's size limits, they
    // pass without this, and it goes.
    if ((window_->windowState() & Qt::WindowMaximized) && window_->minimumSize() == window_->maximumSize() &&
        QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        holdingFrames_ = true;
        window_->windowHandle()->installEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [this, restore] {
                window_->hide();
                restore();
                holdingFrames_ = false;
                window_->show();
            },
            Qt::QueuedConnection);
        return;
    }
    // Elsewhere, once the platform has applied the state (full screen may
    // show the window unchanged in size), it is undone. On Wayland the
    // compositor takes a state, and gives it back, only with a frame: one
    // now, in the state asked for, and one as the normal state returns
    // (Weston would keep the window centred on black until the next click),
    // where it was.
    undoing_ = true;
    window_->windowHandle()->installEventFilter(this);
    window_->update();
    QMetaObject::invokeMethod(window_, restore, Qt::QueuedConnection);
}

bool FixedSize::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_) {
        if (event->type() == QEvent::WindowStateChange && (window_->windowState() & kOtherSizes))
            refuse();
        return false;
    }
    // The platform's word that the normal state is back.
    if (event->type() == QEvent::WindowStateChange && undoing_ &&
        !(window_->windowHandle()->windowStates() & kOtherSizes)) {
        undoing_ = false;
        window_->update();
    }
    // The window's surface, until it is shown anew.
    return holdingFrames_ && (event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest);
}

}  // namespace vexil
