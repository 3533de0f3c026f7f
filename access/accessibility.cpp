#include "accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "chart_band.h"
#include "colour_chart.h"
#include "colour_text.h"
#include "description_event.h"
#include "form_view.h"
#include "group_frame.h"
#include "read_only_field.h"
#include "shape.h"
#include "swatch.h"

namespace vexil {

namespace {

// ---- The form, by type ------------------------------------------------------------

// The form an object belongs to: itself or its nearest ancestor.
const FormView* formOf(const QObject* object)
{
    for (; object != nullptr; object = object->parent()) {
        if (const auto* form = dynamic_cast<const FormView*>(object))
            return form;
    }
    return nullptr;
}

// The form a top-level window shows: itself, or the one its frame holds.
const FormView* formShownBy(const QWidget* window)
{
    if (const auto* form = dynamic_cast<const FormView*>(window))
        return form;
    for (const auto* child : window->children()) {
        if (const auto* form = dynamic_cast<const FormView*>(child))
            return form;
    }
    return nullptr;
}

// ---- What is spoken ----------------------------------------------------------

// Each result field's name; its caption comes from the form.
QString fieldName(ResultField field)
{
    switch (field) {
    case ResultField::Result: return QStringLiteral("цифры");  // under "Номинал", beside the unit
    case ResultField::Ed_Izm: return QStringLiteral("единица");
    case ResultField::Result2: return QStringLiteral("Множитель");
    case ResultField::R_Full: return QStringLiteral("Номинал");  // under "то есть (короче)"
    case ResultField::Result3: return QStringLiteral("Допуск + -");
    case ResultField::Result4: return QStringLiteral("Напряжение");
    }
    return {};
}

constexpr ResultField kResultFields[] = {ResultField::Result, ResultField::Ed_Izm,  ResultField::Result2,
                                         ResultField::R_Full, ResultField::Result3, ResultField::Result4};

// Which result field a widget is, if any.
std::optional<ResultField> fieldOf(const QWidget* widget)
{
    const auto* form = formOf(widget);
    for (auto field : kResultFields) {
        if (form != nullptr && form->resultField(field) == widget)
            return field;
    }
    return std::nullopt;
}

QString roleText(BandRole role)
{
    switch (role) {
    case BandRole::FirstDigit: return QStringLiteral("первая цифра");
    case BandRole::SecondDigit: return QStringLiteral("вторая цифра");
    case BandRole::ThirdDigit: return QStringLiteral("третья цифра");
    case BandRole::Multiplier: return QStringLiteral("множитель");
    case BandRole::Tolerance: return QStringLiteral("допуск");
    case BandRole::Voltage: return QStringLiteral("напряжение");
    case BandRole::None: break;
    }
    return QStringLiteral("не влияет");
}

// "Полоса 2, вторая цифра"
QString bandName(const ColourChart* chart, int band)
{
    return bandTitle(band) + QStringLiteral(", ") + roleText(chart->bandRole(band));
}

QString shownText(const FormView& form, ResultField field)
{
    const auto* edit = form.resultField(field);
    return edit->isHidden() ? QString() : edit->text();
}

// The result as one phrase: "4,7 кОм, допуск 5% (J)", and the voltage
// where it is shown.
QString resultPhrase(const FormView& form)
{
    QString value = shownText(form, ResultField::R_Full);
    if (value == QLatin1String("-"))
        value = QStringLiteral("номинал не определен");
    QString phrase = value + QStringLiteral(", допуск ") + shownText(form, ResultField::Result3);
    const QString voltage = shownText(form, ResultField::Result4);
    if (!voltage.isEmpty())
        phrase += QStringLiteral(", напряжение ") + voltage;
    return phrase;
}

// The whole state: "Сопротивление, 4 полосы: 4,7 кОм, допуск 5% (J)".
QString stateSentence(const FormView& form)
{
    return QStringLiteral("%1, %2 %3: %4")
        .arg(form.kindCaption(), form.bandCountCaption(),
             form.bandCount() == BandCount::Five ? QStringLiteral("полос") : QStringLiteral("полосы"),
             resultPhrase(form));
}

// An interface whose children are a list of objects (widgets, bands).
template <typename List>
QAccessibleInterface* childIn(const List& list, int index)
{
    if (index < 0 || index >= static_cast<int>(list.size()))
        return nullptr;
    return QAccessible::queryAccessibleInterface(list[static_cast<std::size_t>(index)]);
}

template <typename List>
int indexIn(const List& list, const QAccessibleInterface* child)
{
    const auto at = std::find_if(list.begin(), list.end(),
                                 [&](const QObject* o) { return child != nullptr && child->object() == o; });
    return at == list.end() ? -1 : static_cast<int>(at - list.begin());
}

ColourChart* chartOf(const QWidget* widget)
{
    return formOf(widget)->chart();
}

// ---- Interfaces ----------------------------------------------------------------

// The top-level window as a frame with its title, the whole state as its
// description: the form itself, or the frame the platform shell put around
// it. The form's rectangles that carry no name (outline, leads, body) are
// decoration, not content; the swatches are reached through the chart.
class WindowAccessible : public QAccessibleWidget {
public:
    WindowAccessible(QWidget* window, const FormView& form)
        : QAccessibleWidget(window, QAccessible::Window), form_(form)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? stateSentence(form_) : QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(content().size()); }
    QAccessibleInterface* child(int index) const override { return childIn(content(), index); }
    int indexOfChild(const QAccessibleInterface* child) const override { return indexIn(content(), child); }

protected:
    std::vector<QWidget*> content() const
    {
        std::vector<QWidget*> widgets;
        for (auto* object : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(object);
            if (w == nullptr || w->isWindow() || qobject_cast<Swatch*>(w) != nullptr)
                continue;
            if (w->metaObject() == &Shape::staticMetaObject && w->accessibleName().isEmpty())
                continue;
            widgets.push_back(w);
        }
        return widgets;
    }

private:
    const FormView& form_;
};

// The form inside a frame: a plain pane of the same content.
class PaneAccessible : public WindowAccessible {
public:
    PaneAccessible(QWidget* pane, const FormView& form) : WindowAccessible(pane, form) {}

