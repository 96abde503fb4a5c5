#pragma once

#include "foundation/Hash.h"

#include <functional>
#include <memory>

// The declaration tables of one project, single files included, keyed by
// the declared name. A project holds one; the language layer reads and
// changes the active project's through ActiveCodeModel.
class CodeModel {
public:
    // Starts with the "*Main Program*" function, whose locals are
    // MainFunLocals, and makes them the current locals.
    CodeModel();
    CodeModel(const CodeModel&) = delete;
    CodeModel& operator=(const CodeModel&) = delete;

    clsHash Funkcii;
    clsHash Globals;
    clsHash Types;
    clsHash Arrays;
    clsHash Labels;
    clsHash Includes;
    clsHash Constants;
    // The Locals of "*Main Program*" itself: locals outside every function.
    std::shared_ptr<clsHash> MainFunLocals;

    // Set when a declaration of the kind is added or removed; the code
    // explorer clears them when it has caught up.
    bool GlobalsDirty = false;
    bool ConstantsDirty = false;
    bool TypesDirty = false;
    bool FunctionsDirty = false;
    bool ArraysDirty = false;
    bool LabelsDirty = false;
    bool FieldsDirty = false;
    bool LocalsDirty = false;
    bool IncludesDirty = false;
};

// Visits every declaration record of the model: the records of each table,
// the locals of each function and the fields of each type.
void ForEachRecord(const CodeModel& model, const std::function<void(CodeRecord&)>& visit);

// Takes every record declared in the document of that view out of the
// model and marks every kind changed.
void ForgetDeclarationsOf(CodeModel& model, const SciHandle& view);

// The tables of gActiveProject, or null when no project is active. Projects
// belong to files/, which defines this; the language layer sees only tables.
CodeModel* ActiveCodeModel();
