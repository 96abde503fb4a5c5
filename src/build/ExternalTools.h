#pragma once

#include "build/ExternalTool.h"
#include "foundation/CollectionTools.h"

#include <QString>

// The user's external tools keyed by caption, in the order of their file and
// of the "Run External Tool" menu.
extern CollectionTools<ExToolPtr> gExternalTools;

// Appends the tools of conf/ExTools.dat, when it exists, to the list; a tool
// whose caption is already there (letter case aside) is dropped. A damaged
// file is logged; the tools before the damage stay.
void LoadExternalTools();
// Writes the whole list to conf/ExTools.dat.
void SaveExternalTools();
// Refills the list command "MRUExternalTools" with the tools' captions.
void AddExternalToolsToMenu();
