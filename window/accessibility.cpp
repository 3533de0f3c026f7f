#include "accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>

#include <vector>

#include "colour_chart.h"
#include "read_only_field.h"
#include "shape.h"
#include "swatch.h"
#include "vexil.h"

namespace vexil {

namespace {

// The window as a frame with its title. The rectangles of the drawing that
// carry no name (outline, leads, body) are decoration, not content.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return static_cast<int>(content().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const auto widgets = content();
        if (index < 0 || index >= static_cast<int>(widgets.size()))
            return nullptr;
        return QAccessible::queryAccessibleInterface(widgets[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        const auto widgets = content();
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            if (child != nullptr && child->object() == widgets[i])
                return static_cast<int>(i);
        }
        return -1;
    }

private:
    std::vector<QWidget*> content() const
    {
        std::vector<QWidget*> widgets;
        for (auto* object : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(object);
            if (w == nullptr || w->isWindow())
                continue;
            if (w->metaObject() == &Shape::staticMetaObject && w->accessibleName().isEmpty())
                continue;
            widgets.push_back(w);
        }
        return widgets;
    }
};

// A swatch is one choice of its band: pressing it chooses the colour, and
// the band's current choice reads as checked. A hidden swatch offers
// nothing, as it receives no clicks.
class SwatchAccessible : public QAccessibleWidget {
public:
    explicit SwatchAccessible(Swatch* swatch) : QAccessibleWidget(swatch, QAccessible::RadioButton) {}

    // "Полоса 3, цвет Голубой": a screen reader cannot see the colour.
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto name = ColourPalette.at(static_cast<std::size_t>(swatch()->colour())).name;
        return QStringLiteral("Полоса %1, цвет %2")
            .arg(swatch()->band())
            .arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        const auto* w = swatch();
        s.checkable = true;
        if (const auto* window = qobject_cast<const Vexil*>(w->window()))
            s.checked = window->bandChoice(w->band()) == w->colour();
        s.focusable = !w->isHidden();
        const auto* chart = qobject_cast<const ColourChart*>(QApplication::focusWidget());
        s.focused = chart != nullptr && chart->cursor() == w;
        return s;
    }

    QStringList actionNames() const override
    {
        return swatch()->isHidden() ? QStringList() : QStringList{pressAction()};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && !swatch()->isHidden())
            swatch()->click();
    }

    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    Swatch* swatch() const { return static_cast<Swatch*>(widget()); }
};

// The chart reports the swatch under its cursor as its focused child.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ColourChart* chart) : QAccessibleWidget(chart, QAccessible::Grouping) {}

    QAccessibleInterface* focusChild() const override
    {
        const auto* chart = static_cast<const ColourChart*>(widget());
        if (chart->hasFocus() && chart->cursor() != nullptr)
            return QAccessible::queryAccessibleInterface(chart->cursor());
        return nullptr;
    }
};

// A result field's text can be read, selected and copied, never changed:
// there is no editable-text interface and setting the value does nothing.
class FieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit FieldAccessible(ReadOnlyField* field) : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? field()->text() : QAccessibleWidget::text(t);
    }

    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.selectableText = true;
        return s;
    }

    // QAccessibleTextInterface
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && field()->hasSelectedText()) {
            *startOffset = field()->selectionStart();
            *endOffset = *startOffset + field()->selectionLength();
        }
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int) override { field()->deselect(); }
    void setSelection(int, int startOffset, int endOffset) override
    {
        field()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QString text(int startOffset, int endOffset) const override
    {
        const QString all = field()->text();
        if (endOffset < 0 || endOffset > all.size())
            endOffset = static_cast<int>(all.size());
        return all.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(field()->text().size()); }

    // Where a character stands: where the field lays out its text.
    QRect characterRect(int offset) const override
    {
        const QString all = field()->text();
        if (offset < 0 || offset >= all.size())
            return {};
        const QFontMetrics metrics(field()->font());
        const QRect line = field()->textRect();
        const QRect r(line.left() + metrics.horizontalAdvance(all.left(offset)), line.top(),
                      metrics.horizontalAdvance(all.at(offset)), line.height());
        return r.translated(field()->mapToGlobal(QPoint(0, 0)));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i) {
            if (characterRect(i).contains(point))
                return i;
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    ReadOnlyField* field() const { return static_cast<ReadOnlyField*>(widget()); }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (className == QLatin1String("vexil::Vexil"))
        return new WindowAccessible(widget);
    if (className == QLatin1String("vexil::Swatch"))
        return new SwatchAccessible(static_cast<Swatch*>(widget));
    if (className == QLatin1String("vexil::ColourChart"))
        return new ChartAccessible(static_cast<ColourChart*>(widget));
    if (className == QLatin1String("vexil::ReadOnlyField"))
        return new FieldAccessible(static_cast<ReadOnlyField*>(widget));
    if (className == QLatin1String("vexil::GroupFrame"))
        return new QAccessibleWidget(widget, QAccessible::Grouping);
    if (className == QLatin1String("vexil::Shape"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    return nullptr;
}

void announceChecked(Swatch* swatch)
{
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(swatch, changed);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}

void reportAccessibleChanges(Vexil& window)
{
    auto* chart = window.findChild<ColourChart*>();
    chart->setAccessibleName(QStringLiteral("Таблица цветов"));
    // The swatch under the cursor is what a screen reader speaks.
    QObject::connect(chart, &ColourChart::cursorMoved, &window, [](Swatch* swatch) {
        QAccessibleEvent event(swatch, QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    });
    QObject::connect(&window, &Vexil::bandChoiceChanged, &window, [&window](int band, ColourIndex previous) {
        if (!QAccessible::isActive())
            return;
        for (ColourIndex colour : {previous, window.bandChoice(band)}) {
            if (auto* swatch = window.swatch(band, colour))
                announceChecked(swatch);
        }
    });
}

}  // namespace vexil
