#include "fuzz/KorvoForFuzzer.h"

#include "platform/Prompt.h"
#include "shell/CoreStartUp.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

const QString& StartKorvoForFuzzer(const char* programName) {
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    static QTemporaryDir home;
    static const QString path = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        qputenv("KORVO_HOME", home.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
        new QApplication(argc, argv);  // qApp keeps it for the process's life
        platform::setPromptHandler([](const platform::PromptRequest& request) { return platform::defaultAnswer(request); });
        StartCore();
        ResetSession();
        return home.path();
    }();
    return path;
}

void AbortOnDifference(const std::string& difference) {
    if (difference.empty())
        return;
    std::fputs(difference.c_str(), stderr);
    std::abort();
}
