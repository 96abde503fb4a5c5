#pragma once

#include <QString>

// The commands that bring the code explorer, the help browser and the
// review of unused declarations to the user. Each says that the feature is
// not available while its part is not registered (explorer/ExplorerServices.h).

// "Functions", "Types", "Arrays", "Globals", "Constants", "Labels" (and
// "Includes"): shows that list of the code explorer, checked, keeps the
// column widths of the list it leaves and puts the focus into the list.
void ExploreFocusOn(const QString& Name);

// "KeywordHelp": the help page of the word at the caret; a beep when it has
// none.
void KeywordHelp();

// "Review Declarations": recolours every open document of the active
// project while the colouriser collects each declaration's references,
// then shows the review window.
void ListUnusedVars();
