#pragma once

#include "platform/scintilla/SciView.h"

#include <QString>
#include <QStringList>

#include <memory>

// What every declaration record of the code model has: its name, the marker
// that anchors it to its declaring line, and the document that line is in.
// The kinds of record add their own fields.
struct CodeRecord {
    virtual ~CodeRecord() = default;

    QString Ime;
    int Handle = 0;
    QString File;
    SciHandle SciWndData;
    QStringList References;
};

using CodeRecordPtr = std::shared_ptr<CodeRecord>;
