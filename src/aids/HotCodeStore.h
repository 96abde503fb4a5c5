#pragma once

#include "aids/HotCodesFile.h"
#include "foundation/CollectionTools.h"

// The hot codes of this run, both keyed by name (letter case aside) and in
// the same order: gHotCodeNames holds the names, gHotCodeTexts the texts.
extern CollectionTools<QString> gHotCodeNames;
extern CollectionTools<QString> gHotCodeTexts;

// Appends the hot code; false, and the store unchanged, when the name is
// already a key.
bool AddHotCode(const QString& name, const QString& text);
void RemoveHotCode(const QString& name);
void RemoveAllHotCodes();
QList<HotCode> HotCodesInStoreOrder();

// Replaces the store by the hot codes of conf/hotcodes.dat, when it exists.
// Each failure is logged under "LoadHotCodes"; the hot codes read before it
// stay, and the user hears of the first (the file counts as damaged).
void LoadHotCodes();
// The same from any file; returns the failures it logged.
QList<HotCodesFileError> LoadHotCodesFrom(const QString& path);

// Writes the whole store to conf/hotcodes.dat. A failure is logged under
// "SaveHotcodes" and leaves the file as it was; a damaged file is replaced
// only when the user agrees (MayReplaceListFile).
void SaveHotcodes();
// The same to any file; false when the file was not written.
bool SaveHotcodesTo(const QString& path);
