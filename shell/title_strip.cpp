#include "title_strip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

#include "title_look.h"

namespace vexil {

namespace {

struct ButtonLayout {
    const char* name;  // what a screen reader says
    QStyle::StandardPixmap glyph;
    bool closes;  // else minimizes
};

// Right to left, as on Windows.
constexpr ButtonLayout kButtons[] = {{"Закрыть", QStyle::SP_TitleBarCloseButton, true},
                                     {"Свернуть", QStyle::SP_TitleBarMinButton, false}};

}  // namespace

TitleStrip::TitleStrip(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("TitleStrip"));
    setFixedHeight(title_look::kHeight);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setIcon(style()->standardIcon(kButtons[i].glyph));
        button->setAccessibleName(QString::fromUtf8(kButtons[i].name));
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(title_look::kButton);
        if (kButtons[i].closes)
            connect(button, &QToolButton::clicked, window, &QWidget::close);
        else
            connect(button, &QToolButton::clicked, window, &QWidget::showMinimized);
        buttons_.at(i) = button;
    }
}

void TitleStrip::resizeEvent(QResizeEvent*)
{
    int right = width();
    for (auto* button : buttons_) {
        right -= title_look::kButtonGap + button->width();
        button->move(right, (height() - button->height()) / 2);
    }
}

void TitleStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), title_look::kBar);
    const int icon = height() - 2 * title_look::kButtonGap;
    window()->windowIcon().paint(&painter, title_look::kButtonGap, title_look::kButtonGap, icon, icon);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(title_look::kText);
    const QRect text(icon + 2 * title_look::kButtonGap, 0,
                     buttons_.back()->x() - icon - 3 * title_look::kButtonGap, height());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, window()->windowTitle());
}

void TitleStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        window()->windowHandle()->startSystemMove();
}

}  // namespace vexil
