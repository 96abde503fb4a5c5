#include "aids/SnippetsFixture.h"

#include "aids/SnippetFiles.h"
#include "aids/frmSnipEdit.h"
#include "editor/SciWrappers.h"

#include <QCoreApplication>
#include <QDir>
#include <QTreeWidget>

namespace {

void listNodes(const QTreeWidgetItem* item, int level, QStringList& lines) {
    lines.append(QString(level * 2, QLatin1Char(' ')) + item->text(0) + QLatin1Char('|') + NodeImage(item));
    for (int i = 0; i < item->childCount(); ++i)
        listNodes(item->child(i), level + 1, lines);
}

}

void SnippetsTest::SetUp() {
    EditorTest::SetUp();
    QDir(home()).mkpath(QStringLiteral("Snippets/zeta"));
    QDir(home()).mkpath(QStringLiteral("Snippets/Alpha/Deep"));
    writeSnippet("b.bb", "b text");
    writeSnippet("A.bb", "Print \"A\"\r\n");
    writeSnippet("notes.txt", "not a snippet");
    writeSnippet("Alpha/x.bb", "x text");
    panel = std::make_unique<frmSnippets>();
    panel->ListSnippets();
}

void SnippetsTest::TearDown() {
    if (frmSnipEdit* editor = SnippetEditor())
        editor->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    panel.reset();
    EditorTest::TearDown();
}

QString SnippetsTest::snippets(const QString& relative) const {
    return relative.isEmpty() ? SnippetsFolder() : SnippetsFolder() + QLatin1Char('/') + relative;
}

void SnippetsTest::writeSnippet(const QString& relative, const QByteArray& bytes) {
    writeAll(homeFile(QStringLiteral("Snippets/") + relative), bytes);
}

QStringList SnippetsTest::tree() const {
    QStringList lines;
    for (int i = 0; i < panel->tvSnippets->topLevelItemCount(); ++i)
        listNodes(panel->tvSnippets->topLevelItem(i), 0, lines);
    return lines;
}

QTreeWidgetItem* SnippetsTest::select(const QString& relative) {
    QTreeWidgetItem* item = relative.isEmpty() ? nullptr : panel->node(snippets(relative));
    EXPECT_TRUE(relative.isEmpty() || item) << relative.toStdString();
    panel->clickNode(item);
    return item;
}

QString SnippetsTest::selectedKey() const {
    return NodeKey(panel->tvSnippets->currentItem());
}

QByteArray SnippetsTest::documentText() const {
    gTextRange.cpMin = 0;
    gTextRange.cpMax = -1;
    SciGetTextRange(gTextRange);
    return gTextRange.lpstrText;
}

QStringList SnippetsTest::promptTexts() const {
    QStringList texts;
    for (const platform::PromptRequest& request : prompts)
        texts.append(request.text);
    return texts;
}
