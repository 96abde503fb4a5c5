#include "DialogDriver.h"

#include "settings/FrmOptions.h"
#include "settings/FrmOptionsEdit.h"

namespace {

const DumpDialog editorOptions("editor-options", [] { return std::make_unique<FrmOptionsEdit>(); });
const DumpDialog preferences("preferences", [] { return std::make_unique<FrmOptions>(); });

}
