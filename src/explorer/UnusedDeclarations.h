#pragma once

#include "language/model/CodeModel.h"

#include <QList>
#include <QString>

// A declaration whose only collected reference is its own: its name, its
// kind as the review writes it ("Global", "Array", "Constant", "Function",
// "Local"), its picture, its file and that one reference.
struct UnusedDeclaration {
    QString name;
    QString kind;
    QString picture;
    QString file;
    QString reference;
};

// The unused globals, arrays, constants, functions and locals of functions,
// in that walk order (a function's locals right after it).
QList<UnusedDeclaration> ListUnused(const CodeModel& model);

// Empties every collected reference, so that the next review starts afresh.
void ClearReferences(const CodeModel& model);

// A reference as the colouriser writes it: the file name, "!", the
// position. The name may hold "!" itself: the position follows the last.
struct ReferencePlace {
    QString file;
    long position = -1;  // -1 when the entry holds no number
};
ReferencePlace ParseReference(const QString& entry);
