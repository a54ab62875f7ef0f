// qh_window_texts PID [DEPTH]: what a screen reader sees of the windows of
// process PID, read over the accessibility bus (AT-SPI). The end-to-end
// tests use it to read the texts of message boxes, which nothing else on
// an X display can read.
//
// One line per object, indented two blanks a level below its window:
//     role<TAB>name
// with a line break inside a name written as the two characters \n.
// DEPTH (default 3) limits how far below the windows it reads.
// Exit status 0 when the process was found on the bus, 1 when not (yet),
// 2 on a usage or bus error.

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace {

constexpr int CallTimeoutMs = 3000;
const QString AccessibleInterface = QStringLiteral("org.a11y.atspi.Accessible");
const QString RootPath = QStringLiteral("/org/a11y/atspi/accessible/root");

class Reader {
public:
    Reader(QDBusConnection bus, QString service) : FBus(std::move(bus)), FService(std::move(service)) {}

    std::optional<QList<QVariant>> Call(const QString& path, const QString& interface, const QString& method,
                                        const QList<QVariant>& arguments = {}) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(FService, path, interface, method);
        message.setArguments(arguments);
        const QDBusMessage reply = FBus.call(message, QDBus::Block, CallTimeoutMs);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return std::nullopt;
        return reply.arguments();
    }

    QVariant Property(const QString& path, const QString& name) const
    {
        const auto reply = Call(path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
                                {AccessibleInterface, name});
        return reply ? reply->first().value<QDBusVariant>().variant() : QVariant();
    }

    QString Child(const QString& path, int index) const
    {
        const auto reply = Call(path, AccessibleInterface, QStringLiteral("GetChildAtIndex"), {index});
        if (!reply)
            return {};
        const QDBusArgument reference = reply->first().value<QDBusArgument>();
        QString service;
        QDBusObjectPath object;
        reference.beginStructure();
        reference >> service >> object;
        reference.endStructure();
        return object.path();
    }

    void Print(QTextStream& out, const QString& path, int level, int depth) const
    {
        const auto role = Call(path, AccessibleInterface, QStringLiteral("GetRoleName"));
        QString name = Property(path, QStringLiteral("Name")).toString();
        name.replace(QLatin1Char('\n'), QStringLiteral("\\n")).replace(QLatin1Char('\r'), QStringLiteral("\\n"));
        if (level > 0)
            out << QString(2 * (level - 1), QLatin1Char(' ')) << (role ? role->first().toString() : QString())
                << '\t' << name << '\n';
        if (level > depth)
            return;
        const int children = Property(path, QStringLiteral("ChildCount")).toInt();
        for (int i = 0; i < children; ++i) {
            const QString child = Child(path, i);
            if (!child.isEmpty() && child != path)
                Print(out, child, level + 1, depth);
        }
    }

private:
    QDBusConnection FBus;
    QString FService;
};

int Usage()
{
    std::fputs("usage: qh_window_texts PID [DEPTH]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = application.arguments();
    bool ok = false;
    const uint pid = args.value(1).toUInt(&ok);
    if (!ok)
        return Usage();
    const int depth = args.size() > 2 ? args[2].toInt() : 3;

    // The accessibility bus is a bus of its own; the session bus names it.
    const QDBusMessage addressReply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")),
        QDBus::Block, CallTimeoutMs);
    if (addressReply.type() != QDBusMessage::ReplyMessage || addressReply.arguments().isEmpty()) {
        std::fprintf(stderr, "qh_window_texts: no accessibility bus: %s\n", qPrintable(addressReply.errorMessage()));
        return 2;
    }
    QDBusConnection bus =
        QDBusConnection::connectToBus(addressReply.arguments().first().toString(), QStringLiteral("a11y"));
    if (!bus.isConnected() || !bus.interface()) {
        std::fprintf(stderr, "qh_window_texts: cannot connect to the accessibility bus\n");
        return 2;
    }

    const QStringList names = bus.interface()->registeredServiceNames();
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1Char(':')) || bus.interface()->servicePid(name).value() != pid)
            continue;
        const Reader reader(bus, name);
        if (!reader.Call(RootPath, AccessibleInterface, QStringLiteral("GetRoleName")))
            continue; // a connection of the process that serves no accessible objects
        QTextStream out(stdout);
        reader.Print(out, RootPath, 0, depth);
        return 0;
    }
    return 1;
}
