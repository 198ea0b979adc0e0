#pragma once

#include <QByteArray>
#include <QString>

// The settings file: a Windows INI file of GBK texts. Read whole on every read, written whole on
// every write; a missing file, section or key gives the default, and a write that fails is ignored.
class IniSettings {
public:
    // createFolder: the file's folder may be made on the first write (the per-user location); a
    // portable ini/ folder is never made by the program.
    explicit IniSettings(QString path, bool createFolder = false);

    const QString& path() const { return path_; }

    // Values longer than kMaxValue bytes are cut.
    QByteArray read(const QByteArray& section, const QByteArray& key, const QByteArray& defaultValue) const;
    // False when the file could not be written; callers ignore it.
    bool write(const QByteArray& section, const QByteArray& key, const QByteArray& value) const;

    static constexpr qsizetype kMaxValue = 10240;
    // A bigger file is not a settings file of ours; it reads as missing and is not rewritten.
    static constexpr qint64 kMaxFile = 1 << 20;

private:
    QString path_;
    bool createFolder_;
};

// The pure halves, on the file's bytes. Section and key names compare without regard to ASCII case.
QByteArray iniValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                    const QByteArray& defaultValue);
QByteArray iniWithValue(const QByteArray& file, const QByteArray& section, const QByteArray& key,
                        const QByteArray& value);
