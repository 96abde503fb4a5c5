#include "settings/FrmOptionsEdit.h"

#include "settings/DialogControls.h"
#include "settings/EditorOptionsApply.h"
#include "foundation/controls/SpinText.h"
#include "platform/Host.h"
#include "platform/SettingsStore.h"
#include "vocabulary/SettingsValues.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace dialogcontrols;

// One setting of the dialog: its key, the control that shows it and the
// value loaded for it. A flag pair is two check boxes for bits 1 and 0; the
// fold margin is a check box written only when it changes.
struct OptionField {
    enum Control { Check, FoldMargin, FlagPair, Spin, Choice, Text };

    OptionField(const char* key, Control control, const char* name, const int& value, const char* second = nullptr)
        : key(key), control(control), name(name), second(second), integer(&value) {}
    OptionField(const char* key, Control control, const char* name, const bool& value)
        : key(key), control(control), name(name), flag(&value) {}
    OptionField(const char* key, Control control, const char* name, const QString& value)
        : key(key), control(control), name(name), text(&value) {}

    int number() const { return integer ? *integer : flag ? int(*flag) : 0; }

    const char* key;
    Control control;
    const char* name;  // the control; a choice's radio buttons are name(index)
    const char* second = nullptr;
    const int* integer = nullptr;
    const bool* flag = nullptr;
    const QString* text = nullptr;
};

