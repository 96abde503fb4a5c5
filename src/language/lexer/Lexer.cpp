#include "language/lexer/Lexer.h"

#include "foundation/errors/LogNewError.h"
#include "language/lexer/CharTables.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstring>

unsigned char gLineBuffer[kMaxLineLength + 2];
unsigned char* const gLineBufferPtr = gLineBuffer + 1;
unsigned char gLightBuffer[kMaxLineLength + 2];
unsigned char* const gLightBufferPtr = gLightBuffer + 1;

TokenRecord gTokens[kMaxTokens + 1];
TokenRecord gLightTokens[kMaxTokens + 1];

namespace {

constexpr unsigned char kCarriageReturn = 13;
const QString kModule = QStringLiteral("Mod_Lexer");

// The same long line is tokenized again on every repaint; it goes into the
// error log the first time only.
class OverlongLineLog {
public:
    explicit OverlongLineLog(QString procedure) : procedure_(std::move(procedure)) {}

    void report(const QString& line, const QString& description) {
        const size_t key = qHash(line);
        if (reported_.contains(key))
            return;
        reported_.insert(key);
        LogNewErrorQuietly(ErrSubscriptOutOfRange, description, procedure_, kModule);
    }

private:
    QString procedure_;
    QSet<size_t> reported_;
};

OverlongLineLog& tokenizeLog() {
    static OverlongLineLog log(QStringLiteral("Tokenize"));
    return log;
}

OverlongLineLog& lightLog() {
    static OverlongLineLog log(QStringLiteral("TokenizeLightPomosna"));
    return log;
}

// The buffered line as characters, for the error log.
QString bufferedLine(const unsigned char* line, int length) {
    return platform::fromAnsi(QByteArray(reinterpret_cast<const char*>(line + 1), std::clamp(length, 0, kMaxLineLength)));
}

// Length cut to what the buffer holds; an overlong line is logged once.
int scanLength(int Length, const unsigned char* line, OverlongLineLog& log) {
    if (Length > kMaxLineLength) {
        log.report(bufferedLine(line, Length), QStringLiteral("Line longer than %1 characters").arg(kMaxLineLength));
        return kMaxLineLength;
    }
    return std::max(Length, 0);
}

void reportTooManyTokens(const QString& Text, OverlongLineLog& log) {
    log.report(Text, QStringLiteral("Line with more than %1 tokens").arg(kMaxTokens - 1));
}

// The token's text is the line's bytes at positions from to to.
void setText(TokenRecord& token, const unsigned char* line, int from, int to) {
    token.setTextBytes(line + from, std::max(to - from, 0));
}

void clearText(TokenRecord& token) {
    token.setTextBytes(nullptr, 0);
}

bool isWord(const unsigned char* bytes, int length, const char* upperWord) {
    if (length != static_cast<int>(std::strlen(upperWord)))
        return false;
    for (int i = 0; i < length; ++i)
        if (gUpperCase[bytes[i]] != upperWord[i])
            return false;
    return true;
}

// One pass of the full tokenizer over gLineBuffer; its sentinel at End ends
// every run, so no loop tests the bounds.
class FullScan {
public:
    explicit FullScan(int length) : end_(length + 1) {}

    int run() {
        gLineBuffer[end_] = kCarriageReturn;
        int count = 0;
        while (pos_ < end_) {
            while (gIsBlank[b_[pos_]])
                ++pos_;
            if (b_[pos_] == kCarriageReturn)
                break;
            if (count == kMaxTokens - 1) {
                reportTooManyTokens(bufferedLine(b_, end_ - 1), tokenizeLog());
                break;
            }
            scanToken(gTokens[++count]);
        }
        gTokens[count + 1].Kind = tkNone;
        clearText(gTokens[count + 1]);
        return count;
    }

private:
    void scanToken(TokenRecord& t) {
        const unsigned char c = b_[pos_];
        t.StartPos = pos_;
        if (gIsLetter[c])
            scanName(t);
        else if (c == ';')
            scanComment(t);
        else if (gIsDelimiter[c]) {
            ++pos_;
            if (c == '%' && gIsBinDigit[b_[pos_]]) {
                skip(gIsBinDigit);
                endNumber(t);
            } else {
                oneCharacter(t, c);
            }
        } else if (gIsOperator[c]) {
            ++pos_;
            oneCharacter(t, c);
        } else if (gIsDigit[c]) {
            skip(gIsDigit);
            if (b_[pos_] == '.') {
                ++pos_;
                skip(gIsDigit);
            }
            endNumber(t);
        } else if (c == '.') {
            ++pos_;
            if (gIsDigit[b_[pos_]]) {
                skip(gIsDigit);
                endNumber(t);
            } else {
                oneCharacter(t, c);
            }
        } else if (c == '$') {
            ++pos_;
            if (gIsHexDigit[b_[pos_]]) {
                skip(gIsHexDigit);
                endNumber(t);
            } else {
                oneCharacter(t, c);
            }
        } else if (c == '_') {
            skip(gIsIdentChar);
            untyped(t);
        } else if (c == '"') {
            scanString(t);
        } else {
            ++pos_;
            untyped(t);
        }
    }

