#include "shell/FrameScale.h"

#include <algorithm>

namespace numerava {

int FrameScale(int screenWidth, int screenHeight, int frameWidth, int frameHeight) {
    if (frameWidth <= 0 || frameHeight <= 0 || screenWidth <= 0 || screenHeight <= 0) return 1;
    const int scale = std::min(screenWidth / frameWidth, screenHeight / frameHeight);
    return scale >= 2 ? scale : 1;
}

} // namespace numerava
