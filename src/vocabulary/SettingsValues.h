#pragma once

#include <QString>

// Every option of sections "Options" and "OptionsEdit" as a value read
// directly wherever it matters. GetOptions and GetEditOptions fill them from
// the settings store, at start-up and after each Apply of an options dialog.

// Section "OptionsEdit".
extern int HighlightCurrentLine;
extern int AutoIndentType;
extern int AutoIndentOnLoad;
extern int EmptyUndo;
extern int FixVariableCase;
extern int ReplaceVarPlusPlus;
extern int HighlightMatchedBraces;
extern int ShowIndentGuides;
extern int ShowWhiteSpaces;
extern int WordWrap;
extern int InsertSpacesForTabs;
extern int ShowCurrentFunction;
extern int ShowLineNumbers;
extern int ShowFoldMargin;
extern int ShowMarkerMargin;
extern int TabValue;
extern int CursorPeriod;
extern int CursorWidth;
extern int WordWrapFlags;
extern int WordWrapFlagLocation;
extern int WordWrapStartIndent;
extern int Hmargin;
extern int Vmargin;
extern int HmarginStrict;
extern int GotoPositionsAtTop;
extern bool ACshowAuto;
extern int ACshowOnlyLonger;
extern int ACshowWhenNoMore;
extern int ACstartAfter;
extern bool ACcompleteOnlyOne;
extern bool ACIncKeywords;
extern bool ACIncVars;
extern bool ACIncConstants;
extern bool ACIncFunctions;
extern QString ACFillUpChars;
extern QString ACStopChars;
extern bool ACCloseListOnDelete;
extern bool ACCloseListOnNoMatch;
extern bool ACCloseListOnMatch;
extern bool ACTypesLabelsEnable;
extern int ACRowsHeight;
extern int PopupCallTips;
extern QString SciStyleName;
extern int BreakpointsAsBackground;
extern int CBrowserMarkAsNew;
extern int CBrowserRememberOnGotoDefinition;
extern int BookMarksSingleFileBased;
extern int SaveBookmarks;
extern int SaveFoldingState;
extern int SaveCompilerCommandLine;
extern int FileDirtyOnBookmarks;
extern int EachHelpInNewTab;
extern int IFNoHelpFound;
extern int HomeGoesToFirst;
extern int CheckForMissingBracesOnFunctions;

// Section "Options".
extern int MultipleInstances;
extern int AssBBfiles;
extern int AssProjectFiles;
extern int AssWorkspaceFiles;
extern int gRecentFiles;
extern int gStartUp;
extern QString gDefNewName;
extern int gEnumerateNewFiles;
extern QString gLastCreatedExe;
extern int gClipRingMaxItems;
extern int gShowRecentFull;
extern int gDisplayTimeInStatusBar;
extern int gFileExStartPath;
extern int gOnCompileSave;
extern int gOpenHtmlInKorvo;
extern QString gDefaultHelpPage;
extern int gOpenBrowserAtStartup;
extern int gDebugMaximized;
extern int gDoubleClickClosesTabs;
extern int gTabbingStartsWithPrevious;
extern int gUnsortedFunctions;
extern int gBackupEnabled;
extern int gBackupType;
extern int gBackupBakIncrement;
extern int gBackupStoreType;
extern QString gBackupStoreFolder;

inline const QString kOptionsSection = QStringLiteral("Options");
inline const QString kOptionsEditSection = QStringLiteral("OptionsEdit");

// A value that does not convert keeps its default, and the error is logged.
void GetOptions();
void GetEditOptions();

// Conversions of stored text, as the loaders apply them; both raise error 13
// (type mismatch) on text that is not a number.
int settingToLong(const QString& text);
bool settingToBool(const QString& text);
