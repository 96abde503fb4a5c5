#pragma once

#include <QString>

class CodeModel;

// Passes over the whole document of the current view, from line 0 down.

// Parses every line into the tables of the document's project.
void ParseFile();
// Takes every declaration of the document out of the model.
void UnParseFile();
// Forgets every declaration of the document, whatever keywords made it,
// and parses the document again under the keywords active now.
void ReparseFile();
// Colours every line with the light pass, in order from the top, so that
// every character carries its current style.
void ColorFileLight();
// Adds each use of a declared name in the document to its record's
// References, as colouring every line with the light pass would, but
// without styling or respelling anything.
void CollectReferencesInFile();

// Records of gActiveProject declared in the document named OldName (exactly)
// take NewName; the code explorer's lists refill in full next time.
void UpdateVarFileNames(const QString& OldName, const QString& NewName);
// The same in the tables of any project.
void UpdateVarFileNames(CodeModel& model, const QString& OldName, const QString& NewName);
