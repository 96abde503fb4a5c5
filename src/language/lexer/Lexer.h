#pragma once

#include "platform/AnsiText.h"

#include <QByteArray>
#include <QString>

// One Blitz Basic line cut into tokens. Two tokenizers share the work: the
// full one (Tokenize) for parsing and colouring, and a light one for scope
// walks that must not disturb the full tokenizer's result. Each reads its
// own byte buffer and writes its own preallocated token array, which the
// next call of the same tokenizer overwrites.

enum TokenKind : unsigned char {
    tkNone = 0,
    tkString = 1,
    tkNumber = 2,
    tkIdent = 3,
    tkComment = 59,
    tkBlockOpen = 201,
    tkBlockClose = 202,
    // Every other kind is the code of a one-character token such as '=' or '('.
};

struct TokenRecord {
    unsigned char Kind = tkNone;
    int StartPos = 0;  // 1-based position in the line
    // After the token; for a comment -100 when ";" is followed by "!", else 0.
    int EndPos = 0;

    // A name, a number, a string without its quotes, the word of a block
    // comment; empty for the rest. Made from the line's bytes when first
    // asked for, as most tokens' texts never are; valid until the next call
    // of the same tokenizer.
    const QString& Text() const {
        if (pendingLength_ >= 0) {
            platform::assignFromAnsi(text_, pending_, pendingLength_);
            pendingLength_ = -1;
        }
        return text_;
    }
    void setText(const QString& text) {
        text_ = text;
        pendingLength_ = -1;
    }
    void setTextBytes(const unsigned char* bytes, int length) {
        pending_ = reinterpret_cast<const char*>(bytes);
        pendingLength_ = length;
    }

private:
    mutable QString text_;
    mutable const char* pending_ = nullptr;
    mutable int pendingLength_ = -1;
};

constexpr int kMaxLineLength = 32767;
constexpr int kMaxTokens = 2000;  // token slots, the end marker included

// Lines are put here from index 1, one byte per character; the end of the
// line needs one byte more for the tokenizer's sentinel.
extern unsigned char gLineBuffer[kMaxLineLength + 2];
extern unsigned char* const gLineBufferPtr;
extern unsigned char gLightBuffer[kMaxLineLength + 2];
extern unsigned char* const gLightBufferPtr;

// Tokens 1 to the returned count, then one of kind tkNone; index 0 is unused.
extern TokenRecord gTokens[kMaxTokens + 1];
extern TokenRecord gLightTokens[kMaxTokens + 1];

// The line the caller put into gLineBuffer, Length characters of it. A line
// longer than kMaxLineLength, or with more tokens than the array holds, is
// cut at the limit and recorded once in the error log.
int Tokenize(int Length);
// Names, whole numbers and one-character tokens only, over gLightBuffer;
// strings are skipped and the first comment ends the line.
int TokenizeLightPomosna(int Length);

// Put an 8-bit line into the tokenizer's buffer and tokenize all of it.
int TokenizeLine(const QByteArray& line);
int TokenizeLightLine(const QByteArray& line);

// HashCode (foundation/Hash.h) for a name in any case; characters outside
// 32 to 127 count 0.
int HashCodeNoCase(const QString& Key);