namespace {

QString number(long value) {
    return QString::number(value);
}

// Every setting of the dialog, in the order Apply writes them.
const QList<OptionField>& optionFields() {
    using F = OptionField;
    static const QList<OptionField> fields = {
        {"HighlightCurrentLine", F::Check, "chkHighlightCurrentLine", HighlightCurrentLine},
        {"AutoIndentType", F::Choice, "optAutoindentType", AutoIndentType},
        {"AutoIndentOnLoad", F::Check, "chkAutoIndentOnLoad", AutoIndentOnLoad},
        {"EmptyUndo", F::Check, "chkEmptyUndo", EmptyUndo},
        {"FixVariableCase", F::Check, "chkFixVariableCase", FixVariableCase},
        {"ReplaceVarPlusPlus", F::Check, "chkReplaceVarPlusPlus", ReplaceVarPlusPlus},
        {"HighlightMatchedBraces", F::Check, "chkHighlightMatchedBraces", HighlightMatchedBraces},
        {"ShowIndentGuides", F::Check, "chkShowIndentGuides", ShowIndentGuides},
        {"ShowWhiteSpaces", F::Check, "chkShowWhiteSpaces", ShowWhiteSpaces},
        {"InsertSpacesForTabs", F::Check, "chkInsertSpacesForTabs", InsertSpacesForTabs},
        {"ShowCurrentFunction", F::Check, "chkShowCurrentFunction", ShowCurrentFunction},
        {"ShowLineNumbers", F::Check, "chkShowLineNumbers", ShowLineNumbers},
        {"ShowFoldMargin", F::FoldMargin, "chkShowFoldMargin", ShowFoldMargin},
        {"ShowMarkerMargin", F::Check, "chkShowMarkerMargin", ShowMarkerMargin},
        {"TabValue", F::Spin, "txtTabValue", TabValue},
        {"CursorPeriod", F::Spin, "txtCursorPeriod", CursorPeriod},
        {"cursorwidth", F::Spin, "txtCursorWidth", CursorWidth},
        {"WordWrap", F::Check, "chkWordWrap", WordWrap},
        {"WordWrapFlags", F::FlagPair, "chkVisualFlagAtBegin", WordWrapFlags, "chkVisualFlagAtEnd"},
        {"WordWrapFlagLocation", F::FlagPair, "chkNearTextAtBegin", WordWrapFlagLocation, "chkNearTextAtEnd"},
        {"WordWrapStartIndent", F::Spin, "txtWordWrapIndent", WordWrapStartIndent},
        {"Hmargin", F::Spin, "txtHscrollvalue", Hmargin},
        {"HmarginStrict", F::Choice, "optHScrollStrict", HmarginStrict},
        {"Vmargin", F::Spin, "txtVscrollvalue", Vmargin},
        {"GotoPositionsAtTop", F::Check, "chkGotoPositionsAtTop", GotoPositionsAtTop},
        {"ACshowAuto", F::Check, "chkACShowAuto", ACshowAuto},
        {"ACshowOnlyLonger", F::Spin, "txtACshowOnlyLonger", ACshowOnlyLonger},
        {"ACshowWhenNoMore", F::Spin, "txtACshowWhenNoMore", ACshowWhenNoMore},
        {"ACstartAfter", F::Spin, "txtACstartAfter", ACstartAfter},
        {"ACcompleteOnlyOne", F::Check, "chkACcompleteOnlyOne", ACcompleteOnlyOne},
        {"ACIncConstants", F::Check, "chkACIncConstants", ACIncConstants},
        {"ACIncFunctions", F::Check, "chkACIncFunctions", ACIncFunctions},
        {"ACIncKeywords", F::Check, "chkACIncKeywords", ACIncKeywords},
        {"ACIncVars", F::Check, "chkACIncVars", ACIncVars},
        {"ACCloseListOnDelete", F::Check, "chkACCloseListOnDelete", ACCloseListOnDelete},
        {"ACCloseListOnNoMatch", F::Check, "chkACCloseListOnNoMatch", ACCloseListOnNoMatch},
        {"ACCloseListOnMatch", F::Check, "chkACcloseListOnMatch", ACCloseListOnMatch},
        {"ACFillUpChars", F::Text, "txtACFillUpChars", ACFillUpChars},
        {"ACStopChars", F::Text, "txtACStopChars", ACStopChars},
        {"ACTypesLabelsEnable", F::Check, "chkACTypesLabelsEnable", ACTypesLabelsEnable},
        {"ACRowsHeight", F::Spin, "txtACRowsHeight", ACRowsHeight},
        {"PopupCallTips", F::Check, "chkPopupCallTips", PopupCallTips},
        {"BreakpointsAsBackground", F::Check, "chkBreakpointAsBackground", BreakpointsAsBackground},
        {"CBrowserMarkAsNew", F::Spin, "txtCBrowserMarkAsNew", CBrowserMarkAsNew},
        {"CBrowserRememberOnGotoDefinition", F::Check, "chkCBrowserRememberOnGotoDefinition", CBrowserRememberOnGotoDefinition},
        {"BookMarksSingleFileBased", F::Check, "chkBookMarksSingleFileBased", BookMarksSingleFileBased},
        {"SaveBookmarks", F::Check, "chkSaveBookmarks", SaveBookmarks},
        {"SaveFoldingState", F::Check, "chkSaveFoldingState", SaveFoldingState},
        {"SaveCompilerCommandLine", F::Check, "chkSaveCompilerCommandLine", SaveCompilerCommandLine},
        {"FileDirtyOnBookmarks", F::Check, "chkFileDirtyOnBookmarks", FileDirtyOnBookmarks},
        {"EachHelpInNewTab", F::Check, "chkEachHelpInNewTab", EachHelpInNewTab},
        {"IFNoHelpFound", F::Choice, "optIFNoHelpFound", IFNoHelpFound},
        {"HomeGoesToFirst", F::Check, "chkHomeGoesToFirst", HomeGoesToFirst},
        {"CheckForMissingBracesOnFunctions", F::Check, "chkCheckForMissingBracesOnFunctions", CheckForMissingBracesOnFunctions},
    };
    return fields;
}

}

QString FrmOptionsEdit::shownValue(const OptionField& field) const {
    switch (field.control) {
    case OptionField::Check:
    case OptionField::FoldMargin:
        return state(box(field.name));
    case OptionField::FlagPair:
        return number(box(field.name)->isChecked() * 2 | box(field.second)->isChecked());
    case OptionField::Spin:
        return spinBox(field.name)->Text();
    case OptionField::Choice:
        for (int index = 1; QRadioButton* button = opt(field.name, index); ++index)
            if (button->isChecked())
                return number(index);
        return number(0);
    case OptionField::Text:
        return text(field.name)->text();
    }
    return QString();
}

