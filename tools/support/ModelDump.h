#pragma once

#include <QString>

#include <functional>

class ClsProject;
class frmDoc;

using LineSink = std::function<void(const QString& line)>;

// The code model of the document, table by table in line order, then each
// line of the current view with its fold level, markers and indentation.
void DumpModel(const ClsProject& project, const frmDoc& doc, const LineSink& print);
