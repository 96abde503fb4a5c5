#include "DumpCommand.h"
#include "../support/HeadlessKorvo.h"

#include "platform/dock/LayoutFile.h"
#include "shell/LayoutSlots.h"
#include "shell/frmMain.h"

namespace {

// The default layout's commands once the main window has set them up.
int dumpCommands(const QStringList& args) {
    if (!args.isEmpty())
        return kWrongArguments;
    StartHeadlessKorvo();
    frmMain main;
    if (!main.DS->loadLayout(DefaultLayoutPath()) && !main.DS->loadLayout(BuiltInLayoutPath()))
        return 1;
    main.AdditionalUISetup();
    for (const dock::Command* command : main.DS->commands())
        printLine(QStringList{command->key(), dock::commandKindName(command->kind()), command->category(), command->caption(),
                              command->shortcut()}
                      .join(QLatin1Char('\t')));
    return 0;
}

const DumpCommand commandsCommand("--commands", "   key, kind, category, caption and first shortcut of each command", dumpCommands);

}