FrmOptionsEdit::FrmOptionsEdit(QWidget* parent)
    : OptionsDialog(QStringLiteral("frmOptionsEdit"), QStringLiteral("Editor options"), QStringLiteral("LastSelectedTabOpEdit"),
                    QStringLiteral("PicPomosna"), QSize(6710, 7365), parent) {
    buildGeneralPage();
    buildCodingHelpPage();
    buildAutocompletePage();
    buildHelpPage();
    buildAutoScrollPage();
    loadValues();
    EnableWrapOptions(WordWrap != 0);
    chkACShowAuto_Click();
    finishPages();
}

void FrmOptionsEdit::buildGeneralPage() {
    QWidget* page = addPage(QStringLiteral("&General"));
    auto* layout = new QVBoxLayout(page);
    auto* numbers = new QGridLayout;
    numbers->addWidget(label(page, QStringLiteral("Tab value ( 1-30 ):")), 0, 0);
    numbers->addWidget(spin(page, "txtTabValue", 1, 30), 0, 1);
    numbers->addWidget(label(page, QStringLiteral("Cursor width (1-3):")), 1, 0);
    numbers->addWidget(spin(page, "txtCursorWidth", 1, 3), 1, 1);
    numbers->addWidget(label(page, QStringLiteral("Cursor blinking period ( 100-2000 ):")), 2, 0);
    numbers->addWidget(spin(page, "txtCursorPeriod", 100, 2000, 100), 2, 1);
    numbers->setColumnStretch(2, 1);
    layout->addLayout(numbers);
    layout->addWidget(check(page, "chkInsertSpacesForTabs", QStringLiteral("Insert spaces for tabs")));
    layout->addWidget(check(page, "chkEmptyUndo", QStringLiteral("Empty undo buffer upon saving")));
    layout->addWidget(check(page, "chkBookMarksSingleFileBased",
                            QStringLiteral("Limit bookmarks to single file ( bookmark commands won't jump to other files )")));
    layout->addWidget(check(page, "chkHomeGoesToFirst",
                            QStringLiteral("Home key jumps to the first position in the line ( instead of first character )")));

    QGroupBox* wrapping = frame(page, QStringLiteral("Line wrapping"));
    auto* wrap = new QGridLayout(wrapping);
    QCheckBox* chkWordWrap = check(wrapping, "chkWordWrap", QStringLiteral("Enable Line Wrapping"));
    QCheckBox* chkVisualFlagAtBegin = check(wrapping, "chkVisualFlagAtBegin", QStringLiteral("Add visual flag at begin of a wrapped line"));
    QCheckBox* chkNearTextAtBegin = check(wrapping, "chkNearTextAtBegin", QStringLiteral("Flag drawn near text"));
    QCheckBox* chkVisualFlagAtEnd = check(wrapping, "chkVisualFlagAtEnd", QStringLiteral("Add visual flag at end of a wrapped line"));
    QCheckBox* chkNearTextAtEnd = check(wrapping, "chkNearTextAtEnd", QStringLiteral("Flag drawn near text"));
    wrap->addWidget(chkWordWrap, 0, 0, 1, 2);
    wrap->addWidget(chkVisualFlagAtBegin, 1, 0);
    wrap->addWidget(chkNearTextAtBegin, 1, 1);
    wrap->addWidget(chkVisualFlagAtEnd, 2, 0);
    wrap->addWidget(chkNearTextAtEnd, 2, 1);
    wrap->addLayout(row({label(wrapping, QStringLiteral("Indent for sublines ( 1-30 ):")), spin(wrapping, "txtWordWrapIndent", 1, 30)}),
                    3, 0, 1, 2);
    layout->addWidget(wrapping);
    connect(chkWordWrap, &QCheckBox::clicked, this, [this](bool on) { EnableWrapOptions(on); });
    connect(chkVisualFlagAtBegin, &QCheckBox::clicked, chkNearTextAtBegin, &QWidget::setEnabled);
    connect(chkVisualFlagAtEnd, &QCheckBox::clicked, chkNearTextAtEnd, &QWidget::setEnabled);

    QGroupBox* remember = frame(page, QStringLiteral("For each file remember ( save embedded in file ) :"));
    auto* saved = new QGridLayout(remember);
    saved->addWidget(check(remember, "chkSaveBookmarks", QStringLiteral("Bookmarks")), 0, 0);
    saved->addWidget(check(remember, "chkSaveFoldingState", QStringLiteral("Folding state")), 0, 1);
    saved->addWidget(check(remember, "chkSaveCompilerCommandLine", QStringLiteral("Command Line and Compiler used")), 1, 0, 1, 2);
    saved->addWidget(check(remember, "chkFileDirtyOnBookmarks",
                           QStringLiteral("Make files 'Dirty\" when changing bookmarks and folding states")), 2, 0, 1, 2);
    layout->addWidget(remember);

    QGroupBox* browser = frame(page, QStringLiteral("Code Browser"));
    auto* history = new QVBoxLayout(browser);
    history->addWidget(label(browser, QStringLiteral("Browser will add position to history if something is edited more than")));
    history->addLayout(row({spin(browser, "txtCBrowserMarkAsNew", 10, 100), label(browser, QStringLiteral("lines away from that position"))}));
    history->addWidget(check(browser, "chkCBrowserRememberOnGotoDefinition",
                             QStringLiteral("Add position to browser history when using 'Goto Definition'")));
    layout->addWidget(browser);
    layout->addStretch();
}

