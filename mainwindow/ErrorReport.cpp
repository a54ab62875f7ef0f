#include "ErrorReport.h"

#include "Messages.h"

#include <QGuiApplication>

namespace qh {
namespace {

void Report(const QString& text)
{
    Messages().Show(text, QGuiApplication::applicationDisplayName(), MsgIcon::Critical,
                    MsgButtons::Ok);
}

} // namespace

void ShowException(const std::exception& error)
{
    Report(QString::fromUtf8(error.what()));
}

void ShowUnknownException()
{
    Report(QStringLiteral("未知错误"));
}

bool RunHandler(const std::function<void()>& handler)
{
    try {
        if (handler)
            handler();
        return true;
    } catch (const std::exception& error) {
        ShowException(error);
    } catch (...) {
        ShowUnknownException();
    }
    return false;
}

} // namespace qh
