#pragma once

// What Korvo, korvo-dump, korvo-bench and the tests all do before they run
// Korvo's code: the lexer's character tables, the general and the editor
// options from the settings store, and the listeners of the active
// document. Running it again reloads the options.
void StartCore();

// Forgets the session: no document, project or compiler is active or open,
// no external tool, hot code or private clipboard entry is kept, the parser
// carries nothing over and the code explorer refills in full.
void ResetSession();
