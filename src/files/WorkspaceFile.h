#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The workspace file (.kws): a header, then the sections Settings (format
// version, caret position), Workspace (the layout as one text) and
// Projects (one line per project file or single file, absolute paths).

struct WorkspaceProject {
    QString path;
    bool single = false;
    bool operator==(const WorkspaceProject&) const = default;
};

struct WorkspaceContent {
    long caretPosition = 0;
    QString windows;
    QList<WorkspaceProject> projects;
};

QStringList WorkspaceFileLines(const WorkspaceContent& content);

// The whole file checked before anything is used: nothing for a wrong
// header, a section without its closer, or a project line without a Path
// or with a Single that is no Boolean. A caret position that is no number
// reads as 0.
std::optional<WorkspaceContent> ReadWorkspaceFile(const QStringList& lines);
