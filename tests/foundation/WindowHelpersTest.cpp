#include "foundation/FontHelpers.h"
#include "foundation/MessageHelpers.h"
#include "foundation/WindowHelpers.h"
#include "support/TestEnvironment.h"

#include <Qsci/qsciscintillabase.h>

#include <QFile>
#include <QLineEdit>
#include <QValidator>

using WindowHelpers = KorvoTest;

TEST_F(WindowHelpers, NumberStyleAdmitsDigitsOnly) {
    QLineEdit line;
    AddWindowStyle(&line, ES_NUMBER);
    ASSERT_NE(line.validator(), nullptr);
    QString digits = "120", letters = "12a";
    int pos = 0;
    EXPECT_EQ(line.validator()->validate(digits, pos), QValidator::Acceptable);
    EXPECT_EQ(line.validator()->validate(letters, pos), QValidator::Invalid);
}

TEST_F(WindowHelpers, StyleNeededReachesTheViewsListeners) {
    QsciScintillaBase view;
    view.SendScintilla(QsciScintillaBase::SCI_SETTEXT, 0UL, "Print 1");
    QList<int> asked;
    QObject::connect(&view, &QsciScintillaBase::SCN_STYLENEEDED, [&](int position) { asked.append(position); });
    SendStyleNeeded(&view);
    SendStyleNeeded(nullptr);
    EXPECT_EQ(asked, QList<int>{7});
}

TEST_F(WindowHelpers, NotAvailableMessage) {
    ShowNotAvailable();
    ASSERT_EQ(prompts.size(), 1);
    EXPECT_EQ(prompts[0].text, "This feature is not available yet, please wait for the next release... ");
    EXPECT_EQ(prompts[0].icon, platform::vbInformation);
    EXPECT_EQ(prompts[0].title, "Korvo");
}

TEST_F(WindowHelpers, FontsComeAndGo) {
    EXPECT_FALSE(AddFont(homeFile("styles/blitz.fon")));
    writeAll(homeFile("broken.fon"), "not a font");
    EXPECT_FALSE(AddFont(homeFile("broken.fon")));
    RemoveFont(homeFile("broken.fon"));

    const QString font = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
    if (!QFile::exists(font))
        GTEST_SKIP() << "no DejaVu font";
    EXPECT_TRUE(AddFont(font));
    EXPECT_TRUE(AddFont(font));
    RemoveFont(font);
    EXPECT_TRUE(AddFont(font));
    RemoveFont(font);
}
