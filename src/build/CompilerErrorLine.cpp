#include "build/CompilerErrorLine.h"

#include <QRegularExpression>

std::optional<CompilerErrorLine> ReadCompilerErrorLine(const QString& text) {
    static const QRegularExpression shape(QStringLiteral(R"re(^"(.*?)":(\d+):(\d+):\d+:\d+:(.*)$)re"),
                                          QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = shape.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    bool lineOk = false;
    bool columnOk = false;
    CompilerErrorLine error{match.captured(1), match.captured(2).toLong(&lineOk), match.captured(3).toLong(&columnOk),
                            match.captured(4)};
    if (!lineOk || !columnOk)
        return std::nullopt;
    return error;
}
