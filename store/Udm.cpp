#include "Udm.h"

#include "ADOQuery.h"
#include "DbError.h"
#include "IniFile.h"
#include "Messages.h"
#include "UGlobal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QUrl>

namespace qh {

TFrmDM* FrmDM = nullptr;

namespace {

const QString ConfigurationFileName = QStringLiteral("qhconfig.ini");
const QString DatabaseFileName = QStringLiteral("qh.dll");

// The connection setting stored with the module; it names no usable
// database and is only in force when start-up stopped before connecting.
const QString StoredConnectionSetting = QStringLiteral("FILE NAME=.\\vuderirive.udl");

const QString DataSourceKey = QStringLiteral("Data Source=");
const QString ConnectionStringEnd = QStringLiteral(";Persist Security Info=False");

// The database file a connection string names; empty when it names none.
QString DataSourceOf(const QString& connectionString)
{
    const qsizetype start = connectionString.indexOf(DataSourceKey);
    if (start < 0)
        return {};
    const qsizetype from = start + DataSourceKey.size();
    qsizetype end = connectionString.lastIndexOf(ConnectionStringEnd);
    if (end < from)
        end = connectionString.size();
    return connectionString.mid(from, end - from);
}

// Opened through a URI in read-write mode: SQLite would otherwise create
// an empty file where the register has gone missing.
QString ReadWriteUri(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded)
        + QStringLiteral("?mode=rw");
}

struct TableCheck {
    const char* table;
    const char* statement;
};

// Both tables with every column the program reads and writes.
const TableCheck RegisterTables[] = {
    {"tbl_nlbirthday", "select KeyID, Buser, BNbirthday, pic from tbl_nlbirthday where 0"},
    {"tbl_glbirthday", "select KeyID, Buser, BGbirthday, NL, NF, XQ from tbl_glbirthday where 0"},
};

// Writes that change nothing: they fail when the file can only be read.
const char* const WriteChecks[] = {
    "delete from tbl_nlbirthday where 0",
    "delete from tbl_glbirthday where 0",
};

const int SqliteGeneralError = 1;

} // namespace

TFrmDM::TFrmDM(const QString& folder, QObject* parent)
    : QObject(parent),
      FFolder(QDir::cleanPath(folder.isEmpty() ? QCoreApplication::applicationDirPath() : folder)),
      FConnectionString(StoredConnectionSetting)
{
    setObjectName(QStringLiteral("FrmDM"));
    ResetProgramState();
    QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), ADOConName);
    FrmDM = this;
}

