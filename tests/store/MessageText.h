#pragma once
// Recorded messages in a form that reads well in test failures:
// "caption|icon|buttons|text".

#include "Messages.h"

#include <QStringList>

namespace qh::test {

QStringList Described(const RecordedMessages& messages);
QString Described(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok);

// The messages of a failed start-up, as the user sees them.
QString StartupFailureMessage();
QString ConnectFailureMessage();

} // namespace qh::test

#include <ostream>

// Lets test failures show Chinese texts.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}