void FrmOptionsEdit::buildCodingHelpPage() {
    QWidget* page = addPage(QStringLiteral("&Coding Help"));
    auto* layout = new QVBoxLayout(page);
    const std::pair<const char*, const char*> boxes[] = {
        {"chkHighlightCurrentLine", "Highlight current line"},
        {"chkHighlightMatchedBraces", "Highlight matched braces"},
        {"chkShowIndentGuides", "Show indent guides"},
        {"chkShowWhiteSpaces", "Show white spaces"},
        {"chkShowLineNumbers", "Show line numbers"},
        {"chkShowFoldMargin", "Show fold margin"},
        {"chkShowMarkerMargin", "Show marker margin"},
        {"chkShowCurrentFunction", "Show current function in statusbar"},
        {"chkBreakpointAsBackground", "Don't add mark for breakpoint, instead change the back color of the line"},
        {"chkFixVariableCase", "Auto correct function/type/variable casing"},
        {"chkReplaceVarPlusPlus", "Convert ++ and -- to Variable+1 /-1 automatically as you type"},
        {"chkCheckForMissingBracesOnFunctions",
         "Missing braces and parameters on function that return value,will mark it as 'Bad'"},
        {"chkPopupCallTips", "Pop Up CallTips ( Function parameters help ) as you type"},
        {"chkAutoIndentOnLoad", "AutoIndent code on file loading"},
    };
    for (const auto& [name, caption] : boxes)
        layout->addWidget(check(page, name, QLatin1String(caption)));
    QGroupBox* mode = frame(page, QStringLiteral("AutoIndent mode"));
    auto* modes = new QVBoxLayout(mode);
    modes->addWidget(option(mode, "optAutoindentType(2)", QStringLiteral("Advanced  ( Fully automatic autoindenting of your code )")));
    modes->addWidget(option(mode, "optAutoindentType(1)", QStringLiteral("Simple  ( Autoindent new line based on previous line indentation )")));
    modes->addWidget(option(mode, "optAutoindentType(0)", QStringLiteral("None  ( Autoindent off )")));
    layout->addWidget(mode);
    layout->addStretch();
}

