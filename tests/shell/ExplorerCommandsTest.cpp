#include "shell/ExplorerCommands.h"

#include "editor/ActiveDocument.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "explorer/ExplorerServices.h"
#include "language/colour/ColouringFlags.h"
#include "language/parser/ParsedDocuments.h"
#include "platform/KorvoError.h"
#include "platform/dock/DockWindow.h"
#include "shell/MainWindowFixture.h"
#include "support/FakeHost.h"

#include <QMap>

namespace {

const QString kNotAvailable = QStringLiteral("This feature is not available yet, please wait for the next release... ");

class ListsDouble : public ExplorerLists {
public:
    ListsDouble() { setExplorerLists(this); }
    ~ListsDouble() override { setExplorerLists(nullptr); }

    QString LastConstruct() const override { return last; }
    void SetLastConstruct(const QString& list) override { last = list; }
    int ColumnWidth(const QString& list, int column) const override {
        if (!widths.contains(list))
            RaiseError(35601, QStringLiteral("No list ") + list);
        return column == 1 ? widths[list].first : widths[list].second;
    }
    void SetColWidth1(int width) override { colWidth1 = width; }
    void SetColWidth2(int width) override { colWidth2 = width; }
    bool ShowOnlyFile() const override { return onlyFile; }
    void PuniLista() override { ++refills; }
    bool Visible() const override { return visible; }
    void FocusList(const QString& list) override { focused = list; }
    void SetListChecked(const QString& list, bool on) override { checked[list] = on; }

    QString last = QStringLiteral("Functions");
    QMap<QString, QPair<int, int>> widths{{QStringLiteral("Functions"), {120, 80}}};
    int colWidth1 = 0;
    int colWidth2 = 0;
    bool onlyFile = false;
    bool visible = true;
    int refills = 0;
    QString focused;
    QMap<QString, bool> checked{{QStringLiteral("Functions"), true}};
};

class HelpDouble : public HelpHost {
public:
    HelpDouble() { setHelpHost(this); }
    ~HelpDouble() override { setHelpHost(nullptr); }

    bool Visible() const override { return true; }
    bool ShowBrowserHelp(const QString& keyword) override {
        asked.append(keyword);
        return keyword == QLatin1String("Print");
    }
    int ReadyState() const override { return ++readyChecks < 3 ? 1 : 4; }
    QString HelpWindowID() const override { return QStringLiteral("{help}"); }

    QStringList asked;
    mutable int readyChecks = 0;
};

class ReviewDouble : public ReviewWindow {
public:
    ReviewDouble() { setReviewWindow(this); }
    ~ReviewDouble() override { setReviewWindow(nullptr); }

    void ShowModal(QWidget*) override {
        ++shown;
        collectingWhileShown = gCollectReferences;
        activeWhileShown = gActiveDoc;
    }

    int shown = 0;
    bool collectingWhileShown = true;
    frmDoc* activeWhileShown = nullptr;
};

// A host whose activation makes the hosted document active, as the main
// window's activation handler does.
class ActivatingHost : public FakeHost {
public:
    void activateDocumentWindow(const QString& key) override {
        FakeHost::activateDocumentWindow(key);
        activations.append(key);
        if (auto* doc = qobject_cast<frmDoc*>(documentWindow(key)))
            ActivateDocument(doc);
    }
    QStringList activations;
};

class ExplorerFocusTest : public EditorTest {};

}

