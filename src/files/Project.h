#pragma once

#include "foundation/Hash.h"

#include <QString>

#include <memory>

// One open project, or the project of a file opened by itself: its identity
// and the declaration tables of all its files. The files subsystem adds the
// project's files and documents.
class ClsProject {
public:
    // Starts with the "*Main Program*" function, whose locals are
    // MainFunLocals, and makes them the current locals.
    ClsProject();
    ClsProject(const ClsProject&) = delete;
    ClsProject& operator=(const ClsProject&) = delete;

    QString Name;
    QString FullPath;   // key in gProjects
    QString Path;       // the project folder, with a trailing separator
    QString Compiler;   // key in gCompilers
    QString CommandLine;  // given to the program when it runs
    bool SingleFile = false;

    // Declaration tables keyed by the declared name.
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

using ProjectPtr = std::shared_ptr<ClsProject>;
