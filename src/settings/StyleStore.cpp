#include "settings/StyleStore.h"

#include "foundation/FileHelpers.h"
#include "foundation/errors/LogNewError.h"
#include "foundation/errors/WriteFailure.h"
#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/KorvoError.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompt.h"
#include "platform/SettingsStore.h"
#include "settings/StyleFile.h"
#include "vocabulary/ColorStyle.h"
#include "vocabulary/SettingsValues.h"

#include <QDir>
#include <QFileInfo>

namespace {

const QString kDefaultStyle = QStringLiteral("Default");
const QString kCrLf = QStringLiteral("\r\n");

void warnBeforeDefault(const QString& what, const QString& path) {
    platform::MsgBox(what + kCrLf + path + kCrLf + QStringLiteral("Press Ok to load the Default Style..."), platform::vbExclamation);
}

// The file's record made current, or its fault told: false then.
bool loadStyleFile(const QString& path) {
    QByteArray bytes;
    const bool readable = platform::readFileBytes(path, bytes);
    ParsedStyle parsed;
    if (readable)
        parsed = ParseStyle(bytes);
    else
        parsed.fault = StyleFileFault::Damaged;
    switch (parsed.fault) {
    case StyleFileFault::None:
        gColorStyle = parsed.content.style;
        gStyleDescription = parsed.content.description;
        return true;
    case StyleFileFault::Damaged:
        if (!readable) {
            const QString failure = platform::fileReadFailure(path);
            LogNewErrorQuietly(ErrPathFileAccess, failure, QStringLiteral("LoadStyle"), QStringLiteral("Mod_File"));
            platform::MsgBox(failure + kCrLf + QStringLiteral("Press Ok to load the Default Style..."), platform::vbExclamation);
            return false;
        }
        LogNewErrorQuietly(ErrPathFileAccess, QStringLiteral("Style file is damaged: ") + path, QStringLiteral("LoadStyle"),
                           QStringLiteral("Mod_File"));
        warnBeforeDefault(QStringLiteral("Style file is damaged:"), path);
        return false;
    case StyleFileFault::WrongVersion:
        platform::MsgBox(QStringLiteral("Incorrect Style Version !"), platform::vbCritical);
        return false;
    }
    return false;
}

void forgetStyleName(const QString& styleName, bool inStoreToo) {
    if (SciStyleName != styleName)
        return;
    SciStyleName = kDefaultStyle;
    if (inStoreToo)
        platform::SaveSetting(QStringLiteral("OptionsEdit"), QStringLiteral("SciStyleName"), kDefaultStyle);
}

QString loadDefaultStyle() {
    const QString path = StylePath(kDefaultStyle);
    if (!QFileInfo(path).isFile()) {
        platform::MsgBox(QStringLiteral("Default Style Not Found !"), platform::vbCritical);
        return {};
    }
    return loadStyleFile(path) ? kDefaultStyle : QString();
}

}

QString StyleFolder() {
    return FixDoubleBackslash(platform::programSubfolder(QStringLiteral("Styles")));
}

QString StylePath(const QString& styleName) {
    return StyleFolder() + QLatin1Char('/') + styleName + QStringLiteral(".style");
}

QString StyleFontPath() {
    return StyleFolder() + QStringLiteral("/blitz.fon");
}

bool IsStyleName(const QString& styleName) {
    return !styleName.contains(QLatin1Char('/')) && !styleName.contains(QLatin1Char('\\')) &&
           styleName != QLatin1String(".") && styleName != QLatin1String("..");
}

QString LoadStyle(const QString& styleName) {
    const QString path = StylePath(styleName);
    if (!IsStyleName(styleName) || !QFileInfo(path).isFile()) {
        warnBeforeDefault(QStringLiteral("Specified Style Not Found:"), path);
        forgetStyleName(styleName, true);
        return loadDefaultStyle();
    }
    if (loadStyleFile(path))
        return styleName;
    if (styleName == kDefaultStyle)
        return {};
    forgetStyleName(styleName, false);
    return loadDefaultStyle();
}

bool SaveStyle(const QString& styleName, const QString& description) {
    if (IsStyleName(styleName))
        return SaveStyleTo(StylePath(styleName), description);
    LogNewError(ErrInvalidProcedureCall, QStringLiteral("Not a style name: ") + styleName, QStringLiteral("SaveStyle"), QStringLiteral("frmColors"));
    return false;
}

bool SaveStyleTo(const QString& path, const QString& description) {
    QDir().mkpath(QFileInfo(path).path());
    if (platform::writeFileBytesAtomically(path, FormatStyle(gColorStyle, description)))
        return true;
    ReportWriteFailure(path, QStringLiteral("SaveStyle"), QStringLiteral("frmColors"));
    return false;
}
