#include "aids/SnippetDocument.h"

#include "editor/CurrentView.h"
#include "editor/frmDoc.h"
#include "files/CommandLineFiles.h"

// Opens through the command line's way of opening files until OpenFile,
// which takes the snippet flag itself, is there.
void OpenSnippetDocument(const QString& path) {
    OpenFilesFromCommand(QLatin1Char('"') + path + QLatin1Char('"'));
    if (gActiveDoc && gActiveDoc->FullFilename == path)
        gActiveDoc->IsSnippet = true;
}
