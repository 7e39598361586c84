#pragma once
// The drawings of numerava-assets, one function per group of pictures. Each writes its files into
// the given folder and returns false (after a message on standard error) when a file cannot be written.

#include <QDir>

#include <array>

namespace numerava::assets {

// Bank notes, contest logos, grade pictures, bicycle stages (BMP and JPEG) into graphicsDir; the
// pictures the screens keep in their layouts (flags, title picture, ...) into resourceDir.
bool WriteRasterAssets(const QDir& graphicsDir, const QDir& resourceDir);

// The six area pictures as WMF and EMF files into graphicsDir (and any metafile the screens keep in
// their layouts into resourceDir).
bool WriteMetafileAssets(const QDir& graphicsDir, const QDir& resourceDir);

// The sizes of the program's icon for desktop menus (the hicolor theme's folders).
inline constexpr std::array ProgramIconSizes{32, 48, 64, 128, 256};

// The program's icon at each of ProgramIconSizes as iconDir/numerava-SIZE.png (transparent PNG).
bool WriteProgramIcons(const QDir& iconDir);

} // namespace numerava::assets
