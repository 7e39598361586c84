#pragma once
// Qt's scale for everything the program draws. Qt reads it from the environment when the application
// object is made (QT_SCALE_FACTOR): widgets, fonts, formulas and metafiles are then drawn at the
// display's resolution, each logical pixel being `scale` pixels of the display.

namespace numerava {

// True when the user has chosen Qt's scale (QT_SCALE_FACTOR or QT_SCREEN_SCALE_FACTORS is set, even
// to 1): the program then keeps out of it.
bool DisplayScaleChosenByUser();

// Asks the next application object to draw `scale` (2 or more) times larger: sets QT_SCALE_FACTOR.
// Changes the process environment (POSIX setenv; Windows SetEnvironmentVariableW, through qputenv):
// no other thread may read the environment meanwhile, and no application object may exist.
void RequestDisplayScale(int scale);

} // namespace numerava