TEST_F(ExplorerFocusTest, ChoosingAListKeepsTheWidthsOfTheListItLeavesAndFocusesTheNewOne) {
    ListsDouble lists;
    ExploreFocusOn(QStringLiteral("Types"));
    EXPECT_FALSE(lists.checked[QStringLiteral("Functions")]);
    EXPECT_TRUE(lists.checked[QStringLiteral("Types")]);
    EXPECT_EQ(lists.colWidth1, 120);
    EXPECT_EQ(lists.colWidth2, 80);
    EXPECT_EQ(lists.last, QStringLiteral("Types"));
    EXPECT_EQ(lists.refills, 1);
    EXPECT_EQ(lists.focused, QStringLiteral("Types"));
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(ExplorerFocusTest, CurrentFileListsKeepOneWidthAndAListThatCannotAnswerIsSkipped) {
    ListsDouble lists;
    lists.onlyFile = true;
    ExploreFocusOn(QStringLiteral("Globals"));
    EXPECT_EQ(lists.colWidth1, 120);
    EXPECT_EQ(lists.colWidth2, 0);

    lists.colWidth1 = 0;
    ExploreFocusOn(QStringLiteral("Nothing"));
    EXPECT_EQ(lists.colWidth1, 0);
    EXPECT_EQ(lists.last, QStringLiteral("Nothing"));
    EXPECT_EQ(lists.refills, 2);
    EXPECT_EQ(lists.focused, QStringLiteral("Globals"));
}

TEST_F(ExplorerFocusTest, WithoutTheirPartsTheCommandsAreNotAvailable) {
    auto doc = openDocument("Print 1");
    ExploreFocusOn(QStringLiteral("Types"));
    KeywordHelp();
    ASSERT_EQ(prompts.size(), 2);
    for (const platform::PromptRequest& prompt : prompts) {
        EXPECT_EQ(prompt.text, kNotAvailable);
        EXPECT_EQ(prompt.icon, platform::vbInformation);
    }
}

TEST_F(ExplorerFocusTest, KeywordHelpOpensTheWordsPageAndActivatesTheHelpWindow) {
    FakeHost host;
    host.windows.append({QStringLiteral("{help}"), nullptr, QStringLiteral("Help")});
    HelpDouble help;
    auto doc = openDocument("Print x\r\nfoo");
    doc->m_strDocumentWindowID = QStringLiteral("{doc}");
    SciGotoPos(2);
    KeywordHelp();
    EXPECT_EQ(help.asked, QStringList{QStringLiteral("Print")});
    EXPECT_EQ(help.readyChecks, 3);
    EXPECT_EQ(host.activeKey, QStringLiteral("{help}"));
    EXPECT_EQ(gLastEditorWindowID, QStringLiteral("{doc}"));

    host.activeKey.clear();
    SciGotoPos(SciPositionFromLine(1));
    KeywordHelp();
    EXPECT_EQ(help.asked.last(), QStringLiteral("foo"));
    EXPECT_TRUE(host.activeKey.isEmpty());
    EXPECT_TRUE(prompts.isEmpty());
}

TEST_F(MainWindowTest, ChoosingAListWithTheExplorerClosedOpensIt) {
    ListsDouble lists;
    lists.visible = false;
    dock::DockWindow& explorer = main->DS->dockWindow(QStringLiteral("CodeExplorer"));
    explorer.hide();
    ExploreFocusOn(QStringLiteral("Types"));
    EXPECT_FALSE(explorer.isHidden());
}

namespace {

class ReviewTest : public ParsedDocumentsTest {
protected:
    QStringList referencesOf(const QString& global) const {
        const CodeRecordPtr record = project().Globals.ItemHash(global);
        return record ? record->References() : QStringList{QStringLiteral("no record")};
    }
};

}

TEST_F(ReviewTest, EveryOpenDocumentOfTheProjectIsRecolouredWhileReferencesAreCollected) {
    ActivatingHost host;
    ReviewDouble review;
    frmDoc& first = parse("Global used\r\nGlobal unused\r\nused = 1\r\n", QStringLiteral("a.bb"));
    frmDoc& second = parseInProjectOf(first, "Print used\r\n", QStringLiteral("b.bb"));
    parse("Global used\r\n", QStringLiteral("other.bb"));  // another project: none of its references count
    // Opening a file gave it its window; the second one came in by hand.
    host.windows.insert(1, {second.FullFilename, &second, second.Filename()});
    makeCurrent(first);
    project().Globals.ItemHash(QStringLiteral("unused"))->AddReference(QStringLiteral("stale!1"));

    ListUnusedVars();

    EXPECT_EQ(review.shown, 1);
    EXPECT_FALSE(review.collectingWhileShown);
    EXPECT_EQ(review.activeWhileShown, &first);
    EXPECT_EQ(host.activations, (QStringList{first.FullFilename, second.FullFilename, first.FullFilename}));
    EXPECT_EQ(referencesOf(QStringLiteral("used")).size(), 3);
    EXPECT_EQ(referencesOf(QStringLiteral("unused")).size(), 1);
    EXPECT_FALSE(referencesOf(QStringLiteral("unused")).contains(QStringLiteral("stale!1")));
}

TEST_F(ReviewTest, WithoutAnActiveProjectNothingHappens) {
    ReviewDouble review;
    ActivateDocument(nullptr);
    ListUnusedVars();
    EXPECT_EQ(review.shown, 0);
    EXPECT_TRUE(prompts.isEmpty());
}
