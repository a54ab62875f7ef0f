#include "UApplication.h"

#include "UGlobal.h"

#include <QLibraryInfo>

namespace qh {

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    if (FQtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&FQtTexts);
}

void TApplication::SetTitle(const QString& title)
{
    QGuiApplication::setApplicationDisplayName(title);
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    // One pointer to capture keeps the handler free of allocations: this
    // runs for every event.
    struct Delivery {
        TApplication* application;
        QObject* receiver;
        QEvent* event;
        bool handled = false;
    } delivery{this, receiver, event};
    ReportErrors([d = &delivery] { d->handled = d->application->QApplication::notify(d->receiver, d->event); });
    return delivery.handled;
}

} // namespace qh
