#pragma once

#include <QString>

// What the build commands remember between runs. gLastCreatedExe, the
// executable recorded last, is a settings value (vocabulary/SettingsValues.h).
extern QString gLastCompiledFile;  // FileName of the last Compile
extern bool gCreatingExe;          // the last build started makes an executable
extern QString gCreatingExePath;   // the executable it makes
