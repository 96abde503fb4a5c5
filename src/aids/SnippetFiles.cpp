#include "aids/SnippetFiles.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString withSlashes(QString path) {
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

void sortWithoutCase(QStringList& names) {
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
}

}

QString SnippetsFolder() {
    return platform::programSubfolder(QStringLiteral("Snippets"));
}

SnippetFolderEntries ReadSnippetFolder(const QString& folder) {
    SnippetFolderEntries entries;
    const QDir dir(folder);
    entries.categories = dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files | QDir::Hidden))
        if (file.fileName().endsWith(QLatin1String(".bb"), Qt::CaseInsensitive))
            entries.snippets.append(file.fileName().chopped(3));
    sortWithoutCase(entries.categories);
    sortWithoutCase(entries.snippets);
    return entries;
}

QString ProgramRelativeToAbsolute(const QString& relative) {
    return platform::programFolder() + QLatin1Char('/') + withSlashes(relative);
}

QString AbsoluteToProgramRelative(const QString& absolute) {
    const QString program = QDir::cleanPath(platform::programFolder()) + QLatin1Char('/');
    const QString path = QDir::cleanPath(withSlashes(absolute));
    return path.startsWith(program) ? path.mid(program.size()) : QString();
}

bool IsInsideSnippets(const QString& relativeFolder) {
    const QStringList steps = withSlashes(relativeFolder).split(QLatin1Char('/'));
    if (steps.first() != QLatin1String("Snippets"))
        return false;
    for (const QString& step : steps)
        if (step.isEmpty() || step == QLatin1String(".") || step == QLatin1String(".."))
            return false;
    return true;
}

bool IsPlainName(const QString& name) {
    return !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

QString SnippetFileOfKey(const QString& key) {
    return key + QStringLiteral(".bb");
}

QString SnippetFile(const QString& relativeFolder, const QString& name) {
    return ProgramRelativeToAbsolute(relativeFolder) + QLatin1Char('/') + name + QStringLiteral(".bb");
}
