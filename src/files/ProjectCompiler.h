#pragma once

class ClsProject;

// Activates the project's compiler and its keywords, so that its files parse
// under them; a project naming none gets the default compiler. The compiler
// list, a later layer, defines it.
void ActivateProjectCompiler(ClsProject& project);
