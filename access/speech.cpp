#include "speech.h"

#include <QRegularExpression>
#include <QStringList>

#include <algorithm>

#include "colour_text.h"
#include "form_view.h"
#include "read_only_field.h"

namespace vexil::speech {

namespace {

const DecoderTables& tables()
{
    static const DecoderTables built = buildDecoderTables();
    return built;
}

// A unit's forms after a number: one, two to four (and after a fraction,
// whatever the locale's decimal separator), five and more.
struct Word {
    const char* one;
    const char* few;
    const char* many;
};

QString counted(const QString& number, const Word& word)
{
    QString form = QString::fromUtf8(word.many);
    if (std::any_of(number.begin(), number.end(), [](QChar c) { return !c.isDigit(); })) {
        form = QString::fromUtf8(word.few);
    } else if (!number.isEmpty()) {
        const int lastTwo = number.right(2).toInt();
        const int last = lastTwo % 10;
        if (lastTwo < 11 || lastTwo > 14) {
            if (last == 1)
                form = QString::fromUtf8(word.one);
            else if (last >= 2 && last <= 4)
                form = QString::fromUtf8(word.few);
        }
    }
    return number + QLatin1Char(' ') + form;
}

constexpr Word kPercent{"процент", "процента", "процентов"};
constexpr Word kVolt{"вольт", "вольта", "вольт"};

// The units the value is written in, and the words for them.
struct Unit {
    const char* written;
    Word spoken;
};

constexpr Unit kUnits[] = {
    {"Ом", {"ом", "ома", "ом"}},
    {"кОм", {"килоом", "килоома", "килоом"}},
    {"МОм", {"мегаом", "мегаома", "мегаом"}},
    {"пФ", {"пикофарад", "пикофарада", "пикофарад"}},
    {"нФ", {"нанофарад", "нанофарада", "нанофарад"}},
    {"мкФ", {"микрофарад", "микрофарада", "микрофарад"}},
    {"мкГн", {"микрогенри", "микрогенри", "микрогенри"}},
    {"мГн", {"миллигенри", "миллигенри", "миллигенри"}},
    {"Гн", {"генри", "генри", "генри"}},
};

// "4,7 кОм" -> "4,7 килоома".
QString value(const QString& written)
{
    const auto space = written.lastIndexOf(QLatin1Char(' '));
    const QString unit = written.mid(space + 1);
    for (const auto& u : kUnits) {
        if (space > 0 && unit == QString::fromUtf8(u.written))
            return counted(written.left(space), u.spoken);
    }
    return QStringLiteral("номинал не определен");
}

// "20% (M)" -> "20 процентов", "+80% -20% (Z)" -> "плюс 80, минус 20
// процентов", "+-20%" -> "плюс-минус 20 процентов", "-" -> "не указан".
QString tolerance(const QString& written)
{
    static const QRegularExpression code(QStringLiteral("\\s*\\([A-Z]\\)"));
    static const QRegularExpression percent(QStringLiteral("([+-]*)(\\d+(?:,\\d+)?)%"));
    QStringList readings;
    for (const QString& part : QString(written).remove(code).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        QStringList numbers;
        QString last;
        for (auto it = percent.globalMatch(part); it.hasNext();) {
            const auto m = it.next();
            const QString sign = m.captured(1);
            last = m.captured(2);
            numbers << (sign == QLatin1String("+-")  ? QStringLiteral("плюс-минус ")
                        : sign == QLatin1String("+") ? QStringLiteral("плюс ")
                        : sign == QLatin1String("-") ? QStringLiteral("минус ")
                                                     : QString()) +
                           last;
        }
        if (numbers.isEmpty())
            continue;
        numbers.last() = numbers.last().left(numbers.last().size() - last.size()) + counted(last, kPercent);
        readings << numbers.join(QStringLiteral(", "));
    }
    return readings.isEmpty() ? QStringLiteral("не указан") : readings.join(QStringLiteral(" или "));
}

// "50v" -> "50 вольт".
QString voltage(const QString& written)
{
    if (!written.endsWith(QLatin1Char('v')))
        return QStringLiteral("не указано");
    return counted(written.chopped(1), kVolt);
}

// What multiplying by 10^exponent sounds like.
QString multiplier(int exponent)
{
    static const char* const kTimes[] = {"1",         "10",      "100",          "тысячу",        "10 тысяч",
                                         "100 тысяч", "миллион", "10 миллионов", "100 миллионов", "миллиард"};
    if (exponent < 0)
        return QStringLiteral("разделить на ") +
               (exponent == -1 ? QStringLiteral("10") : QStringLiteral("100"));
    return QStringLiteral("умножить на ") + QString::fromUtf8(kTimes[std::min(exponent, 9)]);
}

QString shownText(const FormView& form, ResultField field)
{
    const auto* edit = form.resultField(field);
    return edit->isHidden() ? QString() : edit->text();
}

}  // namespace

Result resultOf(const FormView& form)
{
    const QString rated = shownText(form, ResultField::Result4);
    return {value(shownText(form, ResultField::R_Full)), tolerance(shownText(form, ResultField::Result3)),
            rated.isEmpty() ? QString() : voltage(rated)};
}

QString said(const Result& now, const Result* before)
{
    QString phrase = now.value;
    if (before == nullptr || now.tolerance != before->tolerance)
        phrase += QStringLiteral(", допуск ") + now.tolerance;
    if (!now.voltage.isEmpty() && (before == nullptr || now.voltage != before->voltage))
        phrase += QStringLiteral(", напряжение ") + now.voltage;
    return phrase;
}

QString result(const FormView& form)
{
    return said(resultOf(form));
}

QString state(const FormView& form)
{
    const QString count = form.bandCountCaption();
    return QStringLiteral("%1, %2 %3: %4")
        .arg(form.kindCaption(), count,
             form.bandCount() == BandCount::Five ? QStringLiteral("полос") : QStringLiteral("полосы"),
             result(form));
}

QString band(BandRole role)
{
    switch (role) {
    case BandRole::FirstDigit: return QStringLiteral("Первая цифра");
    case BandRole::SecondDigit: return QStringLiteral("Вторая цифра");
    case BandRole::ThirdDigit: return QStringLiteral("Третья цифра");
    case BandRole::Multiplier: return QStringLiteral("Множитель");
    case BandRole::Tolerance: return QStringLiteral("Допуск");
    case BandRole::Voltage: return QStringLiteral("Напряжение");
    case BandRole::None: break;
    }
    return QStringLiteral("Не влияет");
}

QString colour(ColourIndex colour, BandRole role)
{
    const auto at = static_cast<std::size_t>(colour);
    QString meaning;
    switch (role) {
    case BandRole::FirstDigit:
    case BandRole::SecondDigit:
    case BandRole::ThirdDigit:
        meaning =
            colour < kDigitCount ? QString::number(tables().DigitValues.at(at)) : QStringLiteral("нет цифры");
        break;
    case BandRole::Multiplier: meaning = multiplier(tables().Multipliers.at(at).exponent()); break;
    case BandRole::Tolerance: meaning = tolerance(utf8(tables().ToleranceCodes.at(at))); break;
    case BandRole::Voltage: meaning = voltage(utf8(tables().VoltageCodes.at(at))); break;
    case BandRole::None: break;
    }
    QString phrase = fullColourName(colour);
    if (!meaning.isEmpty())
        phrase += QStringLiteral(", ") + meaning;
    return phrase;
}

QString chart()
{
    return QStringLiteral("Таблица цветов: цифры, буквы, стрелки");
}

QString cue(ColourChart::Edge edge)
{
    using Edge = ColourChart::Edge;
    switch (edge) {
    case Edge::TopOfBand: return QStringLiteral("начало полосы");
    case Edge::BottomOfBand: return QStringLiteral("конец полосы");
    case Edge::FirstBand: return QStringLiteral("первая полоса");
    case Edge::LastBand: return QStringLiteral("последняя полоса");
    case Edge::NoSuchColour: return QStringLiteral("нет такого цвета");
    }
    return {};
}

}  // namespace vexil::speech
