#pragma once

#include "foundation/CodeRecord.h"
#include "foundation/Hash.h"
#include "language/keywords/KeywordRecord.h"

#include <QString>

// What the colouring passes do with the identifier token i of gTokens:
// find what declares it and colour it with what follows it.

// An identifier upper-cased and hashed once, for every table it is tried in.
struct PreparedName {
    QString upper;
    size_t keyHash = 0;   // KeyHash: what a chain walk compares
};
// Its storage is reused for every name, not made anew: the result holds
// until the next call, so the name is looked up before any colouring that
// may prepare another.
const PreparedName& PrepareName(const QString& text);

// As table.ExistsHash(name), without making the upper case anew.
bool ExistsName(clsHash& table, const QString& name);

// The keyword table keeps the keyword: no hold of it is taken.
const ClsBBFunkcija* FindKeyword(const PreparedName& name);
// True when the active code model's functions hold the name; gFoundItem is the record.
bool FindFunction(const PreparedName& name);

enum class ScopeOrder { GlobalsFirst, LocalsFirst };
// The style of the global, local, array or constant of that name, tried in
// gCurrentLocals and the active code model's tables in that order, with the
// record in gFoundItem; -1 when none holds it.
int FindVariable(const PreparedName& name, ScopeOrder order);

// Colours a declared name: in its declared spelling unless Respell is
// False, as a use of the record while uses are collected, and together
// with its suffix, type, fields and index when a name follower comes next.
// i is left on the last token coloured.
void ColourDeclaredName(const CodeRecordPtr& record, int style, int& i, int N, int LineBase, bool Respell = true);

// Counts a use of the record at that document position while
// gCollectReferences is set.
void AddReference(CodeRecord& record, long position);
