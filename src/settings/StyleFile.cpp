#include "settings/StyleFile.h"

#include "platform/AnsiText.h"

#include <QtEndian>

#include <algorithm>
#include <optional>

namespace {

constexpr qint16 kStyleVersion = 1;
constexpr qsizetype kDescriptionBlock = 255;
constexpr qsizetype kDescriptionPadding = 50;
constexpr qsizetype kMaxFaceBytes = 0xFFFF;

template <typename T>
void put(QByteArray& bytes, T value) {
    char raw[sizeof(T)];
    qToLittleEndian(value, raw);
    bytes.append(raw, sizeof(T));
}

template <typename T, typename Slots>
void putSlots(QByteArray& bytes, const Slots& values) {
    for (const auto value : values)
        put<T>(bytes, static_cast<T>(value));
}

// Reads forward through the file; an empty result once it would pass the end.
class StyleReader {
public:
    explicit StyleReader(const QByteArray& bytes) : bytes_(bytes) {}

    template <typename T>
    std::optional<T> take() {
        if (remaining() < qsizetype(sizeof(T)))
            return std::nullopt;
        const T value = qFromLittleEndian<T>(bytes_.constData() + position_);
        position_ += sizeof(T);
        return value;
    }

    std::optional<QByteArray> takeBytes(qsizetype count) {
        if (remaining() < count)
            return std::nullopt;
        const QByteArray taken = bytes_.mid(position_, count);
        position_ += count;
        return taken;
    }

    qsizetype remaining() const { return bytes_.size() - position_; }

private:
    const QByteArray& bytes_;
    qsizetype position_ = 0;
};

template <typename T, typename Slots>
bool takeSlots(StyleReader& reader, Slots& values) {
    for (auto& value : values) {
        const std::optional<T> read = reader.take<T>();
        if (!read)
            return false;
        value = *read;
    }
    return true;
}

bool takeFaceNames(StyleReader& reader, ColorStyle::Slots<QString>& names) {
    for (QString& name : names) {
        const std::optional<quint16> count = reader.take<quint16>();
        const std::optional<QByteArray> bytes = count ? reader.takeBytes(*count) : std::nullopt;
        if (!bytes)
            return false;
        name = platform::fromAnsi(*bytes);
    }
    return true;
}

bool takeTables(StyleReader& reader, ColorStyle& style) {
    return takeSlots<quint32>(reader, style.ForeColor) && takeSlots<quint32>(reader, style.BackColor) &&
           takeFaceNames(reader, style.FontName) && takeSlots<quint8>(reader, style.FontSize) &&
           takeSlots<qint16>(reader, style.Bold) && takeSlots<qint16>(reader, style.Italic) &&
           takeSlots<qint16>(reader, style.Underline) && takeSlots<quint32>(reader, style.AltColor);
}

QString takeDescription(StyleReader& reader) {
    QByteArray block = *reader.takeBytes(std::min(reader.remaining(), kDescriptionBlock));
    const qsizetype end = block.indexOf('\0');
    if (end >= 0)
        block.truncate(end);
    return platform::fromAnsi(block);
}

}

QString ParsedStyle::problem() const {
    switch (fault) {
    case StyleFileFault::None:
        return {};
    case StyleFileFault::Damaged:
        return QStringLiteral("the file ends inside its tables");
    case StyleFileFault::WrongVersion:
        return QStringLiteral("version %1, not 1").arg(version);
    }
    return {};
}

QByteArray FormatStyle(const ColorStyle& style, const QString& description) {
    QByteArray bytes;
    put<qint16>(bytes, kStyleVersion);
    putSlots<quint32>(bytes, style.ForeColor);
    putSlots<quint32>(bytes, style.BackColor);
    for (const QString& name : style.FontName) {
        const QByteArray face = platform::toAnsi(name).left(kMaxFaceBytes);
        put<quint16>(bytes, static_cast<quint16>(face.size()));
        bytes.append(face);
    }
    putSlots<quint8>(bytes, style.FontSize);
    putSlots<qint16>(bytes, style.Bold);
    putSlots<qint16>(bytes, style.Italic);
    putSlots<qint16>(bytes, style.Underline);
    putSlots<quint32>(bytes, style.AltColor);
    bytes.append(platform::toAnsi(description));
    bytes.append('\0');
    bytes.append(kDescriptionPadding, ' ');
    return bytes;
}

ParsedStyle ParseStyle(const QByteArray& bytes) {
    ParsedStyle parsed;
    StyleReader reader(bytes);
    const std::optional<qint16> version = reader.take<qint16>();
    if (!version) {
        parsed.fault = StyleFileFault::Damaged;
        return parsed;
    }
    if (*version != kStyleVersion) {
        parsed.fault = StyleFileFault::WrongVersion;
        parsed.version = *version;
        return parsed;
    }
    if (!takeTables(reader, parsed.content.style)) {
        parsed.fault = StyleFileFault::Damaged;
        return parsed;
    }
    parsed.content.description = takeDescription(reader);
    return parsed;
}
