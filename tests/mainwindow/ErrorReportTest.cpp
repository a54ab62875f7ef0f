// The general error report of the application object: an exception that
// escapes an event handler is shown with its text and the application
// title, and the program carries on.

#include "Messages.h"

#include <QCoreApplication>
#include <QEvent>

#include <gtest/gtest.h>

#include <stdexcept>

namespace qh {
namespace {

// Throws from its event handler on every odd event: a standard exception
// or, with `oddThrow`, something else.
class Faulty : public QObject {
public:
    bool standard = true;
    int handled = 0;

    bool event(QEvent* e) override
    {
        if (e->type() != QEvent::User)
            return QObject::event(e);
        if (++handled % 2 == 1) {
            if (standard)
                throw std::runtime_error("数据库错误");
            throw 42;
        }
        return true;
    }
};

const QString Title = QStringLiteral("青禾农历生日查询软件V1.0");

TEST(ErrorReport, AnExceptionEscapingAnEventHandlerIsShownAndTheProgramCarriesOn)
{
    RecordedMessages messages;
    Faulty faulty;
    QEvent first(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &first);
    QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
    QCoreApplication::postEvent(&faulty, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    EXPECT_EQ(faulty.handled, 3);
    ASSERT_EQ(messages.entries.size(), 2);
    for (const RecordedMessages::Entry& entry : messages.entries) {
        EXPECT_EQ(entry.text, QStringLiteral("数据库错误"));
        EXPECT_EQ(entry.caption, Title);
        EXPECT_EQ(entry.icon, MsgIcon::Critical);
        EXPECT_EQ(entry.buttons, MsgButtons::Ok);
    }
}

TEST(ErrorReport, AnythingElseThrownIsReportedToo)
{
    RecordedMessages messages;
    Faulty faulty;
    faulty.standard = false;
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&faulty, &event);
    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_FALSE(messages.entries[0].text.isEmpty());
    EXPECT_EQ(messages.entries[0].caption, Title);
}

} // namespace
} // namespace qh

namespace qh {
namespace {

// Qt's own texts, such as the Yes and No of a question box, are Chinese
// like the rest of the program, whatever the machine's locale.
TEST(ApplicationTexts, QtsOwnButtonTextsAreChinese)
{
    const QString yes = QCoreApplication::translate("QPlatformTheme", "&Yes");
    const QString no = QCoreApplication::translate("QPlatformTheme", "&No");
    EXPECT_TRUE(yes.contains(QStringLiteral("是"))) << yes.toStdString();
    EXPECT_TRUE(no.contains(QStringLiteral("否"))) << no.toStdString();
}

} // namespace
} // namespace qh
