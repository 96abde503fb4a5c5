#include "aids/HotCodeStore.h"

#include "foundation/DamagedListFiles.h"
#include "foundation/errors/LogNewError.h"
#include "foundation/errors/WriteFailure.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"

#include <QDir>
#include <QFileInfo>

CollectionTools<QString> gHotCodeNames;
CollectionTools<QString> gHotCodeTexts;

namespace {
const QString kModule = QStringLiteral("Mod_Main");
}

bool AddHotCode(const QString& name, const QString& text) {
    gHotCodeNames.Add(name, name);
    if (gHotCodeNames.LastError)
        return false;
    gHotCodeTexts.Add(text, name);
    return true;
}

void RemoveHotCode(const QString& name) {
    gHotCodeTexts.RemoveKey(name);
    gHotCodeNames.RemoveKey(name);
}

void RemoveAllHotCodes() {
    gHotCodeNames.RemoveAll();
    gHotCodeTexts.RemoveAll();
}

QList<HotCode> HotCodesInStoreOrder() {
    const QList<QString> names = gHotCodeNames.NewEnum();
    const QList<QString> texts = gHotCodeTexts.NewEnum();
    QList<HotCode> codes;
    for (qsizetype i = 0; i < names.size(); ++i)
        codes.append({names[i], texts.value(i)});
    return codes;
}

void LoadHotCodes() {
    LoadHotCodesFrom(HotCodesPath());
}

QList<HotCodesFileError> LoadHotCodesFrom(const QString& path) {
    if (!QFileInfo::exists(path))
        return {};
    HotCodesRead read;
    QByteArray bytes;
    if (platform::readFileBytes(path, bytes))
        read = ReadHotCodes(bytes);
    else
        read.errors.append({ErrPathFileAccess, platform::fileReadFailure(path)});
    RemoveAllHotCodes();
    for (const HotCode& code : read.codes)
        AddHotCode(code.Name, code.Text);
    for (const HotCodesFileError& error : read.errors)
        LogNewErrorQuietly(error.number, error.description, QStringLiteral("LoadHotCodes"), kModule);
    if (read.errors.isEmpty())
        ForgetDamagedListFile(path);
    else
        ReportDamagedListFile(path, read.errors[0].line, read.errors[0].description);
    return read.errors;
}

void SaveHotcodes() {
    SaveHotcodesTo(HotCodesPath());
}

bool SaveHotcodesTo(const QString& path) {
    if (!MayReplaceListFile(path))
        return false;
    QDir().mkpath(QFileInfo(path).path());
    if (platform::writeFileBytesAtomically(path, FormatHotCodes(HotCodesInStoreOrder())))
        return true;
    ReportWriteFailure(path, QStringLiteral("SaveHotcodes"), kModule);
    return false;
}
