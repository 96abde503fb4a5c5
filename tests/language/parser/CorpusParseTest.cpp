#include "language/parser/ParsedDocuments.h"

#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/Parser.h"
#include "platform/AnsiText.h"
#include "vocabulary/Markers.h"
#include "vocabulary/SettingsValues.h"
#include "support/Corpus.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString kSamples = QStringLiteral(KORVO_CORPUS_DIR "/samples");
const QString kKeywords = QStringLiteral(KORVO_CORPUS_DIR "/keywords.txt");

QStringList sampleFiles() {
    QStringList files;
    QDirIterator it(kSamples, {QStringLiteral("*.bb")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

// The names of the file's Function lines, as written.
QStringList functionNames(const QByteArray& text) {
    static const QRegularExpression header(QStringLiteral("^[ \\t]*Function[ \\t]+([A-Za-z][A-Za-z0-9_]*)"),
                                           QRegularExpression::CaseInsensitiveOption | QRegularExpression::MultilineOption);
    QStringList names;
    for (auto match = header.globalMatch(platform::fromAnsi(text)); match.hasNext();)
        names << match.next().captured(1);
    return names;
}

// Every character of the current view followed by its style.
QByteArray styledText() {
    struct Range {
        long cpMin;
        long cpMax;
        char* lpstrText;
    };
    const long length = SciGetLength();
    QByteArray cells(2 * length + 2, '\0');
    Range range{0, length, cells.data()};
    SciDirect(gSciWndData, QsciScintillaBase::SCI_GETSTYLEDTEXT, 0, reinterpret_cast<sptr_t>(&range));
    return cells;
}

class CorpusParseTest : public ParsedDocumentsTest {
protected:
    void SetUp() override {
        KORVO_NEED_CORPUS(QFile::exists(kSamples) && QFile::exists(kKeywords), "no corpus");
        ParsedDocumentsTest::SetUp();
        useKeywordFile(kKeywords);
    }
};

}

TEST_F(CorpusParseTest, EverySampleParsesUnparsesAndParsesAgainToTheSameModel) {
    const QStringList files = sampleFiles();
    ASSERT_GT(files.size(), 100);
    for (const QString& path : files) {
        SCOPED_TRACE(path.toStdString());
        QByteArray text;
        ASSERT_TRUE(platform::readFileBytes(path, text));
        frmDoc& doc = parse(text, QStringLiteral("sample.bb"));
        EXPECT_EQ(errorLog(), "");

        for (const QString& name : functionNames(text))
            EXPECT_TRUE(project().Funkcii.ExistsOnlyHash(name)) << name.toStdString();
        const QStringList model = DumpModel(project(), doc, ModelDumpDetail::Full);

        // Line by line, as edits parse them, the same model and styles come out.
        UnParseFile();
        EXPECT_EQ(DumpModel(project(), doc, ModelDumpDetail::Full), QStringList());
        EXPECT_EQ(project().MainFunLocals->Count(), 0);
        SciDirect(gSciWndData, QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        AutoIndentType = 1;
        for (int line = 0; line < SciGetLineCount(); ++line)
            Parseline(line, false);
        AutoIndentType = 2;
        EXPECT_EQ(DumpModel(project(), doc, ModelDumpDetail::Full), model);
        const QByteArray styles = styledText();

        UnParseFile();
        SciDirect(gSciWndData, QsciScintillaBase::SCI_CLEARDOCUMENTSTYLE);
        ParseFile();
        EXPECT_EQ(DumpModel(project(), doc, ModelDumpDetail::Full), model);
        EXPECT_TRUE(styledText() == styles);
        EXPECT_EQ(errorLog(), "");
        docs.pop_back();
        if (HasFailure())
            return;
    }
}

TEST_F(CorpusParseTest, TheModelDumpListsEveryFunctionOfEverySample) {
    for (const QString& path : sampleFiles()) {
        SCOPED_TRACE(path.toStdString());
        QByteArray text;
        ASSERT_TRUE(platform::readFileBytes(path, text));
        QProcess dump;
        dump.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvo-dump"),
                   {QStringLiteral("--model"), path, QStringLiteral("--lng"), kKeywords});
        ASSERT_TRUE(dump.waitForFinished(30000));
        ASSERT_EQ(dump.exitCode(), 0);
        const QString output = QString::fromUtf8(dump.readAllStandardOutput());
        for (const QString& name : functionNames(text)) {
            const QRegularExpression listed(QStringLiteral("^Funkcii %1\\W.*line=\\d+$").arg(QRegularExpression::escape(name)),
                                            QRegularExpression::MultilineOption | QRegularExpression::CaseInsensitiveOption);
            EXPECT_TRUE(listed.match(output).hasMatch()) << name.toStdString();
        }
        if (HasFailure())
            return;
    }
}
