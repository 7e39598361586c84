#pragma once
// Fonts as the screen layouts give them: a face name of the program's texts ("Tahoma"), a character
// height in pixels and boldness.

#include <QFont>

#include <string_view>

namespace numerava {

// The face is looked up through the registered program fonts, so "Tahoma" finds the fonts-wine file.
QFont ControlFont(std::string_view face, int pixelHeight, bool bold = false);

} // namespace numerava
