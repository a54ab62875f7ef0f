#pragma once
// The application object: title, icon and message loop come from
// QApplication; on top of it every event delivery is guarded, so that an
// exception escaping a handler ends up in the general error report instead
// of ending the program.

#include <QApplication>
#include <QTranslator>

namespace qh {

class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);

    // Sets the title the system shows for the application.
    static void SetTitle(const QString& title);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    // Qt's own texts (message-box buttons, the file dialog) in Chinese,
    // like the rest of the program, whatever the user's locale.
    QTranslator FQtTexts;
};

} // namespace qh
