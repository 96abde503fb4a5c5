#pragma once

#include <QString>
#include <QStringList>

// One run of the korvo-dump built beside the tests.
struct DumpRun {
    int exitCode = -1;
    QString out;
    QString err;
};

DumpRun korvoDump(const QStringList& args);
