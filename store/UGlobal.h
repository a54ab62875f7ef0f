#pragma once
// Program-wide routines and variables: the configuration values read at
// start-up, the start-up state, the information message and the general
// error report that every handler's uncaught error ends in.

#include <QFont>
#include <QString>

class QColor;
class QWidget;
#include <functional>
#include <stdexcept>
#include <string>

namespace qh {

// The application title: caption of the general error report and of plain
// messages, the title label and the notification-area tip.
const QString& ApplicationTitle();

// 宋体, the typeface of every window, at a pixel size.
QFont SongTi(int pixelSize, bool bold = false);

// Gives a panel a plain background of the colour.
void FillBackground(QWidget* widget, const QColor& colour);

// The values of "qhconfig.ini". They are kept for the whole run; nothing in
// the program acts on them.
struct TConfiguration {
    QString tdrpath = QStringLiteral("c:\\comm");
    QString xmlpath = QStringLiteral("c:\\");
    QString Code = QStringLiteral("**洗浴");
    int IfShowIni = 1;
    int IniPrice = 5;
    QString RootParam = QStringLiteral("5xz");
    int UpWarn = 10;
    int IfManage = 0;
    int CardNoLength = 6;
    QString SucceedAction = QStringLiteral("NEXT");
    QString ErrReplyAction = QStringLiteral("RETRY");
    QString FailedAction = QStringLiteral("RETRY");
    QString TimeOut = QStringLiteral("10");
    QString TimeWait = QStringLiteral("5");
    QString RetryTimes = QStringLiteral("1");
    int FreezeFlag = 1;
};

extern TConfiguration Configuration;
// Set when the database could not be attached at start-up; only ever set.
extern bool StartupFailed;
// The connection string composed at start-up.
extern QString DBConnectionString;

// Back to the state before start-up (a new data module starts a new run).
void ResetProgramState();

// A message with the caption "系统提示", the information icon and OK.
void ShowInfoMessage(const QString& text);

// An error that abandons the operation raising it and is shown by the
// general error report. The text is for the user.
class TStoreError : public std::runtime_error {
public:
    explicit TStoreError(const QString& text);
    QString Text() const;
};

// The general error report: the error's text in a message box captioned
// with the application title.
void ShowErrorReport(const QString& text);

// Runs `handler`; an error escaping it goes to the general error report
// instead of unwinding through the event loop. Returns false on error.
bool ReportErrors(const std::function<void()>& handler);

} // namespace qh
