#pragma once

#include <QString>

#include <string>
#include <string_view>

// The one place where the program's Windows-1252 bytes meet Qt's Unicode strings.
namespace halvex::ui {

QString toQString(std::string_view cp1252);
std::string fromQString(const QString& text);

} // namespace halvex::ui
