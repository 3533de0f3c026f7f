#include "drawn_frame.h"

#include <QEvent>

#include "look.h"
#include "title_strip.h"

namespace vexil {

DrawnFrame::DrawnFrame(QWidget& content) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    setWindowTitle(content.windowTitle());
    setWindowIcon(content.windowIcon());
    auto* strip = new TitleStrip(this);
    content.setParent(this, Qt::Widget);
    content.setAutoFillBackground(true);  // as it did as a window
    content.move(0, look::kTitleStripHeight);
    strip->setGeometry(0, 0, content.width(), look::kTitleStripHeight);
    setFixedSize(content.width(), look::kTitleStripHeight + content.height());
    content.installEventFilter(this);
}

// "Закрыть" closes the content: the frame goes with it, and so the program.
bool DrawnFrame::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Close)
        close();
    return false;
}

}  // namespace vexil
