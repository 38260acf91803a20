#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace platform {

// A plain INI file, read and written as UTF-8 text with the keys exactly as given (QSettings
// would escape a key such as "hatırla"). Sections and keys keep their order; lookups ignore
// case as the system's INI routines do.
class IniFile
{
public:
    explicit IniFile(QString path);

    bool Exists() const;
    QString ReadString(const QString &section, const QString &key,
                       const QString &fallback = QString()) const;
    bool ReadBool(const QString &section, const QString &key, bool fallback) const;
    // Each write stores the file at once.
    void WriteString(const QString &section, const QString &key, const QString &value);
    void WriteBool(const QString &section, const QString &key, bool value);

private:
    struct Section
    {
        QString name;
        std::vector<std::pair<QString, QString>> values;
    };
    void Load();
    void Save() const;

    QString m_path;
    std::vector<Section> m_sections;
};

} // namespace platform
