#pragma once
// Every statement the program issues on the birthday register, word for
// word. Parameters are bound by name, never pasted into the text.

#include <QString>

namespace qh::Statements {

// All persons (the persons list).
inline const QString AllPersons = QStringLiteral("select * from tbl_nlbirthday");
// This year's birthdays; p: the year as decimal text.
inline const QString BirthdaysOfYear = QStringLiteral("Select * from tbl_glbirthday where nf=:p");
// One person's birthdays, earliest date first; p: the name.
inline const QString BirthdaysOfPerson =
    QStringLiteral("Select * from tbl_glbirthday where Buser=:p order by keyid desc");
// The person's row, for the picture; p: the name.
inline const QString PersonRow = QStringLiteral("Select * from tbl_nlbirthday where Buser=:p ");
// Deleting a person, both sides; p: the name.
inline const QString DeletePerson = QStringLiteral("delete from tbl_nlbirthday where buser=:p");
inline const QString DeleteBirthdaysOfPerson = QStringLiteral("delete from tbl_glbirthday where buser=:p");
// Is the name registered already? p: the new name, blanks trimmed.
inline const QString FindPerson = QStringLiteral("Select *  from tbl_nlbirthday where buser=:p");
// One generated birthday; p1 name, p2 date text, p3 age, p4 year, p5 weekday.
inline const QString InsertBirthday = QStringLiteral(
    "Insert into tbl_glbirthday(buser,bgbirthday,nl,nf,xq) values(:p1,:p2,:p3,:p4,:p5)");
// The text the person's list holds before its first run.
inline const QString AllBirthdays = QStringLiteral("select * from tbl_glbirthday");

} // namespace qh::Statements
