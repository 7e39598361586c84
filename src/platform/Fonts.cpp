#include "platform/Fonts.h"

#include "platform/StartupPreparation.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QRawFont>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace numerava {

namespace {

// Registers one file; the family Qt gives it, or an empty string when the file is missing or bad.
QString AddFontFile(const QString& path) {
    if (!QFileInfo::exists(path)) return {};
    const int id = QFontDatabase::addApplicationFont(path);
    if (id < 0) return {};
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    return families.isEmpty() ? QString() : families.front();
}

// The size a font of height 0 gets: the toolkit's usual dialog text.
constexpr int DefaultPixelSize = 16;

// Win ascent and descent as fractions of the em.
struct TCellRatios {
    double Ascent;
    double Descent;
};

uint16_t ReadBigEndian16(const QByteArray& table, qsizetype offset) {
    return static_cast<uint16_t>((static_cast<unsigned char>(table[offset]) << 8) |
                                 static_cast<unsigned char>(table[offset + 1]));
}

std::optional<TCellRatios> ReadCellRatios(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    // unitsPerEm at 18 in "head"; usWinAscent and usWinDescent at 74 and 76 in "OS/2".
    if (head.size() < 20 || os2.size() < 78) return std::nullopt;
    const int unitsPerEm = ReadBigEndian16(head, 18);
    if (unitsPerEm == 0) return std::nullopt;
    return TCellRatios{static_cast<double>(ReadBigEndian16(os2, 74)) / unitsPerEm,
                       static_cast<double>(ReadBigEndian16(os2, 76)) / unitsPerEm};
}

// The ratios of the face Qt picks for a font, read once per family and weight.
std::optional<TCellRatios> CellRatios(const QFont& font) {
    static QHash<QString, std::optional<TCellRatios>> known;
    const QString key = font.family() + QLatin1Char('/') + QString::number(font.weight());
    const auto found = known.constFind(key);
    if (found != known.constEnd()) return *found;
    return *known.insert(key, ReadCellRatios(font));
}

// The letters that reach highest and lowest in the program's texts: the accented capitals of Czech
// and Slovak, the descenders, and the brackets of the formulas.
constexpr char16_t InkExtremes[] = u"ÁÄČĎÉĚÍĹĽŇÓÔŔŘŠŤÚŮÝŽgjpqyý()";

// How far the ink of those letters reaches above and below the baseline, in whole pixel rows, for
// the glyphs the face itself has (a face without them must not take a fallback face's heights).
TCellMetrics InkExtent(const QFont& font) {
    const QFontMetrics metrics(font);
    QString present;
    for (const char16_t letter : std::u16string_view(InkExtremes))
        if (metrics.inFont(QChar(letter))) present.append(QChar(letter));
    if (present.isEmpty()) return {};
    const QRect ink = metrics.tightBoundingRect(present);
    // The rows of the ink run from top() to bottom() relative to the baseline row 0.
    return {std::max(0, -ink.top()), std::max(0, ink.bottom() + 1)};
}

} // namespace

TCellMetrics CellMetrics(const QFont& font) {
    const auto ratios = CellRatios(font);
    const int pixels = font.pixelSize();
    if (!ratios || pixels <= 0) {
        const QFontMetrics metrics(font);
        return {metrics.ascent(), metrics.descent()};
    }
    static QHash<QString, TCellMetrics> known;
    const QString key = font.family() + QLatin1Char('/') + QString::number(font.weight()) + QLatin1Char('/') +
                        QString::number(pixels) + (font.italic() ? "/i" : "");
    const auto found = known.constFind(key);
    if (found != known.constEnd()) return *found;
    const TCellMetrics ink = InkExtent(font);
    const TCellMetrics cell{std::max(static_cast<int>(std::lround(ratios->Ascent * pixels)), ink.Ascent),
                            std::max(static_cast<int>(std::lround(ratios->Descent * pixels)), ink.Descent)};
    return *known.insert(key, cell);
}

int PixelSizeForHeight(const QFont& font, int height) {
    if (height < 0) return -height;
    if (height == 0) return DefaultPixelSize;
    // A cell height: the em that makes ascent + descent come out at it.
    const auto ratios = CellRatios(font);
    double cell = 0;
    if (ratios) {
        cell = ratios->Ascent + ratios->Descent;
    } else {
        QFont probe = font;
        probe.setPixelSize(height);
        const QFontMetrics metrics(probe);
        cell = static_cast<double>(metrics.ascent() + metrics.descent()) / height;
    }
    if (cell <= 0) return height;
    return std::max(1, static_cast<int>(std::lround(height / cell)));
}

TFontRegistry::TFontRegistry(QString directory) : directory_(std::move(directory)) {}

bool TFontRegistry::Register() {
    if (registered_) return complete_;
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return false;
    registered_ = true;
    WaitForStartupFonts();

    // Only the regular Tahoma: the fonts-wine bold file has regular strokes, so Qt's synthetic bold
    // looks more like the real thing.
    const QDir directory(directory_);
    tahomaFamily_ = AddFontFile(directory.filePath(QStringLiteral("tahoma.ttf")));
    if (tahomaFamily_.isEmpty()) missing_.append(QStringLiteral("tahoma.ttf"));
    symbolFamily_ = AddFontFile(directory.filePath(QStringLiteral("symbol.ttf")));
    if (symbolFamily_.isEmpty()) missing_.append(QStringLiteral("symbol.ttf"));
    complete_ = missing_.isEmpty();
    return complete_;
}

QString TFontRegistry::Family(std::string_view faceName) {
    Register();
    // MS Sans Serif ships only as a bitmap face (13, 16, 20 px); Tahoma is its scalable successor.
    if (faceName == "Tahoma" || faceName == "MS Sans Serif")
        return tahomaFamily_.isEmpty() ? QString::fromLatin1(FallbackFontFamily) : tahomaFamily_;
    // Without the symbol face, "~" arguments show their plain letters: "p" stays a Latin p, not π.
    if (faceName == "Symbol")
        return symbolFamily_.isEmpty() ? QString::fromLatin1(FallbackFontFamily) : symbolFamily_;
    return QString::fromUtf8(faceName.data(), static_cast<qsizetype>(faceName.size()));
}

QString ProgramFontDirectory() {
#ifdef Q_OS_WIN
    const QStringList folders = QStandardPaths::standardLocations(QStandardPaths::FontsLocation);
    return folders.isEmpty() ? QString() : folders.front();
#else
    return QString::fromLatin1(WineFontDirectory);
#endif
}

TFontRegistry& ProgramFonts() {
    static TFontRegistry registry{ProgramFontDirectory()};
    return registry;
}

bool RegisterFonts() { return ProgramFonts().Register(); }

QStringList MissingFonts() {
    ProgramFonts().Register();
    return ProgramFonts().Missing();
}

QString FontFamily(std::string_view faceName) { return ProgramFonts().Family(faceName); }

} // namespace numerava
