#include "frame.h"

#include <QEvent>
#include <QIcon>
#include <QImage>
#include <QResource>

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
    // Where the compositor decides (xdg-decoration), the program asks it
    // for a title bar itself, window by window (shapeToplevel): Qt would
    // ask once, draw one with maximize and resizing when told no, and stop
    // listening once its own was gone.
    if (titleBar != TitleBar::System)
        setWindowFlags(Qt::Window | Qt::FramelessWindowHint);  // alone: beside button hints Qt would drop it
    if (titleBar == TitleBar::Program)
        drawTitleBar(true);
}

void Frame::drawTitleBar(bool draw)
{
    strip_->setGeometry(0, 0, form_->width(), title_look::kHeight);
    strip_->setVisible(draw);
    const int top = draw ? title_look::kHeight : 0;
    form_->move(0, top);
    setFixedSize(form_->width(), top + form_->height());
}

void Frame::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    if (visible)
        emit shown();
}

bool Frame::eventFilter(QObject* watched, QEvent* event)
{
    // "Закрыть" closes the form: the frame goes with it, and so the program.
    if (watched == form_ && event->type() == QEvent::Close)
        close();
    return false;
}

}  // namespace vexil