TFrmDM::~TFrmDM()
{
    {
        QSqlDatabase db = QSqlDatabase::database(ADOConName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(ADOConName);
    if (FrmDM == this)
        FrmDM = nullptr;
}

QString TFrmDM::SupportTelephone()
{
    return QStringLiteral("0571-86912345");
}

QSqlDatabase TFrmDM::ADOCon() const
{
    return QSqlDatabase::database(ADOConName, false);
}

bool TFrmDM::Connected() const
{
    return ADOCon().isOpen();
}

void TFrmDM::DataModuleCreate()
{
    LoadConfiguration();
    if (!OpenADOCon())
        StartupFailed = true;
    if (StartupFailed) {
        Messages().Show(QStringLiteral("系统启动失败！，请联系青禾软件工作室\n联系电话：") + SupportTelephone(),
                        QStringLiteral("系统提示"), MsgIcon::Critical, MsgButtons::Ok);
        FTerminated = true;
    }
    if (!OpenADOCon())
        throw TStoreError(FConnectError);
}

void TFrmDM::LoadConfiguration()
{
    try {
        const TConfiguration defaults;
        const TIniFile ini(QDir(FFolder).filePath(ConfigurationFileName));
        // Read for the sake of completeness; the register needs neither.
        ini.ReadString(QStringLiteral("SqlServer"), QStringLiteral("Server"), QStringLiteral("127.0.0.1"));
        ini.ReadString(QStringLiteral("SqlServer"), QStringLiteral("Database"), QStringLiteral("bxxy"));

        TConfiguration& c = Configuration;
        c.tdrpath = ini.ReadString(QStringLiteral("SqlServer"), QStringLiteral("tdrpath"), defaults.tdrpath);
        c.xmlpath = ini.ReadString(QStringLiteral("SqlServer"), QStringLiteral("xmlpath"), defaults.xmlpath);
        c.Code = ini.ReadString(QStringLiteral("Station"), QStringLiteral("Code"), defaults.Code);
        c.IfShowIni = ini.ReadInteger(QStringLiteral("Station"), QStringLiteral("IfShowIni"), defaults.IfShowIni);
        c.IniPrice = ini.ReadInteger(QStringLiteral("Station"), QStringLiteral("IniPrice"), defaults.IniPrice);
        c.RootParam = ini.ReadString(QStringLiteral("Station"), QStringLiteral("RootParam"), defaults.RootParam);
        c.UpWarn = ini.ReadInteger(QStringLiteral("Station"), QStringLiteral("UpWarn"), defaults.UpWarn);
        c.IfManage = ini.ReadInteger(QStringLiteral("Station"), QStringLiteral("IfManage"), defaults.IfManage);
        c.CardNoLength = ini.ReadInteger(QStringLiteral("Station"), QStringLiteral("CardNoLength"), defaults.CardNoLength);
        c.SucceedAction = ini.ReadString(QStringLiteral("TaskParam"), QStringLiteral("SucceedAction"), defaults.SucceedAction);
        c.ErrReplyAction = ini.ReadString(QStringLiteral("TaskParam"), QStringLiteral("ErrReplyAction"), defaults.ErrReplyAction);
        c.FailedAction = ini.ReadString(QStringLiteral("TaskParam"), QStringLiteral("FailedAction"), defaults.FailedAction);
        c.TimeOut = ini.ReadString(QStringLiteral("TaskParam"), QStringLiteral("TimeOut"), defaults.TimeOut);
        c.TimeWait = ini.ReadString(QStringLiteral("TaskParam"), QStringLiteral("TimeWait"), defaults.TimeWait);
        c.RetryTimes = ini.ReadString(QStringLiteral("TaskParam"), QStringLiteral("RetryTimes"), defaults.RetryTimes);
        const QString freezeFlag = ini.ReadString(QStringLiteral("FreezeParam"), QStringLiteral("FreezeFlag"),
                                                  QString::number(defaults.FreezeFlag));
        const std::optional<int> flag = ParseWholeNumber(freezeFlag);
        if (!flag) {
            // Start-up goes no further: no connection string, no message here.
            FConfigurationProblem = QStringLiteral("配置文件 %1 中 [FreezeParam] 的 FreezeFlag 值“%2”不是整数，没有连接数据库。")
                                        .arg(QDir(FFolder).filePath(ConfigurationFileName), freezeFlag);
            return;
        }
        c.FreezeFlag = *flag;

        const QString databasePath = QDir(FFolder).filePath(DatabaseFileName);
        DBConnectionString = QStringLiteral("Provider=QSQLITE;") + DataSourceKey + FFolder
            + QDir::separator() + DatabaseFileName + ConnectionStringEnd;

        if (!QFileInfo::exists(databasePath)) {
            FConfigurationProblem = QStringLiteral("找不到数据库文件 qh.dll（%1）。").arg(databasePath);
            StartupFailed = true;
            return;
        }

        ADOCon().close();
        FConnectionString = DBConnectionString;
        if (!OpenADOCon()) {
            Messages().Show(QStringLiteral("连接数据库失败,请重新配置数据库信息！"), QStringLiteral("系统错误:"),
                            MsgIcon::Warning, MsgButtons::Ok);
            StartupFailed = true;
        }
    } catch (...) {
        // Nothing of the configuration or the connecting may end start-up
        // with an error; the outcome is the connection's state.
    }
}

bool TFrmDM::OpenADOCon()
{
    if (Connected())
        return true;
    const QString path = DataSourceOf(FConnectionString);
    if (path.isEmpty()) {
        FConnectError = !FConfigurationProblem.isEmpty()
            ? FConfigurationProblem
            : QStringLiteral("数据库连接设置“%1”不可用。").arg(FConnectionString);
        return false;
    }
    return AttachFile(path);
}

bool TFrmDM::AttachFile(const QString& path)
{
    QSqlDatabase db = ADOCon();
    db.close();
    auto fail = [&](const QString& reason) {
        db.close();
        FConnectError = QStringLiteral("无法打开数据库文件 qh.dll（%1）：%2。").arg(path, reason);
        return false;
    };

    const QFileInfo file(path);
    if (!file.exists())
        return fail(QStringLiteral("找不到该文件"));
    if (!file.isFile())
        return fail(QStringLiteral("这不是一个文件"));
    if (!file.isReadable())
        return fail(QStringLiteral("没有读取该文件的权限"));
    if (!file.isWritable())
        return fail(QStringLiteral("文件是只读的，生日数据无法保存"));
    if (!QFileInfo(file.absolutePath()).isWritable())
        return fail(QStringLiteral("文件所在的文件夹不能写入，生日数据无法保存"));

    db.setDatabaseName(ReadWriteUri(path));
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(FBusyTimeout));
    if (!db.open())
        return fail(ExplainSqlError(db.lastError()));

    QSqlQuery query(db);
    for (const TableCheck& check : RegisterTables) {
        if (!query.exec(QString::fromLatin1(check.statement))) {
            const QSqlError error = query.lastError();
            if (error.nativeErrorCode().toInt() == SqliteGeneralError)
                return fail(QStringLiteral("其中没有本程序的生日数据表 %1，或数据表的栏目不全（%2）")
                                .arg(QString::fromLatin1(check.table), error.databaseText()));
            return fail(ExplainSqlError(error));
        }
    }

    // A damaged file (cut short by a full disk, overwritten in part) is
    // refused now rather than failing somewhere in the middle of the run.
    if (!query.exec(QStringLiteral("PRAGMA quick_check(1)")))
        return fail(ExplainSqlError(query.lastError()));
    if (query.next() && query.value(0).toString() != QStringLiteral("ok"))
        return fail(QStringLiteral("数据库文件已损坏（%1）").arg(query.value(0).toString().simplified()));
    query.finish();

    // A file that can only be read would fail at the first delete; refuse
    // it now, when nothing has been done yet.
    if (!query.exec(QStringLiteral("BEGIN")))
        return fail(ExplainSqlError(query.lastError()));
    for (const char* statement : WriteChecks) {
        if (!query.exec(QString::fromLatin1(statement))) {
            const QSqlError error = query.lastError();
            query.exec(QStringLiteral("ROLLBACK"));
            return fail(ExplainSqlError(error));
        }
    }
    query.exec(QStringLiteral("ROLLBACK"));
    query.finish();
    return true;
}

} // namespace qh
