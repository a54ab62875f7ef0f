#include "UGlobal.h"

#include "Messages.h"

#include <QPalette>
#include <QWidget>

namespace qh {

TConfiguration Configuration;
bool StartupFailed = false;
QString DBConnectionString;

const QString& ApplicationTitle()
{
    static const QString title = QStringLiteral("青禾农历生日查询软件V1.0");
    return title;
}

QFont SongTi(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Noto Serif CJK SC"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void FillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void ResetProgramState()
{
    Configuration = TConfiguration();
    StartupFailed = false;
    DBConnectionString.clear();
}

void ShowInfoMessage(const QString& text)
{
    Messages().Show(text, QStringLiteral("系统提示"), MsgIcon::Information, MsgButtons::Ok);
}

TStoreError::TStoreError(const QString& text)
    : std::runtime_error(text.toStdString())
{
}

QString TStoreError::Text() const
{
    return QString::fromUtf8(what());
}

void ShowErrorReport(const QString& text)
{
    Messages().Show(text, ApplicationTitle(), MsgIcon::Critical, MsgButtons::Ok);
}

bool ReportErrors(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& error) {
        ShowErrorReport(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorReport(QStringLiteral("发生了未知错误。"));
    }
    return false;
}

} // namespace qh
