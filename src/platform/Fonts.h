#pragma once
// The program's typefaces. Its texts name Windows faces ("Tahoma", "Symbol"); on Debian those come
// from the fonts-wine package, whose files are not on fontconfig's path, so they are registered with
// the application here and the face names are mapped to the families Qt knows them by. On Windows the
// same files come with the system.
//
// Everything here needs a QGuiApplication (or QApplication) to exist: Qt's font database belongs to
// it. Called without one, RegisterFonts does nothing and returns false (a later call tries again).

#include <QFont>
#include <QString>
#include <QStringList>

#include <string_view>

namespace numerava {

// Where Debian's fonts-wine installs its files.
inline constexpr const char* WineFontDirectory = "/usr/share/wine/fonts";

// The folder the program's faces are registered from: WineFontDirectory; on Windows the system's own
// font folder, where Tahoma and Symbol ship with the system (Windows: %WINDIR%\Fonts, as
// QStandardPaths::FontsLocation reports it).
QString ProgramFontDirectory();

// Used for a face whose file is missing.
inline constexpr const char* FallbackFontFamily = "DejaVu Sans";

// The fonts of one directory, registered with the running application.
class TFontRegistry {
public:
    explicit TFontRegistry(QString directory);

    // Registers the faces once; later calls return the first result. True when every file loaded.
    bool Register();
    // The files that could not be registered (file names, "tahoma.ttf"), after Register.
    const QStringList& Missing() const { return missing_; }
    // The family to ask Qt for, for a face name of the program's texts. Registers first.
    QString Family(std::string_view faceName);

private:
    QString directory_;
    bool registered_ = false;
    bool complete_ = false;
    QString tahomaFamily_;
    QString symbolFamily_;
    QStringList missing_;
};

// The process-wide registry of ProgramFontDirectory(), used by everything that draws.
TFontRegistry& ProgramFonts();

// Shorthands for ProgramFonts().
bool RegisterFonts();
QStringList MissingFonts();
// "Tahoma" -> the registered Tahoma (DejaVu Sans without the file); "Symbol" -> the registered Wine
// symbol face (DejaVu Sans without it); any other name -> itself.
QString FontFamily(std::string_view faceName);

// A font's line as Windows measures a TrueType face: ascent and descent from the OS/2 table's win
// values, which are meant to leave room for the accents above capitals. Qt takes its metrics for the
// fonts-wine faces from the typographic values instead, about a fifth of the em less, so a line
// measured with those loses the caron of "Ř" at its top. The fonts-wine Tahoma's accented capitals
// ("Ô", "Ť", "Ú") reach a little above its win ascent, and Qt's synthetic bold widens every glyph by a
// pixel or two more, so the line also covers the ink of the Czech and Slovak letters in the font as
// drawn: every letter of the program's texts lies whole within the line. A face without the table
// keeps Qt's metrics.
struct TCellMetrics {
    int Ascent = 0;
    int Descent = 0;
    int Height() const { return Ascent + Descent; }
};

// For a font with a pixel size. GUI thread only (the values are kept per face and size).
TCellMetrics CellMetrics(const QFont& font);

// The pixel size (em) for a signed font height of the program's texts: negative = the character
// height, positive = the cell height (CellMetrics' ascent + descent), 0 = a default size.
int PixelSizeForHeight(const QFont& font, int height);

} // namespace numerava
