#include "vocabulary/SettingsValues.h"

#include "foundation/errors/ErrorLog.h"
#include "foundation/FileHelpers.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"
#include "platform/SettingsStore.h"

#include <cmath>
#include <limits>
#include <variant>

int HighlightCurrentLine;
int AutoIndentType;
int AutoIndentOnLoad;
int EmptyUndo;
int FixVariableCase;
int ReplaceVarPlusPlus;
int HighlightMatchedBraces;
int ShowIndentGuides;
int ShowWhiteSpaces;
int WordWrap;
int InsertSpacesForTabs;
int ShowCurrentFunction;
int ShowLineNumbers;
int ShowFoldMargin;
int ShowMarkerMargin;
int TabValue;
int CursorPeriod;
int CursorWidth;
int WordWrapFlags;
int WordWrapFlagLocation;
int WordWrapStartIndent;
int Hmargin;
int Vmargin;
int HmarginStrict;
int GotoPositionsAtTop;
bool ACshowAuto;
int ACshowOnlyLonger;
int ACshowWhenNoMore;
int ACstartAfter;
bool ACcompleteOnlyOne;
bool ACIncKeywords;
bool ACIncVars;
bool ACIncConstants;
bool ACIncFunctions;
QString ACFillUpChars;
QString ACStopChars;
bool ACCloseListOnDelete;
bool ACCloseListOnNoMatch;
bool ACCloseListOnMatch;
bool ACTypesLabelsEnable;
int ACRowsHeight;
int PopupCallTips;
QString SciStyleName;
int BreakpointsAsBackground;
int CBrowserMarkAsNew;
int CBrowserRememberOnGotoDefinition;
int BookMarksSingleFileBased;
int SaveBookmarks;
int SaveFoldingState;
int SaveCompilerCommandLine;
int FileDirtyOnBookmarks;
int EachHelpInNewTab;
int IFNoHelpFound;
int HomeGoesToFirst;
int CheckForMissingBracesOnFunctions;

int MultipleInstances;
int AssBBfiles;
int AssProjectFiles;
int AssWorkspaceFiles;
int gRecentFiles;
int gStartUp;
QString gDefNewName;
int gEnumerateNewFiles;
QString gLastCreatedExe;
int gClipRingMaxItems;
int gShowRecentFull;
int gDisplayTimeInStatusBar;
int gFileExStartPath;
int gOnCompileSave;
int gOpenHtmlInKorvo;
QString gDefaultHelpPage;
int gOpenBrowserAtStartup;
int gDebugMaximized;
int gDoubleClickClosesTabs;
int gTabbingStartsWithPrevious;
int gUnsortedFunctions;
int gBackupEnabled;
int gBackupType;
int gBackupBakIncrement;
int gBackupStoreType;
QString gBackupStoreFolder;