void FrmOptionsEdit::buildAutocompletePage() {
    QWidget* page = addPage(QStringLiteral("&Autocomplete"));
    auto* layout = new QVBoxLayout(page);
    QCheckBox* chkACShowAuto = check(page, "chkACShowAuto", QStringLiteral("Show Autolists automaticaly as you type"));
    layout->addWidget(chkACShowAuto);
    connect(chkACShowAuto, &QCheckBox::clicked, this, &FrmOptionsEdit::chkACShowAuto_Click);
    layout->addLayout(row({label(page, QStringLiteral("Show in autocomplete only words longer than ")),
                           spin(page, "txtACshowOnlyLonger", 1, 100), label(page, QStringLiteral("characters"))}));
    QLabel* startAfter = label(page, QStringLiteral("Start autocomplete after"));
    startAfter->setObjectName(QStringLiteral("lblACstartAfter"));
    QLabel* typed = label(page, QStringLiteral("characters typed"));
    typed->setObjectName(QStringLiteral("lblACstartAfter2"));
    layout->addLayout(row({startAfter, spin(page, "txtACstartAfter", 1, 15), typed}));
    QLabel* noMore = label(page, QStringLiteral("Show autolist when there are no more than"));
    noMore->setObjectName(QStringLiteral("lblACshowWhenNoMore"));
    QLabel* words = label(page, QStringLiteral("words in the list"));
    words->setObjectName(QStringLiteral("lblACshowWhenNoMore2"));
    layout->addLayout(row({noMore, spin(page, "txtACshowWhenNoMore", 1, 1000), words}));
    const std::pair<const char*, const char*> boxes[] = {
        {"chkACcompleteOnlyOne", "Complete word without popping list if there is only one match"},
        {"chkACIncKeywords", "Include Keywords"},
        {"chkACIncVars", "Include Variables"},
        {"chkACIncConstants", "Include Constants"},
        {"chkACIncFunctions", "Include Custom Functions"},
        {"chkACCloseListOnDelete", "Close List on Delete characters"},
        {"chkACCloseListOnNoMatch", "Close List When there is no more matches in the list"},
        {"chkACcloseListOnMatch", "Close List When there is full match in the list"},
        {"chkACTypesLabelsEnable", "Show Intellisense autolists automatyicaly for Types and Labels"},
    };
    for (const auto& [name, caption] : boxes)
        layout->addWidget(check(page, name, QLatin1String(caption)));
    auto* characters = new QGridLayout;
    characters->addWidget(label(page, QStringLiteral("Fill Up Characters")), 0, 0);
    characters->addWidget(line(page, "txtACFillUpChars"), 0, 1);
    characters->addWidget(label(page, QStringLiteral("Stop Characters")), 1, 0);
    characters->addWidget(line(page, "txtACStopChars"), 1, 1);
    layout->addLayout(characters);
    layout->addLayout(row({label(page, QStringLiteral("Autolists Height :")), spin(page, "txtACRowsHeight", 1, 20),
                           label(page, QStringLiteral("rows"))}));
    layout->addStretch();
}

void FrmOptionsEdit::buildHelpPage() {
    QWidget* page = addPage(QStringLiteral("&Help"));
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(check(page, "chkEachHelpInNewTab", QStringLiteral("Open each requested help page in new tab")));
    QGroupBox* noHelp = frame(page, QStringLiteral("If no help found"));
    auto* choices = new QVBoxLayout(noHelp);
    choices->addWidget(option(noHelp, "optIFNoHelpFound(2)", QStringLiteral("Open Command Reference Index Page")));
    choices->addWidget(option(noHelp, "optIFNoHelpFound(1)", QStringLiteral("Open default Index page")));
    choices->addWidget(option(noHelp, "optIFNoHelpFound(0)", QStringLiteral("Do nothing")));
    layout->addWidget(noHelp);
    layout->addStretch();
}

