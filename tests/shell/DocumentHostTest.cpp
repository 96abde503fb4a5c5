#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/EditorSetup.h"
#include "editor/SciWrappers.h"
#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "shell/DocumentHost.h"

using DocumentActivation = EditorTest;

TEST_F(DocumentActivation, ActivatingAWindowMakesItsDocumentCurrent) {
    auto host = std::make_unique<DocumentHost>();
    EXPECT_EQ(platform::host().documentWindowCount(), 0);
    auto first = openDocument("first");
    host->addDocumentWindow(QStringLiteral("a.bb"), first.get(), QStringLiteral("a.bb"));
    auto second = openDocument("second!");
    host->addDocumentWindow(QStringLiteral("b.bb"), second.get(), QStringLiteral("b.bb"));
    EXPECT_EQ(platform::host().documentWindowCount(), 2);
    EXPECT_EQ(host->activeDocument(), second.get());

    gUndoGroupOpen = true;
    first->m_oSubclass->mOldStartLine = 12;
    host->activateDocumentWindow(QStringLiteral("a.bb"));
    EXPECT_EQ(gActiveDoc, first.get());
    EXPECT_EQ(gSciWndData, first->SciEdi_WndData);
    EXPECT_EQ(SciGetLength(), 5);
    EXPECT_FALSE(gUndoGroupOpen);
    EXPECT_EQ(first->m_oSubclass->mOldStartLine, -100);
    EXPECT_TRUE(first->m_oSubclass->mJustActivated);

    try {
        host->activateDocumentWindow(QStringLiteral("missing.bb"));
        ADD_FAILURE() << "no error raised";
    } catch (const KorvoError& error) {
        EXPECT_EQ(error.number, 50000);
    }
    EXPECT_EQ(gActiveDoc, first.get());

    first.reset();
    second.reset();
    EXPECT_EQ(platform::host().documentWindowCount(), 0);
    EXPECT_EQ(gActiveDoc, nullptr);
    auto orphan = openDocument("no host");
    host.reset();
    orphan->m_strDocumentWindowID = QStringLiteral("a.bb");
    orphan->setDirty(true);
    EXPECT_EQ(platform::host().documentWindowCount(), 0);
}
