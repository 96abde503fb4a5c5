#include "DumpCommand.h"
#include "DumpDocument.h"

#include "shell/HtmlExport.h"

#include <cstdio>

namespace {

int dumpHtml(const QStringList& arguments) {
    QStringList args = arguments;
    bool missing = false;
    const QString keywords = takeOption(args, QStringLiteral("--lng"), &missing);
    if (args.size() != 1 || missing)
        return kWrongArguments;
    DumpDocument document;
    if (!document.open(args[0], keywords))
        return 1;
    const QByteArray page = ActiveDocumentAsHtml();
    std::fwrite(page.constData(), 1, size_t(page.size()), stdout);
    return 0;
}

const DumpCommand htmlCommand("--html", "FILE.bb [--lng KEYWORDS]   the bytes Export To HTML writes for the file", dumpHtml);

}
