#include "platform/StartupPreparation.h"

#include <QImageReader>
#include <QThread>

#ifdef NUMERAVA_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

#include <thread>

namespace numerava {

namespace {

// Joined when waited for, or at the end of the program.
class TPreparation {
public:
    TPreparation() = default;
    TPreparation(const TPreparation&) = delete;
    TPreparation& operator=(const TPreparation&) = delete;
    ~TPreparation() { Wait(); }

    void Start() {
        if (worker_.joinable()) return;
        // Qt takes the first thread that uses it for the main thread: that must be this one.
        QThread::currentThread();
        worker_ = std::thread([] {
        // Windows: nothing to read ahead; Qt asks the system's font service (DirectWrite) itself.
#ifdef NUMERAVA_HAVE_FONTCONFIG
            FcInit();
#endif
            QImageReader::supportedImageFormats();
        });
    }
    void Wait() {
        if (worker_.joinable()) worker_.join();
    }

private:
    std::thread worker_;
};

TPreparation& Preparation() {
    static TPreparation preparation;
    return preparation;
}

} // namespace

void StartStartupPreparation() { Preparation().Start(); }

void WaitForStartupPreparation() { Preparation().Wait(); }

} // namespace numerava
