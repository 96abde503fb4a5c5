#pragma once

#include "build/ExternalTool.h"
#include "foundation/DamagedListFiles.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

// conf/ExTools.dat: the format number 1, the number of tools, then four
// lines per tool (caption, directory, command, " flag "), every line ended
// by CR LF. Windows-1252, unless a value has no Windows-1252 character:
// then the whole file is UTF-8, and a file that is valid UTF-8 reads as such.
QString ExternalToolsFilePath();

QByteArray ExternalToolsFileBytes(const QList<ExToolPtr>& tools);

// Hands each tool to add in file order; a tool that add refuses (false) is
// passed over. A damaged file (fewer tools than its count, a flag that is
// no number) ends the read after the tools before the damage. The first
// fault met, if any.
std::optional<ListFileFault> ReadExternalToolsFile(const QByteArray& bytes,
                                                  const std::function<bool(const ExToolPtr&)>& add);
