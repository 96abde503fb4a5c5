#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class ClsCompiler;

// Lines typed into a parsed document, each parsed once the caret would leave
// it, and later unparsed and deleted, in any order: once the last typed line
// is gone the model must be what a fresh parse of the text makes.
struct RoundTripStep {
    bool type = true;  // type a line, or take a typed one back
    // Typing: the line the new one goes before. Taking back: which of the
    // typed lines still there, counted from the top.
    int at = 0;
    QByteArray text;  // the typed line, without its line end
};

struct RoundTripScenario {
    QByteArray document;  // CRLF lines
    std::vector<RoundTripStep> steps;  // typed lines left over are taken back from the bottom
};

// A scenario drawn from fuzzer bytes: lines of Blitz Basic statements, names
// that clash, and now and then raw bytes.
RoundTripScenario ScenarioFromBytes(const std::uint8_t* data, std::size_t size);

class ModelRoundTrip {
public:
    // Korvo must be started headless with its program folder at `folder`,
    // where the keyword listing is written.
    explicit ModelRoundTrip(const QString& folder);
    ~ModelRoundTrip();

    // "" when the model came back as a fresh parse makes it; otherwise both
    // models, line by line.
    std::string run(const RoundTripScenario& scenario);

private:
    QString folder_;
    std::unique_ptr<ClsCompiler> compiler_;
};
