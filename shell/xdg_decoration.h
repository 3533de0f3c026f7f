#pragma once

#include <QObject>

struct wl_display;
struct zxdg_decoration_manager_v1;
struct zxdg_toplevel_decoration_v1;

namespace vexil {

class Frame;

// The window's own xdg-decoration object: asks the compositor to draw the
// title bar, and hears each time it decides otherwise for this window and
// back (sway: client-side while floating, its own while tiled), so that
// the frame draws the program's title bar exactly then. Where the
// compositor has no decoration manager, the program draws it throughout.
class XdgDecoration : public QObject {
    Q_OBJECT

public:
    explicit XdgDecoration(Frame& frame);
    ~XdgDecoration() override;

private:
    void ask();
    void drop();

    Frame& frame_;
    wl_display* display_ = nullptr;
    zxdg_decoration_manager_v1* manager_ = nullptr;
    zxdg_toplevel_decoration_v1* decoration_ = nullptr;
};

}  // namespace vexil
