#include "language/complete/CallTips.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "editor/frmDoc.h"
#include "foundation/errors/ErrorLog.h"
#include "language/complete/CallTipText.h"
#include "language/complete/QuickHelp.h"
#include "language/complete/ScopeDisplay.h"
#include "language/editing/NotificationHandler.h"
#include "language/keywords/ActiveKeywords.h"
#include "language/lexer/Lexer.h"
#include "language/model/CodeModel.h"
#include "language/model/DeclarationRecords.h"
#include "language/parser/Parser.h"
#include "vocabulary/SettingsValues.h"

namespace {

ShownCallTip gShownCallTip;

bool isCommand(const ClsBBFunkcija& keyword) {
    return keyword.ImaZagradi || keyword.VlezNum > 0;
}

std::shared_ptr<ClsFunkcija> userFunction(const QString& name) {
    CodeModel* model = ActiveCodeModel();
    if (!model || !model->Funkcii.ExistsHash(name))
        return nullptr;
    return std::dynamic_pointer_cast<ClsFunkcija>(gFoundItem);
}

bool& showCallTipRequested() {
    static bool none = false;
    return gActiveDoc && gActiveDoc->m_oSubclass ? gActiveDoc->m_oSubclass->mShowCallTip : none;
}

void showCallTip(long anchor, const CallTipText& tip) {
    const QString text = tip.whole();
    const long start = tip.Head.size();
    const long end = start + tip.Current.size();
    SciCallTipShow(anchor, text);
    SciCallTipSetHlt(start, end);
    gShownCallTip = {text, start, end};
}

}

long ZemiHelp(bool& IsFunction, QString& CommandName, int& ArgIndex, long CaretPos, long Line, bool& ShowScope) {
    long start = 0;
    try {
        if (SciLineLength(Line) < 2)
            return 0;
        const long lineStart = SciPositionFromLine(Line);
        const long seen = SciWordEndPosition(CaretPos, true) - lineStart;
        const int count = TokenizeLine(SciGetLineText(Line).left(seen));
        const long caretColumn = CaretPos - lineStart;
        int depth = 0;
        bool skipName = false;
        for (int i = count; i >= 1; --i) {
            const TokenRecord& token = gTokens[i];
            if (token.Kind == ',') {
                skipName = false;
                if (depth > 0) {
                    ArgIndex = 1;
                    depth = 0;
                } else if (depth == 0) {
                    ++ArgIndex;
                }
            } else if (token.Kind == '(') {
                skipName = depth == -1;
                ++depth;
            } else if (token.Kind == ')') {
                --depth;
            } else if (token.Kind == ':' || token.Kind == tkComment) {
                break;
            } else if (token.Kind == tkIdent) {
                if (skipName) {
                    skipName = false;
                    continue;
                }
                if (depth < 0)
                    continue;
                CommandName = token.Text();
                const bool onName = caretColumn <= token.EndPos - 1;
                if (const KeywordPtr keyword = gKeywords.Find(CommandName)) {
                    gKeywordItem = keyword;
                    start = token.StartPos;
                    if (i == 1 && keyword->IsEndScope && CommandName != QLatin1String("Case")) {
                        ShowScope = true;
                        return start;
                    }
                    if (isCommand(*keyword)) {
                        if (!onName)
                            ++ArgIndex;
                        return start;
                    }
                } else if (const auto function = userFunction(CommandName)) {
                    start = token.StartPos;
                    if (onName) {
                        IsFunction = true;
                        ArgIndex = 0;
                        return start;
                    }
                    if (function->VlezNum >= ArgIndex) {
                        ++ArgIndex;
                        IsFunction = true;
                        return start;
                    }
                } else if (depth > 0) {
                    ArgIndex = 0;
                    depth = 0;
                }
            }
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ZemiHelp"), QStringLiteral("Mod_SciFun"));
    }
    CommandName.clear();
    return start;
}

void ShowHelp(long CaretPos, long Line) {
    try {
        bool isFunction = false;
        QString name;
        int argument = 0;
        bool showScope = false;
        const long start = ZemiHelp(isFunction, name, argument, CaretPos, Line, showScope);
        if (showScope) {
            ShowStartScope(Line);
            return;
        }
        if (name.isEmpty()) {
            if (!quickHelp().text().isEmpty())
                quickHelp().clear();
            CancelCallTip();
        } else {
            CallTipText tip;
            if (isFunction) {
                if (const auto function = userFunction(name))
                    tip = FunctionCallTip(*function, argument);
            } else if (const KeywordPtr keyword = gKeywords.Find(name)) {
                tip = KeywordCallTip(*keyword, argument);
            }
            const QString line = tip.whole() + QLatin1Char(' ');
            if (PopupCallTips != 0) {
                const long anchor = SciPositionFromLine(Line) + start;
                // A tip already up follows the caret within its own call only.
                const bool sameCall = SciCallTipActive() && quickHelp().text() == line;
                if (showCallTipRequested() || sameCall)
                    showCallTip(anchor, tip);
                else if (SciCallTipActive())
                    CancelCallTip();
            }
            const int colourStart = tip.Current.isEmpty() ? 0 : int(tip.Head.size());
            quickHelp().show(line, colourStart, int(tip.Current.size()), QuickHelp::kArgumentColour);
        }
    } catch (...) {
        SetErrorLog(QStringLiteral("ShowHelp"), QStringLiteral("Mod_SciFun"));
    }
    showCallTipRequested() = false;
}

void ShowCalltip() {
    if (!IsEditorActive())
        return;
    showCallTipRequested() = true;
    const long caret = SciGetCurrentPos();
    ShowHelp(caret, SciLineFromPosition(caret));
}

const ShownCallTip& LastCallTip() {
    if (!IsEditorActive() || !SciCallTipActive())
        gShownCallTip = {};
    return gShownCallTip;
}

void CancelCallTip() {
    SciCallTipCancel();
    gShownCallTip = {};
}
