#include "foundation/errors/ErrorLog.h"
#include "foundation/errors/ErrorLogFile.h"
#include "foundation/errors/ErrorReport.h"
#include "foundation/errors/FrmError.h"
#include "platform/KorvoError.h"
#include "platform/ShellOpen.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <stdexcept>

namespace {

QStringList crlfLines(const QByteArray& bytes) {
    EXPECT_TRUE(bytes.isEmpty() || bytes.endsWith("\r\n"));
    QStringList lines = QString::fromLatin1(bytes).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

void reportKorvoError(int number, const QString& description) {
    try {
        throw KorvoError(number, description, QStringLiteral("ClsProject"), 120);
    } catch (...) {
        SetErrorLog(QStringLiteral("LoadProject"), QStringLiteral("Mod_File"));
    }
}

}

class ErrorLogTest : public KorvoTest {
protected:
    void SetUp() override {
        KorvoTest::SetUp();
        platform::setShellHandler([this](const platform::ShellRequest& request) {
            opened.append(request.file);
            return int(platform::ShellSuccess);
        });
    }
    void TearDown() override {
        platform::setShellHandler({});
        KorvoTest::TearDown();
    }
    QStringList logLines() const { return crlfLines(readAll(errorLogPath())); }

    QStringList opened;
};

TEST_F(ErrorLogTest, NonInteractiveStopReportsAppendRecordsWithoutBlocking) {
    platform::setPromptHandler({});
    qputenv("KORVO_NONINTERACTIVE", "1");
    SetStopErrorLog(18543);
    SetStopErrorLog(18543);
    qunsetenv("KORVO_NONINTERACTIVE");

    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 24);
    for (int record = 0; record < 2; ++record) {
        const QStringList r = lines.mid(record * 12, 12);
        EXPECT_TRUE(r[0].startsWith("**********>> Created: ")) << r[0].toStdString();
        EXPECT_TRUE(r[0].endsWith("<<***********"));
        EXPECT_EQ(r[1], "Korvo version             :0.1.0");
        EXPECT_EQ(r[2], "App. Path                 :" + home());
        EXPECT_EQ(r[3], "File Name                 :none");
        EXPECT_EQ(r[4], "Method Name               :18543");
        EXPECT_EQ(r[5], "Error Description         :Execution halted");
        EXPECT_EQ(r[6], "Error Number              :18543");
        EXPECT_EQ(r[7], "Error Line                :0");
        EXPECT_EQ(r[8], "Error Source              :On Stop Command");
        EXPECT_TRUE(r[9].startsWith("OS Info                   :"));
        EXPECT_TRUE(r[9].contains("   Version:") && r[9].contains(" Build:"));
        EXPECT_EQ(r[10], "Files opened              :0");
        EXPECT_EQ(r[11], QString(62, '*'));
    }
    EXPECT_FALSE(gShowingError);
    EXPECT_TRUE(opened.isEmpty());
}

TEST_F(ErrorLogTest, RecordsTheErrorBeingHandled) {
    scriptButton(ErrorFormDontSend);
    reportKorvoError(9, "Subscript out of range\r\nat line 3");
    try {
        throw std::logic_error("bad state");
    } catch (...) {
        LogErrorQuietly(QStringLiteral("Parseline"), QStringLiteral("Mod_Parse"));
    }

    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 24);
    EXPECT_EQ(lines[3], "File Name                 :Mod_File");
    EXPECT_EQ(lines[4], "Method Name               :LoadProject");
    EXPECT_EQ(lines[5], "Error Description         :Subscript out of range at line 3");
    EXPECT_EQ(lines[6], "Error Number              :9");
    EXPECT_EQ(lines[7], "Error Line                :120");
    EXPECT_EQ(lines[8], "Error Source              :ClsProject");
    EXPECT_EQ(lines[12 + 5], "Error Description         :bad state");
    EXPECT_EQ(lines[12 + 6], "Error Number              :51");

    ASSERT_EQ(prompts.size(), 1);  // the quiet record shows nothing
    EXPECT_EQ(prompts[0].kind, platform::PromptKind::ModalForm);
    EXPECT_EQ(prompts[0].title, "Korvo - Error Handler");
    EXPECT_EQ(prompts[0].choices, QStringList({"&Don't Send", "&Send Error Report"}));
    EXPECT_EQ(prompts[0].detail, "LoadProject in Mod_File: Subscript out of range at line 3 (error 9)");
}

