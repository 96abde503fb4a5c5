#include "DumpCommand.h"
#include "DumpDocument.h"
#include "../support/HeadlessKorvo.h"
#include "../support/ProgramHome.h"

#include "aids/SnippetFiles.h"
#include "aids/frmSnipEdit.h"
#include "aids/SnippetsTree.h"
#include "aids/frmSnippets.h"
#include "editor/SciWrappers.h"
#include "platform/AnsiText.h"
#include "platform/Prompt.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <cstdio>
#include <memory>

namespace {

struct SnippetsOptions {
    QString select;
    QString open;
    QString answer;
    bool no = false;
    QString folder;
    QString name;
    QString text;
    bool textGiven = false;
    QStringList commands;
};

QString shown(QString text) {
    return text.replace(QLatin1Char('\r'), QStringLiteral("\\r")).replace(QLatin1Char('\n'), QStringLiteral("\\n"));
}

void printNodes(const QTreeWidgetItem* item, int level) {
    printLine(QString(level * 2, QLatin1Char(' ')) + item->text(0) + QLatin1Char('|') + NodeImage(item) + QLatin1Char('|')
              + AbsoluteToProgramRelative(NodeKey(item)));
    for (int i = 0; i < item->childCount(); ++i)
        printNodes(item->child(i), level + 1);
}

void printTree(const frmSnippets& panel) {
    for (int i = 0; i < panel.tvSnippets->topLevelItemCount(); ++i)
        printNodes(panel.tvSnippets->topLevelItem(i), 0);
}

void answerPrompts(const SnippetsOptions& options) {
    platform::setPromptHandler([&options](const platform::PromptRequest& request) {
        printLine(QStringLiteral("prompt:") + request.title + QLatin1Char('|') + shown(request.text));
        platform::PromptAnswer answer = platform::defaultAnswer(request);
        if (request.kind == platform::PromptKind::InputBox) {
            answer.text = options.answer;
        } else if (request.kind == platform::PromptKind::MessageBox && request.buttons == platform::vbYesNo) {
            answer.button = options.no ? platform::vbNo : platform::vbYes;
        }
        return answer;
    });
}

// An editor the command opened shows its proposed name, takes the boxes
// given and OK; one that stays open after that is closed.
void completeEditor(const SnippetsOptions& options) {
    frmSnipEdit* editor = SnippetEditor();
    if (!editor || !editor->isVisible())
        return;
    printLine(QStringLiteral("name ") + editor->txtName->text());
    if (!options.folder.isNull())
        editor->txtFolder->setText(options.folder);
    if (!options.name.isNull())
        editor->txtName->setText(options.name);
    if (options.textGiven)
        editor->rtfCode->setPlainText(QString(options.text).replace(QStringLiteral("\\n"), QStringLiteral("\n")));
    editor->cmdSave->click();
    if (SnippetEditor())
        SnippetEditor()->close();
}

bool readOptions(QStringList args, SnippetsOptions& options) {
    bool missing = false;
    options.select = takeOption(args, QStringLiteral("--select"), &missing);
    options.open = takeOption(args, QStringLiteral("--open"), &missing);
    options.answer = takeOption(args, QStringLiteral("--answer"), &missing);
    options.no = takeFlag(args, QStringLiteral("--no"));
    options.textGiven = args.contains(QStringLiteral("--text"));
    options.folder = takeOption(args, QStringLiteral("--folder"), &missing);
    options.name = takeOption(args, QStringLiteral("--name"), &missing);
    options.text = takeOption(args, QStringLiteral("--text"), &missing);
    options.commands = args;
    return !missing;
}

// The snippets panel on the program folder's Snippets tree: the tree, then
// each command run with NODE selected (again before each, while it exists)
// and FILE active, then the tree, the preview and FILE's text.
int dumpSnippets(const QStringList& args) {
    SnippetsOptions options;
    if (!readOptions(args, options))
        return kWrongArguments;
    RunFolders folders;
    if (!folders.prepare())
        return 1;
    DumpDocument document;
    if (!options.open.isEmpty() && !document.open(options.open, QString()))
        return 1;
    if (options.open.isEmpty())
        StartHeadlessKorvo();
    answerPrompts(options);

    auto panel = std::make_unique<frmSnippets>();
    panel->ListSnippets();
    printTree(*panel);
    const QString selectKey = options.select.isEmpty() ? QString() : SnippetsFolder() + QLatin1Char('/') + options.select;
    if (!selectKey.isEmpty() && !panel->node(selectKey)) {
        std::fprintf(stderr, "korvo-dump: no snippet node %s\n", options.select.toUtf8().constData());
        return 1;
    }
    panel->clickNode(panel->node(selectKey));
    for (const QString& command : options.commands) {
        panel->clickNode(panel->node(selectKey));
        if (command.startsWith(QLatin1String("drop:"))) {
            QMimeData data;
            data.setText(command.mid(5).replace(QStringLiteral("\\n"), QStringLiteral("\n")).replace(QStringLiteral("\\t"), QStringLiteral("\t")));
            panel->tvSnippets_OLEDragDrop(panel->tvSnippets->currentItem(), data);
        } else {
            panel->DoMenuCommand(command);
        }
        completeEditor(options);
    }
    printTree(*panel);
    printLine(QStringLiteral("preview ") + shown(panel->rtfPreview->toPlainText()));
    if (!options.open.isEmpty()) {
        gTextRange.cpMin = 0;
        gTextRange.cpMax = -1;
        SciGetTextRange(gTextRange);
        printLine(QStringLiteral("text ") + shown(platform::fromAnsi(gTextRange.lpstrText)));
    }
    return 0;
}

const DumpCommand snippetsCommand(
    "--snippets", "[--select NODE] [--open FILE] [--answer TEXT] [--no] [--folder F] [--name N] [--text T] [COMMAND | drop:TEXT ...]",
    dumpSnippets);

}
