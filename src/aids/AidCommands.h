#pragma once

// Registers the procedures of the editing aids' command keys: the clipboard
// ring, hot codes, find and replace, the inserters and the snippets.
void RegisterAidCommands();
