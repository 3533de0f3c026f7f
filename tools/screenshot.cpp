// Saves what an X server shows as a PNG: screenshot OUTPUT.png [WINDOW_ID]
// Used by the scripts and the end-to-end test on a virtual X server.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png [WINDOW_ID]\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    const WId window = argc > 2 ? QString::fromLatin1(argv[2]).toULongLong(nullptr, 0) : 0;
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "screenshot: could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