    void skip(const bool* table) {
        while (table[b_[pos_]])
            ++pos_;
    }

    void scanName(TokenRecord& t) {
        skip(gIsIdentChar);
        t.Kind = tkIdent;
        setText(t, b_, t.StartPos, pos_);
        t.EndPos = pos_;
    }

    // A comment always takes the rest of the line.
    void scanComment(TokenRecord& t) {
        if (b_[pos_ + 1] == '[') {
            pos_ += 2;
            const int word = pos_;
            skip(gIsIdentChar);
            setText(t, b_, word, pos_);
            if (isWord(b_ + word, pos_ - word, "BLOCK"))
                t.Kind = tkBlockOpen;
            else if (isWord(b_ + word, pos_ - word, "END"))
                t.Kind = tkBlockClose;
            else
                t.Kind = tkComment;
            t.EndPos = t.Kind == tkComment ? 0 : pos_;
        } else {
            t.Kind = tkComment;
            t.EndPos = b_[pos_ + 1] == '!' ? -100 : 0;
            clearText(t);
        }
        pos_ = end_;
    }

    // Ends at the closing quote or at any control character (a tab, the
    // line end or the sentinel), and steps over whichever it was.
    void scanString(TokenRecord& t) {
        ++pos_;
        const int first = pos_;
        while (b_[pos_] != '"' && b_[pos_] > 31)
            ++pos_;
        t.Kind = tkString;
        setText(t, b_, first, pos_);
        t.EndPos = pos_;
        ++pos_;
    }

    // Digits run into letters (12abc, 1.5e3, $FFG) make one unclassified run.
    void endNumber(TokenRecord& t) {
        if (gIsIdentChar[b_[pos_]]) {
            skip(gIsIdentChar);
            untyped(t);
            return;
        }
        t.Kind = tkNumber;
        setText(t, b_, t.StartPos, pos_);
        t.EndPos = pos_;
    }

    void oneCharacter(TokenRecord& t, unsigned char c) {
        t.Kind = c;
        clearText(t);
        t.EndPos = pos_;
    }

    void untyped(TokenRecord& t) {
        t.Kind = tkNone;
        clearText(t);
        t.EndPos = pos_;
    }

    const unsigned char* const b_ = gLineBuffer;
    const int end_;
    int pos_ = 1;
};

}

int Tokenize(int Length) {
    return FullScan(scanLength(Length, gLineBuffer, tokenizeLog())).run();
}

int TokenizeLightPomosna(int Length) {
    const unsigned char* const b = gLightBuffer;
    const int end = scanLength(Length, b, lightLog()) + 1;
    gLightBuffer[end] = 0;
    int pos = 1;
    int count = 0;
    while (pos < end) {
        const unsigned char c = b[pos];
        if (c == ';' || c == kCarriageReturn)
            break;
        const bool name = gIsLetter[c];
        const bool number = gIsDigit[c];
        const bool single = gIsDelimiter[c] || gIsOperator[c];
        if (!name && !number && !single) {
            if (c == '"') {
                ++pos;
                while (pos < end && b[pos] != '"')
                    ++pos;
            }
            ++pos;
            continue;
        }
        if (count == kMaxTokens - 1) {
            reportTooManyTokens(bufferedLine(b, end - 1), lightLog());
            break;
        }
        TokenRecord& t = gLightTokens[++count];
        t.StartPos = pos;
        if (single) {
            ++pos;
            t.Kind = c;
            clearText(t);
        } else {
            const bool* run = name ? gIsIdentChar : gIsDigit;
            while (run[b[pos]])
                ++pos;
            t.Kind = name ? tkIdent : tkNumber;
            setText(t, b, t.StartPos, pos);
        }
        t.EndPos = pos;
    }
    gLightTokens[count + 1].Kind = tkNone;
    clearText(gLightTokens[count + 1]);
    return count;
}

namespace {
void putIntoBuffer(const QByteArray& line, unsigned char* buffer) {
    const qsizetype kept = std::min<qsizetype>(line.size(), kMaxLineLength);
    std::memcpy(buffer, line.constData(), static_cast<size_t>(kept));
}
}

int TokenizeLine(const QByteArray& line) {
    putIntoBuffer(line, gLineBufferPtr);
    return Tokenize(static_cast<int>(line.size()));
}

int TokenizeLightLine(const QByteArray& line) {
    putIntoBuffer(line, gLightBufferPtr);
    return TokenizeLightPomosna(static_cast<int>(line.size()));
}

int HashCodeNoCase(const QString& Key) {
    const qsizetype counted = Key.size() % 22;
    int sum = 0;
    for (qsizetype i = 0; i < counted; ++i) {
        const char16_t c = Key[i].unicode();
        if (c <= 256)
            sum += gUpperCase[c];
    }
    return sum;
}
