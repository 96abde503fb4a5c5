#include "language/colour/ColouringFlags.h"

#include "vocabulary/StyleNumbers.h"

int gStrictModeStyle = STYLE_Text;
bool gCollectReferences = false;
bool gFindingUsesOnly = false;
bool gColoringCaretLine = false;
bool gInDeclaration = false;
