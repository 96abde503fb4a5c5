#include "shell/HtmlExport.h"

#include "editor/SciWrappers.h"
#include "platform/AnsiText.h"

#include <array>

namespace {

constexpr int kLastStyleSlot = kColorStyleSlots - 1;
constexpr int kPageBackground = 29;
const QByteArray kCrLf("\r\n");

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

void appendCharacter(QByteArray& out, char c, const QByteArray& tabText) {
    switch (c) {
    case '\n': out += "<BR>"; break;
    case '\r': break;
    case ' ': out += "&nbsp;"; break;
    case '\t': out += tabText; break;
    default: appendMarkupSafe(out, c);
    }
}

QByteArray body(std::array<bool, kColorStyleSlots>& used, int TabValue) {
    QByteArray tabText;
    for (int i = 0; i < TabValue; ++i)
        tabText += "&nbsp;";
    QByteArray out;
    const long length = SciGetLength();
    long style = length > 0 ? SciGetStyleAt(0) : 0;
    bool runOpen = false;
    for (long p = 0; p < length; ++p) {
        if (style >= 0 && style <= kLastStyleSlot)
            used[size_t(style)] = true;
        if (!runOpen)
            out += "<span class=St" + QByteArray::number(qlonglong(style)) + '>';
        runOpen = true;
        appendCharacter(out, char(SciGetCharAt(p)), tabText);
        const long next = p + 1 < length ? SciGetStyleAt(p + 1) : style;
        if (next != style) {
            out += "</span>";
            runOpen = false;
        }
        style = next;
    }
    if (runOpen)
        out += "</span>";
    return out;
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
    std::array<bool, kColorStyleSlots> used{};
    const QByteArray cell = body(used, TabValue);
    QByteArray page = "<html>" + kCrLf + "<head>" + kCrLf + "<title>";
    appendEscaped(page, platform::toAnsi(Title));
    page += "</title>" + kCrLf;
    page += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">" + kCrLf;
    page += "<style type=\"text/css\">" + kCrLf;
    for (int n = 0; n <= kLastStyleSlot; ++n)
        if (used[size_t(n)])
            page += styleClass(Style, n);
    page += "</style>" + kCrLf + "</head>" + kCrLf;
    page += "<body bgcolor=" + ColorToHtml(Style.BackColor[kPageBackground]).toLatin1() + "><table><tr><td nowrap>";
    page += cell;
    page += "</td></tr></table></body>" + kCrLf + "</html>" + kCrLf;
    return page;
}
