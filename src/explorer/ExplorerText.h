#pragma once

#include "foundation/CodeRecord.h"

#include <QString>

// How the code explorer writes a declaration in its lists.
enum class ExplorerTextRule {
    NameTypeAndSize,  // name, suffix or ".Type", then the [size] of a Blitz array
    NameAndType,      // the same without the size
    NameAndSuffix,    // name and suffix, "." alone for a custom type
    NameOnly,
};

QString ExplorerText(const CodeRecord& record, ExplorerTextRule rule);
