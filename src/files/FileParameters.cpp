#include "files/FileParameters.h"

#include "editor/ActiveDocument.h"
#include "editor/SciWrappers.h"
#include "files/EditorParameters.h"
#include "files/Project.h"
#include "files/ProjectCompiler.h"
#include "foundation/errors/ErrorLog.h"
#include "language/parser/Parser.h"
#include "language/parser/Unparse.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

namespace {

QList<long> markedLines(int marker, bool collapsedOnly, int limit) {
    QList<long> lines;
    for (long line = long(SciMarkerNext(0, markerMask(marker))); line >= 0;
         line = long(SciMarkerNext(line + 1, markerMask(marker)))) {
        if (collapsedOnly && SciGetFoldExpanded(line))
            continue;
        lines.append(line);
        if (lines.size() > limit)
            break;
    }
    return lines;
}

// Restores the flag as it found it, so that it nests in another scope that ignores.
class IgnoreModifications {
public:
    IgnoreModifications() : ignoring_(gIgnoreSciModified) { gIgnoreSciModified = true; }
    ~IgnoreModifications() { gIgnoreSciModified = ignoring_; }
    IgnoreModifications(const IgnoreModifications&) = delete;
    IgnoreModifications& operator=(const IgnoreModifications&) = delete;

private:
    bool ignoring_;
};

}

QByteArray GetFileParameters(const ClsProject* project, const QByteArray& lineEnd) {
    try {
        EditorParameters parameters;
        if (SaveFoldingState != 0)
            parameters.collapsedFolds = markedLines(MARKER_FOLDSTART, true, kMaxFoldEntries);
        if (SaveBookmarks != 0)
            parameters.bookmarks = markedLines(MARKER_BOOKMARK, false, kMaxBookmarkEntries);
        if (SaveCompilerCommandLine != 0 && project) {
            if (project->SingleFile && !project->CommandLine.isEmpty())
                parameters.commandLine = project->CommandLine;
            parameters.compiler = project->Compiler;
        }
        return FormatEditorParameters(parameters, lineEnd);
    } catch (...) {
        SetErrorLog(QStringLiteral("GetFileParameters"), QStringLiteral("Mod_File"));
        return {};
    }
}

void CheckFileParameters() {
    IgnoreModifications ignoring;
    try {
        // Looked for in place: opening a file would otherwise copy all of it to find its last lines.
        const std::optional<EditorParametersBlock> block = FindEditorParameters(SciPeekAllText(gSciWndData));
        if (!block)
            return;
        const long lineCount = long(SciGetLineCount());
        if (ShowFoldMargin != 0)
            for (long line : block->parameters.collapsedFolds)
                if (line >= 0 && line < lineCount && (SciMarkerGet(line) & markerMask(MARKER_FOLDSTART)) &&
                    SciGetFoldExpanded(line))
                    SciToggleFold(line);
        for (long line : block->parameters.bookmarks)
            if (line >= 0 && line < lineCount)
                SciMarkerAdd(line, MARKER_BOOKMARK);
        if (block->parameters.commandLine && gActiveProject && gActiveProject->SingleFile)
            gActiveProject->CommandLine = *block->parameters.commandLine;
        // The lines the block takes away were parsed: their parse markers
        // would otherwise join those of the line that stays.
        const long firstLine = long(SciLineFromPosition(block->first));
        const bool wholeFirstLine = block->first == SciPositionFromLine(firstLine);
        for (long line = wholeFirstLine ? firstLine : firstLine + 1; line <= long(SciLineFromPosition(block->end)); ++line)
            UnparseLine(int(line), false);
        SciSetTargetStart(block->first);
        SciSetTargetEnd(block->end);
        SciReplaceTarget(0, QByteArray());
        if (wholeFirstLine)
            Parseline(int(firstLine), false);
    } catch (...) {
        SetErrorLog(QStringLiteral("CheckFileParameters"), QStringLiteral("Mod_File"));
    }
}

QString CheckFileCompilerUsed() {
    return CompilerLineName(SciPeekAllText(gSciWndData)).value_or(DefaultCompilerName());
}
