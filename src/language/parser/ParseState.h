#pragma once

#include "foundation/Hash.h"

#include <QString>

#include <memory>

// The scope of the line being parsed, coloured or completed. It is shared
// state: whoever moves to another document or line sets it again through
// the scope queries.

// The pseudo-function that stands for all code outside functions.
inline const QString kMainProgram = QStringLiteral("*Main Program*");

// The function around the line; kMainProgram outside functions, "" when
// unknown and still to be found.
extern QString gCurrentFunction;
// The type around the line; "" outside types or when unknown.
extern QString gCurrentType;
// The locals of the current function (the project's MainFunLocals outside functions).
extern std::shared_ptr<clsHash> gCurrentLocals;
// The fields of the current type.
extern std::shared_ptr<clsHash> gCurrentFields;
