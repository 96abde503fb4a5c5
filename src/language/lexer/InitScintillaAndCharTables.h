#pragma once

// The start-up step before any document window exists. Scintilla is linked
// into Korvo, so what remains is filling the lexer's character tables.
void InitScintillaAndCharTables();
