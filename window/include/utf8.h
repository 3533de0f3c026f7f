#pragma once

#include <QString>

#include <string_view>

namespace vexil {

// The core's UTF-8 texts as the window shows and speaks them.
QString utf8(std::string_view text);

}  // namespace vexil
