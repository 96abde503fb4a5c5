#pragma once

#include "foundation/CodeRecord.h"
#include "foundation/Hash.h"

#include <QString>

#include <memory>

// Type codes of declarations, and the indexes of gTipSuffix.
enum TipCode : unsigned char {
    TipNone = 0,
    TipInteger = 1,
    TipFloat = 2,
    TipString = 3,
    TipQuestion = 4,
    TipCustom = 5,   // the type's name is in Tajp
    TipDoubleQuestion = 6,
};

// What the declarations that carry a type have in common, so that the
// colourisers can follow a name's suffix, custom type and index whatever
// kind of declaration it is.
// The small fields first: they fill the record's padding.
struct TypedRecord : CodeRecord {
    TypedRecord* AsTyped() override { return this; }

    unsigned char Tip = TipNone;
    bool IsBBArray = false;  // declared with a [size]
    QString Tajp;        // custom type name when Tip is TipCustom

    // The size brackets as written; empty for a name declared without.
    // Few declarations have them, so the text is held apart.
    const QString& ArraySize() const;
    void SetArraySize(const QString& brackets);

private:
    std::unique_ptr<QString> arraySize_;
};

struct ClsFunkcija : TypedRecord {
    short VlezNum = 0;
    QString Help;        // the parameter text of the header, for call tips
    std::shared_ptr<clsHash> Locals = NewScopeTable();
};

struct ClsType : CodeRecord {
    std::shared_ptr<clsHash> Fields = NewScopeTable();
};

struct ClsField : TypedRecord {};
struct ClsGlobalVar : TypedRecord {};
struct ClsLocalVar : TypedRecord {};
struct ClsArrayVar : TypedRecord {};
struct clsConstant : TypedRecord {};
struct clsLabel : TypedRecord {};

// Ime is the included file name as written between the quotes.
struct clsInclude : CodeRecord {};

// The name followed by the suffix of its type code, and for a custom type
// by the type's name: "p.Player", "score%".
QString DeclarationDisplayName(const TypedRecord& record);
