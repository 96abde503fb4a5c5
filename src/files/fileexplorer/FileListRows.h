#pragma once

#include <QString>

class ExplorerListView;

// The explorer's file list: columns "Name" (nameWidthTwips), "Size" (right
// aligned, by number) and "Date" (by date).
void SetUpFileListColumns(ExplorerListView* list, int nameWidthTwips);

// Appends one row for each file of folder that the patterns list.
void AddFileRows(ExplorerListView* list, const QString& folder, const QString& patterns);
