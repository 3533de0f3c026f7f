#include "title_strip.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

#include "look.h"

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
    setFixedHeight(look::kTitleStripHeight);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setIcon(style()->standardIcon(kButtons[i].glyph));
        button->setAccessibleName(QString::fromUtf8(kButtons[i].name));
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(look::kTitleButton);
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
        right -= look::kTitleButtonGap + button->width();
        button->move(right, (height() - button->height()) / 2);
    }
}

void TitleStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), look::kTitleBar);
    const int icon = height() - 2 * look::kTitleButtonGap;
    window()->windowIcon().paint(&painter, look::kTitleButtonGap, look::kTitleButtonGap, icon, icon);
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(look::kTitleText);
    const QRect text(icon + 2 * look::kTitleButtonGap, 0,
                     buttons_.back()->x() - icon - 3 * look::kTitleButtonGap, height());
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, window()->windowTitle());
}

void TitleStrip::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        window()->windowHandle()->startSystemMove();
}

}  // namespace vexil
