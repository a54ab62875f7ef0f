#include "UApplication.h"

#include "ErrorReport.h"

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
        ShowException(error);
    } catch (...) {
        ShowUnknownException();
    }
    return false;
}

} // namespace qh
