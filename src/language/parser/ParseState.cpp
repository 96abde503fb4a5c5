#include "language/parser/ParseState.h"

QString gCurrentFunction;
QString gCurrentType;
std::shared_ptr<clsHash> gCurrentLocals;
std::shared_ptr<clsHash> gCurrentFields;
