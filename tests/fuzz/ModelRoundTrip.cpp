#include "fuzz/ModelRoundTrip.h"

#include "fuzz/BlitzLines.h"

#include "editor/CurrentView.h"
#include "editor/SciWrappers.h"
#include "language/editing/NotificationHandler.h"
#include "platform/scintilla/SciDirectCalls.h"
#include "editor/ActiveDocument.h"
#include "files/Project.h"
#include "OpenedDocument.h"
#include "language/keywords/Compiler.h"
#include "language/keywords/KeywordFiles.h"
#include "language/parser/DocumentPasses.h"
#include "language/parser/ParseState.h"
#include "language/parser/Parser.h"
#include "language/model/ModelDump.h"
#include "language/parser/Unparse.h"
#include "platform/AnsiText.h"
#include "shell/CoreStartUp.h"


#include <algorithm>

namespace {

void deleteLine(int line) {
    const long start = SciPositionFromLine(line);
    SciDirect(gSciWndData, QsciScintillaBase::SCI_DELETERANGE, static_cast<unsigned long>(start),
              SciPositionFromLine(line + 1) - start);
}

std::string quoted(const QByteArray& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (static_cast<unsigned char>(c) < 32 || static_cast<unsigned char>(c) > 126)
            out += "\\x" + QByteArray::number(static_cast<unsigned char>(c), 16).rightJustified(2, '0').toStdString();
        else
            out += c;
    }
    return '"' + out + '"';
}

std::string describe(const RoundTripScenario& scenario) {
    std::string text = "document " + quoted(scenario.document) + "\n";
    for (const RoundTripStep& step : scenario.steps) {
        text += step.type ? "type at line " : "take back typed line #";
        text += std::to_string(step.at);
        if (step.type) {
            text += ' ';
            text += quoted(step.text);
        }
        text += "\n";
    }
    return text;
}

}

RoundTripScenario ScenarioFromBytes(const std::uint8_t* data, std::size_t size) {
    ByteReader bytes(data, size);
    RoundTripScenario scenario;
    for (unsigned n = bytes.below(12); n; --n)
        scenario.document += BlitzLine(bytes) + "\r\n";
    int typed = 0;
    int lines = static_cast<int>(scenario.document.count('\n')) + 1;
    while (!bytes.empty()) {
        RoundTripStep step;
        step.type = typed == 0 || bytes.below(3) != 0;
        if (step.type) {
            step.at = static_cast<int>(bytes.below(static_cast<unsigned>(lines)));
            step.text = BlitzLine(bytes);
            ++typed;
            ++lines;
        } else {
            step.at = static_cast<int>(bytes.below(static_cast<unsigned>(typed)));
            --typed;
            --lines;
        }
        scenario.steps.push_back(step);
    }
    return scenario;
}

ModelRoundTrip::ModelRoundTrip(const QString& folder) : folder_(folder), compiler_(std::make_unique<ClsCompiler>()) {
    compiler_->Name = QStringLiteral("RoundTrip");
    compiler_->LoadKeywordsFromText(
        keywordFileText({"Global", "Local", "Dim", "Const", "Include", "Stop", "Return", "To", "Step"}, 0));
    compiler_->SetDefaultKeywords();
}

ModelRoundTrip::~ModelRoundTrip() = default;

std::string ModelRoundTrip::run(const RoundTripScenario& scenario) {
    OpenedDocument doc = OpenSourceText(folder_ + QStringLiteral("/round-trip.bb"), scenario.document);
    if (!doc)
        return "the document did not open\n";
    // This harness types and parses each line itself, as the handler would.
    doc->m_oSubclass->UnSubClass();
    const QByteArray parsedText = SciGetAllText(gSciWndData);
    const QStringList fresh = DumpModel(gActiveProject->Model, *doc, ModelDumpDetail::Full);

    std::vector<int> typedLines;  // from the top
    auto takeBack = [&](std::size_t k) {
        const int at = typedLines[k];
        UnparseLine(at, false);
        deleteLine(at);
        typedLines.erase(typedLines.begin() + static_cast<std::ptrdiff_t>(k));
        for (int& other : typedLines)
            other -= other > at ? 1 : 0;
    };
    for (const RoundTripStep& step : scenario.steps) {
        if (step.type) {
            const int at = std::clamp(step.at, 0, static_cast<int>(SciGetLineCount()) - 1);
            SciInsertText(SciPositionFromLine(at), step.text + "\r\n");
            for (int& other : typedLines)
                other += other >= at ? 1 : 0;
            typedLines.insert(std::upper_bound(typedLines.begin(), typedLines.end(), at), at);
            Parseline(at, false);
        } else if (!typedLines.empty()) {
            takeBack(static_cast<std::size_t>(step.at) % typedLines.size());
        }
    }
    while (!typedLines.empty())
        takeBack(typedLines.size() - 1);

    std::string difference;
    const QStringList model = DumpModel(gActiveProject->Model, *doc, ModelDumpDetail::Full);
    if (SciGetAllText(gSciWndData) != parsedText)
        difference = "the text did not come back\n";
    if (model != fresh)
        difference += describe(scenario) + "model after the round trip:\n" + model.join('\n').toStdString() + "\nfresh parse:\n"
            + fresh.join('\n').toStdString() + "\n";
    doc.reset();
    ResetSession();
    return difference;
}
