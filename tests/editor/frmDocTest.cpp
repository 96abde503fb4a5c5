#include "editor/CurrentView.h"
#include "editor/EditorFixture.h"
#include "editor/SciWrappers.h"
#include "language/editing/NotificationHandler.h"
#include "support/FakeHost.h"
#include "support/StandIn.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

using DocumentWindow = EditorTest;

namespace {
// Records every caption the document window is given.
class CaptionHost : public FakeHost {
public:
    QStringList captions;
    void setDocumentWindowCaption(const QString& key, const QString& caption) override {
        captions.append(caption);
        FakeHost::setDocumentWindowCaption(key, caption);
    }
};
}

TEST_F(DocumentWindow, TheCaptionFollowsDirtyAndFilename) {
    CaptionHost host;
    const QStringList& captions = host.captions;
    auto doc = openDocument("Print 1");
    EXPECT_EQ(doc->Filename(), QStringLiteral("test.bb"));
    doc->m_strDocumentWindowID = QStringLiteral("/src/test.bb");
    host.windows.append({doc->m_strDocumentWindowID, doc.get(), doc->Filename(), {}, true});

    doc->setDirty(true);
    doc->setDirty(true);
    EXPECT_EQ(captions, QStringList{QStringLiteral("test.bb*")});
    EXPECT_EQ(host.documentWindowCaption(doc->m_strDocumentWindowID), QStringLiteral("test.bb*"));

    doc->setFilename(QStringLiteral("test.bb"));
    doc->setDirty(false);
    EXPECT_EQ(captions.size(), 2);
    EXPECT_EQ(host.documentWindowCaption(doc->m_strDocumentWindowID), QStringLiteral("test.bb"));

    doc->setFilename(QStringLiteral("renamed.bb"));
    EXPECT_EQ(host.documentWindowCaption(doc->m_strDocumentWindowID), QStringLiteral("renamed.bb"));

    doc->Initialise(QStringLiteral("again.bb"));
    EXPECT_EQ(doc->Filename(), QStringLiteral("again.bb"));
    EXPECT_EQ(captions.size(), 3);
}

TEST_F(DocumentWindow, TheViewFillsTheWindowButItsLastPixelRow) {
    auto doc = openDocument("text");
    doc->resize(640, 480);
    doc->show();
    EXPECT_EQ(doc->Sci->geometry(), QRect(0, 0, 640, 479));
    doc->resize(300, 200);
    EXPECT_EQ(doc->Sci->geometry(), QRect(0, 0, 300, 199));
}

TEST_F(DocumentWindow, ClosingADocumentUnhooksItsView) {
    auto doc = openDocument("text");
    SciView* view = doc->Sci;
    EXPECT_EQ(cSubclass::SubclassFromView(view), doc->m_oSubclass.get());
    EXPECT_EQ(doc->m_oSubclass->mFrmDoc, doc.get());
    EXPECT_EQ(doc->m_oSubclass->mSciWndData, doc->SciEdi_WndData);
    EXPECT_EQ(doc->m_oSubclass->UnparsedLine, -1);
    doc.reset();
    EXPECT_FALSE(IsEditorActive());
}

TEST_F(DocumentWindow, ClosingADocumentEndsItsBuildSilently) {
    StandInInstallation installation;
    QTemporaryDir folder;
    const QString log = folder.path() + QStringLiteral("/stand-in.log");
    platform::ChildProcess build{installation.compiler(), {folder.path() + QStringLiteral("/game.bb")}, {}};
    build.variables.insert(QStringLiteral("blitzpath"), installation.path());
    build.variables.insert(QStringLiteral("BLITZCC_SLEEP_MS"), QStringLiteral("5000"));
    build.variables.insert(QStringLiteral("BLITZCC_LOG"), log);

    auto doc = openDocument("Print 1");
    QObject outlivesTheDocument;
    int lines = 0;
    bool completed = false;
    QObject::connect(doc->ShellClass.get(), &platform::StdShell::ConsoleOutput, &outlivesTheDocument, [&] { ++lines; });
    QObject::connect(doc->ShellClass.get(), &platform::StdShell::ProcessComplete, &outlivesTheDocument, [&] { completed = true; });
    ASSERT_TRUE(doc->ShellClass->ExecuteNoCheck(build, QString()));
    ASSERT_TRUE(waitUntil([&] { return lines == 2; }));

    doc.reset();
    QCoreApplication::processEvents();
    EXPECT_FALSE(completed);
    ASSERT_EQ(loggedPids(log).size(), 1);
    EXPECT_TRUE(processGone(loggedPids(log)[0]));
}
