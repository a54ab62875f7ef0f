#include "UApplication.h"

#include "UGlobal.h"

namespace qh {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

void TApplication::SetTitle(const QString& title)
{
    QGuiApplication::setApplicationDisplayName(title);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowErrorReport(QString::fromUtf8(error.what()));
    } catch (...) {
        ShowErrorReport(QStringLiteral("发生了未知错误。"));
    }
    return false;
}

} // namespace qh
