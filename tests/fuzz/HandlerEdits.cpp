#include "fuzz/HandlerEdits.h"

#include "LineStates.h"
#include "OpenedDocument.h"
#include "aids/SearchEngine.h"
#include "editor/ActiveDocument.h"
#include "editor/CurrentView.h"
#include "editor/EditorSetup.h"
#include "editor/Folding.h"
#include "editor/SciWrappers.h"
#include "files/Project.h"
#include "fuzz/BlitzLines.h"
#include "language/editing/NotificationHandler.h"
#include "language/keywords/Compiler.h"
#include "language/keywords/KeywordFiles.h"
#include "language/model/ModelDump.h"
#include "platform/CommandProcedures.h"
#include "platform/ProgramFolder.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "shell/CoreStartUp.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <algorithm>

namespace {

const QString kName = QStringLiteral("edited.bb");

void key(SciView* view, int code, const QString& text = QString()) {
    QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(view, &press);
    QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(view, &release);
}

// Painting is what brings the updates and the styling requests, and it
// draws the margins, where a line left hidden without its fold aborts.
void paint(frmDoc& doc) {
    doc.Sci->viewport()->repaint();
}

constexpr int kFoldMargin = 2;

// A press and release of the left button where the fold margin shows the
// line, or, for a line folded away or off the screen, on a row it shows.
void clickFoldMargin(frmDoc& doc, long line) {
    int x = 0;
    for (int margin = 0; margin < kFoldMargin; ++margin)
        x += int(SciGetMarginWidthN(margin));
    x += int(SciGetMarginWidthN(kFoldMargin)) / 2;
    const int height = std::max(1, int(doc.Sci->send(QsciScintillaBase::SCI_TEXTHEIGHT, 0)));
    const long rows = std::max<long>(1, long(SciLinesOnScreen()));
    long row = long(SciVisibleFromDocLine(line)) - long(SciGetFirstVisibleLine());
    if (!SciGetLineVisible(line) || row < 0 || row >= rows)
        row = line % rows;
    const QPointF at(x, row * height + height / 2);
    QWidget* viewport = doc.Sci->viewport();
    QMouseEvent press(QEvent::MouseButtonPress, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, viewport->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

void runCommandKey(const char* name) {
    const QString key = QString::fromLatin1(name);
    if (const platform::CommandRow* command = platform::FindCommandProcedure(key))
        command->run({key, std::nullopt});
}

long placeOf(const EditStep& step) {
    const long line = std::clamp<long>(step.line, 0, long(SciGetLineCount()) - 1);
    return std::min<long>(SciPositionFromLine(line) + std::max(step.column, 0), SciGetLineEndPosition(line));
}

void typeText(frmDoc& doc, const QByteArray& text) {
    for (const char byte : text) {
        const QChar c = QChar::fromLatin1(byte);
        const int code = c.isLetter() && c.unicode() < 128 ? Qt::Key_A + (c.toUpper().unicode() - 'A') : c.unicode();
        key(doc.Sci, code, QString(c));
        paint(doc);
    }
}

void runCommand(const EditStep& step) {
    const long from = SciGetCurrentPos();
    long to = std::min<long>(from + step.count, long(SciGetLength()));
    // No key leaves the caret between the two characters of a line break.
    if (to > 0 && to < SciGetLength() && SciGetCharAt(to - 1) == '\r' && SciGetCharAt(to) == '\n')
        ++to;
    SciSetSel(from, to);
    runCommandKey(step.text.constData());
}

void replaceAll(const EditStep& step) {
    SearchEngine engine;
    engine.Options.FindText = QString::fromLatin1(step.text);
    engine.Options.ReplaceText = QString::fromLatin1(step.with);
    engine.OptionsChanged();
    engine.ReplaceAll();
}

void perform(frmDoc& doc, const EditStep& step) {
    if (step.edit != Edit::Undo && step.edit != Edit::Redo && step.edit != Edit::Leave && step.edit != Edit::FoldClick)
        SciGotoPos(placeOf(step));
    switch (step.edit) {
    case Edit::Type:
        typeText(doc, step.text);
        break;
    case Edit::Enter:
        NewLineInUndo();  // the "New Line" command, which Enter runs
        break;
    case Edit::Paste:
        SciReplaceSel(step.text);
        break;
    case Edit::Cut: {
        const long from = SciGetCurrentPos();
        SciSetSel(from, std::min<long>(from + step.count, long(SciGetLength())));
        SciCut();
        break;
    }
    case Edit::CutLine:
        SciLineCut();
        break;
    case Edit::Backspace:
        key(doc.Sci, Qt::Key_Backspace);
        break;
    case Edit::Delete:
        key(doc.Sci, Qt::Key_Delete);
        break;
    case Edit::Undo:
        SciUndo();
        break;
    case Edit::Redo:
        SciRedo();
        break;
    case Edit::Leave:
        break;
    case Edit::Fold:
        runCommandKey("Toggle Fold");
        break;
    case Edit::FoldClick:
        clickFoldMargin(doc, std::clamp<long>(step.line, 0, long(SciGetLineCount()) - 1));
        break;
    case Edit::Command:
        runCommand(step);
        break;
    case Edit::ReplaceAll:
        replaceAll(step);
        break;
    }
    paint(doc);
}

// Takes the caret off the line under edit, as the user's next move would.
void leaveEditedLine(frmDoc& doc) {
    const long edited = doc.m_oSubclass->UnparsedLine;
    if (edited < 0)
        return;
    const long lines = long(SciGetLineCount());
    if (lines == 1) {
        doc.m_oSubclass->DeactivateCheck();
    } else {
        SciGotoLine(edited == 0 ? lines - 1 : 0);
        paint(doc);
    }
}

std::string quoted(const QByteArray& text) {
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (c == '"' || c == '\\')
            out += std::string("\\") + c;
        else if (byte < 32 || byte > 126)
            out += "\\x" + QByteArray::number(byte, 16).rightJustified(2, '0').toStdString() + "\"\"";
        else
            out += c;
    }
    return '"' + out + '"';
}

// The scenario as the replay tests write it.
std::string describe(const EditScenario& scenario) {
    static const char* const names[] = {"Type",  "Enter", "Paste",     "Cut",     "CutLine",
                                        "Backspace", "Delete", "Undo", "Redo", "Leave",
                                        "Fold",  "FoldClick", "Command", "ReplaceAll"};
    std::string text("{");
    text += quoted(scenario.document);
    text += ",\n {";
    for (const EditStep& step : scenario.steps) {
        text += "{Edit::";
        text += names[int(step.edit)];
        text += ", " + std::to_string(step.line) + ", " + std::to_string(step.column) + ", ";
        text += quoted(step.text);
        text += ", " + std::to_string(step.count);
        if (!step.with.isEmpty())
            text += ", " + quoted(step.with);
        text += "},\n  ";
    }
    text += "}}\n";
    return text;
}

// "" when every hidden line lies in the block of the collapsed header shown
// above it; else the first line that does not.
std::string unheldHiddenLine() {
    const long lines = long(SciGetLineCount());
    long holder = -1;
    int holderLevel = 0;
    for (long line = 0; line < lines; ++line) {
        const int level = int(SciGetFoldLevel(line));
        if (SciGetLineVisible(line)) {
            holder = (level & kFoldHeaderFlag) && !SciGetFoldExpanded(line) ? line : -1;
            holderLevel = level & kFoldNumberMask;
        } else if (holder < 0 || (level & kFoldNumberMask) <= holderLevel) {
            return "line " + std::to_string(line) + " is hidden with no collapsed header holding it\n";
        }
    }
    return {};
}

QByteArray errorLog() {
    QFile file(platform::programFolder() + QStringLiteral("/error.log"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

EditScenario EditScenarioFromBytes(const std::uint8_t* data, std::size_t size) {
    ByteReader bytes(data, size);
    EditScenario scenario;
    scenario.lineStates = false;
    const unsigned lines = bytes.below(10) + 1;
    for (unsigned n = lines; n; --n)
        scenario.document += BlitzLine(bytes) + "\r\n";
    // The file may open with folds its editor block names, the first line's among them.
    QByteArray folds;
    for (unsigned n = bytes.below(4); n; --n)
        folds += '#' + QByteArray::number(bytes.below(lines), 16).toUpper();
    if (!folds.isEmpty())
        scenario.document += "\r\n;~Korvo Editor Parameters:\r\n;~F" + folds;
    while (!bytes.empty()) {
        EditStep step;
        step.edit = static_cast<Edit>(bytes.below(unsigned(Edit::FoldClick) + 1));
        step.line = int(bytes.below(16));
        // Line starts and line ends come often; a column past the end is the end.
        const unsigned column = bytes.below(4);
        step.column = column == 0 ? 0 : column == 1 ? 255 : int(bytes.below(24));
        if (step.edit == Edit::Type) {
            step.text = BlitzLine(bytes);
        } else if (step.edit == Edit::Paste) {
            for (unsigned n = bytes.below(4); n; --n)
                step.text += BlitzLine(bytes) + "\r\n";
            step.text += bytes.below(2) ? BlitzLine(bytes) : QByteArray();
        } else if (step.edit == Edit::Cut) {
            step.count = int(bytes.below(64)) + 1;
        }
        scenario.steps.push_back(step);
    }
    return scenario;
}

HandlerEdits::HandlerEdits(const QString& folder) : folder_(folder), compiler_(std::make_unique<ClsCompiler>()) {
    compiler_->Name = QStringLiteral("HandlerEdits");
    compiler_->LoadKeywordsFromText(keywordFileText(
        {"Global", "Local", "Dim", "Const", "Include", "Stop", "Return", "To", "Step", "Print"}, 0));
    compiler_->SetDefaultKeywords();
    QDir(folder_).mkpath(QStringLiteral("fresh"));
}

HandlerEdits::~HandlerEdits() = default;

std::string HandlerEdits::run(const EditScenario& scenario) {
    const QByteArray logBefore = errorLog();
    OpenedDocument doc = OpenSourceText(folder_ + QLatin1Char('/') + kName, scenario.document);
    if (!doc)
        return "the document did not open\n";
    frmDoc& edited = *doc;
    edited.resize(640, 480);
    edited.show();
    // Timers stay out: whether one is due depends on the clock, and what it runs would steer the fuzzer.
    for (int i = 0; i < 100 && !(edited.windowHandle() && edited.windowHandle()->isExposed()); ++i)
        QApplication::processEvents(QEventLoop::X11ExcludeTimers, 10);
    SciEmptyUndoBuffer();
    paint(edited);

    std::string difference;
    for (std::size_t s = 0; s <= scenario.steps.size() && difference.empty(); ++s) {
        const bool last = s == scenario.steps.size();
        if (!last)
            perform(edited, scenario.steps[s]);
        if (last || scenario.steps[s].edit == Edit::Leave)
            leaveEditedLine(edited);
        if (const std::string unheld = unheldHiddenLine(); !unheld.empty()) {
            difference = describe(scenario) + "after step " + std::to_string(s) + ", the text " +
                         quoted(SciGetAllText(gSciWndData)) + "\n" + unheld;
            break;
        }
        if (edited.m_oSubclass->UnparsedLine >= 0)
            continue;

        const QByteArray text = SciGetAllText(gSciWndData);
        const QStringList model = DumpModel(gActiveProject->Model, edited, ModelDumpDetail::Full);
        const QStringList states = LineStates();
        QStringList fresh, freshStates;
        {
            OpenedDocument parsed = OpenSourceText(folder_ + QStringLiteral("/fresh/") + kName, text);
            if (parsed) {
                fresh = DumpModel(gActiveProject->Model, *parsed, ModelDumpDetail::Full);
                freshStates = LineStates();
            }
        }
        ActivateDocument(&edited);
        const QByteArray log = errorLog();
        // The locals of functions of one name come in the table's order, which edits may change.
        QStringList sortedModel = model, sortedFresh = fresh;
        sortedModel.sort();
        sortedFresh.sort();
        if (sortedModel != sortedFresh || (scenario.lineStates && states != freshStates) || log != logBefore) {
            difference = describe(scenario) + "after step " + std::to_string(s) + ", the text " + quoted(text) +
                         "\nmodel:\n" + model.join('\n').toStdString() + "\nfresh parse:\n" +
                         fresh.join('\n').toStdString() + "\nlines:\n" + DifferingLineStates(states, freshStates) +
                         "reported:\n" + log.mid(logBefore.size()).toStdString() + "\n";
        }
    }
    doc.reset();
    ResetSession();
    return difference;
}
