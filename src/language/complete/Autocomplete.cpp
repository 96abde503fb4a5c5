#include "language/complete/Autocomplete.h"

#include "editor/CurrentView.h"
#include "editor/CurrentWord.h"
#include "editor/SciWrappers.h"
#include "language/model/CodeModel.h"
#include "foundation/errors/ErrorLog.h"
#include "language/colour/ColouringFlags.h"
#include "language/colour/Colouring.h"
#include "language/complete/CompletionFlags.h"
#include "language/complete/CompletionList.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/model/DeclarationRecords.h"
#include "language/model/ScopeQueries.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "vocabulary/SettingsValues.h"

#include <QGuiApplication>

namespace {

const QString kModule = QStringLiteral("Mod_SciFun");

QStringList& lastList() {
    static QStringList list;
    return list;
}

// What the component's list shows now, to tell a key that leaves it as it is.
struct ShownList {
    const SciView* view = nullptr;
    QStringList names;
    long wordStart = -1;
    QString stops;
};

ShownList& shownList() {
    static ShownList shown;
    return shown;
}

// Showing the list again builds the component's list window anew; a key that
// keeps the same names for the same word needs none of it.
bool alreadyShown(long wordStart, const QString& stops) {
    const ShownList& shown = shownList();
    return !gAutoCForced && SciAutoCActive() && shown.view == gSciWndData.view() && shown.wordStart == wordStart &&
           shown.stops == stops && shown.names == lastList();
}

bool matches(const QString& name, const QString& typed) {
    // Most names differ from the typed word in their first letter, told without comparing the rest.
    if (!name.isEmpty() && !typed.isEmpty()) {
        const QChar first = name.front();
        const QChar typedFirst = typed.front();
        if (first != typedFirst && !first.isSurrogate() && !typedFirst.isSurrogate() &&
            first.toCaseFolded() != typedFirst.toCaseFolded())
            return false;
    }
    return name.startsWith(typed, Qt::CaseInsensitive);
}

// Scintilla places its list on the screen under the caret, and the
// component crashes when no screen is there.
bool caretOnScreen() {
    const SciView* view = gSciWndData.view();
    const long caret = SciGetCurrentPos();
    const QPoint point(static_cast<int>(SciPointXFromPosition(caret)), static_cast<int>(SciPointYFromPosition(caret)));
    return view && QGuiApplication::screenAt(view->viewport()->mapToGlobal(point));
}

void show(const CompletionList& list, long lengthEntered, const QString& stops) {
    gCharAdded = false;
    gAutoCShown = true;
    if (list.isEmpty())
        return;
    lastList() = list.sorted();
    const long wordStart = SciGetCurrentPos() - lengthEntered;
    if (alreadyShown(wordStart, stops) || !caretOnScreen())
        return;
    SciAutoCStops(stops);
    SciAutoCShow(lengthEntered, lastList().join(QLatin1Char(' ')));
    shownList() = {gSciWndData.view(), lastList(), wordStart, stops};
    if (list.size() == 1 && gAutoCForced && ACcompleteOnlyOne && gAutoCCommand)
        SciAutoCComplete();
}

void addMatching(CompletionList& list, const clsHash& table, const QString& typed) {
    table.ForEachItem([&](const CodeRecordPtr& record) {
        if (matches(record->Ime, typed))
            list.add(record->Ime);
        return true;
    });
}

// The names of the keyword-and-variable list, as far as they go.
class NameCollector {
public:
    NameCollector(const QString& word) : word_(word), listShown_(SciAutoCActive()) {}

