#include "display/KorvoWindowFixture.h"

#include "display/DisplayInput.h"

#include "editor/ActiveDocument.h"
#include "editor/frmDoc.h"
#include "platform/dock/DockLayer.h"
#include "platform/dock/DockWindow.h"
#include "shell/frmMain.h"
#include "shell/frmSplash.h"
#include "support/SessionGlobals.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>
#include <Qsci/qsciscintillabase.h>

namespace {

QString plain(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

// A keyword file of the compiler "Blitz" of conf/compilers.dat, as a refresh
// would write it: one keyword a line, at least 3000 bytes.
QByteArray keywordListing() {
    QByteArray text;
    for (const char* keyword : {"Function", "End", "Type", "Field", "For", "To", "Step", "Next", "While", "Wend", "Repeat",
                                "Until", "Forever", "Select", "Case", "Default", "If", "Then", "Else", "ElseIf", "EndIf",
                                "Global", "Local", "Dim", "Const", "Include", "Return", "Exit", "Print", "True", "False"})
        text += QByteArray(keyword) + "\r\n";
    for (int i = 0; text.size() < 3200; ++i)
        text += "Zfiller" + QByteArray::number(i) + "\r\n";
    return text;
}

}

void PrepareProgramFolder(const QString& home) {
    QDir().mkpath(home + QStringLiteral("/conf"));
    QDir().mkpath(home + QStringLiteral("/Styles"));
    QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/data/conf/compilers.dat"), home + QStringLiteral("/conf/compilers.dat"));
    QFile::copy(QStringLiteral(KORVO_SOURCE_DIR "/data/Styles/Default.style"), home + QStringLiteral("/Styles/Default.style"));
    writeAll(home + QStringLiteral("/conf/Blitz.lng"), keywordListing());
}

void KorvoWindowTest::SetUp() {
    KorvoTest::SetUp();
    // Context menus show for real; every other question takes its default answer.
    platform::setPromptHandler([this](const platform::PromptRequest& request) {
        prompts.append(request);
        if (request.kind == platform::PromptKind::ModalForm && request.title == QLatin1String("Context menu")) {
            platform::PromptAnswer shown;
            shown.button = -1;
            return shown;
        }
        return platform::defaultAnswer(request);
    });
    PrepareProgramFolder(home());
    beforeStart();
    start();
}

void KorvoWindowTest::TearDown() {
    close();
    KorvoTest::TearDown();
}

void KorvoWindowTest::restart() {
    close();
    start();
}

void KorvoWindowTest::start() {
    {
        frmSplash splash;
        ASSERT_TRUE(splash.start());
    }
    main = MainWindow();
    ASSERT_TRUE(main);
    ASSERT_TRUE(display::waitFor([this] { return main && main->isVisible() && main->windowHandle() && main->windowHandle()->isExposed(); }));
    main->activateWindow();
    ASSERT_TRUE(display::waitFor([this] { return main && main->isActiveWindow(); })) << "the window manager never activated the window";
}

void KorvoWindowTest::close() {
    if (QApplication::activePopupWidget())
        closePopup();
    if (main) {
        main->close();
        if (!display::waitFor([this] { return !main; })) {
            ADD_FAILURE() << "the main window did not close";
            delete main.data();
        }
    }
    ForgetSessionGlobals();
}

void KorvoWindowTest::openDocument(const QString& name, const QByteArray& text) {
    writeAll(homeFile(name), text);
    main->Text1_Change(homeFile(name));
    ASSERT_TRUE(gActiveDoc && gActiveDoc->Sci);
    ASSERT_TRUE(display::waitFor([] { return gActiveDoc && !gActiveDoc->Sci->viewport()->visibleRegion().isEmpty(); }));
}

QWidget* KorvoWindowTest::editorViewport() const {
    return gActiveDoc && gActiveDoc->Sci ? gActiveDoc->Sci->viewport() : nullptr;
}

QByteArray KorvoWindowTest::editorText() const {
    if (!gActiveDoc || !gActiveDoc->Sci)
        return {};
    const auto length = gActiveDoc->Sci->send(QsciScintillaBase::SCI_GETLENGTH);
    QByteArray text(length + 1, '\0');
    gActiveDoc->Sci->send(QsciScintillaBase::SCI_GETTEXT, length + 1, reinterpret_cast<sptr_t>(text.data()));
    text.chop(1);
    return text;
}

QWidget* KorvoWindowTest::showPanel(const QString& key) {
    dock::DockWindow* window = main->DS->findDockWindow(key);
    if (!window) {
        ADD_FAILURE() << "no dock window " << key.toStdString();
        return nullptr;
    }
    window->show();
    window->raise();
    QWidget* form = window->form();
    const bool shown = display::waitFor([form] { return form && form->isVisible() && !form->visibleRegion().isEmpty(); });
    EXPECT_TRUE(shown) << key.toStdString() << " never showed";
    return shown ? form : nullptr;
}

void KorvoWindowTest::chooseFromMenuBar(const QString& menu, const QString& item) {
    QMenuBar* bar = main->menuBar();
    QAction* title = nullptr;
    for (QAction* action : bar->actions())
        if (plain(action->text()) == menu)
            title = action;
    ASSERT_TRUE(title) << "no menu " << menu.toStdString();
    ASSERT_TRUE(display::click(*bar, bar->actionGeometry(title).center()));
    QMenu* popup = openPopup();
    ASSERT_TRUE(popup) << "the menu " << menu.toStdString() << " did not open";
    QAction* entry = nullptr;
    for (QAction* action : popup->actions())
        if (plain(action->text()) == item)
            entry = action;
    ASSERT_TRUE(entry) << "no item " << item.toStdString() << " in " << menu.toStdString();
    ASSERT_TRUE(display::click(*popup, popup->actionGeometry(entry).center()));
    display::waitFor([] { return !QApplication::activePopupWidget(); });
}

QStringList KorvoWindowTest::popupAfter(const std::function<void()>& action) {
    QStringList captions;
    bool seen = false;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [this, &captions, &seen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (seen || !menu || !menu->isVisible() || !menu->windowHandle() || !menu->windowHandle()->isExposed())
            return;
        seen = true;
        for (QAction* entry : menu->actions())
            if (entry->isVisible() && !entry->isSeparator())
                captions.append(plain(entry->text()));
        shot(QStringLiteral("popup"));
        display::xdotool({QStringLiteral("key"), QStringLiteral("Escape")});
    });
    watcher.start(20);
    action();
    display::waitFor([&seen] { return seen && !QApplication::activePopupWidget(); }, 10000);
    return captions;
}

QMenu* KorvoWindowTest::openPopup() {
    display::waitFor([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr; }, 10000);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu)
        display::waitFor([menu] { return menu->isVisible() && menu->windowHandle() && menu->windowHandle()->isExposed(); });
    return menu;
}

void KorvoWindowTest::closePopup() {
    QWidget* popup = QApplication::activePopupWidget();
    if (!popup)
        return;
    display::keyChord(QStringLiteral("Escape"));
    if (!display::waitFor([] { return !QApplication::activePopupWidget(); }, 5000))
        popup->close();
}

void KorvoWindowTest::shot(const QString& suffix) {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QString name = QString::fromLatin1(test->test_suite_name()) + QLatin1Char('.') + QString::fromLatin1(test->name());
    if (!suffix.isEmpty())
        name += QLatin1Char('-') + suffix;
    display::saveShot(name);
}
