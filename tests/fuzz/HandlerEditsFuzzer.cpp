// libFuzzer target: edits through the notification handler on a shown view
// against a fresh parse of the text after each. A difference aborts.

#include "fuzz/HandlerEdits.h"

#include "platform/Prompt.h"
#include "shell/CoreStartUp.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

HandlerEdits& handlerEdits() {
    static int argc = 1;
    static char name[] = "korvo-edit-fuzz";
    static char* argv[] = {name, nullptr};
    static QTemporaryDir home;
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("KORVO_HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        auto* application = new QApplication(argc, argv);
        platform::setPromptHandler([](const platform::PromptRequest& request) { return platform::defaultAnswer(request); });
        StartCore();
        ResetSession();
        return application;
    }();
    (void)app;
    static HandlerEdits edits(home.path());
    return edits;
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string difference = handlerEdits().run(EditScenarioFromBytes(data, size));
    if (!difference.empty()) {
        std::fputs(difference.c_str(), stderr);
        std::abort();
    }
    return 0;
}