    // False once the list has grown past what typing may show.
    bool add(const QString& name) {
        if (name.size() <= ACshowOnlyLonger || !matches(name, word_))
            return true;
        if (!gAutoCForced && !listShown_ && list_.size() + 1 > ACshowWhenNoMore)
            return false;
        list_.add(name);
        return true;
    }
    // A key walks the tables in place: they are as long as the program.
    bool addRecords(const clsHash& table) {
        return table.ForEachItem([this](const CodeRecordPtr& record) { return add(record->Ime); });
    }
    bool addArrays(const clsHash& table) {
        return table.ForEachItem(
            [this](const CodeRecordPtr& record) { return list_.containsNoCase(record->Ime) || add(record->Ime); });
    }
    const CompletionList& list() const { return list_; }

private:
    const QString& word_;
    const bool listShown_;
    CompletionList list_;
};

bool collectNames(NameCollector& names, const QString& word) {
    CodeModel& project = *ActiveCodeModel();
    if (ACIncKeywords)
        for (const KeywordPtr& keyword : gKeywords(word.at(0).toUpper().unicode()).Items())
            if (!names.add(keyword->Ime))
                return false;
    if (ACIncVars) {
        if (!names.addRecords(project.Globals))
            return false;
        if (gCurrentFunction.isEmpty())
            gCurrentFunction = CurrentFunction(static_cast<int>(SciLineFromPosition(SciGetCurrentPos())));
        if (!names.addRecords(CurrentLocalsTable()) || !names.addArrays(project.Arrays))
            return false;
    }
    if (ACIncFunctions && !names.addRecords(project.Funkcii))
        return false;
    return !ACIncConstants || names.addRecords(project.Constants);
}

void completeFrom(const clsHash& table, const char* procedure) {
    try {
        const QString word = GetCurrentWord();
        if (!gAutoCForced && !ACTypesLabelsEnable)
            return;
        CompletionList list;
        addMatching(list, table, word);
        show(list, word.size(), ACStopChars);
    } catch (...) {
        SetErrorLog(QLatin1String(procedure), kModule);
    }
}

}

void Autocomplete() {
    try {
        if (gInDeclaration || !ActiveCodeModel())
            return;
        const long start = SciWordStartPosition(SciGetCurrentPos(), true);
        if (start > 0 && SciGetCharAt(start - 1) == '.') {
            AutocompleteType();
            return;
        }
        const QString word = GetCurrentWord();
        if (word.isEmpty() || word.at(0).toUpper() < QLatin1Char('A') || word.at(0).toUpper() > QLatin1Char('Z'))
            return;
        if (!gAutoCForced && (!ACshowAuto || (!SciAutoCActive() && word.size() < ACstartAfter)))
            return;
        NameCollector names(word);
        if (collectNames(names, word))
            show(names.list(), word.size(), ACStopChars);
    } catch (...) {
        SetErrorLog(QStringLiteral("Autocomplete"), kModule);
    }
}

void AutocompleteType() {
    if (ActiveCodeModel())
        completeFrom(ActiveCodeModel()->Types, "AutocompleteType");
}

void AutocompleteLabel() {
    if (ActiveCodeModel())
        completeFrom(ActiveCodeModel()->Labels, "AutocompleteLabel");
}

void AutocompleteBackSlash(const ClsType& Type, const QString& Typed) {
    try {
        if (!gAutoCForced && !ACTypesLabelsEnable)
            return;
        CompletionList list;
        addMatching(list, *Type.Fields, Typed);
        if (SciAutoCActive())
            SciAutoCCancel();
        // A field name ends at a blank; the other lists keep the configured stops.
        show(list, Typed.size(), QStringLiteral(" "));
    } catch (...) {
        SetErrorLog(QStringLiteral("AutocompleteBackSlash"), kModule);
    }
}

void ShowAutocomplete() {
    if (!IsEditorActive())
        return;
    gCharAdded = true;
    gAutoCForced = true;
    gAutoCCommand = true;
    ColorCurrentLine(static_cast<int>(SciLineFromPosition(SciGetCurrentPos())), false);
    gAutoCCommand = false;
    gCharAdded = false;
}

bool CompletionDueAt(long Position) {
    return !gAutoCShown && SciGetCurrentPos() == Position && (gCharAdded || SciAutoCActive());
}

const QStringList& LastCompletionList() {
    return lastList();
}
