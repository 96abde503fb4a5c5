#pragma once

class ClsCompiler;

// Loads into the compiler the few keywords the parser's statements and
// blocks need, for tools run without a keyword file.
bool LoadBuiltInKeywords(ClsCompiler& compiler);
