#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/Host.h"
#include "shell/frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/mount.h>

namespace {

// A document on a small tmpfs that is full when the user saves it.
class FullDiskSaveDisplay : public KorvoWindowTest {
protected:
    void SetUp() override {
        disk_ = QDir(QDir::tempPath()).filePath(QStringLiteral("korvo-full-disk-%1").arg(QCoreApplication::applicationPid()));
        QDir().mkpath(disk_);
        if (::mount("tmpfs", QFile::encodeName(disk_).constData(), "tmpfs", 0, "size=64k") != 0)
            GTEST_SKIP() << "no tmpfs for a full disk: mount says " << std::strerror(errno);
        mounted_ = true;
        KorvoWindowTest::SetUp();
    }
    void TearDown() override {
        if (!mounted_)
            return;
        KorvoWindowTest::TearDown();
        ::umount2(QFile::encodeName(disk_).constData(), MNT_DETACH);
        QDir().rmdir(disk_);
    }

    QString file() const { return disk_ + QStringLiteral("/a.bb"); }
    QString filler() const { return disk_ + QStringLiteral("/filler"); }

    void fillDisk() {
        QFile fill(filler());
        ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(1024, 'f');
        while (fill.write(block) > 0) {
        }
        for (char byte = 'f'; fill.write(&byte, 1) == 1;) {
        }
    }

    QString caption() const { return platform::host().documentWindowCaption(gActiveDoc->FullFilename); }

    QString disk_;
    bool mounted_ = false;
};

}

TEST_F(FullDiskSaveDisplay, CtrlSOnAFullDiskSaysSoKeepsTheStarAndSavesOnceThereIsRoom) {
    QByteArray text;
    while (text.size() < 5900)
        text += "Print \"line " + QByteArray::number(text.size()) + "\"\r\n";
    writeAll(file(), text);
    main->Text1_Change(file());
    ASSERT_TRUE(gActiveDoc && gActiveDoc->Sci);
    ASSERT_TRUE(display::waitFor([] { return !gActiveDoc->Sci->viewport()->visibleRegion().isEmpty(); }));
    fillDisk();

    QWidget* view = editorViewport();
    ASSERT_TRUE(display::typeAt(*view, QStringLiteral("x")));
    ASSERT_TRUE(display::waitFor([] { return gActiveDoc->Dirty(); }));
    display::keyChord(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(display::waitFor([this] { return !prompts.isEmpty(); }));
    shot(QStringLiteral("full"));
    EXPECT_EQ(prompts[0].title, QStringLiteral("Document could not be saved !"));
    EXPECT_TRUE(prompts[0].text.startsWith(QStringLiteral("Could not save ") + file())) << prompts[0].text.toStdString();
    EXPECT_TRUE(gActiveDoc->Dirty());
    EXPECT_TRUE(caption().contains(QLatin1Char('*'))) << caption().toStdString();
    EXPECT_EQ(readAll(file()), text);
    EXPECT_EQ(QDir(disk_).entryList(QDir::Files | QDir::Hidden), QStringList({"a.bb", "filler"}));

    ASSERT_TRUE(QFile::remove(filler()));
    display::keyChord(QStringLiteral("ctrl+s"));
    ASSERT_TRUE(display::waitFor([] { return !gActiveDoc->Dirty(); }));
    shot(QStringLiteral("saved"));
    EXPECT_FALSE(caption().contains(QLatin1Char('*'))) << caption().toStdString();
    EXPECT_EQ(prompts.size(), 1);
    EXPECT_TRUE(readAll(file()).contains('x'));
}
