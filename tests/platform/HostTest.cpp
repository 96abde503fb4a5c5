#include "platform/Host.h"
#include "platform/KorvoError.h"
#include "support/FakeHost.h"

#include <gtest/gtest.h>

TEST(Host, WithoutAHostEveryCallDoesNothingAndEveryQueryAnswersEmpty) {
    platform::Host& none = platform::host();
    none.setCommandEnabled("FileSave", true);
    none.setStatusPaneText("Position", "1:1");
    none.setDocumentWindowCaption("a.bb", "a.bb*");
    EXPECT_FALSE(none.hasCommand("FileSave"));
    EXPECT_FALSE(none.commandEnabled("FileSave"));
    EXPECT_EQ(none.statusPaneText("Position"), "");
    EXPECT_EQ(none.documentWindowCount(), 0);
    EXPECT_EQ(none.documentWindow("a.bb"), nullptr);
}

TEST(Host, AHeadlessHostKeepsCommandsAndPanesByKeyAndTheRedrawLockRestores) {
    FakeHost host;
    EXPECT_EQ(&platform::host(), &host);
    EXPECT_FALSE(host.hasCommand("cboCompilers"));
    host.setComboText("cboCompilers", "Blitz");
    host.setCommandChecked("ViewOutput", true);
    EXPECT_TRUE(host.hasCommand("cboCompilers"));
    EXPECT_EQ(host.comboText("cboCompilers"), "Blitz");
    EXPECT_TRUE(host.commandEnabled("ViewOutput"));
    EXPECT_TRUE(host.commandChecked("ViewOutput"));
    EXPECT_TRUE(host.statusPaneVisible("Progress"));
    host.setStatusPaneVisible("Progress", false);
    EXPECT_FALSE(host.statusPaneVisible("Progress"));
    {
        platform::RedrawLock lock;
        EXPECT_FALSE(host.redraw);
    }
    EXPECT_TRUE(host.redraw);
}

TEST(Host, TheFakeFindsWindowsByKeyAndRefusesAnUnknownOne) {
    FakeHost host;
    QWidget form;
    host.windows.append({"a.bb", &form, "a.bb", {}, true});
    host.setDocumentWindowCaption("a.bb", "a.bb*");
    host.setDocumentWindowCaption("b.bb", "b.bb*");
    EXPECT_EQ(host.documentWindowKeys(), QStringList({"a.bb"}));
    EXPECT_EQ(host.documentWindow("a.bb"), &form);
    EXPECT_EQ(host.documentWindowCaption("a.bb"), "a.bb*");
    EXPECT_EQ(host.documentWindowCaption("b.bb"), "");
    host.activateDocumentWindow("a.bb");
    EXPECT_EQ(host.activeKey, "a.bb");
    try {
        host.activateDocumentWindow("b.bb");
        ADD_FAILURE() << "no error raised";
    } catch (const KorvoError& error) {
        EXPECT_EQ(error.number, 50000);
    }
}