    QAccessible::Role role() const override { return QAccessible::Pane; }
    QString text(QAccessible::Text) const override { return {}; }
};

// A choice, swatch or option: a radio button named with its place among
// those shown ("…, 3 из 10") and described by the result it leads to.
class ChoiceAccessible : public QAccessibleWidget {
public:
    explicit ChoiceAccessible(QWidget* choice) : QAccessibleWidget(choice, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name: return name();
        case QAccessible::Description: return resultPhrase(*formOf(widget()));
        default: return QAccessibleWidget::text(t);
        }
    }

protected:
    virtual QString name() const = 0;

    template <typename List, typename Choice>
    static QString place(const List& shown, Choice* choice)
    {
        const auto at = std::find(shown.begin(), shown.end(), choice);
        return at == shown.end() ? QString()
                                 : QStringLiteral(", %1 из %2").arg(at - shown.begin() + 1).arg(shown.size());
    }
};

// A swatch is one choice of its band: pressing it chooses the colour, and
// the band's current choice reads as checked. Its name says what a sighted
// user sees: band, meaning, colour and place, "Полоса 2, вторая цифра:
// Фиолетовый, 8 из 10". A hidden swatch offers nothing, as it receives no
// clicks.
class SwatchAccessible : public ChoiceAccessible {
public:
    explicit SwatchAccessible(Swatch* swatch) : ChoiceAccessible(swatch) {}

    QString name() const override
    {
        const auto* chart = chartOf(widget());
        return bandName(chart, swatch()->band()) + QStringLiteral(": ") + fullColourName(swatch()->colour()) +
               place(chart->shownIn(swatch()->band()), swatch());
    }

    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(chartOf(widget())->column(swatch()->band()));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = swatch()->isChecked();
        s.focusable = !swatch()->isHidden();
        const auto* chart = qobject_cast<const ColourChart*>(QApplication::focusWidget());
        s.focused = chart != nullptr && chart->cursor() == swatch();
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

// One band of the chart: its shown swatches, top to bottom.
class BandAccessible : public QAccessibleObject {
public:
    explicit BandAccessible(ChartBand* band) : QAccessibleObject(band) {}

