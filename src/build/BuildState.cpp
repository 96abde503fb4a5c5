#include "build/BuildState.h"

QString gLastCompiledFile;
bool gCreatingExe = false;
QString gCreatingExePath;
