#include "CodeExplorerDump.h"
#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "files/fileexplorer/ExplorerListView.h"
#include "files/fileexplorer/FileListRows.h"
#include "files/fileexplorer/FileTypeFilter.h"
#include "files/fileexplorer/ListViewSort.h"

#include <QFileInfo>

namespace {

// A column by its header ("Size", any case) or its number from 1; -1 for neither.
int columnOf(const ExplorerListView& list, const QString& argument) {
    bool isNumber = false;
    const int number = argument.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= list.columnCount() ? number - 1 : -1;
    for (int i = 0; i < list.columnCount(); ++i)
        if (list.headerItem()->text(i).compare(argument, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// Lists FOLDER as the file explorer does through filter entry N (default 0),
// clicks the headers in turn and prints the rows, then the sort.
int dumpFileExplorer(const QStringList& args) {
    StartHeadlessKorvo();
    ExplorerListView list(QStringLiteral("lvFiles"));
    SetUpFileListColumns(&list, 2000);
    int filter = 0;
    QList<int> clicks;
    for (int i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return kWrongArguments;
        if (args[i] == QLatin1String("--filter")) {
            bool ok = false;
            filter = args[i + 1].toInt(&ok);
            if (!ok || filter < 0 || filter >= kFileTypeFilterCount)
                return kWrongArguments;
        } else if (args[i] == QLatin1String("--click")) {
            const int column = columnOf(list, args[i + 1]);
            if (column < 0)
                return kWrongArguments;
            clicks.append(column);
        } else {
            return kWrongArguments;
        }
    }
    AddFileRows(&list, args[0], QString::fromLatin1(kFileTypeFilters[filter].pattern));
    for (const int column : clicks)
        SortListViewByColumn(&list, column);
    for (int i = 0; i < list.topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = list.topLevelItem(i);
        printLine(row->text(0) + QLatin1Char('\t') + row->text(1) + QLatin1Char('\t') + row->text(2));
    }
    const int sorted = qMax(0, listsort::SortKey(&list));
    printLine(QStringLiteral("sort ") + list.headerItem()->text(sorted) +
              (listsort::SortOrder(&list) == Qt::AscendingOrder ? QStringLiteral(" ascending") : QStringLiteral(" descending")));
    return 0;
}

// The file explorer's listing of a folder, else the code explorer's lists of files.
int dumpExplorer(const QStringList& args) {
    if (args.isEmpty())
        return kWrongArguments;
    return QFileInfo(args[0]).isDir() ? dumpFileExplorer(args) : DumpCodeExplorer(args);
}

const DumpCommand explorerCommand("--explorer",
                                  "FOLDER [--filter N] [--click COLUMN]...\n"
                                  "  korvo-dump --explorer PATH... [--lng KEYWORDS] [--file] [--unsorted] [--review]",
                                  dumpExplorer);

}
