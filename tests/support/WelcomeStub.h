#pragma once
// Widget tests: a stand-in for the welcome screen, for main windows whose tests must not depend on
// the real one (its pictures, data file and captions).

#include "shell/FormsMain.h"

namespace numerava::testing {

class TWelcomeStub : public TFrame {
public:
    explicit TWelcomeStub(TfrmMain& main) : TFrame(main) { setFixedSize(640, 480); }
};

inline TFrame* NewWelcomeStub(TfrmMain& main) { return new TWelcomeStub(main); }

} // namespace numerava::testing
