#include "xdg_toplevel.h"

#include <QGuiApplication>
#include <QWindow>
#include <qpa/qplatformnativeinterface.h>

#include <cstring>

#include <wayland-client.h>

#include "frame.h"
#include "xdg-decoration-unstable-v1-client-protocol.h"
#include "xdg-shell-client-protocol.h"

namespace vexil {

namespace {

struct Found {
    uint32_t name = 0;
};

void announced(void* found, wl_registry*, uint32_t name, const char* interface, uint32_t)
{
    if (std::strcmp(interface, zxdg_decoration_manager_v1_interface.name) == 0)
        static_cast<Found*>(found)->name = name;
}

void withdrawn(void*, wl_registry*, uint32_t) {}

constexpr wl_registry_listener kRegistryListener{announced, withdrawn};

}  // namespace

// Through a queue of this program's own, so that on Qt's connection Qt's
// events wait meanwhile.
zxdg_decoration_manager_v1* bindDecorationManager(wl_display* display)
{
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* onQueue = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(onQueue), queue);
    wl_registry* registry = wl_display_get_registry(onQueue);
    wl_proxy_wrapper_destroy(onQueue);
    Found found;
    wl_registry_add_listener(registry, &kRegistryListener, &found);
    wl_display_roundtrip_queue(display, queue);
    zxdg_decoration_manager_v1* manager = nullptr;
    if (found.name != 0) {
        manager = static_cast<zxdg_decoration_manager_v1*>(
            wl_registry_bind(registry, found.name, &zxdg_decoration_manager_v1_interface, 1));
        wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(manager), nullptr);  // the connection's own queue
    }
    wl_registry_destroy(registry);
    wl_event_queue_destroy(queue);
    return manager;
}

// Whether the Qt after 6.4 says these itself is not known here: it trips at
// the next, to be checked there (docs/platforms.md says how).
static_assert(QT_VERSION < QT_VERSION_CHECK(6, 5, 0),
              "Title bars and the one size on Wayland: check them on this Qt without XdgToplevel "
              "(docs/platforms.md, Workarounds), then raise this bound or remove it");

XdgToplevel::XdgToplevel(Frame& frame, TitleBar titleBar) : QObject(&frame), frame_(frame)
{
    frame.winId();  // its QWindow, to hear it hidden
    display_ = static_cast<wl_display*>(
        QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
    if (titleBar == TitleBar::Negotiated && display_ != nullptr)
        manager_ = bindDecorationManager(display_);
    // No decoration manager (a connection handed over may find none): the
    // program draws the title bar throughout.
    if (manager_ == nullptr) {
        frame.drawTitleBar(true);
        size_ = frame.size();
        frame.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    // Each showing has a toplevel of its own, which Qt makes as the window
    // is shown and destroys as it is hidden: what is said on it is said
    // after Qt, before the first frame, and a decoration object goes before
    // the toplevel.
    connect(&frame, &Frame::shown, this, &XdgToplevel::shown);
    connect(frame.windowHandle(), &QWindow::visibleChanged, this, [this](bool visible) {
        if (!visible)
            drop();
    });
}

XdgToplevel::~XdgToplevel()
{
    drop();
    if (manager_ != nullptr)
        zxdg_decoration_manager_v1_destroy(manager_);
}

void XdgToplevel::shown()
{
    static constexpr zxdg_toplevel_decoration_v1_listener listener{
        [](void* self, zxdg_toplevel_decoration_v1*, uint32_t mode) {
            // Told just before the window's configure that goes with it: the
            // frame has its size in time for the frame drawn in answer.
            static_cast<XdgToplevel*>(self)->frame_.drawTitleBar(
                mode == ZXDG_TOPLEVEL_DECORATION_V1_MODE_CLIENT_SIDE);
        }};
    auto* toplevel =
        static_cast<xdg_toplevel*>(QGuiApplication::platformNativeInterface()->nativeResourceForWindow(
            "xdg_toplevel", frame_.windowHandle()));
    if (toplevel == nullptr) {  // a shell other than xdg-shell: Qt keeps the size
        if (!size_.isEmpty())
            frame_.setFixedSize(size_);
        return;
    }
    if (manager_ == nullptr) {
        // Qt said no greatest size: this one stands (applied with Qt's next
        // commit, its first frame).
        xdg_toplevel_set_max_size(toplevel, size_.width(), size_.height());
    } else {
        drop();
        decoration_ = zxdg_decoration_manager_v1_get_toplevel_decoration(manager_, toplevel);
        zxdg_toplevel_decoration_v1_add_listener(decoration_, &listener, this);
        zxdg_toplevel_decoration_v1_set_mode(decoration_, ZXDG_TOPLEVEL_DECORATION_V1_MODE_SERVER_SIDE);
    }
    wl_display_flush(display_);
}

void XdgToplevel::drop()
{
    if (decoration_ != nullptr)
        zxdg_toplevel_decoration_v1_destroy(decoration_);
    decoration_ = nullptr;
}

}  // namespace vexil
