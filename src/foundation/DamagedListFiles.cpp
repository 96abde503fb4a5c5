#include "foundation/DamagedListFiles.h"

#include "foundation/FileHelpers.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Prompt.h"

#include <QSet>

namespace {

const QString kTitle = QStringLiteral("Damaged List File");

QSet<QString>& damagedFiles() {
    static QSet<QString> files;
    return files;
}

bool keepDamagedCopy(const QString& path) {
    QByteArray bytes;
    return platform::readFileBytes(path, bytes) &&
           platform::writeFileBytesAtomically(path + QStringLiteral(".damaged"), bytes);
}

}

void ReportDamagedListFile(const QString& path, int line, const QString& reason) {
    damagedFiles().insert(CanonicalPath(path));
    const QString where = line > 0 ? QStringLiteral("Line ") + QString::number(line) + QStringLiteral(": ") : QString();
    platform::MsgBox(QStringLiteral("The file ") + path + QStringLiteral(" did not load whole.\r\n") + where + reason +
                         QStringLiteral("\r\n\r\nKorvo keeps the file as it is and asks before it writes the list back."),
                     platform::vbExclamation, kTitle);
}

void ForgetDamagedListFile(const QString& path) {
    damagedFiles().remove(CanonicalPath(path));
}

bool MayReplaceListFile(const QString& path) {
    const QString key = CanonicalPath(path);
    if (!damagedFiles().contains(key))
        return true;
    const int answer = platform::MsgBox(
        QStringLiteral("The file ") + path +
            QStringLiteral(" did not load whole: saving the list replaces it with only the entries that loaded.\r\n\r\n") +
            QStringLiteral("Replace it? The damaged file is kept as ") + path + QStringLiteral(".damaged."),
        platform::vbYesNo | platform::vbExclamation | platform::vbDefaultButton2, kTitle);
    if (answer != platform::vbYes)
        return false;
    if (!keepDamagedCopy(path)) {
        platform::MsgBox(QStringLiteral("Could not keep the damaged file as ") + path +
                             QStringLiteral(".damaged; the file stays as it is.\r\n") + platform::lastWriteFailure(),
                         platform::vbCritical, kTitle);
        return false;
    }
    damagedFiles().remove(key);
    return true;
}
