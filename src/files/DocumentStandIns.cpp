#include "files/DocumentStandIns.h"

void LoadWorkSpace(const QString&) {}

void SaveWorkSpace(const QString&) {}
