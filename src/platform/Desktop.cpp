#include "platform/Desktop.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QScreen>
#include <QUrl>

#include <chrono>

namespace numerava {

namespace {

std::function<uint32_t()>& TickSource() {
    static std::function<uint32_t()> source;
    return source;
}

} // namespace

uint32_t TickCount() {
    if (const auto& source = TickSource()) return source();
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

void SetTickSource(std::function<uint32_t()> source) { TickSource() = std::move(source); }

uint16_t SystemDefaultLangId() {
    switch (QLocale::system().language()) {
    case QLocale::Slovak: return 1051;
    case QLocale::Czech: return 1029;
    case QLocale::English: return 1033;
    case QLocale::German: return 1031;
    case QLocale::Polish: return 1045;
    case QLocale::Hungarian: return 1038;
    default: return 0;
    }
}

int DisplayColorDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 32;
}

namespace {

std::function<bool(const QString&)>& WebOpener() {
    static std::function<bool(const QString&)> opener;
    return opener;
}

} // namespace

bool OpenWebAddress(const QString& address) {
    if (const auto& opener = WebOpener()) return opener(address);
    return QDesktopServices::openUrl(QUrl(address));
}

void SetWebOpener(std::function<bool(const QString&)> opener) { WebOpener() = std::move(opener); }

} // namespace numerava
