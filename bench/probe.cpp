// What the benchmark runs and times. One program for both sides of every
// comparison, so both load the same libraries:
//   vexil_probe startup vexil|floor   show the window, end at its first frame;
//                                     the floor is the least a text window of
//                                     the same size costs: a label, a line edit
//                                     and an option button
//   vexil_probe clicks N              median time of N swatch clicks and of N
//                                     clicks on a caption, in microseconds
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "form.h"
#include "product.h"
#include "vexil.h"

namespace {

// Ends the process once the watched window has painted its first frame:
// start-up ends there, and neither side's teardown counts.
class FirstFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, [] { std::_Exit(0); });
        return QObject::eventFilter(watched, event);
    }
};

int startup(bool floor)
{
    std::unique_ptr<QWidget> window;
    if (floor) {
        window = std::make_unique<QWidget>();
        window->setFixedSize(vexil::product::kWidth, vexil::product::kHeight);
        new QLabel(QStringLiteral("Номинал"), window.get());
        (new QLineEdit(QStringLiteral("999000 МОм"), window.get()))->move(0, 20);
        (new QRadioButton(QStringLiteral("Сопротивление"), window.get()))->move(0, 50);
    } else {
        vexil::prepareApplication();
        window = std::make_unique<vexil::Vexil>();
    }
    FirstFrame firstFrame;
    window->installEventFilter(&firstFrame);
    window->show();
    return QApplication::exec();
}

double medianMicroseconds(std::vector<double>& samples)
{
    std::nth_element(samples.begin(), samples.begin() + std::ptrdiff_t(samples.size() / 2), samples.end());
    return samples[samples.size() / 2];
}

// A click as the user makes it, with everything it causes: the handler, the
// recomputation and the repaint of what changed.
double clickMedian(QWidget* a, QWidget* b, int count)
{
    std::vector<double> samples;
    samples.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        QWidget* target = i % 2 ? a : b;
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
        const auto end = std::chrono::steady_clock::now();
        samples.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    return medianMicroseconds(samples);
}

int clicks(int count)
{
    vexil::Vexil window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    const auto child = [&](const char* name) {
        return window.findChild<QWidget*>(QString::fromLatin1(name));
    };
    // Warm up, then measure both kinds of click alternately in rounds.
    clickMedian(child("L4_2"), child("L4_3"), 200);
    std::vector<double> swatch, caption;
    for (int round = 0; round < 5; ++round) {
        swatch.push_back(clickMedian(child("L4_2"), child("L4_3"), count / 5));
        caption.push_back(clickMedian(child("Label2"), child("Label3"), count / 5));
    }
    std::printf("%.2f %.2f\n", medianMicroseconds(swatch), medianMicroseconds(caption));
    return 0;
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (argc == 3 && std::strcmp(argv[1], "startup") == 0)
        return startup(std::strcmp(argv[2], "floor") == 0);
    if (argc == 3 && std::strcmp(argv[1], "clicks") == 0)
        return clicks(std::atoi(argv[2]));
    std::fprintf(stderr, "usage: %s startup vexil|floor | clicks N\n", argv[0]);
    return 2;
}
