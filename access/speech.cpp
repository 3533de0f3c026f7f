#include "speech.h"

#include <QStringList>

#include "colour_text.h"
#include "form_view.h"
#include "read_only_field.h"
#include "words.h"

namespace vexil::speech {

namespace {

const DecoderTables& tables()
{
    static const DecoderTables built = buildDecoderTables();
    return built;
}

}  // namespace

Result resultOf(const FormView& form)
{
    const Reading reading = form.reading();
    return {utf8(words::value(reading.value)), utf8(words::tolerance(reading.tolerance)),
            reading.volts ? utf8(words::voltage(*reading.volts)) : QString()};
}

QString field(const FormView& form, ResultField which)
{
    const Reading reading = form.reading();
    QString value;
    switch (which) {
    case ResultField::Result:
        value = reading.digits.empty() ? QStringLiteral("нет") : utf8(reading.digits);
        break;
    case ResultField::Ed_Izm: value = utf8(words::unit(reading.base)); break;
    case ResultField::Result2: value = utf8(words::number(reading.multiplier)); break;
    case ResultField::R_Full:
        value = reading.value ? utf8(words::value(reading.value)) : QStringLiteral("не определен");
        break;
    case ResultField::Result3: value = utf8(words::tolerance(reading.tolerance)); break;
    case ResultField::Result4:
        if (reading.volts)
            value = utf8(words::voltage(*reading.volts));
        break;
    }
    const QString name = form.resultField(which)->accessibleName();
    return value.isEmpty() ? name : name + QStringLiteral(": ") + value;
}

QString said(const Result& now, const Result* before)
{
    QStringList parts;
    const bool valueChanged = before == nullptr || now.value != before->value;
    if (valueChanged)
        parts << now.value;
    if (before == nullptr || now.tolerance != before->tolerance)
        parts << QStringLiteral("допуск ") + now.tolerance;
    if (!now.voltage.isEmpty() && (before == nullptr || now.voltage != before->voltage))
        parts << QStringLiteral("напряжение ") + now.voltage;
    // The same colour chosen again changes nothing: the value confirms it.
    if (parts.isEmpty())
        parts << now.value;
    return parts.join(QStringLiteral(", "));
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
    case BandRole::Multiplier: meaning = utf8(words::multiplier(tables().Multipliers.at(at))); break;
    case BandRole::Tolerance: meaning = utf8(words::tolerance(tables().Tolerances.at(at))); break;
    case BandRole::Voltage: meaning = utf8(words::voltage(tables().Voltages.at(at))); break;
    case BandRole::None: break;
    }
    QString phrase = fullColourName(colour);
    if (!meaning.isEmpty())
        phrase += QStringLiteral(", ") + meaning;
    return phrase;
}

QString chart()
{
    return QStringLiteral("Таблица цветов");
}

QString keys()
{
    return QStringLiteral("цифры, буквы, стрелки");
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
    case Edge::NoOtherColour: return QStringLiteral("другого нет");
    }
    return {};
}

}  // namespace vexil::speech