void FrmOptionsEdit::buildAutoScrollPage() {
    QWidget* page = addPage(QStringLiteral("&AutoScroll"));
    auto* layout = new QVBoxLayout(page);
    QGroupBox* scrolling = frame(page, QStringLiteral("Automatic scrolling in the editor"));
    auto* inside = new QVBoxLayout(scrolling);
    inside->addWidget(option(scrolling, "optHScrollStrict(0)", QStringLiteral("Scroll by this amount when cursor reaches left/right edge")));
    inside->addWidget(option(scrolling, "optHScrollStrict(1)",
                             QStringLiteral("Ensure that this amount is always visible from the edge (starts scrolling earlier)")));
    inside->addLayout(row({label(scrolling, QStringLiteral("Horizontal autoscroll policy value:")),
                           spin(scrolling, "txtHscrollvalue", 0, 150), label(scrolling, QStringLiteral("pixels (0-150)"))}));
    inside->addLayout(row({label(scrolling, QStringLiteral("Vertical autoscroll policy value:")),
                           spin(scrolling, "txtVscrollvalue", 0, 10), label(scrolling, QStringLiteral("code lines (0-10 )"))}));
    inside->addWidget(label(scrolling, QStringLiteral("( Starts scrolling earlier. Ensures that more lines in moving direction are visible )")));
    layout->addWidget(scrolling);
    layout->addWidget(check(page, "chkGotoPositionsAtTop",
                            QStringLiteral("When jumping to line, always show that line on top of the editor window")));
    layout->addStretch();
}

void FrmOptionsEdit::loadValues() {
    for (const OptionField& field : optionFields()) {
        switch (field.control) {
        case OptionField::Check:
        case OptionField::FoldMargin:
            box(field.name)->setChecked(field.number() != 0);
            break;
        case OptionField::FlagPair:
            box(field.name)->setChecked((field.number() >> 1) & 1);
            box(field.second)->setChecked(field.number() & 1);
            break;
        case OptionField::Spin:
            spinBox(field.name)->setText(number(field.number()));
            break;
        case OptionField::Choice:
            if (QRadioButton* selected = opt(field.name, field.number()))
                selected->setChecked(true);
            break;
        case OptionField::Text:
            text(field.name)->setText(*field.text);
            break;
        }
    }
}

void FrmOptionsEdit::EnableWrapOptions(bool enable) {
    box("chkVisualFlagAtBegin")->setEnabled(enable);
    box("chkVisualFlagAtEnd")->setEnabled(enable);
    spinBox("txtWordWrapIndent")->setEnabled(enable);
    box("chkNearTextAtBegin")->setEnabled(enable && box("chkVisualFlagAtBegin")->isChecked());
    box("chkNearTextAtEnd")->setEnabled(enable && box("chkVisualFlagAtEnd")->isChecked());
}

void FrmOptionsEdit::chkACShowAuto_Click() {
    const bool enable = box("chkACShowAuto")->isChecked();
    for (const char* name : {"txtACshowWhenNoMore", "txtACstartAfter"})
        spinBox(name)->setEnabled(enable);
    for (const char* name : {"lblACstartAfter", "lblACstartAfter2", "lblACshowWhenNoMore", "lblACshowWhenNoMore2"})
        findChild<QLabel*>(QLatin1String(name))->setEnabled(enable);
}

bool FrmOptionsEdit::apply() {
    for (const OptionField& field : optionFields()) {
        const bool foldMargin = field.control == OptionField::FoldMargin;
        if (foldMargin && box(field.name)->isChecked() == (field.number() != 0))
            continue;
        platform::SaveSetting(kOptionsEditSection, QLatin1String(field.key), shownValue(field));
        if (foldMargin && !box(field.name)->isChecked())
            UnfoldEveryEditor();
    }

    GetEditOptions();
    ApplyOptionsToEveryEditor();
    if (ShowCurrentFunction == 0)
        platform::host().setStatusPaneText(QStringLiteral("StatusMain"), QString());
    return true;
}

void ShowEditorOptions(QWidget* owner) {
    ShowOptionsDialog<FrmOptionsEdit>(owner, QStringLiteral("Editor options"));
}
