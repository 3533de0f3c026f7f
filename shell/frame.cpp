#include "frame.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QResource>
#include <QWindow>

#include "product.h"

#include "title_look.h"
#include "title_strip.h"

namespace vexil {

namespace {

// One size: no maximize button, and on Windows a border that cannot be
// dragged.
constexpr Qt::WindowFlags kWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Raw pixels, uncompressed in the resources: nothing to decode, so Qt
// scans no image-format plugins at start.
QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32}) {
        const QResource pixels(QStringLiteral(":/vexil/icon-%1.rgba").arg(size));
        icon.addPixmap(QPixmap::fromImage(QImage(pixels.data(), size, size, QImage::Format_RGBA8888)));
    }
    return icon;
}

}  // namespace

Frame::Frame(std::unique_ptr<QWidget> form, TitleBar titleBar)
    : QWidget(nullptr, kWindowFlags), form_(form.get()), strip_(new TitleStrip(this))
{
    setWindowTitle(QString::fromLatin1(product::kTitle));
    setWindowIcon(programIcon());
    form.release()->setParent(this, Qt::Widget);  // owned by the frame from here on
    // The window goes by the form's name: the frame, which is the window
    // now, takes it over, so that a lookup by that name finds the window, once.
    setObjectName(form_->objectName());
    form_->setObjectName(QStringLiteral("Form"));
    form_->setAutoFillBackground(true);  // as it did as a window
    // A tiling window manager stretches a window whatever its size hints:
    // around the form, where it stays, lies the form's own background.
    QPalette around = palette();
    around.setColor(QPalette::Window, form_->palette().color(QPalette::Window));
    setPalette(around);
    form_->installEventFilter(this);
    strip_->hide();
    setFixedSize(form_->size());
    if (titleBar == TitleBar::Program) {
        // Alone: beside button hints Qt would drop it.
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        drawTitleBar();
        return;
    }
    // The compositor draws the title bar, unless it decides otherwise for
    // this window, now or later (sway's "border csd"): then Qt would.
    if (titleBar == TitleBar::Negotiated) {
        create();
        windowHandle()->installEventFilter(this);
    }
}

void Frame::drawTitleBar()
{
    if (drawn_)
        return;
    drawn_ = true;
    // On the shown window's surface, so that it is not hidden and shown anew.
    if (auto* surface = windowHandle())
        surface->setFlags(surface->flags() | Qt::FramelessWindowHint);
    strip_->setGeometry(0, 0, form_->width(), title_look::kHeight);
    strip_->show();
    form_->move(0, title_look::kHeight);
    setFixedSize(form_->width(), title_look::kHeight + form_->height());
}

bool Frame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == form_) {
        // "Закрыть" closes the form: the frame goes with it, and so the program.
        if (event->type() == QEvent::Close)
            close();
        return false;
    }
    // Qt's own title bar has margins; a compositor's has none on Wayland.
    const bool painting = event->type() == QEvent::Expose || event->type() == QEvent::UpdateRequest;
    if (painting && !drawn_ && !windowHandle()->frameMargins().isNull())
        QMetaObject::invokeMethod(this, &Frame::drawTitleBar, Qt::QueuedConnection);
    return false;
}

}  // namespace vexil
