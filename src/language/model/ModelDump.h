#pragma once

#include <QStringList>

class CodeModel;
class frmDoc;

// The code model as text, one record a line ("Funkcii Name% help="..." line=3"):
// each table in a fixed order, the locals of each function and the fields
// of each type after their table, the document's orphan fields, records in
// the order of their declaring lines. The "*Main Program*" function is left
// out. korvo-dump --model prints it; the parser tests compare it.
QStringList DumpModel(const CodeModel& model, const frmDoc& doc);
