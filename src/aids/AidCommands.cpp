#include "aids/AidCommands.h"

#include "aids/ClipRing.h"
#include "aids/HotCodeCommands.h"
#include "aids/InserterCommands.h"
#include "aids/frmSnippets.h"

namespace {

template <const char* Key>
void snippetCommand() {
    if (frmSnippets* panel = SnippetsPanel())
        panel->DoMenuCommand(QLatin1String(Key));
}

constexpr char kInsertSnippet[] = "Insert Snippet";
constexpr char kEditSnippet[] = "Edit Snippet";
constexpr char kEditAsFile[] = "Edit As File";
constexpr char kNewSnippet[] = "New Snippet";
constexpr char kDeleteSnippet[] = "Delete Snippet";
constexpr char kAddCategory[] = "Add Category";
constexpr char kRefreshSnippets[] = "Refresh Snippets";

}

const std::array<AidCommand, 17>& AidCommands() {
    static const std::array<AidCommand, 17> commands{{
        {"Copy Private", CopyPrivate},
        {"Cycle Private", CyclePrivate},
        {"Paste Private", PastePrivate},
        {"Apply HotCode", ApplyHotCode},
        {"HotCode For Selection", HotCodeForSelection},
        {"Edit HotCodes", EditHotCodes},
        {kInsertSnippet, snippetCommand<kInsertSnippet>},
        {kEditSnippet, snippetCommand<kEditSnippet>},
        {kEditAsFile, snippetCommand<kEditAsFile>},
        {kNewSnippet, snippetCommand<kNewSnippet>},
        {kDeleteSnippet, snippetCommand<kDeleteSnippet>},
        {kAddCategory, snippetCommand<kAddCategory>},
        {kRefreshSnippets, snippetCommand<kRefreshSnippets>},
        {"Insert Color", InsertColor},
        {"Insert FilePath", InsertFilePath},
        {"Insert Filename", InsertFilename},
        {"Insert Scancode", InsertScancode},
    }};
    return commands;
}
