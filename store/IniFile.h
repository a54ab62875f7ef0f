#pragma once
// A reader of initialisation files: [section] lines and key=value lines,
// section and key names without regard to letter case, CRLF or LF line
// ends, blanks around names and values ignored, lines starting with ';'
// or '#' ignored. Where a section or key appears twice the first wins.
// The file is read once, when the object is made; a missing or unreadable
// file reads as an empty one.

#include <QHash>
#include <QString>
#include <optional>

namespace qh {

class TIniFile {
public:
    explicit TIniFile(const QString& path);

    // The key's value, the empty text when the key is there with nothing
    // after '=', `defaultValue` when the key is not there.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue) const;

    // The key's value as a whole number; `defaultValue` when the key is
    // missing or its value is not a whole number.
    int ReadInteger(const QString& section, const QString& key, int defaultValue) const;

private:
    void Parse(const QString& text);
    const QString* Find(const QString& section, const QString& key) const;

    QHash<QString, QHash<QString, QString>> FSections;
};

// A whole number in decimal, optionally signed, within the range of int;
// blanks around it are allowed. Nothing for any other text.
std::optional<int> ParseWholeNumber(const QString& text);

} // namespace qh
