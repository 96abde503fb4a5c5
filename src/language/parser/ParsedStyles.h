#pragma once

#include "platform/scintilla/SciView.h"

#include <vector>

// The styles the line parser gives, gathered in a copy of the view's styles
// and written back in long runs: a line then costs the view no styling call
// of its own. In a whole-document pass the copy runs ahead over the lines
// that follow and is written back once per stretch of text.
//
// While a line is parsed, every style run on it (StyleRun, which the
// declaration readers use too) comes here, so that it is written once with
// the rest.
class ParsedStyles {
public:
    // The line of the current view from LineStart, Length characters with
    // its line end. AcrossLines: the lines are parsed in order and nothing
    // else changes the document in between.
    void beginLine(int LineStart, int Length, bool AcrossLines);
    // The whole view is to be plain (style 0) but for what the lines
    // parsed from here on set, as a whole-document pass starts it: what lies
    // ahead needs no reading, and each position is written once, in order,
    // the rest of the view when the run ends or stops going line by line.
    void startPlainDocument();
    // Length characters from Position, as far as they lie on the line.
    void set(int Position, int Length, int style);
    // The whole line plain (style 0) before its tokens are styled, as a
    // fresh parse leaves what no token covers.
    void plainLine();
    void flush();
    // Writes back, unless the next line may follow in the same run.
    void endLine();
    // Writes back and forgets the copy: the whole-document pass is over.
    void endRun();
    // A line of the current view is being parsed and holds Position.
    bool takes(long Position) const;

private:
    bool holds(int first, int end) const;
    void load(int first, int end);
    // Style 0 from plainFrom_ to end.
    void writePlain(int end);
    // Writes what is pending and the plain rest of the view.
    void leavePlainDocument();

    SciHandle view_;
    bool acrossLines_ = false;
    bool lineOpen_ = false;
    int lineStart_ = 0;
    int lineEnd_ = 0;
    int windowStart_ = 0;
    std::vector<char> window_;  // the view's styles from windowStart_ on
    int pendingFirst_ = 0;      // changed since the last flush: pendingFirst_ to pendingEnd_
    int pendingEnd_ = 0;
    int plainFrom_ = -1;        // style 0 is still to be written from here on, but where set; -1: no plain run
    std::vector<char> cells_;
};

// The parser's styles of the current run, for passes that end early.
ParsedStyles& ParserStyles();
