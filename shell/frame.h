#pragma once

#include <QWidget>

#include <memory>

#include "platform.h"

namespace vexil {

class TitleStrip;

// The window: a frame around the form, on every desktop, so that the form
// is one and the same thing everywhere and the window's own affairs are
// the shell's. On Wayland the form stands under a title bar of the
// program's own (title_strip.h) wherever the compositor leaves title bars
// to the program, from the start or, for this window, for as long as it
// does: Qt would draw one that offers maximize and resizing on a window of
// one size. Closing the form closes the frame.
class Frame : public QWidget {
    Q_OBJECT

public:
    Frame(std::unique_ptr<QWidget> form, TitleBar titleBar);

    // The program's title bar above the form, or none.
    void drawTitleBar(bool draw);
    void setVisible(bool visible) override;

signals:
    // Shown, on the platform too: on Wayland a new toplevel.
    void shown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* form_;
    TitleStrip* strip_;
};

}  // namespace vexil
