#include "files/fileexplorer/FileListRows.h"

#include "files/fileexplorer/ExplorerListView.h"
#include "files/fileexplorer/FolderListing.h"

void SetUpFileListColumns(ExplorerListView* list, int nameWidthTwips) {
    list->setColumns({{"Name", nameWidthTwips, false, "STRING"}, {"Size", 1000, true, "NUMBER"}, {"Date", 1800, false, "DATE"}});
}

void AddFileRows(ExplorerListView* list, const QString& folder, const QString& patterns) {
    for (const QFileInfo& file : ListFolderFiles(folder, patterns)) {
        const FileRow row = ReadFileRow(file);
        list->addRow({row.name, row.size, row.date});
    }
}
