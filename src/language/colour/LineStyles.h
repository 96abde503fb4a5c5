#pragma once

#include <vector>

// The style runs light passes give their lines, gathered and written to the
// current view in one call per stretch of lines: a styling call costs the
// view more than the rest of a line's pass, and a change of styles has it
// look over its shown lines. Positions the runs leave alone keep the view's
// styles. Lines coloured in order, each right after the one before, share a
// stretch; anything else writes what is gathered first.
class LineStyles {
public:
    // Runs on the line from Start, Length characters with its line end,
    // come here until endLine().
    void beginLine(long Start, long Length);
    bool takes(long Position) const;
    // Length characters from Position, as far as they lie on the line.
    void set(long Position, long Length, int Style);
    // NextFollows: the line after this one is coloured next, and nothing
    // else touches the view's text or styles in between.
    void endLine(bool NextFollows);
    // Writes what is gathered.
    void flush() {
        if (first_ < end_)
            write();
    }
    // Before the text changes: what is gathered is written, and the runs
    // that follow go to the view one by one.
    void textWillChange();
    // The start of the line after the last one gathered, or -1 when another
    // line came last or the text may have changed since.
    long nextLineStart() const { return stretchEnd_; }

private:
    void write();

    long viewId_ = 0;
    bool lineOpen_ = false;
    long lineStart_ = 0;
    long lineEnd_ = 0;
    long stretchStart_ = 0;  // styles_[k] is position stretchStart_ + k
    long stretchEnd_ = -1;
    long first_ = 0;  // the runs gathered cover first_ to end_
    long end_ = 0;
    std::vector<unsigned char> styles_;
    std::vector<unsigned char> given_;  // 1 where a run gave the style
    std::vector<char> cells_;
};

// The runs of the lines the light passes colour.
LineStyles& LightLineStyles();
