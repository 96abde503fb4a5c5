#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One named text template.
struct HotCode {
    QString Name;
    QString Text;
};

struct HotCodesFileError {
    int number = 0;
    QString description;
    int line = 0;  // 1-based line of the value at fault
};

// What a read of conf/hotcodes.dat found: the hot codes in file order and
// every failure, in the order met.
struct HotCodesRead {
    QList<HotCode> codes;
    QList<HotCodesFileError> errors;
};

// conf/hotcodes.dat in the program folder.
QString HotCodesPath();

// The format number 1, the count, then each hot code's name and text as
// quoted strings, one value a line (a text's own line ends stay inside its
// quotes). Windows-1252, CR LF.
QByteArray FormatHotCodes(const QList<HotCode>& codes);

// A name that is empty, or already read (letter case aside), is reported and
// passed over; a damaged or short file is reported once and ends the read,
// keeping the hot codes before the damage.
HotCodesRead ReadHotCodes(const QByteArray& bytes);
