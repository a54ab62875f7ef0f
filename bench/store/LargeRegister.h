#pragma once
// A large birthday register for the speed measurements: 10,000 persons
// with 20 generated birthdays each (200,000 rows; from 2016 on, so that
// this year's list holds 10,000 rows until 2035).

#include <QString>

namespace qh::bench {

constexpr int LargeRegisterPersons = 10000;
constexpr int LargeRegisterBirthdaysEach = 20;

// The name of person i (0 <= i < LargeRegisterPersons).
QString LargeRegisterName(int i);

// Writes the register as a new "qh.dll" at path; the first `pictures`
// persons carry a 30 KB photo. Ends the process when the file cannot be
// written.
void FillLargeRegister(const QString& path, int pictures = 0);

} // namespace qh::bench
