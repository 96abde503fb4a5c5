#pragma once

#include "language/model/CodeModel.h"

#include <QString>

#include <memory>

// One open project, or the project of a file opened by itself: its identity
// and the code model of all its files. The files subsystem adds the
// project's files and documents.
class ClsProject {
public:
    QString Name;
    QString FullPath;   // key in gProjects
    QString Path;       // the project folder, with a trailing separator
    QString Compiler;   // key in gCompilers
    QString CommandLine;  // given to the program when it runs
    bool SingleFile = false;

    CodeModel Model;
};

using ProjectPtr = std::shared_ptr<ClsProject>;
