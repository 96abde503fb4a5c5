#include "files/DocumentStandIns.h"

#include "foundation/MessageHelpers.h"

bool SaveDocument(frmDoc*) {
    ShowNotAvailable();
    return false;
}

void NewFile() {}

void LoadWorkSpace(const QString&) {}

void SaveWorkSpace(const QString&) {}
