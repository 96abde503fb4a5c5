#pragma once

#include "build/ExternalTool.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

// conf/ExTools.dat: the format number 1, the number of tools, then four
// lines per tool (caption, directory, command, " flag "), every line ended
// by CR LF. Windows-1252, unless a value has no Windows-1252 character:
// then the whole file is UTF-8, and a file that is valid UTF-8 reads as such.
QString ExternalToolsFilePath();

QByteArray ExternalToolsFileBytes(const QList<ExToolPtr>& tools);

// Hands each tool to add in file order. A damaged file (fewer tools than its
// count, a flag that is no number) raises after the tools before the damage.
void ReadExternalToolsFile(const QByteArray& bytes, const std::function<void(const ExToolPtr&)>& add);
