#include "support/SessionGlobals.h"

#include "build/ActiveCompiler.h"
#include "build/CompilerList.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"

void ForgetSessionGlobals() {
    gActiveDoc = nullptr;
    gActiveProject.reset();
    gProjects.RemoveAll();
    gCompilers.RemoveAll();
    gActiveCompiler.reset();
    DefaultCompiler.clear();
}
