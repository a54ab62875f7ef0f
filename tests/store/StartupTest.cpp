// Start-up: reading "qhconfig.ini" and attaching "qh.dll", with the
// messages the user sees on every way it can go.

#include "LockHolder.h"
#include "MessageText.h"
#include "RegisterFile.h"
#include "Udm.h"
#include "UGlobal.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <gtest/gtest.h>
#include <unistd.h>

namespace qh {
namespace {

using test::ConnectFailureMessage;
using test::Described;
using test::StartupFailureMessage;
using test::TRegisterFile;
using namespace std::chrono_literals;

// Starts a data module on `folder`; the error thrown at the end of a
// failed start-up is returned (empty when none).
QString Start(TFrmDM& dm)
{
    try {
        dm.DataModuleCreate();
    } catch (const TStoreError& error) {
        return error.Text();
    }
    return {};
}

QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Startup, WithoutIniAndWithTheRegisterStartsSilently)
{
    TRegisterFile reg;
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    EXPECT_EQ(Start(dm), QString());
    EXPECT_TRUE(messages.entries.isEmpty());
    EXPECT_TRUE(dm.Connected());
    EXPECT_FALSE(StartupFailed);
    EXPECT_FALSE(dm.Terminated());
    EXPECT_EQ(DBConnectionString,
              "Provider=QSQLITE;Data Source=" + reg.Folder() + "/qh.dll;Persist Security Info=False");
    const TConfiguration defaults;
    EXPECT_EQ(Configuration.Code, QStringLiteral("**洗浴"));
    EXPECT_EQ(Configuration.tdrpath, defaults.tdrpath);
    EXPECT_EQ(Configuration.CardNoLength, 6);
    EXPECT_EQ(Configuration.FreezeFlag, 1);
    EXPECT_EQ(FrmDM, &dm);
}

TEST(Startup, KeepsTheConfigurationValues)
{
    TRegisterFile reg;
    reg.WriteIni("[SQLSERVER]\r\nServer=10.0.0.1\r\nTDRPATH=/srv/tdr\r\n[Station]\r\nCode=东湖洗浴\r\n"
                 "IfShowIni=0\r\nIniPrice=八\r\nUpWarn=25\r\nCardNoLength=1.5\r\n[TaskParam]\r\n"
                 "SucceedAction=STOP\r\nRetryTimes=3\r\n[FreezeParam]\r\nfreezeflag= 0 \r\n");
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    EXPECT_EQ(Start(dm), QString());
    EXPECT_TRUE(messages.entries.isEmpty());
    EXPECT_EQ(Configuration.tdrpath, QStringLiteral("/srv/tdr"));
    EXPECT_EQ(Configuration.xmlpath, QStringLiteral("c:\\"));
    EXPECT_EQ(Configuration.Code, QStringLiteral("东湖洗浴"));
    EXPECT_EQ(Configuration.IfShowIni, 0);
    EXPECT_EQ(Configuration.IniPrice, 5);     // not a whole number: default
    EXPECT_EQ(Configuration.UpWarn, 25);
    EXPECT_EQ(Configuration.CardNoLength, 6); // not a whole number: default
    EXPECT_EQ(Configuration.SucceedAction, QStringLiteral("STOP"));
    EXPECT_EQ(Configuration.RetryTimes, QStringLiteral("3"));
    EXPECT_EQ(Configuration.FreezeFlag, 0);
}

TEST(Startup, FreezeFlagThatIsNotAWholeNumberFailsStartupSilentlyUntilTheEnd)
{
    for (const char* flag : {"abc", "1.5", "", "2x", "99999999999"}) {
        SCOPED_TRACE(flag);
        TRegisterFile reg;
        reg.WriteIni(QByteArray("[Station]\nCode=kept\n[FreezeParam]\nFreezeFlag=") + flag + "\n");
        RecordedMessages messages;
        TFrmDM dm(reg.Folder());
        const QString error = Start(dm);
        EXPECT_EQ(Described(messages), QStringList{StartupFailureMessage()});
        EXPECT_TRUE(error.contains(QStringLiteral("FreezeFlag"))) << error.toStdString();
        EXPECT_TRUE(StartupFailed);
        EXPECT_TRUE(dm.Terminated());
        EXPECT_FALSE(dm.Connected());
        EXPECT_EQ(DBConnectionString, QString());
        EXPECT_EQ(Configuration.Code, QStringLiteral("kept"));
        EXPECT_EQ(Configuration.FreezeFlag, 1);
    }
}

TEST(Startup, MissingRegisterFailsWithoutTheConnectMessageAndCreatesNothing)
{
    TRegisterFile reg(false);
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    const QString error = Start(dm);
    EXPECT_EQ(Described(messages), QStringList{StartupFailureMessage()});
    EXPECT_TRUE(error.contains(QStringLiteral("找不到数据库文件 qh.dll"))) << error.toStdString();
    EXPECT_TRUE(StartupFailed);
    EXPECT_TRUE(dm.Terminated());
    EXPECT_FALSE(dm.Connected());
    EXPECT_FALSE(DBConnectionString.isEmpty());
    EXPECT_FALSE(QFile::exists(reg.DatabasePath()));
}

// Files that are there but are no usable register.
struct UnusableCase {
    const char* name;
    std::function<void(const TRegisterFile&)> make;
    const char* reason;
};

QByteArray FilledRegisterBytes()
{
    TRegisterFile source;
    source.WithConnection([](QSqlDatabase& db) {
        QSqlQuery query(db);
        db.transaction();
        for (int i = 0; i < 3000; ++i)
            query.exec(QStringLiteral("insert into tbl_glbirthday(buser,bgbirthday,nl,nf,xq) "
                                      "values('person %1','2026-01-01 ',40,2026,'星期四')")
                           .arg(i));
        db.commit();
    });
    return FileBytes(source.DatabasePath());
}

void ReplaceTables(const TRegisterFile& reg, const QString& statements)
{
    QFile::remove(reg.DatabasePath());
    for (const QString& statement : statements.split(u';', Qt::SkipEmptyParts))
        reg.Exec(statement);
}

const UnusableCase UnusableCases[] = {
    {"text file", [](const TRegisterFile& r) { r.WriteDatabaseBytes("这不是数据库，只是一段文字。\n"); },
     "不是本程序的数据库文件"},
    {"empty file", [](const TRegisterFile& r) { r.WriteDatabaseBytes(QByteArray()); }, "没有本程序的生日数据表"},
    {"another program's database",
     [](const TRegisterFile& r) { ReplaceTables(r, "create table customers(id integer, name text)"); },
     "没有本程序的生日数据表 tbl_nlbirthday"},
    {"one table missing",
     [](const TRegisterFile& r) {
         ReplaceTables(r, "create table tbl_nlbirthday(KeyID integer primary key, Buser text, BNbirthday text, pic blob)");
     },
     "tbl_glbirthday"},
    {"a column missing",
     [](const TRegisterFile& r) {
         ReplaceTables(r, "create table tbl_nlbirthday(KeyID integer primary key, Buser text, BNbirthday text, pic blob);"
                          "create table tbl_glbirthday(KeyID integer primary key, Buser text, BGbirthday text, NL, NF)");
     },
     "tbl_glbirthday"},
    {"truncated file",
     [](const TRegisterFile& r) { r.WriteDatabaseBytes(FilledRegisterBytes().left(4096 * 6)); }, "损坏"},
    {"overwritten in the middle",
     [](const TRegisterFile& r) {
         QByteArray bytes = FilledRegisterBytes();
         for (int i = 4096 * 5; i < 4096 * 12; ++i)
             bytes[i] = char(0xA5 ^ (i * 7));
         r.WriteDatabaseBytes(bytes);
     },
     "损坏"},
};

TEST(Startup, UnusableRegisterShowsTheConnectMessageThenTheFailureAndAltersNothing)
{
    for (const UnusableCase& c : UnusableCases) {
        SCOPED_TRACE(c.name);
        TRegisterFile reg;
        c.make(reg);
        const QByteArray before = FileBytes(reg.DatabasePath());
        RecordedMessages messages;
        TFrmDM dm(reg.Folder());
        const QString error = Start(dm);
        EXPECT_EQ(Described(messages), (QStringList{ConnectFailureMessage(), StartupFailureMessage()}));
        EXPECT_TRUE(error.startsWith(QStringLiteral("无法打开数据库文件 qh.dll"))) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.reason))) << error.toStdString();
        EXPECT_TRUE(StartupFailed);
        EXPECT_TRUE(dm.Terminated());
        EXPECT_FALSE(dm.Connected());
        EXPECT_EQ(FileBytes(reg.DatabasePath()), before);
    }
}

