#include "DumpCommand.h"
#include "DumpDocument.h"
#include "../support/BuiltInKeywords.h"
#include "../support/HeadlessKorvo.h"

#include "aids/FindCommands.h"
#include "aids/FindDialog.h"
#include "aids/RecentFindTexts.h"
#include "build/CompilerList.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "files/CommandLineFiles.h"
#include "platform/AnsiText.h"
#include "platform/Host.h"
#include "platform/Prompt.h"
#include "shell/frmMain.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

QString escaped(QString text) {
    return text.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

QString lineColumn(sptr_t position) {
    const sptr_t line = SciLineFromPosition(position);
    return QStringLiteral("%1:%2").arg(line).arg(position - SciPositionFromLine(line));
}

QString selectionText() {
    return lineColumn(SciGetAnchor()) + QLatin1Char('-') + lineColumn(SciGetCurrentPos());
}

QString activeName() {
    return gActiveDoc ? gActiveDoc->Filename() : QString();
}

// KORVO_HOME and XDG_CONFIG_HOME as the user gave them, else fresh ones,
// the program folder holding a copy of the build's conf.
class Session {
public:
    Session() {
        if (qEnvironmentVariableIsEmpty("KORVO_HOME")) {
            home_.emplace();
            const QDir built(QCoreApplication::applicationDirPath() + QStringLiteral("/conf"));
            QDir(home_->path()).mkpath(QStringLiteral("conf"));
            for (const QString& name : built.entryList(QDir::Files))
                QFile::copy(built.filePath(name), home_->path() + QStringLiteral("/conf/") + name);
            qputenv("KORVO_HOME", home_->path().toUtf8());
        }
        if (qEnvironmentVariableIsEmpty("XDG_CONFIG_HOME")) {
            config_.emplace();
            qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
        }
    }

private:
    std::optional<QTemporaryDir> home_;
    std::optional<QTemporaryDir> config_;
};

struct Choices {
    QString findText;
    QString replaceText;
    bool replacing = false;
    bool matchCase = false;
    bool wholeWord = false;
    bool wordStart = false;
    bool regExp = false;
    int scope = FindOptions::CurrentFile;
    int start = FindOptions::Cursor;
    bool wrap = false;
};

bool takeChoices(QStringList& args, Choices& choices) {
    bool missing = false;
    choices.findText = takeOption(args, QStringLiteral("--text"), &missing);
    const qsizetype withAt = args.indexOf(QStringLiteral("--with"));
    choices.replacing = withAt >= 0;
    choices.replaceText = takeOption(args, QStringLiteral("--with"), &missing);
    choices.matchCase = takeFlag(args, QStringLiteral("--case"));
    choices.wholeWord = takeFlag(args, QStringLiteral("--word"));
    choices.wordStart = takeFlag(args, QStringLiteral("--wordstart"));
    choices.regExp = takeFlag(args, QStringLiteral("--regex"));
    const QString scope = takeOption(args, QStringLiteral("--in"), &missing);
    const QStringList scopes{"file", "project", "all", "selection"};
    choices.scope = scope.isEmpty() ? 0 : int(scopes.indexOf(scope));
    const QString start = takeOption(args, QStringLiteral("--at"), &missing);
    choices.start = start.isEmpty() || start == QLatin1String("cursor") ? 1 : start == QLatin1String("top") ? 0 : -1;
    const QString wrap = takeOption(args, QStringLiteral("--wrap"), &missing);
    choices.wrap = wrap == QLatin1String("yes");
    return !missing && !choices.findText.isEmpty() && choices.scope >= 0 && choices.start >= 0 &&
           (wrap.isEmpty() || wrap == QLatin1String("yes") || wrap == QLatin1String("no"));
}

void printBoxes(bool wrap) {
    platform::setPromptHandler([wrap](const platform::PromptRequest& request) {
        printLine(QStringLiteral("prompt:") + request.title + QLatin1Char('|') + escaped(request.text));
        platform::PromptAnswer answer = platform::defaultAnswer(request);
        if (request.kind == platform::PromptKind::MessageBox && request.buttons == platform::vbYesNo)
            answer.button = wrap ? platform::vbYes : platform::vbNo;
        return answer;
    });
}

void setDialog(FrmFind& dialog, const Choices& choices) {
    dialog.cboFind->setEditText(choices.findText);
    dialog.optStartAt[choices.start]->setChecked(true);
    dialog.optSearchIn[choices.scope]->setChecked(true);
    dialog.chkMatchCase->setChecked(choices.matchCase);
    dialog.chkWholeWord->setChecked(choices.wholeWord);
    dialog.chkWordStart->setChecked(choices.wordStart);
    dialog.chkRegExp->setChecked(choices.regExp);
    if (choices.replacing) {
        dialog.cmdReplace_Click();
        dialog.cboReplace->setEditText(choices.replaceText);
    }
}

bool activateTab(frmMain& main, const QString& name) {
    for (dock::DocumentWindow* window : main.DS->documents().windows())
        if (auto* doc = qobject_cast<frmDoc*>(window->form()); doc && doc->Filename() == name) {
            main.DS->documents().activate(*window);
            return true;
        }
    return false;
}

bool placeCaret(const QString& where) {
    const QStringList ends = where.split(QLatin1Char('-'));
    const long anchor = PositionOfLineColumn(ends.first());
    const long caret = PositionOfLineColumn(ends.last());
    if (ends.size() > 2 || anchor < 0 || caret < 0)
        return false;
    SciSetSel(anchor, caret);
    return true;
}

// One step; false when it is no step korvo-dump knows.
bool runStep(frmMain& main, FrmFind& dialog, const QString& step) {
    const auto printText = [] {
        gTextRange.cpMin = 0;
        gTextRange.cpMax = -1;
        SciGetTextRange(gTextRange);
        printLine(QStringLiteral("text ") + activeName() + QLatin1Char(' ') + escaped(platform::fromAnsi(gTextRange.lpstrText)));
    };
    if (step.startsWith(QLatin1Char('=')))
        return activateTab(main, step.mid(1));
    if (step.startsWith(QLatin1Char('@')))
        return IsEditorActive() && placeCaret(step.mid(1));
    if (step == QLatin1String("next"))
        dialog.cmdFind_Click();
    else if (step == QLatin1String("previous"))
        dialog.cmdFindPrev_Click();
    else if (step == QLatin1String("next-all"))
        while (dialog.Engine().FindNext(true)) {
        }
    else if (step == QLatin1String("mark-all"))
        dialog.cmdMarkAll_Click();
    else if (step == QLatin1String("close"))
        dialog.cmdCancel_Click();
    else if (step == QLatin1String("replace") || step == QLatin1String("replace-all") || step == QLatin1String("undo")) {
        if (step == QLatin1String("replace"))
            dialog.cmdReplace_Click();
        else if (step == QLatin1String("replace-all"))
            dialog.cmdReplaceAll_Click();
        else if (IsEditorActive())
            SciUndo();
        if (IsEditorActive())
            printText();
    } else {
        return false;
    }
    return true;
}

void printDocuments(frmMain& main) {
    for (dock::DocumentWindow* window : main.DS->documents().windows()) {
        auto* doc = qobject_cast<frmDoc*>(window->form());
        if (!doc)
            continue;
        ScopedCurrentView view(*doc);
        QStringList marked;
        for (long line = 0; line < SciGetLineCount(); ++line)
            if (SciMarkerGet(line) & markerMask(MARKER_BOOKMARK))
                marked.append(QString::number(line));
        printLine(QStringLiteral("document ") + doc->Filename());
        printLine(QStringLiteral("selection ") + selectionText());
        printLine((QStringLiteral("bookmarks ") + marked.join(QLatin1Char(','))).trimmed());
        printLine(QStringLiteral("changed ") + QString::number(int(doc->Dirty())));
    }
}

// Opens the files in a headless main window, sets the find dialog as a
// user would and runs the steps; prints each interactive match, each box
// and the text after each edit, then each document's state.
int dumpFind(const QStringList& arguments) {
    QStringList args = arguments;
    Choices choices;
    if (!takeChoices(args, choices))
        return kWrongArguments;
    QStringList files;
    while (!args.isEmpty() && !args.first().startsWith(QLatin1Char('@')) && !args.first().startsWith(QLatin1Char('=')) &&
           QFileInfo(args.first()).isFile())
        files.append(args.takeFirst());
    QStringList steps = args;
    const auto placing = [](const QString& step) { return step.startsWith(QLatin1Char('@')) || step.startsWith(QLatin1Char('=')); };
    if (std::all_of(steps.begin(), steps.end(), placing))
        steps.append(QStringLiteral("next-all"));
    if (files.isEmpty())
        return kWrongArguments;

    Session session;
    StartHeadlessKorvo();
    printBoxes(choices.wrap);
    GetOptions();
    GetEditOptions();
    auto compiler = std::make_shared<ClsCompiler>();
    compiler->Name = QStringLiteral("korvo-dump");
    LoadBuiltInKeywords(*compiler);
    compiler->KeywordsLoaded = true;
    gCompilers.Add(compiler, compiler->Name);
    DefaultCompiler = compiler->Name;
    gMRUFind.setName(QStringLiteral("MRUFind"));
    gMRUReplace.setName(QStringLiteral("MRUReplace"));

    auto main = std::make_unique<frmMain>();
    main->Form_Load();
    OpenFilesFromCommand(JoinCommandLine(files));
    if (!activateTab(*main, QFileInfo(files.first()).fileName()))
        return 1;
    ShowFind();
    FrmFind& dialog = frmFind::Instance();
    setDialog(dialog, choices);
    const auto shown = dialog.Engine().MatchShown;
    dialog.Engine().MatchShown = [shown](long start, long end, bool interactive) {
        if (interactive)
            printLine(QStringLiteral("match ") + activeName() + QLatin1Char(' ') + lineColumn(start) + QLatin1Char('-') +
                      lineColumn(end));
        shown(start, end, interactive);
    };

    int exitCode = 0;
    for (const QString& step : steps)
        if (!runStep(*main, dialog, step)) {
            std::fprintf(stderr, "korvo-dump: unknown step %s\n", step.toUtf8().constData());
            exitCode = 2;
            break;
        }
    printDocuments(*main);
    for (dock::DocumentWindow* window : main->DS->documents().windows())
        if (auto* doc = qobject_cast<frmDoc*>(window->form()))
            doc->setDirty(false);
    main->close();
    return exitCode;
}

const DumpCommand findCommand("--find",
                              "FILE... --text T [--with R] [--case] [--word] [--wordstart] [--regex] "
                              "[--in file|project|all|selection] [--at top|cursor] [--wrap yes|no] "
                              "[=NAME | @L:C | @L:C-L:C | next | previous | replace | replace-all | mark-all | undo | close | next-all]...",
                              dumpFind);

}
