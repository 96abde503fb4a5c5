#pragma once

#include "platform/scintilla/SciView.h"

#include <QString>
#include <QStringList>

#include <memory>

// What every declaration record of the code model has: its name, the marker
// that anchors it to its declaring line, and the document that line is in.
// The kinds of record add their own fields.
struct TypedRecord;

struct CodeRecord {
    virtual ~CodeRecord() = default;
    // The record as one of a typed kind, or null: every coloured use of a
    // name asks, and a dynamic_cast costs more than the rest of the question.
    virtual TypedRecord* AsTyped() { return nullptr; }

    QString Ime;
    QString File;
    SciHandle SciWndData;

private:
    // Before the small fields, so that they and those of the kinds of
    // record share the padding at the end.
    std::unique_ptr<QStringList> references_;

public:
    int Handle = 0;
    // A local or field declared after a boundary of its scope kind (a
    // Function or End Function, a Type or End Type) on its own line: a scope
    // that ends at that line's first boundary does not hold it.
    bool AfterBoundary = false;

    // The places ("file!position") a review of the declarations found the
    // record used. Only a review collects them, so a record holds no list
    // until it gets one.
    const QStringList& References() const;
    void AddReference(const QString& place);
    void ClearReferences() { references_.reset(); }
};

using CodeRecordPtr = std::shared_ptr<CodeRecord>;
