#pragma once

#include <QString>

namespace platform {

// The folder Korvo keeps its own files in: the executable's folder, or
// $KORVO_HOME when it is set. No trailing slash.
QString programFolder();

// programFolder() + "/" + name, e.g. programSubfolder("conf").
QString programSubfolder(const QString& name);

}
