#include "display/DisplayInput.h"
#include "display/KorvoWindowFixture.h"

#include "build/ActiveCompiler.h"
#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "language/keywords/ActiveKeywords.h"
#include "shell/frmMain.h"
#include "vocabulary/StyleNumbers.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>

// The command bar's compiler box, picked with the mouse: a compiler without a
// keyword file is refused and leaves the active compiler's keywords in force;
// one with a keyword file takes over and recolours the document.
namespace {

class CompilerBoxDisplay : public KorvoWindowTest {
protected:
    void beforeStart() override {
        writeAll(homeFile(QStringLiteral("conf/compilers.dat")),
                 "1\r\n3\r\n\"Blitz\"\r\n\"/opt/blitz\"\r\n\"/opt/blitz/help\"\r\n#FALSE#\r\n"
                 "\"Nova\"\r\n\"/opt/nova\"\r\n\"/opt/nova/help\"\r\n#FALSE#\r\n"
                 "\"Plain\"\r\n\"/opt/plain\"\r\n\"/opt/plain/help\"\r\n#FALSE#\r\n");
        // Plain's keywords are only the block words and filler: "Print" is none of them.
        QByteArray plain;
        for (const char* keyword : {"Field", "For", "Next", "While", "Wend", "Repeat", "Until", "Forever", "Type",
                                    "Function", "End", "Select", "Case", "Default", "If", "Then", "Else", "ElseIf", "EndIf"})
            plain += QByteArray(keyword) + "\r\n";
        for (int i = 0; plain.size() < 3200; ++i)
            plain += "Zfiller" + QByteArray::number(i) + "\r\n";
        writeAll(homeFile(QStringLiteral("conf/Plain.lng")), plain);
    }

    QComboBox* box() const { return main->findChild<QComboBox*>(QStringLiteral("cboCompilers")); }

    // Opens the box's list with the pointer and clicks the entry.
    void pick(const QString& name) {
        QComboBox* combo = box();
        ASSERT_TRUE(combo && combo->isVisible());
        ASSERT_TRUE(display::click(*combo));
        QAbstractItemView* list = combo->view();
        ASSERT_TRUE(display::waitFor([list] { return list->isVisible(); })) << "the list did not open";
        const int row = combo->findText(name);
        ASSERT_GE(row, 0) << name.toStdString();
        const QRect entry = list->visualRect(combo->model()->index(row, 0));
        ASSERT_TRUE(display::click(*list->viewport(), entry.center()));
        ASSERT_TRUE(display::waitFor([list] { return !list->isVisible(); }));
    }

    static int styleOfPrint() {
        // The caret's line is coloured at once; this line is not the caret's.
        gActiveDoc->Sci->viewport()->repaint();
        return int(gActiveDoc->Sci->send(QsciScintillaBase::SCI_GETSTYLEAT, 0));
    }
};

}

TEST_F(CompilerBoxDisplay, ACompilerWithoutKeywordsIsRefusedAndTheActiveKeywordsStay) {
    openDocument(QStringLiteral("a.bb"), "Print 1\r\nx = 2\r\n");
    gActiveDoc->Sci->send(QsciScintillaBase::SCI_GOTOLINE, 1);
    ASSERT_EQ(gActiveCompiler->Name, "Blitz");
    ASSERT_EQ(styleOfPrint(), STYLE_Keyword);

    pick(QStringLiteral("Nova"));
    ASSERT_TRUE(display::waitFor([this] { return box()->currentText() == QLatin1String("Blitz"); }));
    EXPECT_EQ(gActiveCompiler->Name, "Blitz");
    EXPECT_TRUE(prompts.size() >= 1 && prompts.last().text.contains(QStringLiteral("Nova"))) << "no warning";
    EXPECT_TRUE(gKeywords.Find(QStringLiteral("Print"))) << "completion lost the commands";
    EXPECT_EQ(styleOfPrint(), STYLE_Keyword);
    shot(QStringLiteral("refused"));

    pick(QStringLiteral("Plain"));
    ASSERT_TRUE(display::waitFor([] { return gActiveCompiler->Name == QLatin1String("Plain"); }));
    EXPECT_FALSE(gKeywords.Find(QStringLiteral("Print")));
    EXPECT_NE(styleOfPrint(), STYLE_Keyword) << "the document was not recoloured";
    shot(QStringLiteral("taken"));
}
