#pragma once
// The data module: reads "qhconfig.ini" and attaches the birthday register
// "qh.dll" (both beside the executable) through the one connection
// `ADOCon`, which then stays open for the whole run.

#include <QObject>
#include <QSqlDatabase>
#include <QString>

namespace qh {

class TFrmDM : public QObject {
    Q_OBJECT
public:
    // `folder` holds "qhconfig.ini" and "qh.dll"; empty means the
    // executable's folder. Making the module starts a new run: the
    // program-wide state is reset. Nothing is read until DataModuleCreate.
    explicit TFrmDM(const QString& folder = QString(), QObject* parent = nullptr);
    ~TFrmDM() override;

    // Start-up: LoadConfiguration, then the start-up failure message and
    // the end request when the register could not be attached. Throws
    // TStoreError with the reason after a failed start-up; the module
    // stays usable either way.
    void DataModuleCreate();

    // Reads the configuration and connects; errors never leave it.
    void LoadConfiguration();

    // The one connection, open after a successful start-up.
    QSqlDatabase ADOCon() const;
    bool Connected() const;

    // Set once a failed start-up asked the application to end.
    bool Terminated() const { return FTerminated; }

    QString Folder() const { return FFolder; }

    // How long a statement waits for another copy of the program that is
    // writing to the same file (milliseconds). Takes effect at connecting.
    void SetBusyTimeout(int milliseconds) { FBusyTimeout = milliseconds; }

    // The support telephone number given in the start-up failure message.
    static QString SupportTelephone();

private:
    bool OpenADOCon();
    bool AttachFile(const QString& path);

    QString FFolder;
    QString FConnectionString;
    QString FConfigurationProblem; // why start-up stopped before connecting
    QString FConnectError;         // why the last connecting failed
    bool FTerminated = false;
    int FBusyTimeout = 5000;
};

// The data module of the running program (set while one exists).
extern TFrmDM* FrmDM;

} // namespace qh
