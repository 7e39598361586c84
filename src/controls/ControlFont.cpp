#include "controls/ControlFont.h"

#include "platform/Fonts.h"

namespace numerava {

QFont ControlFont(std::string_view face, int pixelHeight, bool bold) {
    QFont font(FontFamily(face));
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    return font;
}

} // namespace numerava