TEST_F(ErrorLogTest, ErrorsReportedWhileTheFormIsShownAreRecordedWithoutAskingAgain) {
    int asked = 0;
    bool showingWhileAsked = false;
    platform::setPromptHandler([&](const platform::PromptRequest&) {
        ++asked;
        showingWhileAsked = gShowingError;
        reportKorvoError(13, "Type mismatch");
        platform::PromptAnswer answer;
        answer.button = ErrorFormDontSend;
        return answer;
    });
    reportKorvoError(5, "Invalid procedure call or argument");

    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(showingWhileAsked);
    EXPECT_FALSE(gShowingError);
    EXPECT_EQ(logLines().size(), 24);
}

TEST_F(ErrorLogTest, SendingPutsEveryRecordIntoTheReportAndEmptiesTheLog) {
    scriptButton(ErrorFormDontSend);
    scriptButton(ErrorFormDontSend);
    scriptButton(ErrorFormSendReport);
    reportKorvoError(5, "first");
    reportKorvoError(6, "second");
    const QByteArray log = readAll(errorLogPath());
    EXPECT_EQ(crlfLines(log).size(), 24);
    EXPECT_TRUE(opened.isEmpty());
    reportKorvoError(7, "third");

    EXPECT_TRUE(readAll(errorLogPath()).isEmpty());
    EXPECT_EQ(errorReportPath(), homeFile("Korvo - Error Report.eml"));
    ASSERT_EQ(opened, QStringList{errorReportPath()});
    const QStringList report = crlfLines(readAll(errorReportPath()));
    ASSERT_EQ(report.size(), 18 + 36 + 2);
    EXPECT_EQ(report[0], "From: <>");
    EXPECT_EQ(report[1], QStringLiteral("To: \"%1\"").arg(kErrorReportRecipient));
    EXPECT_EQ(report[2], "Subject: Korvo - Error Report");
    EXPECT_EQ(report[3], "X-Unsent: 1");
    EXPECT_EQ(report[4], "");
    EXPECT_EQ(report[10], "Add your note here, or any other info about this error and current state of Korvo : ");
    EXPECT_EQ(report[16], "<BEGIN REPORT - PLEASE DO NOT WRITE BELOW THIS LINE>");
    EXPECT_EQ(report[17], "");
    EXPECT_EQ(report[18 + 5], "Error Description         :first");
    EXPECT_EQ(report[18 + 24 + 5], "Error Description         :third");
    EXPECT_EQ(report[18 + 36], "");
    EXPECT_EQ(report[18 + 37], "<END REPORT>");
}

TEST_F(ErrorLogTest, AReportWithoutALogKeepsItsFrame) {
    const QStringList report = crlfLines(errorReportMail(QByteArray()));
    ASSERT_EQ(report.size(), 20);
    EXPECT_EQ(report[5], "If possible, please include a description of the steps required to reproduce this error:");
    EXPECT_EQ(report[11], "( attaching screenshot to this mail will be also much appreciated )");
    EXPECT_EQ(report[18], "");
    EXPECT_EQ(report[19], "<END REPORT>");
}

TEST_F(ErrorLogTest, TheRealFormShowsModallyAndItsButtonsAct) {
    platform::PromptAnswer showForReal;
    showForReal.button = -1;
    scriptAnswer(showForReal);
    bool showingUnderForm = false;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<FrmError*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        showingUnderForm = gShowingError;
        EXPECT_EQ(form->windowTitle(), "Korvo - Error Handler");
        for (QLabel* label : form->findChildren<QLabel*>())
            if (label->text().contains("click here"))
                emit label->linkActivated("error.log");
        for (QPushButton* button : form->findChildren<QPushButton*>())
            if (button->text() == "&Send Error Report")
                button->click();
    });
    reportKorvoError(5, "shown");

    EXPECT_TRUE(showingUnderForm);
    EXPECT_FALSE(gShowingError);
    EXPECT_EQ(opened, QStringList({errorLogPath(), errorReportPath()}));
    EXPECT_TRUE(readAll(errorLogPath()).isEmpty());
}
