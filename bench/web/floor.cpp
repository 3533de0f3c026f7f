// The least a page with a text window of Vexil's size costs, built the
// same way: a label, a line edit and an option button, in the same face,
// filling the canvas. The baseline of Vexil's first frame in the browser.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "faces.h"
#include "product.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setFont(QFont(vexil::layoutFaces("Arial").front()));
    auto* window = new QWidget;  // lives as long as the page
    window->setFixedSize(vexil::product::kWidth, vexil::product::kHeight);
    new QLabel(QStringLiteral("Номинал"), window);
    (new QLineEdit(QStringLiteral("999000 МОм"), window))->move(0, 20);
    (new QRadioButton(QStringLiteral("Сопротивление"), window))->move(0, 50);
    window->setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window->showFullScreen();
    return QApplication::exec();
}
