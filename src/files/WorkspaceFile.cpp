#include "files/WorkspaceFile.h"

#include "files/Attributes.h"
#include "foundation/NumberHelpers.h"

namespace {

const QString kHeader = QStringLiteral("[Korvo WorkSpace File]");

bool readProjects(const QStringList& section, WorkspaceContent& content) {
    for (const QString& line : section) {
        const QString path = GetAttribute(line, QStringLiteral("Path"));
        const std::optional<bool> single = ReadBoolean(GetAttribute(line, QStringLiteral("Single")));
        if (path.isEmpty() || !single)
            return false;
        content.projects.append({path, *single});
    }
    return true;
}

}

QStringList WorkspaceFileLines(const WorkspaceContent& content) {
    QStringList lines{kHeader,
                      QStringLiteral("<Settings>"),
                      FormatAttribute(QStringLiteral("Version"), 1L),
                      FormatAttribute(QStringLiteral("CPOS"), content.caretPosition),
                      QStringLiteral("</Settings>"),
                      QStringLiteral("<Workspace>"),
                      FormatAttribute(QStringLiteral("Windows"), content.windows),
                      QStringLiteral("</Workspace>"),
                      QStringLiteral("<Projects>")};
    for (const WorkspaceProject& project : content.projects)
        lines.append(FormatAttribute(QStringLiteral("Path"), project.path) +
                     FormatAttribute(QStringLiteral("Single"), project.single));
    lines.append(QStringLiteral("</Projects>"));
    return lines;
}

std::optional<WorkspaceContent> ReadWorkspaceFile(const QStringList& lines) {
    if (lines.isEmpty() || lines.first() != kHeader)
        return std::nullopt;
    WorkspaceContent content;
    for (qsizetype at = 1; at < lines.size(); ++at) {
        const QString opener = lines[at];
        if (opener != QLatin1String("<Settings>") && opener != QLatin1String("<Workspace>") &&
            opener != QLatin1String("<Projects>"))
            continue;
        const std::optional<QStringList> section = SectionLines(lines, at);
        if (!section)
            return std::nullopt;
        if (opener == QLatin1String("<Settings>"))
            content.caretPosition = LeadingNumber(GetAttribute(section->join(QString()), QStringLiteral("CPOS")));
        else if (opener == QLatin1String("<Workspace>"))
            content.windows = GetAttribute(section->join(QString()), QStringLiteral("Windows"));
        else if (!readProjects(*section, content))
            return std::nullopt;
    }
    return content;
}
