#include "platform/ini_settings.h"
#include "platform/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <optional>

namespace {

struct Line {
    QByteArray text;          // without its line break
    QByteArray sectionName;   // set for a "[name]" line
    QByteArray key;           // set for a "key=value" line
    bool isSection = false;
};

QList<Line> parse(const QByteArray& file)
{
    QList<Line> lines;
    const QList<QByteArray> raw = file.split('\n');
    for (qsizetype i = 0; i < raw.size(); ++i) {
        QByteArray text = raw[i];
        if (text.endsWith('\r'))
            text.chop(1);
        if (i == raw.size() - 1 && text.isEmpty())
            break; // the break after the last line
        Line line{text, {}, {}, false};
        const QByteArray trimmed = text.trimmed();
        if (trimmed.startsWith('[')) {
            const qsizetype close = trimmed.indexOf(']');
            if (close > 0) {
                line.isSection = true;
                line.sectionName = trimmed.mid(1, close - 1).trimmed();
            }
        } else if (!trimmed.startsWith(';')) {
            const qsizetype equals = trimmed.indexOf('=');
            if (equals > 0)
                line.key = trimmed.left(equals).trimmed();
        }
        lines.append(line);
    }
    return lines;
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray valueOf(const Line& line)
{
    const qsizetype equals = line.text.indexOf('=');
    return line.text.mid(equals + 1).trimmed();
}

// One line of text: a value never carries a line break into the file.
QByteArray oneLine(const QByteArray& value)
{
    qsizetype end = value.size();
    for (const char stop : {'\r', '\n'}) {
        const qsizetype at = value.indexOf(stop);
        if (at >= 0 && at < end)
            end = at;
    }
    return value.left(end);
}

} // namespace

QByteArray iniValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                    const QByteArray& defaultValue)
{
    bool inSection = false;
    for (const Line& line : parse(file)) {
        if (line.isSection)
            inSection = sameName(line.sectionName, section);
        else if (inSection && !line.key.isEmpty() && sameName(line.key, key))
            return valueOf(line).left(IniSettings::kMaxValue);
    }
    return defaultValue.left(IniSettings::kMaxValue);
}

QByteArray iniWithValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                        const QByteArray& value)
{
    QList<Line> lines = parse(file);
    const QByteArray entry = key + '=' + oneLine(value);
    qsizetype sectionAt = -1;
    qsizetype lastInSection = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isSection) {
            if (sectionAt >= 0)
                break;
            if (sameName(lines[i].sectionName, section))
                sectionAt = lastInSection = i;
            continue;
        }
        if (sectionAt < 0)
            continue;
        if (!lines[i].key.isEmpty() && sameName(lines[i].key, key)) {
            lines[i].text = entry;
            lastInSection = -2;
            break;
        }
        if (!lines[i].text.trimmed().isEmpty())
            lastInSection = i;
    }
    if (sectionAt < 0) {
        if (!lines.isEmpty() && !lines.last().text.trimmed().isEmpty())
            lines.append(Line{});
        lines.append(Line{'[' + section + ']', {}, {}, true});
        lines.append(Line{entry, {}, key, false});
    } else if (lastInSection >= 0) {
        lines.insert(lastInSection + 1, Line{entry, {}, key, false});
    }
    QByteArray result;
    for (const Line& line : lines)
        result += line.text + "\r\n";
    return result;
}

IniSettings::IniSettings(QString path, bool createFolder) : path_(std::move(path)), createFolder_(createFolder) {}

namespace {

std::optional<QByteArray> readWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    if (file.size() > IniSettings::kMaxFile)
        return std::nullopt;
    return file.read(IniSettings::kMaxFile);
}

} // namespace

QByteArray IniSettings::read(const QByteArray& section, const QByteArray& key, const QByteArray& defaultValue) const
{
    const std::optional<QByteArray> file = readWhole(path_);
    return iniValue(file.value_or(QByteArray()), section, key, defaultValue);
}

bool IniSettings::write(const QByteArray& section, const QByteArray& key, const QByteArray& value) const
{
    const QFileInfo info(path_);
    if (createFolder_ && !info.dir().exists() && !QDir().mkpath(info.absolutePath()))
        return false;
    if (!info.dir().exists())
        return false;
    const std::optional<QByteArray> file = readWhole(path_);
    if (!file)
        return false;
    // Written through a temporary copy, so a failed write never leaves half a settings file.
    return writeWholeFile(path_, iniWithValue(*file, section, key, value));
}
