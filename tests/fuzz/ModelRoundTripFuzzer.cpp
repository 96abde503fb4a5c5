// libFuzzer target: the code model after lines are typed, parsed, unparsed
// and deleted, against a fresh parse of the text. A difference aborts.

#include "fuzz/KorvoForFuzzer.h"
#include "fuzz/ModelRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static ModelRoundTrip trip(StartKorvoForFuzzer("korvo-model-fuzz"));
    AbortOnDifference(trip.run(ScenarioFromBytes(data, size)));
    return 0;
}
