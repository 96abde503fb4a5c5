#pragma once

// "Associate now": registers the chosen types with the desktop, opening in
// the running Korvo with the program folder's icons, then tells the user
// whether every registration succeeded, naming the extensions that failed.
// newBBFile also offers a new Blitz file in the file manager's New menu.
void AssociateChosenTypes(bool bbFiles, bool projectFiles, bool workspaceFiles, bool newBBFile);
