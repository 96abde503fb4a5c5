#include "HeadlessKorvo.h"

#include "language/lexer/InitScintillaAndCharTables.h"
#include "platform/Prompt.h"
#include "settings/SettingsValues.h"

#include <cstdio>

void StartHeadlessKorvo() {
    platform::setPromptHandler([](const platform::PromptRequest& request) {
        std::fprintf(stderr, "%s\n", request.text.toUtf8().constData());
        if (!request.detail.isEmpty())
            std::fprintf(stderr, "  %s\n", request.detail.toUtf8().constData());
        return platform::defaultAnswer(request);
    });
    InitScintillaAndCharTables();
    GetOptions();
    GetEditOptions();
}