TEST(Startup, FolderNamedLikeTheRegisterIsRefused)
{
    TRegisterFile reg(false);
    ASSERT_TRUE(QDir(reg.Folder()).mkdir(QStringLiteral("qh.dll")));
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    const QString error = Start(dm);
    EXPECT_EQ(Described(messages), (QStringList{ConnectFailureMessage(), StartupFailureMessage()}));
    EXPECT_TRUE(error.contains(QStringLiteral("不是一个文件"))) << error.toStdString();
}

// Root may write any file, so these run as an ordinary user (see
// CMakeLists.txt) and are skipped when run as root.
TEST(ReadOnlyRegister, IsRefusedAtStartup)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root can write a read-only file";
    TRegisterFile reg;
    ASSERT_TRUE(QFile::setPermissions(reg.DatabasePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    const QString error = Start(dm);
    EXPECT_EQ(Described(messages), (QStringList{ConnectFailureMessage(), StartupFailureMessage()}));
    EXPECT_TRUE(error.contains(QStringLiteral("只读"))) << error.toStdString();
    EXPECT_FALSE(dm.Connected());
}

TEST(ReadOnlyRegister, InAFolderThatCannotBeWrittenIsRefusedAtStartup)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root can write into a read-only folder";
    TRegisterFile reg;
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ExeOwner;
    ASSERT_TRUE(QFile::setPermissions(reg.Folder(), readOnly));
    RecordedMessages messages;
    QString error;
    {
        TFrmDM dm(reg.Folder());
        error = Start(dm);
    }
    QFile::setPermissions(reg.Folder(), readOnly | QFile::WriteOwner);
    EXPECT_EQ(Described(messages), (QStringList{ConnectFailureMessage(), StartupFailureMessage()}));
    EXPECT_TRUE(error.contains(QStringLiteral("文件夹不能写入"))) << error.toStdString();
}

