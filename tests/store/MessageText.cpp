#include "MessageText.h"

#include "Udm.h"

namespace qh::test {
namespace {

QString IconName(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::None: return QStringLiteral("none");
    case MsgIcon::Information: return QStringLiteral("information");
    case MsgIcon::Warning: return QStringLiteral("warning");
    case MsgIcon::Critical: return QStringLiteral("stop");
    case MsgIcon::Question: return QStringLiteral("question");
    }
    return {};
}

} // namespace

QString Described(const QString& text, const QString& caption, MsgIcon icon, MsgButtons buttons)
{
    return caption + u'|' + IconName(icon) + u'|'
        + (buttons == MsgButtons::Ok ? QStringLiteral("ok") : QStringLiteral("yes/no")) + u'|' + text;
}

QStringList Described(const RecordedMessages& messages)
{
    QStringList list;
    for (const auto& e : messages.entries)
        list.append(Described(e.text, e.caption, e.icon, e.buttons));
    return list;
}

QString StartupFailureMessage()
{
    return Described(QStringLiteral("系统启动失败！，请联系青禾软件工作室\n联系电话：") + TFrmDM::SupportTelephone(),
                     QStringLiteral("系统提示"), MsgIcon::Critical);
}

QString ConnectFailureMessage()
{
    return Described(QStringLiteral("连接数据库失败,请重新配置数据库信息！"), QStringLiteral("系统错误:"),
                     MsgIcon::Warning);
}

} // namespace qh::test
