#include "platform/StartupPreparation.h"

#include <QImageReader>
#include <QThread>

#ifdef NUMERAVA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <condition_variable>
#include <mutex>
#include <thread>

namespace numerava {

namespace {

class TPreparation {
public:
    TPreparation() = default;
    TPreparation(const TPreparation&) = delete;
    TPreparation& operator=(const TPreparation&) = delete;
    ~TPreparation() { Finish(); }

    void Start() {
        if (worker_.joinable()) return;
        // Qt takes the first thread that uses it for the main thread: that must be this one.
        QThread::currentThread();
        worker_ = std::thread([this] {
        // Windows: nothing to read ahead; Qt asks the system's font service (DirectWrite) itself.
#ifdef NUMERAVA_HAVE_FONTCONFIG
            FcInit();
#endif
            std::unique_lock lock(mutex_);
            fontsRead_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return plugins_ != TPlugins::Pending; });
            if (plugins_ == TPlugins::Skip) return;
            lock.unlock();
            QImageReader::supportedImageFormats();
        });
    }

    void ApplicationCreated() { Decide(TPlugins::Load); }

    void WaitForFonts() {
        if (!worker_.joinable()) return;
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return fontsRead_; });
    }

    void Finish() {
        Decide(TPlugins::Skip);
        if (worker_.joinable()) worker_.join();
    }

private:
    enum class TPlugins { Pending, Load, Skip };

    // The first decision stands: once the plugins are to be loaded, finishing waits for them.
    void Decide(TPlugins plugins) {
        const std::lock_guard lock(mutex_);
        if (plugins_ == TPlugins::Pending) plugins_ = plugins;
        changed_.notify_all();
    }

    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool fontsRead_ = false;
    TPlugins plugins_ = TPlugins::Pending;
};

TPreparation& Preparation() {
    static TPreparation preparation;
    return preparation;
}

} // namespace

void StartStartupPreparation() { Preparation().Start(); }

void StartupApplicationCreated() { Preparation().ApplicationCreated(); }

void WaitForStartupFonts() { Preparation().WaitForFonts(); }

void FinishStartupPreparation() { Preparation().Finish(); }

} // namespace numerava
