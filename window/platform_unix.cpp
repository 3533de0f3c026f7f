#include "platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

#include <wayland-client.h>
#include <xcb/xcb.h>

#include "drawn_frame.h"

namespace vexil {

namespace {

// Whether the Wayland compositor draws title bars itself
// (xdg-decoration); learnt while asking it whether it answers.
bool compositorDecorates = false;

void announced(void*, wl_registry*, uint32_t, const char* interface, uint32_t)
{
    if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
        compositorDecorates = true;
}

void withdrawn(void*, wl_registry*, uint32_t) {}

constexpr wl_registry_listener kRegistryListener{announced, withdrawn};

// Whether the display the environment names lets a client in, asked
// through each protocol's own client library, which reads the variables,
// finds the socket and, for X, authenticates as Qt will.
bool waylandAnswers()
{
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return false;
    wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &kRegistryListener, nullptr);
    wl_display_roundtrip(display);
    wl_registry_destroy(registry);
    wl_display_disconnect(display);
    return true;
}

bool xAnswers()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answered;
}

bool waylandPluginInstalled()
{
    QStringList dirs =
        QString::fromLocal8Bit(qgetenv("QT_PLUGIN_PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    dirs << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const auto& dir : dirs) {
        if (!QDir(dir + QStringLiteral("/platforms")).entryList({QStringLiteral("*qwayland*")}).isEmpty())
            return true;
    }
    return false;
}

// Whether Qt's platform `name` can open its display; if not, why not.
bool opens(const QByteArray& name, QStringList& why)
{
    if (name.startsWith("wayland")) {
        const QByteArray socket = qgetenv("WAYLAND_DISPLAY");
        if (socket.isEmpty()) {
            why << QStringLiteral("WAYLAND_DISPLAY is unset");
            return false;
        }
        if (!waylandPluginInstalled()) {
            why << QStringLiteral("Qt's Wayland plugin is not installed (qt6-wayland)");
            return false;
        }
        if (!waylandAnswers()) {
            why << QStringLiteral("Wayland socket %1 refused").arg(QString::fromLocal8Bit(socket));
            return false;
        }
        return true;
    }
    if (name == "xcb") {
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty()) {
            why << QStringLiteral("DISPLAY is unset");
            return false;
        }
        if (!xAnswers()) {
            why << QStringLiteral("X display %1 refused").arg(QString::fromLocal8Bit(display));
            return false;
        }
        return true;
    }
    return true;  // offscreen, vnc and the like need no display to answer
}

}  // namespace

bool displayAvailable()
{
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    if (named.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("vexil: needs a graphical display, but DISPLAY and WAYLAND_DISPLAY are unset\n", stderr);
        return false;
    }
    // What was asked for, in its order; else the session's own display
    // first (Wayland), X (through XWayland, or an X session) after it.
    const QList<QByteArray> candidates =
        named.isEmpty() ? QList<QByteArray>{"wayland", "xcb"} : named.split(';');
    QStringList why;
    for (const auto& candidate : candidates) {
        // Qt would abort with a core dump where its platform cannot open a
        // display: only one that answers is handed over.
        const QByteArray name = candidate.split(':').value(0).trimmed();
        if (opens(name, why)) {
            qputenv("QT_QPA_PLATFORM", candidate.trimmed());
            return true;
        }
    }
    std::fprintf(stderr, "vexil: cannot open a display: %s\n", qPrintable(why.join(QStringLiteral(", "))));
    return false;
}

std::unique_ptr<QWidget> drawnTitleBar(QWidget& window)
{
    if (QGuiApplication::platformName() != QLatin1String("wayland") || compositorDecorates)
        return nullptr;
    // Here Qt would draw the title bar itself, and Qt 6.4's offers maximize
    // and resize handles on a fixed window: a maximize click is answered
    // with a maximized configure the window cannot fill, and the compositor
    // may disconnect it for that. The program's own bar offers neither, and
    // the compositor sees exactly the fixed size.
    return std::make_unique<DrawnFrame>(window);
}

// The layout's faces are missing on every Linux desktop; their metric twin
// Liberation Sans stands in, and where even that is missing fontconfig's
// sans face. Looking up only the face that exists spares start-up a round
// of fallback searches.
QStringList layoutFaces(const char*)
{
    return {QStringLiteral("Liberation Sans")};
}

}  // namespace vexil
