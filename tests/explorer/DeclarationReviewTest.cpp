#include "explorer/ExplorerFixture.h"
#include "explorer/IncludePath.h"
#include "explorer/UnusedDeclarations.h"
#include "explorer/frmReferences.h"

#include "editor/SciWrappers.h"
#include "language/keywords/KeywordFiles.h"
#include "shell/ExplorerCommands.h"

#include <QTreeWidget>

namespace {

// Opens the review as the command does and activates each row in turn.
class ReviewRecorder : public ReviewWindow {
public:
    ReviewRecorder() { setReviewWindow(this); }
    ~ReviewRecorder() override { setReviewWindow(&TheDeclarationReview()); }

    void ShowModal(QWidget* owner) override {
        frmReferences form(owner);
        QTreeWidget* list = form.lvReferences();
        fileColumnHidden = list->isColumnHidden(2);
        namesWhole = true;
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            namesWhole = namesWhole &&
                         list->columnWidth(0) >= list->fontMetrics().horizontalAdvance(list->topLevelItem(i)->text(0)) + 16;
        rows.clear();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = list->topLevelItem(i);
            list->setCurrentItem(row);
            form.lvReferences_DblClick();
            rows << row->text(0) + QLatin1Char('|') + row->text(1) + QLatin1Char('|') + row->text(2) + QLatin1Char('|') +
                        QString::number(SciGetAnchor()) + QLatin1Char(' ') + QString::number(SciGetCurrentPos());
        }
        form.ShowModal();
    }

    QStringList rows;
    bool fileColumnHidden = false;
    bool namesWhole = false;
};

}

TEST_F(ExplorerTest, TheReviewListsWhatOnlyItsDeclarationUsesAndSelectsItsLine) {
    // Without the keyword Last, which would take the constant's name.
    useKeywords(keywordFileText({"Global", "Local", "Const", "Dim"}, 0));
    parse("Global used, unused\r\nused = 1\r\nFunction f()\r\nEnd Function\r\nConst LAST = 1");
    ReviewRecorder review;
    ListUnusedVars();
    const long lastLine = SciPositionFromLine(4);
    const QStringList expected = {
        QStringLiteral("unused|Global||%1 %2").arg(SciGetLineEndPosition(0)).arg(0),
        QStringLiteral("LAST|Constant||%1 %2").arg(SciGetLength()).arg(lastLine),
        QStringLiteral("f|Function||%1 %2").arg(SciGetLineEndPosition(2)).arg(SciPositionFromLine(2)),
    };
    EXPECT_EQ(review.rows, expected);
    EXPECT_TRUE(review.fileColumnHidden);
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::ModalForm);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Review Declarations"));

    ListUnusedVars();
    EXPECT_EQ(review.rows, expected);
}

TEST_F(ExplorerTest, TheReviewShowsLongNamesWhole) {
    useKeywords(keywordFileText({"Global"}, 0));
    parse("Global AnUnusedGlobalWithAVeryLongNameIndeed\r\n");
    ReviewRecorder review;
    ListUnusedVars();
    ASSERT_EQ(review.rows.size(), 1);
    EXPECT_TRUE(review.namesWhole);
}

TEST_F(ExplorerTest, AReviewWithNothingUnusedSaysSo) {
    parse("Global a\r\na = 1\r\n");
    ReviewRecorder review;
    ListUnusedVars();
    EXPECT_TRUE(review.rows.isEmpty());
    ASSERT_EQ(prompts.size(), 2);
    EXPECT_EQ(prompts[0].text, QStringLiteral("No unused declarations found in this project/file."));
    EXPECT_EQ(prompts[0].icon, platform::vbInformation);
    EXPECT_EQ(prompts[0].title, QStringLiteral("Korvo"));
}

TEST(ReferenceEntry, ThePositionFollowsTheLastBang) {
    EXPECT_EQ(ParseReference(QStringLiteral("a!b.bb!42")).file, QStringLiteral("a!b.bb"));
    EXPECT_EQ(ParseReference(QStringLiteral("a!b.bb!42")).position, 42);
    EXPECT_EQ(ParseReference(QStringLiteral("main.bb!x")).position, -1);
    EXPECT_EQ(ParseReference(QStringLiteral("nothing")).position, -1);
}

TEST(IncludePath, TheNameIsReadBelowTheFolderOfItsHolder) {
    EXPECT_EQ(IncludedFilePath(QStringLiteral("/game/src/main.bb"), QStringLiteral("..\\common\\gfx.bb")),
              QStringLiteral("/game/common/gfx.bb"));
    EXPECT_EQ(IncludedFilePath(QStringLiteral("/game/main.bb"), QStringLiteral("./a.bb")), QStringLiteral("/game/a.bb"));
    EXPECT_EQ(IncludedFilePath(QStringLiteral("/game/main.bb"), QStringLiteral("/lib/x.bb")), QStringLiteral("/lib/x.bb"));
    EXPECT_EQ(IncludedFilePath(QStringLiteral("{1234}"), QStringLiteral("a.bb")), QString());
    EXPECT_EQ(IncludedFilePath(QStringLiteral("/main.bb"), QStringLiteral("a.bb")), QString());
}
