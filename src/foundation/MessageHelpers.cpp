#include "foundation/MessageHelpers.h"

#include "platform/Prompt.h"

void ShowNotAvailable() {
    platform::MsgBox(QStringLiteral("This feature is not available yet, please wait for the next release... "), platform::vbInformation);
}
