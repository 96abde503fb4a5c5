#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"
#include "../support/ProgramHome.h"

#include "aids/FrmInsertColor.h"
#include "aids/FrmScancode.h"
#include "aids/InserterCommands.h"
#include "files/Project.h"
#include "foundation/FileHelpers.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QLabel>
#include <QRadioButton>

namespace {

// FillColors's two texts for a colour 0x00BBGGRR, decimal or 0x hex.
int dumpColour(const QStringList& args) {
    bool number = false;
    const unsigned colour = args.size() == 1 ? args[0].toUInt(&number, 0) : 0;
    if (!number)
        return kWrongArguments;
    FrmInsertColor form;
    form.FillColors(colour);
    printLine(form.txtRGB->text());
    printLine(form.txtHex->text());
    return 0;
}

// The quoted path of FILE while FROM (a project file or a file by itself)
// is the active project.
int dumpFilePath(const QStringList& args) {
    if (args.size() != 2)
        return kWrongArguments;
    ClsProject project;
    project.FullPath = QFileInfo(args[1]).absoluteFilePath();
    project.SingleFile = GetExtension(project.FullPath) != QLatin1String(".KPF");
    project.Path = GetFolderOfPath(project.FullPath, true);
    printLine(QuotedRelativePath(FilePathBase(project), QFileInfo(args[0]).absoluteFilePath()));
    return 0;
}

// A key by its QKeySequence name, or a left or right modifier by the xkb
// key code that tells them apart.
QKeyEvent keyPress(const QString& name) {
    static const QHash<QString, std::pair<int, quint32>> modifiers = {
        {QStringLiteral("Shift"), {Qt::Key_Shift, 50}},     {QStringLiteral("LShift"), {Qt::Key_Shift, 50}},
        {QStringLiteral("RShift"), {Qt::Key_Shift, 62}},    {QStringLiteral("Ctrl"), {Qt::Key_Control, 37}},
        {QStringLiteral("LCtrl"), {Qt::Key_Control, 37}},   {QStringLiteral("RCtrl"), {Qt::Key_Control, 105}},
        {QStringLiteral("Alt"), {Qt::Key_Alt, 64}},         {QStringLiteral("LAlt"), {Qt::Key_Alt, 64}},
        {QStringLiteral("RAlt"), {Qt::Key_Alt, 108}},       {QStringLiteral("AltGr"), {Qt::Key_AltGr, 108}},
    };
    if (modifiers.contains(name)) {
        const auto [key, scanCode] = modifiers.value(name);
        return QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, scanCode, 0, 0);
    }
    const QKeySequence sequence = QKeySequence::fromString(name);
    const QKeyCombination combination = sequence.isEmpty() ? QKeyCombination() : sequence[0];
    return QKeyEvent(QEvent::KeyPress, combination.key(), combination.keyboardModifiers());
}

// Per KEY the scancode and label the dialog shows, then the text Insert
// would put in for the last one.
int dumpScancode(QStringList args) {
    int as = -1;
    if (args.size() >= 2 && args[0] == QLatin1String("--as")) {
        as = QStringList{QStringLiteral("value"), QStringLiteral("keyhit"), QStringLiteral("keydown")}.indexOf(args[1]);
        if (as < 0)
            return kWrongArguments;
        args.remove(0, 2);
    }
    if (args.isEmpty())
        return kWrongArguments;
    FrmScancode form;
    if (as >= 0)
        form.optInsert[as]->setChecked(true);
    for (const QString& name : args) {
        form.cmdReset_Click();
        QKeyEvent press = keyPress(name);
        QApplication::sendEvent(&form, &press);
        printLine(form.txtScancode->text() + QLatin1Char('|') + form.lblKey->text());
    }
    printLine(form.InsertText());
    return 0;
}

int dumpInserted(const QStringList& args) {
    if (args.isEmpty())
        return kWrongArguments;
    RunFolders folders;
    if (!folders.prepare())
        return 1;
    StartHeadlessKorvo();
    const QString kind = args[0];
    if (kind == QLatin1String("colour"))
        return dumpColour(args.mid(1));
    if (kind == QLatin1String("filepath"))
        return dumpFilePath(args.mid(1));
    if (kind == QLatin1String("scancode"))
        return dumpScancode(args.mid(1));
    return kWrongArguments;
}

const DumpCommand insertedCommand(
    "--inserted", "colour VALUE | filepath FILE FROM | scancode [--as value|keyhit|keydown] KEY...", dumpInserted);

}
