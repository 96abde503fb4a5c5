#include "explorer/CodeExplorer.h"

namespace frmList {

QString GlobalsProjectFullPath;
QString TypesProjectFullPath;
QString FunctionsProjectFullPath;
QString ConstantsProjectFullPath;
QString ArraysProjectFullPath;
QString LabelsProjectFullPath;
QString IncludesProjectFullPath;

void ForgetFills() {
    for (QString* path : {&GlobalsProjectFullPath, &TypesProjectFullPath, &FunctionsProjectFullPath, &ConstantsProjectFullPath,
                          &ArraysProjectFullPath, &LabelsProjectFullPath, &IncludesProjectFullPath})
        path->clear();
}

// No list is shown yet: there is nothing to fill.
bool PuniLista() {
    return true;
}

}
