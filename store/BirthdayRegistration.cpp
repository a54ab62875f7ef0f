#include "BirthdayRegistration.h"

#include "BirthdayOccurrences.h"
#include "Clock.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace qh {
namespace {

const QString DuplicateCheckStatement = QStringLiteral("Select *  from tbl_nlbirthday where buser=:p");
const QString PersonInsertStatement =
    QStringLiteral("Insert into tbl_nlbirthday(Buser,BNbirthday,pic) values(:p1,:p2,:p3)");
const QString OccurrenceInsertStatement = QStringLiteral(
    "Insert into tbl_glbirthday(buser,bgbirthday,nl,nf,xq) values(:p1,:p2,:p3,:p4,:p5)");

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

[[noreturn]] void ThrowDatabaseError(const QSqlError& error)
{
    throw BirthdayStoreError(QStringLiteral("保存生日信息失败：%1").arg(error.text()));
}

void Execute(QSqlQuery& query)
{
    if (!query.exec())
        ThrowDatabaseError(query.lastError());
}

// Rolls the transaction back unless it was committed.
class Transaction {
public:
    explicit Transaction(QSqlDatabase& db) : db_(db)
    {
        if (!db_.transaction())
            ThrowDatabaseError(db_.lastError());
    }
    ~Transaction()
    {
        if (!committed_)
            db_.rollback();
    }
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit()
    {
        if (!db_.commit())
            ThrowDatabaseError(db_.lastError());
        committed_ = true;
    }

private:
    QSqlDatabase& db_;
    bool committed_ = false;
};

bool NameRegistered(QSqlDatabase& db, const QString& name)
{
    QSqlQuery query(db);
    query.prepare(DuplicateCheckStatement);
    query.bindValue(QStringLiteral(":p"), name);
    Execute(query);
    return query.next();
}

void InsertPerson(QSqlDatabase& db, const QString& name, const QString& birthday,
                  const QString& picturePath)
{
    QSqlQuery query(db);
    query.prepare(PersonInsertStatement);
    query.bindValue(QStringLiteral(":p1"), name);
    query.bindValue(QStringLiteral(":p2"), birthday);
    query.bindValue(QStringLiteral(":p3"),
                    picturePath.isEmpty() ? QVariant(QMetaType::fromType<QByteArray>())
                                          : QVariant(ReadPictureFile(picturePath)));
    Execute(query);
}

void InsertOccurrences(QSqlDatabase& db, const QString& name,
                       const std::vector<BirthdayOccurrence>& occurrences)
{
    QSqlQuery query(db);
    query.prepare(OccurrenceInsertStatement);
    for (const BirthdayOccurrence& occurrence : occurrences) {
        query.bindValue(QStringLiteral(":p1"), name);
        query.bindValue(QStringLiteral(":p2"), occurrence.date);
        query.bindValue(QStringLiteral(":p3"), occurrence.age);
        query.bindValue(QStringLiteral(":p4"), occurrence.year);
        query.bindValue(QStringLiteral(":p5"), occurrence.weekday);
        Execute(query);
    }
}

} // namespace

BirthdayStoreError::BirthdayStoreError(const QString& message)
    : std::runtime_error(message.toStdString())
{
}

QString BirthdayStoreError::message() const
{
    return QString::fromUtf8(what());
}

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
        throw BirthdayStoreError(*problem);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw BirthdayStoreError(UnreadablePicture(path, file.errorString()));
    // Read no more than the limit allows, even if the file grew meanwhile.
    QByteArray bytes = file.read(MaxPictureBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw BirthdayStoreError(UnreadablePicture(path, file.errorString()));
    if (bytes.size() > MaxPictureBytes)
        throw BirthdayStoreError(PictureTooLarge(path));
    return bytes;
}

std::optional<BirthdayRefusal> RegisterBirthday(QSqlDatabase& db, const BirthdayEntries& entries)
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

    Transaction transaction(db);
    if (NameRegistered(db, name))
        return Refuse("此姓名生日信息已经存在！", BirthdayEntry::Name);
    InsertPerson(db, name, BirthdayStoredText(*birthday), entries.picturePath);
    InsertOccurrences(db, name, FindBirthdayOccurrences(*birthday, currentYear, *yearCount));
    transaction.Commit();
    return std::nullopt;
}

} // namespace qh
