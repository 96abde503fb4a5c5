#pragma once

// Forgets what a test's main window or documents left in the globals: the
// active document and project, the projects and the compilers.
void ForgetSessionGlobals();
