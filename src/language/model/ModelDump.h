#pragma once

#include <QStringList>

class CodeModel;
class frmDoc;

enum class ModelDumpDetail {
    // What korvo-dump --model prints.
    Plain,
    // Adds the array flag, the parameter count and the file of each record
    // and the line of the function or type that owns locals or fields, and
    // orders the records of one line by their text rather than by marker
    // handle, so that a model rebuilt with new markers dumps the same.
    Full,
};

// The code model as text, one record a line ("Funkcii Name% help="..." line=3"):
// each table in a fixed order, the locals of each function and the fields
// of each type after their table, the document's orphan fields, records in
// the order of their declaring lines. The "*Main Program*" function is left
// out. korvo-dump --model prints it; the parser tests compare it.
QStringList DumpModel(const CodeModel& model, const frmDoc& doc, ModelDumpDetail detail = ModelDumpDetail::Plain);
