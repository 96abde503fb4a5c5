#include "foundation/Registry.h"

#include "platform/AnsiText.h"
#include "platform/AtomicFileWrite.h"
#include "platform/Prompt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

QString dataHome() {
    const QString dir = qEnvironmentVariable("XDG_DATA_HOME");
    return dir.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : dir;
}

QString templatesFolder() {
    const QString dir = qEnvironmentVariable("XDG_TEMPLATES_DIR");
    return dir.isEmpty() ? QDir::homePath() + QStringLiteral("/Templates") : dir;
}

// The extension without its point, lower-cased; empty when it is unusable.
QString plainExtension(QString ext) {
    if (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    static const QRegularExpression allowed(QStringLiteral("^[A-Za-z0-9_+-]+$"));
    return allowed.match(ext).hasMatch() ? ext.toLower() : QString();
}

QString mimePackagePath(const QString& ext) {
    return dataHome() + QStringLiteral("/mime/packages/korvo-") + ext + QStringLiteral(".xml");
}

QString desktopEntryPath(const QString& ext) {
    return dataHome() + QStringLiteral("/applications/korvo-") + ext + QStringLiteral(".desktop");
}

QString mimeTypeName(const QString& className, const QString& ext) {
    QString subtype = className.toLower();
    subtype.replace(QRegularExpression(QStringLiteral("[^a-z0-9.+-]")), QStringLiteral("-"));
    return QStringLiteral("application/x-") + (subtype.isEmpty() ? QStringLiteral("korvo-") + ext : subtype);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return platform::writeFileBytesAtomically(path, bytes);
}

QByteArray mimePackage(const QString& mimeType, const QString& description, const QString& ext) {
    QByteArray xml;
    QXmlStreamWriter writer(&xml);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("mime-info"));
    writer.writeDefaultNamespace(QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
    writer.writeStartElement(QStringLiteral("mime-type"));
    writer.writeAttribute(QStringLiteral("type"), mimeType);
    writer.writeTextElement(QStringLiteral("comment"), description);
    writer.writeEmptyElement(QStringLiteral("glob"));
    writer.writeAttribute(QStringLiteral("pattern"), QStringLiteral("*.") + ext);
    writer.writeEndElement();
    writer.writeEndElement();
    writer.writeEndDocument();
    return xml;
}

// The description that the extension's package holds, if there is one.
QString associatedDescription(const QString& ext) {
    QFile file(mimePackagePath(ext));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader reader(&file);
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("comment"))
            return reader.readElementText();
    return QString();
}

QString templatePath(const QString& ext) {
    QString name = associatedDescription(ext);
    name.replace(QRegularExpression(QStringLiteral("[/\\\\\\x00-\\x1f]")), QStringLiteral("-"));
    if (name.trimmed().isEmpty())
        name = ext.toUpper() + QStringLiteral(" File");
    return templatesFolder() + QLatin1Char('/') + name + QLatin1Char('.') + ext;
}

QString desktopValue(QString value) {
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    return value;
}

QString execLine(const QString& command) {
    static const QRegularExpression placeholder(QStringLiteral("\"%1\"|%1"));
    QString exec;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& match : placeholder.globalMatch(command)) {
        exec += command.mid(done, match.capturedStart() - done).replace(QLatin1Char('%'), QStringLiteral("%%"));
        exec += QStringLiteral("%f");
        done = match.capturedEnd();
    }
    const bool namesTheFile = done > 0;
    exec += command.mid(done).replace(QLatin1Char('%'), QStringLiteral("%%"));
    return namesTheFile ? exec : exec + QStringLiteral(" %f");
}

QByteArray desktopEntry(const QString& mimeType, const QString& description, const QString& iconPath,
                        const QString& command) {
    const QString text = QStringLiteral("[Desktop Entry]\nType=Application\nName=") + desktopValue(platform::applicationTitle()) +
                         QStringLiteral("\nComment=") + desktopValue(description) +
                         QStringLiteral("\nExec=") + desktopValue(execLine(command)) +
                         QStringLiteral("\nIcon=") + desktopValue(iconPath) +
                         QStringLiteral("\nMimeType=") + mimeType +
                         QStringLiteral(";\nNoDisplay=true\nTerminal=false\n");
    return text.toUtf8();
}

void runIfInstalled(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {folder});
    process.waitForFinished(30000);
}

bool isEmptyFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.size() == 0;
}

}

bool AssociateFileType(const QString& ext, const QString& description, const QString& className,
                       const QString& iconPath, const QString& command, std::optional<bool> shellNew) {
    const QString plain = plainExtension(ext);
    if (plain.isEmpty())
        return false;
    const QString oldTemplate = templatePath(plain);
    const QString mimeType = mimeTypeName(className, plain);
    bool ok = writeFile(mimePackagePath(plain), mimePackage(mimeType, description, plain)) &&
              writeFile(desktopEntryPath(plain), desktopEntry(mimeType, description, iconPath, command));

    // The "New" entry follows the type's new description.
    const QString newTemplate = templatePath(plain);
    if (oldTemplate != newTemplate && QFileInfo::exists(oldTemplate) && !QFileInfo::exists(newTemplate))
        QFile::rename(oldTemplate, newTemplate);
    if (shellNew)
        ok = SetShellNew(plain, *shellNew) && ok;

    runIfInstalled(QStringLiteral("update-mime-database"), dataHome() + QStringLiteral("/mime"));
    runIfInstalled(QStringLiteral("update-desktop-database"), dataHome() + QStringLiteral("/applications"));
    return ok;
}

bool SetShellNew(const QString& ext, bool flag) {
    const QString plain = plainExtension(ext);
    if (plain.isEmpty())
        return false;
    const QString path = templatePath(plain);
    if (!flag) {
        // A template the user has filled is theirs now: it stays.
        return !isEmptyFile(path) || QFile::remove(path);
    }
    return QFileInfo::exists(path) || writeFile(path, QByteArray());
}
