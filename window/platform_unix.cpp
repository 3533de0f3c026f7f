#include "platform.h"

#include <QDir>
#include <QLibraryInfo>
#include <QtGlobal>

#include <cstdio>
#include <cstring>

#include <netdb.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace vexil {

namespace {

// Whether something listens on the Unix socket at `path` (a leading '@'
// names an abstract socket, as X servers also offer).
bool acceptsUnix(const QByteArray& path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    if (path.startsWith('@'))
        address.sun_path[0] = '\0';
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const auto length =
        static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + static_cast<std::size_t>(path.size()));
    const bool accepted = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(fd);
    return accepted;
}

bool acceptsTcp(const QByteArray& host, int port)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.constData(), QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    bool accepted = false;
    for (auto* a = found; a != nullptr && !accepted; a = a->ai_next) {
        const int fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd >= 0) {
            accepted = ::connect(fd, a->ai_addr, a->ai_addrlen) == 0;
            ::close(fd);
        }
    }
    freeaddrinfo(found);
    return accepted;
}

// An X display as DISPLAY names it: ":0", ":0.1", "unix:0", "host:0" or
// a socket path (as macOS's launchd sets it).
bool xDisplayAnswers(const QByteArray& display)
{
    if (display.startsWith('/'))
        return acceptsUnix(display.left(display.lastIndexOf(':')));
    const auto colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    const int number = display.mid(colon + 1).split('.').value(0).toInt();
    if (host.isEmpty() || host == "unix") {
        const QByteArray path = "/tmp/.X11-unix/X" + QByteArray::number(number);
        return acceptsUnix(path) || acceptsUnix('@' + path);
    }
    return acceptsTcp(host, 6000 + number);
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
        const QByteArray path = socket.startsWith('/') ? socket : qgetenv("XDG_RUNTIME_DIR") + '/' + socket;
        if (!acceptsUnix(path)) {
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
        if (!xDisplayAnswers(display)) {
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

// The layout's faces are missing on every Linux desktop; their metric twin
// Liberation Sans stands in, and where even that is missing fontconfig's
// sans face. Looking up only the face that exists spares start-up a round
// of fallback searches.
QStringList layoutFaces(const char*)
{
    return {QStringLiteral("Liberation Sans")};
}

}  // namespace vexil
