#pragma once

#include <QObject>
#include <QSize>

#include "platform.h"

struct wl_display;
struct zxdg_decoration_manager_v1;
struct zxdg_toplevel_decoration_v1;

namespace vexil {

class Frame;

// The compositor's decoration manager (xdg-decoration), or none: where it
// has one, it offers to draw title bars. A display that did not answer
// keeps its error (wl_display_get_error).
zxdg_decoration_manager_v1* bindDecorationManager(wl_display* display);

// What the program tells a Wayland compositor about its window itself, on
// the toplevel Qt made for it (Qt 6.4 would say otherwise, or stop
// listening):
// - where the compositor decides who draws the title bar, it asks for the
//   compositor's, on a decoration object of its own, and hears each time
//   the compositor decides otherwise for this window and back (sway:
//   client-side while floating, its own while tiled), so that the frame
//   draws the program's title bar exactly then;
// - where the program draws it throughout, the window's one size. Qt is
//   left free to take a size the compositor sets (Weston's maximize), so
//   that the window can draw one frame in that state and give it back
//   where it was (fixed_size.h), rather than be shown anew, elsewhere.
class XdgToplevel : public QObject {
    Q_OBJECT

public:
    XdgToplevel(Frame& frame, TitleBar titleBar);
    ~XdgToplevel() override;

private:
    void shown();
    void drop();

    Frame& frame_;
    QSize size_;  // where the program draws the title bar
    wl_display* display_ = nullptr;
    zxdg_decoration_manager_v1* manager_ = nullptr;
    zxdg_toplevel_decoration_v1* decoration_ = nullptr;
};

}  // namespace vexil
