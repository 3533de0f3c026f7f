#include "platform.h"

#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <wayland-client.h>
#include <xcb/xcb.h>

#include "xdg-decoration-unstable-v1-client-protocol.h"
#include "xdg_toplevel.h"

namespace vexil {

namespace {

constexpr std::chrono::milliseconds kPatience{2000};

// What a display server said when asked.
enum class Answer : char { Refused, Answered, OffersTitleBars };

// Whether the display the environment names lets a client in, asked
// through each protocol's own client library, which reads the variables,
// finds the socket and, for X, authenticates as Qt will. The Wayland
// compositor also tells whether it can draw title bars (xdg-decoration).
Answer askWayland()
{
    wl_display* display = wl_display_connect(nullptr);
    if (display == nullptr)
        return Answer::Refused;
    zxdg_decoration_manager_v1* manager = bindDecorationManager(display);
    // A socket that accepts and then closes fails here.
    const bool answered = wl_display_get_error(display) == 0;
    if (manager != nullptr)
        zxdg_decoration_manager_v1_destroy(manager);
    wl_display_disconnect(display);
    if (!answered)
        return Answer::Refused;
    return manager != nullptr ? Answer::OffersTitleBars : Answer::Answered;
}

Answer askX()
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool answered = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answered ? Answer::Answered : Answer::Refused;
}

// Asks in a child process, so that a server that accepts and never answers
// (hung, or stopped) holds up the start for kPatience and no longer. None
// when it did not answer in time. Where no child can be had (a process
// limit reached) or the wait itself fails, asks here, with no limit: a
// display that answers is never reported silent.
std::optional<Answer> askWithin(Answer (*ask)())
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return ask();
    const pid_t child = fork();
    if (child < 0) {
        close(pipeEnds[0]);
        close(pipeEnds[1]);
        return ask();
    }
    if (child == 0) {
        close(pipeEnds[0]);
        const Answer answer = ask();
        _exit(write(pipeEnds[1], &answer, 1) == 1 ? 0 : 1);
    }
    close(pipeEnds[1]);
    // A signal cuts a wait short: waited again for the time that is left.
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    int ready = -1;
    do {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd reply{pipeEnds[0], POLLIN, 0};
        ready = poll(&reply, 1, static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0)));
    } while (ready < 0 && errno == EINTR);
    Answer answer = Answer::Refused;
    // A child that died without a word counts as refused.
    if (ready == 1 && read(pipeEnds[0], &answer, 1) != 1)
        answer = Answer::Refused;
    close(pipeEnds[0]);
    if (ready != 1)
        kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    if (ready < 0)
        return ask();
    return ready == 1 ? std::optional<Answer>(answer) : std::nullopt;
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

QString unanswered(const QString& what, const std::optional<Answer>& answer)
{
    return answer ? what + QStringLiteral(" refused")
                  : what + QStringLiteral(" did not answer within %1 s").arg(kPatience.count() / 1000);
}

// How Qt's platform `name` would show the window, if it can open its
// display; if not, why not.
std::optional<TitleBar> opens(const QByteArray& name, QStringList& why)
{
    if (name.startsWith("wayland")) {
        const bool inherited = !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
        const QByteArray socket = qgetenv("WAYLAND_DISPLAY");
        if (socket.isEmpty() && !inherited) {
            why << QStringLiteral("WAYLAND_DISPLAY is unset");
            return std::nullopt;
        }
        if (!waylandPluginInstalled()) {
            why << QStringLiteral("Qt's Wayland plugin is not installed (qt6-wayland)");
            return std::nullopt;
        }
        // A connection the compositor handed over is Qt's alone: one
        // message of a probe's on it would confuse the compositor.
        if (inherited)
            return TitleBar::Negotiated;
        const auto answer = askWithin(askWayland);
        if (answer == Answer::Answered)
            return TitleBar::Program;
        if (answer == Answer::OffersTitleBars)
            return TitleBar::Negotiated;
        why << unanswered(QStringLiteral("Wayland socket %1").arg(QString::fromLocal8Bit(socket)), answer);
        return std::nullopt;
    }
    if (name == "xcb") {
        const QByteArray display = qgetenv("DISPLAY");
        if (display.isEmpty()) {
            why << QStringLiteral("DISPLAY is unset");
            return std::nullopt;
        }
        const auto answer = askWithin(askX);
        if (answer == Answer::Answered)
            return TitleBar::System;
        why << unanswered(QStringLiteral("X display %1").arg(QString::fromLocal8Bit(display)), answer);
        return std::nullopt;
    }
    return TitleBar::System;  // offscreen, vnc and the like need no display to answer
}

}  // namespace

std::optional<Display> chooseDisplay()
{
    const QByteArray named = qgetenv("QT_QPA_PLATFORM");
    if (named.isEmpty() && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        std::fputs("vexil: needs a graphical display, but DISPLAY and WAYLAND_DISPLAY are unset\n", stderr);
        return std::nullopt;
    }
    // What was asked for, in its order; else the session's own display
    // first (Wayland), X (through XWayland, or an X session) after it.
    const QList<QByteArray> candidates =
        named.isEmpty() ? QList<QByteArray>{"wayland", "xcb"} : named.split(';');
    QStringList why;
    for (const auto& candidate : candidates) {
        const QByteArray name = candidate.split(':').value(0).trimmed();
        if (const auto titleBar = opens(name, why))
            return Display{candidate.trimmed(), *titleBar};
    }
    std::fprintf(stderr, "vexil: cannot open a display: %s\n", qPrintable(why.join(QStringLiteral(", "))));
    return std::nullopt;
}

void shapeToplevel(Frame& frame, TitleBar titleBar)
{
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        new XdgToplevel(frame, titleBar);  // owned by the frame
}

// Linux installs through the package manager, which replaces files in use.
void markRunning() {}

}  // namespace vexil