TEST(Startup, FilesAreLookedForBesideTheExecutableNotInTheWorkingFolder)
{
    TRegisterFile elsewhere;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(elsewhere.Folder()));
    TFrmDM dm;
    QDir::setCurrent(previous);
    EXPECT_EQ(dm.Folder(), QDir::cleanPath(QCoreApplication::applicationDirPath()));
    EXPECT_NE(dm.Folder(), QDir::cleanPath(elsewhere.Folder()));
}

TEST(Startup, WaitsForAnotherCopyThatIsWriting)
{
    TRegisterFile reg;
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    QElapsedTimer clock;
    clock.start();
    {
        test::TLockHolder other(reg.DatabasePath(), 400ms);
        EXPECT_EQ(Start(dm), QString());
    }
    EXPECT_GE(clock.elapsed(), 300);
    EXPECT_TRUE(messages.entries.isEmpty());
    EXPECT_TRUE(dm.Connected());
}

TEST(Startup, GivesUpWithAClearReasonWhenAnotherCopyHoldsTheFileTooLong)
{
    TRegisterFile reg;
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    dm.SetBusyTimeout(100);
    QString error;
    {
        test::TLockHolder other(reg.DatabasePath(), 1500ms);
        error = Start(dm);
    }
    EXPECT_EQ(Described(messages), (QStringList{ConnectFailureMessage(), StartupFailureMessage()}));
    EXPECT_TRUE(error.contains(QStringLiteral("正被另一个程序使用"))) << error.toStdString();
}

TEST(ShowInfoMessage, ShowsTheTextAsSystemInformation)
{
    RecordedMessages messages;
    ShowInfoMessage(QStringLiteral("农历生日信息添加完毕"));
    EXPECT_EQ(Described(messages),
              QStringList{Described(QStringLiteral("农历生日信息添加完毕"), QStringLiteral("系统提示"),
                                    MsgIcon::Information)});
}

TEST(GeneralErrorReport, ShowsTheErrorUnderTheApplicationTitleAndCarriesOn)
{
    RecordedMessages messages;
    EXPECT_FALSE(ReportErrors([] { throw TStoreError(QStringLiteral("数据库文件已损坏")); }));
    EXPECT_TRUE(ReportErrors([] {}));
    EXPECT_EQ(Described(messages),
              QStringList{Described(QStringLiteral("数据库文件已损坏"), QStringLiteral("青禾农历生日查询软件V1.0"),
                                    MsgIcon::Critical)});
}

} // namespace
} // namespace qh
