#include "colour_text.h"

namespace vexil {

namespace {

const PaletteEntry& entry(ColourIndex colour)
{
    return ColourPalette.at(static_cast<std::size_t>(colour));
}

}  // namespace

QString utf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString colourCaption(ColourIndex colour)
{
    return utf8(entry(colour).name);
}

QString fullColourName(ColourIndex colour)
{
    return utf8(entry(colour).fullName);
}

QString bandTitle(int band)
{
    return QStringLiteral("Полоса %1").arg(band);
}

}  // namespace vexil
