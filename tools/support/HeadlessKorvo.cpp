#include "HeadlessKorvo.h"

#include "platform/Prompt.h"
#include "shell/CoreStartUp.h"

#include <cstdio>

void StartHeadlessKorvo() {
    platform::setPromptHandler([](const platform::PromptRequest& request) {
        std::fprintf(stderr, "%s\n", request.text.toUtf8().constData());
        return platform::defaultAnswer(request);
    });
    StartCore();
    ResetSession();
}
