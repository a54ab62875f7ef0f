#pragma once
// Readable Qt values in test failure messages.

#include <QString>

#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE
