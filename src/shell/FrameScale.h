#pragma once
// How much larger the window draws its screens on a large display. The screens have fixed sizes in
// pixels; on a screen at least twice as wide and twice as tall as the largest of them with its
// border, everything is drawn that many times larger (Qt's device pixel ratio), so that text and
// formulas are drawn at the larger size rather than stretched. Plain C++: no Qt here.

namespace numerava {

// The border the main window draws around every screen, on each side.
inline constexpr int FrameBorder = 8;
// The largest screen (the drill); every screen fits inside it.
inline constexpr int LargestFrameWidth = 678;
inline constexpr int LargestFrameHeight = 494;
// The largest screen with its border on both sides.
inline constexpr int FramedWidth = LargestFrameWidth + 2 * FrameBorder;
inline constexpr int FramedHeight = LargestFrameHeight + 2 * FrameBorder;

// The largest whole factor k with k * frame fitting in the screen in both directions, when that is at
// least 2; otherwise 1 (nothing changes). A frame without area never scales.
int FrameScale(int screenWidth, int screenHeight, int frameWidth, int frameHeight);

} // namespace numerava
