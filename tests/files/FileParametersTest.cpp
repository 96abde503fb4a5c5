#include "files/FileParameters.h"

#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "language/parser/Parser.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "vocabulary/Markers.h"

namespace {

class FileParametersTest : public EditorTest {
protected:
    void TearDown() override {
        gIgnoreSciModified = ignoring_;
        EditorTest::TearDown();
    }

private:
    bool ignoring_ = gIgnoreSciModified;
};

}

// Applying the block of a loaded text from inside another scope that ignores
// the view's changes leaves that scope ignoring them.
TEST_F(FileParametersTest, ApplyingTheBlockRestoresWhetherChangesWereIgnored) {
    const QByteArray block = "\r\n;~Korvo Editor Parameters:\r\n;~B#1";
    for (const bool outer : {true, false}) {
        const auto doc = openDocument("Print 1\r\nPrint 2" + block);
        gIgnoreSciModified = outer;
        CheckFileParameters();
        EXPECT_EQ(gIgnoreSciModified, outer);
        EXPECT_EQ(SciGetAllText(gSciWndData), "Print 1\r\nPrint 2");
        EXPECT_TRUE(SciMarkerGet(1) & markerMask(MARKER_BOOKMARK));
    }
}