    QAccessible::Role role() const override { return QAccessible::Grouping; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = swatches().empty();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? bandName(chart(), band()->band()) : QString();
    }
    QRect rect() const override
    {
        QRect area;
        for (const auto* swatch : swatches())
            area |= QRect(swatch->mapToGlobal(QPoint(0, 0)), swatch->size());
        return area;
    }

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(chart()); }
    int childCount() const override { return static_cast<int>(swatches().size()); }
    QAccessibleInterface* child(int index) const override { return childIn(swatches(), index); }
    int indexOfChild(const QAccessibleInterface* child) const override { return indexIn(swatches(), child); }
    QAccessibleInterface* focusChild() const override
    {
        auto* cursor = chart()->cursor();
        if (chart()->hasFocus() && cursor != nullptr && cursor->band() == band()->band())
            return QAccessible::queryAccessibleInterface(cursor);
        return nullptr;
    }

private:
    ChartBand* band() const { return static_cast<ChartBand*>(object()); }
    ColourChart* chart() const { return static_cast<ColourChart*>(band()->parent()); }
    std::vector<Swatch*> swatches() const { return chart()->shownIn(band()->band()); }
};

// The chart holds the bands that have anything shown; it reports the
// swatch under its cursor as its focused child, and says which keys work.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ColourChart* chart) : QAccessibleWidget(chart, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        // With its key hint: screen readers speak the name of a group the
        // focus enters, not its description.
        case QAccessible::Name:
            return QStringLiteral("Таблица цветов; стрелки вверх и вниз выбирают цвет, влево и вправо "
                                  "полосу; пробел или Enter задает цвет полосе");
        default: return QAccessibleWidget::text(t);
        }
    }

    int childCount() const override { return static_cast<int>(bands().size()); }
    QAccessibleInterface* child(int index) const override { return childIn(bands(), index); }
    int indexOfChild(const QAccessibleInterface* child) const override { return indexIn(bands(), child); }

    QAccessibleInterface* focusChild() const override
    {
        if (chart()->hasFocus() && chart()->cursor() != nullptr)
            return QAccessible::queryAccessibleInterface(chart()->cursor());
        return nullptr;
    }

private:
    ColourChart* chart() const { return static_cast<ColourChart*>(widget()); }
    std::vector<ChartBand*> bands() const
    {
        std::vector<ChartBand*> shown;
        for (int band = 1; band <= 5; ++band) {
            if (!chart()->shownIn(band).empty())
                shown.push_back(chart()->column(band));
        }
        return shown;
    }
};

// The options a group shows, in their order.
QList<QRadioButton*> shownOptions(const QWidget* group)
{
    QList<QRadioButton*> shown;
    for (auto* option : group->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly)) {
        if (!option->isHidden())
            shown << option;
    }
    return shown;
}

// A group of options, named by its title; the options it shows are its only
// children, so that each is one of three (or two).
class GroupAccessible : public QAccessibleWidget {
public:
    explicit GroupAccessible(QWidget* group) : QAccessibleWidget(group, QAccessible::Grouping) {}

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const auto* title = widget()->findChild<QLabel*>();
        return title != nullptr ? title->text() : QString();
    }
    int childCount() const override { return static_cast<int>(shownOptions(widget()).size()); }
    QAccessibleInterface* child(int index) const override { return childIn(shownOptions(widget()), index); }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return indexIn(shownOptions(widget()), child);
    }
};

// An option says its place among the options shown, "Сопротивление, 1 из
// 3"; its group's name is spoken once, as the group's.
class OptionAccessible : public ChoiceAccessible {
public:
    explicit OptionAccessible(QRadioButton* option) : ChoiceAccessible(option) {}

    QString name() const override
    {
        return option()->text() + place(shownOptions(widget()->parentWidget()), option());
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }

    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& action) override
    {
        if (action == pressAction() || action == toggleAction())
            option()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QRadioButton* option() const { return static_cast<QRadioButton*>(widget()); }
};

// A caption; those over result fields label them. (Made for every label:
// Qt asks once, before the label has its name.)
class CaptionAccessible : public QAccessibleWidget {
public:
    explicit CaptionAccessible(QLabel* caption) : QAccessibleWidget(caption, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(t);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        const auto* form = formOf(widget());
        if (!(match & QAccessible::Labelled) || form == nullptr)
            return found;
        for (auto field : kResultFields) {
            if (form->resultCaption(field) == widget())
                found.append(
                    {QAccessible::queryAccessibleInterface(form->resultField(field)), QAccessible::Labelled});
        }
        return found;
    }
};

