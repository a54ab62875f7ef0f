#include "BirthdayRegistration.h"

#include "BirthdayOccurrences.h"
#include "Clock.h"
#include "Statements.h"
#include "UGlobal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QVariant>

namespace qh {
namespace {

// The person's row; the picture is null when none was chosen.
const QString InsertPerson =
    QStringLiteral("Insert into tbl_nlbirthday(Buser,BNbirthday,pic) values(:p1,:p2,:p3)");

BirthdayRefusal Refuse(const char* message, BirthdayEntry entry)
{
    return {QString::fromUtf8(message), entry};
}

QString UnreadablePicture(const QString& path, const QString& reason = {})
{
    QString text = QStringLiteral("无法读取图片文件：%1").arg(QDir::toNativeSeparators(path));
    if (!reason.isEmpty())
        text += u'\n' + reason;
    return text;
}

QString PictureTooLarge(const QString& path)
{
    return QStringLiteral("图片文件不能大于16MB，请选择较小的图片：%1")
        .arg(QDir::toNativeSeparators(path));
}

bool NameRegistered(const QString& name, const QString& connectionName)
{
    TADOQuery ADOQuery1(nullptr, connectionName);
    ADOQuery1.SetSQL(Statements::FindPerson);
    ADOQuery1.SetParam(QStringLiteral("p"), name);
    ADOQuery1.Open();
    return ADOQuery1.RecordCount() > 0;
}

void StorePerson(const QString& name, const QString& birthday, const QString& picturePath,
                 const QString& connectionName)
{
    TADOQuery ADOTable1(nullptr, connectionName);
    ADOTable1.SetSQL(InsertPerson);
    ADOTable1.SetParam(QStringLiteral("p1"), name);
    ADOTable1.SetParam(QStringLiteral("p2"), birthday);
    ADOTable1.SetParam(QStringLiteral("p3"),
                       picturePath.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>())
                                             : QVariant(ReadPictureFile(picturePath)));
    ADOTable1.ExecSQL();
}

void StoreOccurrences(const QString& name, const std::vector<BirthdayOccurrence>& occurrences,
                      const QString& connectionName)
{
    TADOQuery ADOQuery2(nullptr, connectionName);
    ADOQuery2.SetSQL(Statements::InsertBirthday);
    for (const BirthdayOccurrence& occurrence : occurrences) {
        ADOQuery2.SetParam(QStringLiteral("p1"), name);
        ADOQuery2.SetParam(QStringLiteral("p2"), occurrence.date);
        ADOQuery2.SetParam(QStringLiteral("p3"), occurrence.age);
        ADOQuery2.SetParam(QStringLiteral("p4"), occurrence.year);
        ADOQuery2.SetParam(QStringLiteral("p5"), occurrence.weekday);
        ADOQuery2.ExecSQL();
    }
}

} // namespace

std::optional<QString> PictureFileProblem(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable())
        return UnreadablePicture(path);
    if (info.size() > MaxPictureBytes)
        return PictureTooLarge(path);
    return std::nullopt;
}

QByteArray ReadPictureFile(const QString& path)
{
    if (const auto problem = PictureFileProblem(path))
        throw TStoreError(*problem);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TStoreError(UnreadablePicture(path, file.errorString()));
    // Never more than the limit, even if the file has grown since.
    QByteArray bytes = file.read(MaxPictureBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw TStoreError(UnreadablePicture(path, file.errorString()));
    if (bytes.size() > MaxPictureBytes)
        throw TStoreError(PictureTooLarge(path));
    return bytes;
}

std::optional<BirthdayRefusal> RegisterBirthday(const BirthdayEntries& entries,
                                                const QString& connectionName)
{
    const QString name = entries.name.trimmed();
    if (name.isEmpty())
        return Refuse("请输入姓名", BirthdayEntry::Name);
    if (name.toUcs4().size() > MaxNameLength)
        return Refuse("姓名不能超过50个字，请缩短后再保存", BirthdayEntry::Name);
    if (entries.birthday.trimmed().isEmpty())
        return Refuse("请输入农历生日", BirthdayEntry::Birthday);
    const auto birthday = ReadBirthdayText(entries.birthday);
    if (!birthday)
        return Refuse("请按正确的格式输入农历生日", BirthdayEntry::Birthday);
    const int currentYear = Today().year;
    const auto yearCount = ReadYearCount(entries.yearCount, currentYear);
    if (!yearCount)
        return Refuse("请输入正确的年数", BirthdayEntry::YearCount);

    TTransaction transaction(connectionName);
    if (NameRegistered(name, connectionName))
        return Refuse("此姓名生日信息已经存在！", BirthdayEntry::Name);
    StorePerson(name, BirthdayStoredText(*birthday), entries.picturePath, connectionName);
    StoreOccurrences(name, FindBirthdayOccurrences(*birthday, currentYear, *yearCount),
                     connectionName);
    transaction.Commit();
    return std::nullopt;
}

} // namespace qh
