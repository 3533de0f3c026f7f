#pragma once

#include <QString>

#include <string_view>

#include "colour_code.h"

// The colour code's texts as the window shows and speaks them.
namespace vexil {

QString utf8(std::string_view text);

// The row caption, abridged as the layout has it: "Фиолет.".
QString colourCaption(ColourIndex colour);
// The name in full, for speech: "Фиолетовый".
QString fullColourName(ColourIndex colour);
// "Полоса 2".
QString bandTitle(int band);

}  // namespace vexil