namespace {

using Target = std::variant<int*, bool*, QString*>;

struct SettingValue {
    const char* key;
    Target target;
    QString defaultText;
    QString (*computedDefault)() = nullptr;
};

QString defaultBackupFolder() {
    return FixDoubleBackslash(platform::programSubfolder(QStringLiteral("Backup")));
}

const QString kStopCharsDefault = QStringLiteral("/\\,.~`!@#$%^&*)-_=+{}[]:;?<>|\"");

const SettingValue kEditValues[] = {
    {"HighlightCurrentLine", &HighlightCurrentLine, "1"},
    {"AutoIndentType", &AutoIndentType, "2"},
    {"AutoIndentOnLoad", &AutoIndentOnLoad, "0"},
    {"EmptyUndo", &EmptyUndo, "0"},
    {"FixVariableCase", &FixVariableCase, "1"},
    {"ReplaceVarPlusPlus", &ReplaceVarPlusPlus, "0"},
    {"HighlightMatchedBraces", &HighlightMatchedBraces, "1"},
    {"ShowIndentGuides", &ShowIndentGuides, "1"},
    {"ShowWhiteSpaces", &ShowWhiteSpaces, "0"},
    {"WordWrap", &WordWrap, "0"},
    {"InsertSpacesForTabs", &InsertSpacesForTabs, "0"},
    {"ShowCurrentFunction", &ShowCurrentFunction, "1"},
    {"ShowLineNumbers", &ShowLineNumbers, "1"},
    {"ShowFoldMargin", &ShowFoldMargin, "1"},
    {"ShowMarkerMargin", &ShowMarkerMargin, "1"},
    {"TabValue", &TabValue, "4"},
    {"CursorPeriod", &CursorPeriod, "500"},
    {"CursorWidth", &CursorWidth, "3"},
    {"WordWrapFlags", &WordWrapFlags, "1"},
    {"WordWrapFlagLocation", &WordWrapFlagLocation, "1"},
    {"WordWrapStartIndent", &WordWrapStartIndent, "1"},
    {"Hmargin", &Hmargin, "80"},
    {"Vmargin", &Vmargin, "3"},
    {"HmarginStrict", &HmarginStrict, "0"},
    {"GotoPositionsAtTop", &GotoPositionsAtTop, "0"},
    {"ACshowAuto", &ACshowAuto, "True"},
    {"ACshowOnlyLonger", &ACshowOnlyLonger, "4"},
    {"ACshowWhenNoMore", &ACshowWhenNoMore, "10"},
    {"ACstartAfter", &ACstartAfter, "1"},
    {"ACcompleteOnlyOne", &ACcompleteOnlyOne, "False"},
    {"ACIncKeywords", &ACIncKeywords, "True"},
    {"ACIncVars", &ACIncVars, "True"},
    {"ACIncConstants", &ACIncConstants, "True"},
    {"ACIncFunctions", &ACIncFunctions, "True"},
    {"ACFillUpChars", &ACFillUpChars, "("},
    {"ACStopChars", &ACStopChars, kStopCharsDefault},
    {"ACCloseListOnDelete", &ACCloseListOnDelete, "True"},
    {"ACCloseListOnNoMatch", &ACCloseListOnNoMatch, "False"},
    {"ACCloseListOnMatch", &ACCloseListOnMatch, "True"},
    {"ACTypesLabelsEnable", &ACTypesLabelsEnable, "True"},
    {"ACRowsHeight", &ACRowsHeight, "6"},
    {"PopupCallTips", &PopupCallTips, "1"},
    {"SciStyleName", &SciStyleName, "Default"},
    {"BreakpointsAsBackground", &BreakpointsAsBackground, "0"},
    {"CBrowserMarkAsNew", &CBrowserMarkAsNew, "30"},
    {"CBrowserRememberOnGotoDefinition", &CBrowserRememberOnGotoDefinition, "1"},
    {"BookMarksSingleFileBased", &BookMarksSingleFileBased, "0"},
    {"SaveBookmarks", &SaveBookmarks, "1"},
    {"SaveFoldingState", &SaveFoldingState, "1"},
    {"SaveCompilerCommandLine", &SaveCompilerCommandLine, "1"},
    {"FileDirtyOnBookmarks", &FileDirtyOnBookmarks, "1"},
    {"EachHelpInNewTab", &EachHelpInNewTab, "1"},
    {"IFNoHelpFound", &IFNoHelpFound, "2"},
    {"HomeGoesToFirst", &HomeGoesToFirst, "0"},
    {"CheckForMissingBracesOnFunctions", &CheckForMissingBracesOnFunctions, "0"},
};

const SettingValue kOptionValues[] = {
    {"MultipleInstances", &MultipleInstances, "0"},
    {"AssBBfiles", &AssBBfiles, "1"},
    {"AssProjectFiles", &AssProjectFiles, "1"},
    {"AssWorkspaceFiles", &AssWorkspaceFiles, "1"},
    {"gRecentFiles", &gRecentFiles, "10"},
    {"gStartUp", &gStartUp, "3"},
    {"gDefNewName", &gDefNewName, "New"},
    {"gEnumerateNewFiles", &gEnumerateNewFiles, "0"},
    {"gLastCreatedExe", &gLastCreatedExe, ""},
    {"gClipRingMaxItems", &gClipRingMaxItems, "15"},
    {"gShowRecentFull", &gShowRecentFull, "1"},
    {"gDisplayTimeInStatusBar", &gDisplayTimeInStatusBar, "1"},
    {"gFileExStartPath", &gFileExStartPath, "1"},
    {"gOnCompileSave", &gOnCompileSave, "1"},
    {"gOpenHtmlInKorvo", &gOpenHtmlInKorvo, "1"},
    {"gDefaultHelpPage", &gDefaultHelpPage, ""},
    {"gOpenBrowserAtStartup", &gOpenBrowserAtStartup, "1"},
    {"gDebugMaximized", &gDebugMaximized, "1"},
    {"gDoubleClickClosesTabs", &gDoubleClickClosesTabs, "1"},
    {"gTabbingStartsWithPrevious", &gTabbingStartsWithPrevious, "0"},
    {"gUnsortedFunctions", &gUnsortedFunctions, "0"},
    {"gBackupEnabled", &gBackupEnabled, "0"},
    {"gBackupType", &gBackupType, "0"},
    {"gBackupBakIncrement", &gBackupBakIncrement, "2"},
    {"gBackupStoreType", &gBackupStoreType, "0"},
    {"gBackupStoreFolder", &gBackupStoreFolder, "", defaultBackupFolder},
};

void assign(const Target& target, const QString& text) {
    if (auto* value = std::get_if<int*>(&target))
        **value = settingToLong(text);
    else if (auto* flag = std::get_if<bool*>(&target))
        **flag = settingToBool(text);
    else
        *std::get<QString*>(target) = text;
}

template <size_t N>
void loadSection(const QString& section, const SettingValue (&values)[N], const char* procedure) {
    const platform::SectionValues stored(section);
    for (const SettingValue& v : values) {
        const QString key = QString::fromLatin1(v.key);
        const QString defaultText = v.computedDefault ? v.computedDefault() : v.defaultText;
        try {
            assign(v.target, stored.value(key, defaultText));
        } catch (const KorvoError&) {
            assign(v.target, defaultText);
            LogErrorQuietly(QStringLiteral("%1(%2)").arg(QLatin1String(procedure), key), QStringLiteral("frmOptions"));
        }
    }
}

}

int settingToLong(const QString& text) {
    const QString t = text.trimmed();
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        RaiseTypeMismatch();
    const double rounded = std::nearbyint(number);
    if (rounded < std::numeric_limits<int>::min() || rounded > std::numeric_limits<int>::max())
        RaiseError(ErrOverflow, QStringLiteral("Overflow"));
    return static_cast<int>(rounded);
}

bool settingToBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok)
        RaiseTypeMismatch();
    return number != 0;
}

void GetOptions() {
    loadSection(kOptionsSection, kOptionValues, "GetOptions");
}

void GetEditOptions() {
    loadSection(kOptionsEditSection, kEditValues, "GetEditOptions");
}
