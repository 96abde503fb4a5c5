#include "shell/HtmlExport.h"

#include "editor/CurrentView.h"
#include "platform/AnsiText.h"
#include "platform/scintilla/SciDirectCalls.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kLastStyleSlot = kColorStyleSlots - 1;
constexpr int kPageBackground = 29;
const QByteArray kCrLf("\r\n");
constexpr long kMaxReserved = 1L << 30;

void appendMarkupSafe(QByteArray& out, char c) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    default: out += c;
    }
}

void appendEscaped(QByteArray& out, const QByteArray& text) {
    for (char c : text)
        appendMarkupSafe(out, c);
}

// What each byte of the text becomes in the page; an empty entry: the byte itself.
struct ByteMarkup {
    std::array<QByteArray, 256> markup;
    std::array<bool, 256> plain{};

    explicit ByteMarkup(int TabValue) {
        for (int i = 0; i < TabValue; ++i)
            markup['\t'] += "&nbsp;";
        markup['\n'] = "<BR>";
        markup[' '] = "&nbsp;";
        markup['&'] = "&amp;";
        markup['<'] = "&lt;";
        markup['>'] = "&gt;";
        for (int c = 0; c < 256; ++c)
            plain[size_t(c)] = markup[size_t(c)].isEmpty() && c != '\r' && c != '\t';
    }
};

// The document's bytes and styles, as the component gives them in one read:
// a byte, then its style.
class StyledCells {
public:
    StyledCells() : cells_(SciGetStyledText(gSciWndData, 0, -1)) {}
    long size() const { return long(cells_.size() / 2); }
    char byteAt(long p) const { return cells_[qsizetype(2 * p)]; }
    int styleAt(long p) const { return static_cast<unsigned char>(cells_[qsizetype(2 * p + 1)]); }

private:
    QByteArray cells_;
};

std::array<bool, kColorStyleSlots> usedStyles(const StyledCells& cells) {
    std::array<bool, kColorStyleSlots> used{};
    for (long p = 0; p < cells.size(); ++p)
        if (cells.styleAt(p) <= kLastStyleSlot)
            used[size_t(cells.styleAt(p))] = true;
    return used;
}

// One span per run of one style.
void appendBody(QByteArray& out, const StyledCells& cells, int TabValue) {
    const ByteMarkup bytes(TabValue);
    std::array<QByteArray, 256> spanTags;
    for (int n = 0; n < 256; ++n)
        spanTags[size_t(n)] = "<span class=St" + QByteArray::number(n) + '>';
    const long length = cells.size();
    for (long p = 0; p < length;) {
        const int style = cells.styleAt(p);
        out += spanTags[size_t(style)];
        for (; p < length && cells.styleAt(p) == style; ++p) {
            const auto c = static_cast<unsigned char>(cells.byteAt(p));
            if (bytes.plain[c])
                out += char(c);
            else
                out += bytes.markup[c];
        }
        out += "</span>";
    }
}

QByteArray styleClass(const ColorStyle& c, int n) {
    QByteArray lines = ".St" + QByteArray::number(n) + " {" + kCrLf;
    // A quote or bracket in a font name would end the declaration or the style block.
    const QByteArray font = platform::toAnsi(c.FontName[n]).replace('\'', "").replace('<', "").replace('>', "");
    if (!font.isEmpty())
        lines += "font-family: '" + font + "';" + kCrLf;
    if (c.ForeColor[n] != 0)
        lines += "color: " + ColorToHtml(c.ForeColor[n]).toLatin1() + ';' + kCrLf;
    lines += "font-size: " + QByteArray::number(c.FontSize[n]) + "pt;" + kCrLf;
    if (c.Bold[n] != 0)
        lines += "font-weight: 700;" + kCrLf;
    if (c.Italic[n] != 0)
        lines += "font-style: italic;" + kCrLf;
    if (c.Underline[n] != 0)
        lines += "text-decoration: underline;" + kCrLf;
    return lines + '}' + kCrLf;
}

}

QString ColorToHtml(long Color) {
    const QString h = QStringLiteral("%1").arg(Color & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    return QLatin1Char('#') + h.mid(4, 2) + h.mid(2, 2) + h.left(2);
}

QByteArray HtmlPage(const QString& Title, const ColorStyle& Style, int TabValue) {
    const StyledCells cells;
    const std::array<bool, kColorStyleSlots> used = usedStyles(cells);
    QByteArray page;
    // Most bytes of a program go out as one; blanks, tabs and the spans add to that.
    page.reserve(qsizetype(std::min<long>(4 * cells.size() + 4096, kMaxReserved)));
    page += "<html>" + kCrLf + "<head>" + kCrLf + "<title>";
    appendEscaped(page, platform::toAnsi(Title));
    page += "</title>" + kCrLf;
    page += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">" + kCrLf;
    page += "<style type=\"text/css\">" + kCrLf;
    for (int n = 0; n <= kLastStyleSlot; ++n)
        if (used[size_t(n)])
            page += styleClass(Style, n);
    page += "</style>" + kCrLf + "</head>" + kCrLf;
    page += "<body bgcolor=" + ColorToHtml(Style.BackColor[kPageBackground]).toLatin1() + "><table><tr><td nowrap>";
    appendBody(page, cells, TabValue);
    page += "</td></tr></table></body>" + kCrLf + "</html>" + kCrLf;
    return page;
}
