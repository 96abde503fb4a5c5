#pragma once

// What the parser carries from line to line and from document to document.

// The scope found in one document means nothing in the next: the function
// and type around the line are to be found again, and no edit of the
// program's own is under way. Runs whenever another document becomes active.
void ForgetScope();

// Drops all of it, as at start-up.
void ResetParseState();
