#include "files/Project.h"

#include "editor/ActiveDocument.h"

CodeModel* ActiveCodeModel() {
    return gActiveProject ? &gActiveProject->Model : nullptr;
}
