#pragma once
// Registering a person: the checks of the entries, the duplicate check, and
// the person with every occurrence of the lunar birthday stored in one
// transaction on the program's connection.

#include "ADOQuery.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace qh {

// Names are kept in a column of 50 characters.
inline constexpr int MaxNameLength = 50;
// Pictures larger than this are refused when chosen.
inline constexpr qint64 MaxPictureBytes = 16 * 1024 * 1024;

// The entries as typed in the dialog.
struct BirthdayEntries {
    QString name;
    QString birthday;
    QString yearCount;
    QString picturePath;  // the chosen picture file, empty when none
};

// The box a refused entry belongs to.
enum class BirthdayEntry { Name, Birthday, YearCount };

struct BirthdayRefusal {
    QString message;
    BirthdayEntry entry;
};

// Checks the entries and, when they are sound and the name is not yet
// registered, stores the person and the occurrences of the lunar birthday
// around today's year. Answers the refusal of the first entry that is not
// sound, nothing when the person was stored. Throws TStoreError when the
// save fails midway (a database error, a picture that cannot be read); the
// transaction is rolled back and nothing of the save stays stored.
std::optional<BirthdayRefusal> RegisterBirthday(const BirthdayEntries& entries,
                                                const QString& connectionName = ADOConName);

// The text of a refusal for a picture file that cannot be used (missing,
// unreadable or too large), or nothing when it can.
std::optional<QString> PictureFileProblem(const QString& path);

// The bytes of a picture file; throws TStoreError when the file can no
// longer be used.
QByteArray ReadPictureFile(const QString& path);

} // namespace qh
