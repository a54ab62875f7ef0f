#include "IniFile.h"

#include <QFile>
#include <QStringDecoder>

namespace qh {
namespace {

// UTF-8 as written today; files carried over from older installations
// may be in the Chinese national code page instead.
QString Decode(QByteArray bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder national("GB18030");
    if (national.isValid()) {
        QString nationalText = national.decode(bytes);
        if (!national.hasError())
            return nationalText;
    }
    return text;
}

QString Unquoted(const QString& value)
{
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == u'"' || first == u'\'') && value.back() == first)
            return value.mid(1, value.size() - 2);
    }
    return value;
}

} // namespace

TIniFile::TIniFile(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        Parse(Decode(file.readAll()));
}

void TIniFile::Parse(const QString& text)
{
    QHash<QString, QString>* section = nullptr;
    for (QStringView rawLine : QStringView(text).split(u'\n')) {
        const QStringView line = rawLine.trimmed();
        if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
            continue;
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            const QString name = (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed().toString().toLower();
            section = &FSections[name];
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!section || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString().toLower();
        if (!section->contains(key))
            section->insert(key, Unquoted(line.mid(equals + 1).trimmed().toString()));
    }
}

const QString* TIniFile::Find(const QString& section, const QString& key) const
{
    const auto s = FSections.constFind(section.toLower());
    if (s == FSections.constEnd())
        return nullptr;
    const auto k = s->constFind(key.toLower());
    return k == s->constEnd() ? nullptr : &k.value();
}

QString TIniFile::ReadString(const QString& section, const QString& key,
                             const QString& defaultValue) const
{
    const QString* value = Find(section, key);
    return value ? *value : defaultValue;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const
{
    const QString* value = Find(section, key);
    if (!value)
        return defaultValue;
    return ParseWholeNumber(*value).value_or(defaultValue);
}

std::optional<int> ParseWholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    if (i < trimmed.size() && (trimmed[i] == u'+' || trimmed[i] == u'-'))
        ++i;
    if (i == trimmed.size())
        return std::nullopt;
    for (qsizetype j = i; j < trimmed.size(); ++j)
        if (trimmed[j] < u'0' || trimmed[j] > u'9')
            return std::nullopt;
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    return ok ? std::optional<int>(value) : std::nullopt;
}

} // namespace qh
