#include "speech.h"

#include "form_logic.h"
#include "layout.h"
#include "words.h"

namespace vexil::speech {

namespace {

const DecoderTables& tables()
{
    static const DecoderTables built = buildDecoderTables();
    return built;
}

std::string fullName(ColourIndex colour)
{
    return std::string(ColourPalette.at(static_cast<std::size_t>(colour)).fullName);
}

}  // namespace

Result resultOf(const Reading& reading)
{
    return {words::value(reading.value), words::tolerance(reading.tolerance),
            reading.volts ? words::voltage(*reading.volts) : std::string()};
}

std::string said(const Result& now, const Result* before)
{
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (before == nullptr || now.value != before->value)
        add(now.value);
    if (before == nullptr || now.tolerance != before->tolerance)
        add("допуск " + now.tolerance);
    if (!now.voltage.empty() && (before == nullptr || now.voltage != before->voltage))
        add("напряжение " + now.voltage);
    // The same colour chosen again changes nothing: the value confirms it.
    return text.empty() ? now.value : text;
}

std::string field(const Reading& reading, ResultField which)
{
    std::string value;
    switch (which) {
    case ResultField::Result: value = reading.digits.empty() ? "нет" : reading.digits; break;
    case ResultField::Ed_Izm: value = words::unit(reading.base); break;
    case ResultField::Result2: value = words::number(reading.multiplier); break;
    case ResultField::R_Full: value = reading.value ? words::value(reading.value) : "не определен"; break;
    case ResultField::Result3: value = words::tolerance(reading.tolerance); break;
    case ResultField::Result4:
        if (reading.volts)
            value = words::voltage(*reading.volts);
        break;
    }
    const std::string name(layout::controls().at(layout::field(which)).spokenName);
    return value.empty() ? name : name + ": " + value;
}

std::string state(const FormLogic& form)
{
    return std::string(form.kindCaption()) + ", " + std::string(form.bandCountCaption()) +
           (form.bandCount() == BandCount::Five ? " полос: " : " полосы: ") + said(resultOf(form.reading()));
}

std::string band(BandRole role)
{
    switch (role) {
    case BandRole::FirstDigit: return "Первая цифра";
    case BandRole::SecondDigit: return "Вторая цифра";
    case BandRole::ThirdDigit: return "Третья цифра";
    case BandRole::Multiplier: return "Множитель";
    case BandRole::Tolerance: return "Допуск";
    case BandRole::Voltage: return "Напряжение";
    case BandRole::None: break;
    }
    return "Не влияет";
}

std::string colour(ColourIndex colour, BandRole role)
{
    const auto at = static_cast<std::size_t>(colour);
    std::string meaning;
    switch (role) {
    case BandRole::FirstDigit:
    case BandRole::SecondDigit:
    case BandRole::ThirdDigit:
        meaning = colour < kDigitCount ? std::to_string(tables().DigitValues.at(at)) : "нет цифры";
        break;
    case BandRole::Multiplier: meaning = words::multiplier(tables().Multipliers.at(at)); break;
    case BandRole::Tolerance: meaning = words::tolerance(tables().Tolerances.at(at)); break;
    case BandRole::Voltage: meaning = words::voltage(tables().Voltages.at(at)); break;
    case BandRole::None: break;
    }
    return meaning.empty() ? fullName(colour) : fullName(colour) + ", " + meaning;
}

std::string stripe(int band, ColourIndex colour)
{
    return "Полоса " + std::to_string(band) + " на рисунке: " + fullName(colour);
}

std::string chart()
{
    return "Таблица цветов";
}

std::string keys()
{
    return "цифры, буквы, стрелки";
}

std::string cue(chart::Edge edge)
{
    using chart::Edge;
    switch (edge) {
    case Edge::TopOfBand: return "начало полосы";
    case Edge::BottomOfBand: return "конец полосы";
    case Edge::FirstBand: return "первая полоса";
    case Edge::LastBand: return "последняя полоса";
    case Edge::NoSuchColour: return "нет такого цвета";
    case Edge::NoOtherColour: return "другого нет";
    }
    return {};
}

}  // namespace vexil::speech
