#pragma once

#include <QString>

// The pages of a compiler's help folder. Paths use '/', and the help
// folder is given without a trailing one, so a page is the folder followed
// by its path below it ("/commands/index.htm").

// The active compiler's help folder in that form; "" without one.
QString ActiveHelpFolder();

// The tab title of a page below the help folder: fixed titles for the
// start page and the command reference, else the file name up to its last
// dot with its first letter upper-cased ("drawImage.htm" gives "DrawImage").
QString GetBBHelpTitle(const QString& helpFolder, const QString& sFilename);

// The keyword's page in "2d_commands", "3d_commands" or "gui_commands", in
// that order: the exact file name, else the one file of the folder equal
// to it but for letter case. A keyword holding '/' or ".." has none.
QString KeywordHelpFile(const QString& helpFolder, const QString& keyword);

// The page keyword help opens: the keyword's page, else by ifNoHelpFound
// (0 none, 1 the start page, else the command index); "" for none.
QString KeywordHelpPage(const QString& helpFolder, const QString& keyword, int ifNoHelpFound);
