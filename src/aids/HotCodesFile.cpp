#include "aids/HotCodesFile.h"

#include "foundation/SequentialValues.h"
#include "foundation/CollectionTools.h"
#include "foundation/FileHelpers.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"

namespace {
constexpr int kFormatNumber = 1;
}

QString HotCodesPath() {
    return FixDoubleBackslash(platform::programFolder() + QStringLiteral("/conf/")) + QStringLiteral("hotcodes.dat");
}

QByteArray FormatHotCodes(const QList<HotCode>& codes) {
    SequentialWriter out;
    out.writeInteger(kFormatNumber);
    out.writeInteger(int(codes.size()));
    for (const HotCode& code : codes) {
        out.writeString(code.Name);
        out.writeString(code.Text);
    }
    return out.bytes();
}

HotCodesRead ReadHotCodes(const QByteArray& bytes) {
    HotCodesRead read;
    CollectionTools<QString> names;
    SequentialReader in(bytes);
    try {
        in.readInteger();
        const int count = in.readInteger();
        for (int k = 0; k < count; ++k) {
            HotCode code;
            code.Name = in.readString();
            const int nameLine = in.line();
            code.Text = in.readString();
            if (code.Name.isEmpty()) {
                read.errors.append({ErrInvalidProcedureCall, QStringLiteral("HotCode without a name"), nameLine});
                continue;
            }
            names.Add(code.Name, code.Name);
            if (names.LastError) {
                read.errors.append({ErrKeyAlreadyAssociated, QStringLiteral("HotCode listed twice: ") + code.Name, nameLine});
                continue;
            }
            read.codes.append(code);
        }
    } catch (const KorvoError& error) {
        read.errors.append({error.number, error.description, in.line()});
    }
    return read;
}