// A result field's text can be read, selected and copied, never changed:
// there is no editable-text interface and setting the value does nothing.
// It is labelled by its caption.
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
        if (t == QAccessible::Value)
            return field()->text();
        const auto which = fieldOf(field());
        if (t == QAccessible::Name && which)
            return fieldName(*which);
        return QAccessibleWidget::text(t);
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

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        const auto which = fieldOf(field());
        if ((match & QAccessible::Label) && which)
            found.append({QAccessible::queryAccessibleInterface(formOf(field())->resultCaption(*which)),
                          QAccessible::Label});
        return found;
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

// Chooses by type, most derived first: a swatch is a shape too.
QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* band = qobject_cast<ChartBand*>(object))
        return new BandAccessible(band);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr)
        return nullptr;
    if (const auto* form = widget->isWindow() ? formShownBy(widget) : nullptr)
        return new WindowAccessible(widget, *form);
    if (const auto* form = dynamic_cast<const FormView*>(widget))
        return new PaneAccessible(widget, *form);
    if (auto* swatch = qobject_cast<Swatch*>(widget))
        return new SwatchAccessible(swatch);
    if (auto* chart = qobject_cast<ColourChart*>(widget))
        return new ChartAccessible(chart);
    if (auto* field = qobject_cast<ReadOnlyField*>(widget))
        return new FieldAccessible(field);
    if (qobject_cast<GroupFrame*>(widget) != nullptr)
        return new GroupAccessible(widget);
    if (qobject_cast<Shape*>(widget) != nullptr)
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    auto* option = qobject_cast<QRadioButton*>(widget);
    if (option != nullptr && qobject_cast<GroupFrame*>(widget->parentWidget()) != nullptr)
        return new OptionAccessible(option);
    if (auto* label = qobject_cast<QLabel*>(widget))
        return new CaptionAccessible(label);
    return nullptr;
}

// After a choice, once every result is written: the new result is the
// description of the swatch or option the screen reader follows, and the
// window's whole state changed with it.
void announceResult(QWidget& window)
{
    QAccessibleInterface* focus = QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    if (focus != nullptr && focus->focusChild() != nullptr)
        focus = focus->focusChild();
    if (focus != nullptr && focus->role() == QAccessible::RadioButton)
        reportDescriptionChanged(focus);
    reportDescriptionChanged(QAccessible::queryAccessibleInterface(window.window()));
}

}  // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}

void reportAccessibleChanges(QWidget& window)
{
    // The swatch under the cursor is what a screen reader speaks.
    QObject::connect(dynamic_cast<FormView&>(window).chart(), &ColourChart::cursorMoved, &window,
                     [](Swatch* swatch) {
                         QAccessibleEvent event(swatch, QAccessible::Focus);
                         QAccessible::updateAccessibility(&event);
                     });
    // Several handlers may run for one choice: one announcement, after all.
    // Where the choice moved the focus (an arrow key on the options), the
    // screen reader speaks the new result as it presents the new focus.
    struct Announcing {
        bool pending = false;
        bool focusJustMoved = false;  // during the event being handled
        int focusMoves = 0;
        int focusMovesAtChoice = 0;
    };
    auto state = std::make_shared<Announcing>();
    QObject::connect(qApp, &QApplication::focusChanged, &window, [state] {
        ++state->focusMoves;
        state->focusJustMoved = true;
        QMetaObject::invokeMethod(
            qApp, [state] { state->focusJustMoved = false; }, Qt::QueuedConnection);
    });
    auto announceOnce = [&window, state] {
        if (state->pending || !QAccessible::isActive())
            return;
        state->pending = true;
        state->focusMovesAtChoice = state->focusMoves - (state->focusJustMoved ? 1 : 0);
        QMetaObject::invokeMethod(
            &window,
            [&window, state] {
                state->pending = false;
                if (state->focusMoves == state->focusMovesAtChoice)
                    announceResult(window);
            },
            Qt::QueuedConnection);
    };
    for (auto* swatch : window.findChildren<Swatch*>())
        QObject::connect(swatch, &Swatch::clicked, &window, announceOnce);
    for (auto* option : window.findChildren<QRadioButton*>()) {
        QObject::connect(option, &QRadioButton::toggled, &window, [announceOnce](bool on) {
            if (on)
                announceOnce();
        });
    }
}

}  // namespace vexil
