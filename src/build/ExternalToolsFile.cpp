#include "build/ExternalToolsFile.h"

#include "foundation/FileHelpers.h"
#include "platform/AnsiText.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"

#include <QRegularExpression>

namespace {

// A value with a line break would shift every later record by a line.
QString oneLine(const QString& value) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return QString(value).replace(lineBreak, QStringLiteral(" "));
}

// The print form of a number: its sign position (a blank when not
// negative), the digits, one blank.
QString printedNumber(int value) {
    return (value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value)) + QLatin1Char(' ');
}

class LineReader {
public:
    explicit LineReader(QString text) : text_(std::move(text)) {}

    // The 1-based line of the value read last or being read.
    int valueLine() const { return valueLine_; }

    // A value that a comma or the line end closes.
    QString field() {
        valueLine_ = line_;
        requireMore();
        qsizetype end = pos_;
        while (end < text_.size() && !isLineEnd(text_[end]) && text_[end] != QLatin1Char(','))
            ++end;
        const QString value = text_.mid(pos_, end - pos_).trimmed();
        pos_ = end;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char(','))
            ++pos_;
        else
            skipLineEnd();
        return value;
    }

    QString line() {
        valueLine_ = line_;
        requireMore();
        qsizetype end = pos_;
        while (end < text_.size() && !isLineEnd(text_[end]))
            ++end;
        const QString value = text_.mid(pos_, end - pos_);
        pos_ = end;
        skipLineEnd();
        return value;
    }

    // Only blanks and line ends are left.
    bool atEnd() const {
        for (qsizetype i = pos_; i < text_.size(); ++i)
            if (!text_[i].isSpace())
                return false;
        return true;
    }
    int nextLine() const { return line_; }

private:
    static bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

    void requireMore() const {
        if (pos_ >= text_.size())
            RaiseError(ErrInputPastEnd, QStringLiteral("Input past end of file"));
    }

    void skipLineEnd() {
        const qsizetype before = pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\r'))
            ++pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\n'))
            ++pos_;
        if (pos_ > before)
            ++line_;
    }

    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
    int valueLine_ = 1;
};

int toInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        RaiseTypeMismatch();
    return value;
}

}

QString ExternalToolsFilePath() {
    return FixDoubleBackslash(platform::programSubfolder(QStringLiteral("conf"))) + QStringLiteral("/ExTools.dat");
}

QByteArray ExternalToolsFileBytes(const QList<ExToolPtr>& tools) {
    QStringList lines{QStringLiteral("1"), QString::number(tools.size())};
    for (const ExToolPtr& tool : tools)
        lines << oneLine(tool->Caption) << oneLine(tool->Path) << oneLine(tool->Parameters)
              << printedNumber(tool->AskForConfirmation);
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return platform::fitsAnsi(text) ? platform::toAnsi(text) : text.toUtf8();
}

std::optional<ListFileFault> ReadExternalToolsFile(const QByteArray& bytes,
                                                  const std::function<bool(const ExToolPtr&)>& add) {
    std::optional<ListFileFault> fault;
    LineReader reader(platform::fromUtf8OrAnsi(bytes));
    try {
        reader.field();  // the format number
        const int count = toInteger(reader.field());
        for (int i = 0; i < count; ++i) {
            auto tool = std::make_shared<clsExTool>();
            tool->Caption = reader.line();
            const int captionLine = reader.valueLine();
            tool->Path = reader.line();
            tool->Parameters = reader.line();
            tool->AskForConfirmation = toInteger(reader.line());
            if (!add(tool) && !fault)
                fault = ListFileFault{captionLine, QStringLiteral("Tool listed twice: ") + tool->Caption};
        }
        if (!fault && !reader.atEnd())
            fault = ListFileFault{reader.nextLine(), QStringLiteral("More tools than the count of ") + QString::number(count)};
    } catch (const KorvoError& error) {
        if (!fault)
            fault = ListFileFault{reader.valueLine(), error.description};
    }
    return fault;
}
