// libFuzzer target: edits through the notification handler on a shown view
// against a fresh parse of the text after each. A difference aborts.

#include "fuzz/HandlerEdits.h"
#include "fuzz/KorvoForFuzzer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static HandlerEdits edits(StartKorvoForFuzzer("korvo-edit-fuzz"));
    AbortOnDifference(edits.run(EditScenarioFromBytes(data, size)));
    return 0;
}
