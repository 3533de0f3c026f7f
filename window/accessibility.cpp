#include "accessibility.h"

#include <QAccessibleObject>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <memory>
#include <string_view>
#include <vector>

#include "chart_band.h"
#include "colour_chart.h"
#include "description_event.h"
#include "group_frame.h"
#include "read_only_field.h"
#include "shape.h"
#include "swatch.h"

namespace vexil {

namespace {

// ---- What is spoken ----------------------------------------------------------

// Each result field, the caption a sighted user reads for it, and its name.
struct FieldSpeech {
    const char* field;
    const char* caption;
    const char* name;
};

constexpr FieldSpeech kFields[] = {
    {"Result", "Label14", "цифры"},  // under "Номинал", beside the unit
    {"Ed_Izm", "Label14", "единица"},     {"Result2", "Label15", "Множитель"},
    {"R_Full", "Label22", "Номинал"},  // under "то есть (короче)"
    {"Result3", "Label16", "Допуск + -"}, {"Result4", "Result4_Txt", "Напряжение"},
};

constexpr const char* kKindOptions[] = {"Op_R", "Op_C", "Op_G"};
constexpr const char* kCountOptions[] = {"L3_En", "L4_En", "L5_En"};

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString fullColourName(ColourIndex colour)
{
    return utf8(ColourPalette.at(static_cast<std::size_t>(colour)).fullName);
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
    return QStringLiteral("Полоса %1, %2").arg(band).arg(roleText(chart->bandRole(band)));
}

QString fieldText(const QWidget* window, const char* name)
{
    const auto* field = window->findChild<QLineEdit*>(QLatin1String(name));
    return field != nullptr && !field->isHidden() ? field->text() : QString();
}

QString checkedText(const QWidget* window, const char* const (&names)[3])
{
    for (const char* name : names) {
        const auto* option = window->findChild<QRadioButton*>(QLatin1String(name));
        if (option != nullptr && option->isChecked())
            return option->text();
    }
    return {};
}

// The result as one phrase: "4,7 кОм, допуск 5% (J)", and the voltage
// where it is shown.
QString resultPhrase(const QWidget* window)
{
    QString value = fieldText(window, "R_Full");
    if (value == QLatin1String("-"))
        value = QStringLiteral("номинал не определен");
    QString phrase = value + QStringLiteral(", допуск ") + fieldText(window, "Result3");
    const QString voltage = fieldText(window, "Result4");
    if (!voltage.isEmpty())
        phrase += QStringLiteral(", напряжение ") + voltage;
    return phrase;
}

// The whole state: "Сопротивление, 4 полосы: 4,7 кОм, допуск 5% (J)".
QString stateSentence(const QWidget* window)
{
    const QString count = checkedText(window, kCountOptions);
    return QStringLiteral("%1, %2 %3: %4")
        .arg(checkedText(window, kKindOptions), count,
             count == QLatin1String("5") ? QStringLiteral("полос") : QStringLiteral("полосы"),
             resultPhrase(window));
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
    return widget->window()->findChild<ColourChart*>();
}

// ---- Interfaces ----------------------------------------------------------------

// The window as a frame with its title, the whole state as its description.
// The rectangles of the drawing that carry no name (outline, leads, body)
// are decoration, not content; the swatches are reached through the chart.
class WindowAccessible : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Description ? stateSentence(widget()) : QAccessibleWidget::text(t);
    }

    int childCount() const override { return static_cast<int>(content().size()); }

    QAccessibleInterface* child(int index) const override { return childIn(content(), index); }

    int indexOfChild(const QAccessibleInterface* child) const override { return indexIn(content(), child); }

private:
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
        case QAccessible::Description: return resultPhrase(widget()->window());
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

const FieldSpeech* speechOf(const QObject* object)
{
    const auto name = object->objectName();
    const auto it = std::find_if(std::begin(kFields), std::end(kFields),
                                 [&](const FieldSpeech& f) { return name == QLatin1String(f.field); });
    return it == std::end(kFields) ? nullptr : it;
}

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
        if (!(match & QAccessible::Labelled))
            return found;
        for (const auto& f : kFields) {
            if (widget()->objectName() != QLatin1String(f.caption))
                continue;
            if (auto* field = widget()->parentWidget()->findChild<QWidget*>(QLatin1String(f.field)))
                found.append({QAccessible::queryAccessibleInterface(field), QAccessible::Labelled});
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
        const auto* speech = speechOf(field());
        if (t == QAccessible::Name && speech != nullptr)
            return QString::fromUtf8(speech->name);
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
        const auto* speech = speechOf(field());
        if ((match & QAccessible::Label) && speech != nullptr) {
            if (auto* caption = field()->parentWidget()->findChild<QLabel*>(QLatin1String(speech->caption)))
                found.append({QAccessible::queryAccessibleInterface(caption), QAccessible::Label});
        }
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

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("vexil::ChartBand"))
        return new BandAccessible(static_cast<ChartBand*>(object));
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
        return new GroupAccessible(widget);
    if (className == QLatin1String("vexil::Shape"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("QRadioButton") && qobject_cast<GroupFrame*>(widget->parentWidget()))
        return new OptionAccessible(static_cast<QRadioButton*>(widget));
    if (className == QLatin1String("QLabel"))
        return new CaptionAccessible(static_cast<QLabel*>(widget));
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
    reportDescriptionChanged(QAccessible::queryAccessibleInterface(&window));
}

}  // namespace

void installAccessibility()
{
    QAccessible::installFactory(factory);
}

void reportAccessibleChanges(QWidget& window)
{
    // The swatch under the cursor is what a screen reader speaks.
    auto* chart = window.findChild<ColourChart*>();
    QObject::connect(chart, &ColourChart::cursorMoved, &window, [](Swatch* swatch) {
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
