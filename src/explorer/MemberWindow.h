#pragma once

#include <QString>

class ClsProject;

// Brings up the document that holds a declaration of the project: a single
// file's own window, else the window of the member named memberName. False
// when the project has no such member.
bool ShowDeclaringDocument(const ClsProject& project, const QString& memberName);
