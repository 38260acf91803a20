#include "inifile.h"

#include "error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

IniFile::IniFile(QString path) : m_path(std::move(path))
{
    Load();
}

bool IniFile::Exists() const
{
    return QFileInfo::exists(m_path);
}

void IniFile::Load()
{
    m_sections.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            m_sections.push_back({line.mid(1, line.size() - 2), {}});
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || m_sections.empty())
            continue;
        m_sections.back().values.emplace_back(line.left(eq).trimmed(), line.mid(eq + 1));
    }
}

void IniFile::Save() const
{
    QByteArray text;
    for (const Section &s : m_sections) {
        text += '[' + s.name.toUtf8() + "]\r\n";
        for (const auto &[key, value] : s.values)
            text += key.toUtf8() + '=' + value.toUtf8() + "\r\n";
        text += "\r\n";
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit())
        throw Error(QStringLiteral("Cannot write %1").arg(m_path));
}

QString IniFile::ReadString(const QString &section, const QString &key,
                            const QString &fallback) const
{
    for (const Section &s : m_sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const auto &[k, v] : s.values)
            if (k.compare(key, Qt::CaseInsensitive) == 0)
                return v;
    }
    return fallback;
}

bool IniFile::ReadBool(const QString &section, const QString &key, bool fallback) const
{
    const QString value = ReadString(section, key);
    if (value.isEmpty())
        return fallback;
    bool ok = false;
    const int n = value.toInt(&ok);
    return ok ? n != 0 : fallback;
}

void IniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    auto it = std::find_if(m_sections.begin(), m_sections.end(), [&](const Section &s) {
        return s.name.compare(section, Qt::CaseInsensitive) == 0;
    });
    if (it == m_sections.end()) {
        m_sections.push_back({section, {}});
        it = m_sections.end() - 1;
    }
    auto kv = std::find_if(it->values.begin(), it->values.end(), [&](const auto &p) {
        return p.first.compare(key, Qt::CaseInsensitive) == 0;
    });
    if (kv == it->values.end())
        it->values.emplace_back(key, value);
    else
        kv->second = value;
    Save();
}

void IniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace platform
