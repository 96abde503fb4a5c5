#include "language/parser/ParsedDocuments.h"

#include "editor/CurrentView.h"
#include "editor/PositionHistory.h"
#include "editor/SciWrappers.h"
#include "language/colour/Colouring.h"
#include "language/model/GotoDeclaration.h"
#include "support/FakeHost.h"
#include "vocabulary/SettingsValues.h"

using GotoDeclarationTest = ParsedDocumentsTest;

namespace {

long caretLine() {
    return SciLineFromPosition(SciGetCurrentPos());
}

}

TEST_F(GotoDeclarationTest, ALocalGoesToItsOwnFunctionsDeclaration) {
    parse("Global n\r\nFunction F()\r\nLocal n\r\nn = 1\r\nEnd Function\r\n");
    ColorLineLight(3, false);
    CBrowserMarkAsNew = 0;
    SciGotoPos(SciPositionFromLine(3));
    GotoDeclaration();
    EXPECT_EQ(caretLine(), 2);
    EXPECT_EQ(gCodeBrowserIndex, 2) << "both ends of the jump are remembered";

    CBrowserRememberOnGotoDefinition = 0;
    SciGotoPos(SciPositionFromLine(3) + 6);
    GotoDeclaration();
    EXPECT_EQ(caretLine(), 3) << "a number is no declared name";
}

TEST_F(GotoDeclarationTest, AFunctionDeclaredInAnotherFileActivatesItsDocument) {
    FakeHost host;
    frmDoc& first = parse("Function Far()\r\nEnd Function\r\n", QStringLiteral("far.bb"));
    first.m_strDocumentWindowID = QStringLiteral("far");
    frmDoc& second = parseInProjectOf(first, "x = 1\r\nFar()\r\n", QStringLiteral("near.bb"));
    second.m_strDocumentWindowID = QStringLiteral("near");
    host.windows = {{QStringLiteral("far"), &first, {}}, {QStringLiteral("near"), &second, {}}};
    ColorLineLight(1, false);
    SciGotoPos(SciPositionFromLine(1) + 1);
    GotoDeclaration();
    EXPECT_EQ(gActiveDoc, &first);
    EXPECT_EQ(host.activeKey, "far");
    EXPECT_EQ(caretLine(), 0);
}
