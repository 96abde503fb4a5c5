#include "foundation/ShellExecute.h"
#include "platform/ShellOpen.h"
#include "support/TestEnvironment.h"

class ShellExecuteTest : public KorvoTest {
protected:
    void TearDown() override {
        platform::setShellHandler({});
        KorvoTest::TearDown();
    }
    void answerWith(int result) {
        platform::setShellHandler([this, result](const platform::ShellRequest& request) {
            requests.append(request);
            return result;
        });
    }
    QList<platform::ShellRequest> requests;
};

TEST_F(ShellExecuteTest, ProgramsNamedExeStartHiddenOnlyWithParameters) {
    answerWith(platform::ShellSuccess);
    EXPECT_TRUE(GShell("C:\\Tools\\Run.ExE", 10, "-x", ""));
    EXPECT_TRUE(GShell("C:\\Tools\\Run.exe", 10));
    EXPECT_TRUE(GShell("notes.txt", 10, "", "/tmp", "print"));
    ASSERT_EQ(requests.size(), 3);
    EXPECT_EQ(requests[0].show, 0);
    EXPECT_EQ(requests[0].parameters, "-x");
    EXPECT_EQ(requests[1].show, 1);
    EXPECT_EQ(requests[2].show, 10);
    EXPECT_EQ(requests[2].folder, "/tmp");
    EXPECT_EQ(requests[2].verb, "print");
    EXPECT_FALSE(GShellLastError().has_value());
}

TEST_F(ShellExecuteTest, AMissingFileFailsQuietlyWithItsError) {
    EXPECT_FALSE(GShell(homeFile("missing.txt"), 10));
    ASSERT_TRUE(GShellLastError().has_value());
    EXPECT_EQ(GShellLastError()->number, 53);
    EXPECT_EQ(GShellLastError()->description, "File not found");
    EXPECT_TRUE(GShellLastError()->source.endsWith(".GShell"));

    EXPECT_FALSE(GShell(homeFile("no/such/folder/x.txt"), 10));
    EXPECT_EQ(GShellLastError()->number, 76);

    answerWith(platform::ShellNoAssociation);
    EXPECT_FALSE(GShell(homeFile("a.xyz")));
    EXPECT_EQ(GShellLastError()->number, -2147220456 + 31);
    EXPECT_EQ(GShellLastError()->description, "No application is associated with this file type.");
}
