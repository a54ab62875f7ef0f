#include "LargeRegister.h"

#include "DbSchema.h"

#include <QBuffer>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace qh::bench {
namespace {

const int FirstYear = 2016;

QByteArray Photo()
{
    QImage image(320, 240, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7 + y) & 255, (y * 5) & 255, (x ^ y) & 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return bytes;
}

} // namespace

QString LargeRegisterName(int i)
{
    static const QString surnames = QStringLiteral("赵钱孙李周吴郑王冯陈褚卫蒋沈韩杨朱秦尤许");
    return surnames[i % surnames.size()] + QStringLiteral("某%1").arg(i, 5, 10, QLatin1Char('0'));
}

void FillLargeRegister(const QString& path, int pictures)
{
    QString error;
    if (!qh::CreateDatabaseFile(path, &error))
        qFatal("%s", qPrintable(error));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("largeRegister"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery person(db), birthday(db);
        person.prepare(QStringLiteral("insert into tbl_nlbirthday(Buser,BNbirthday,pic) values(?,?,?)"));
        birthday.prepare(QStringLiteral("insert into tbl_glbirthday(buser,bgbirthday,nl,nf,xq) values(?,?,?,?,?)"));
        const QByteArray photo = Photo();
        const QString weekdays[] = {"星期天", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
        for (int i = 0; i < LargeRegisterPersons; ++i) {
            const int born = 1930 + i % 80;
            person.addBindValue(LargeRegisterName(i));
            person.addBindValue(QStringLiteral("%1-%2-%3").arg(born).arg(i % 12 + 1).arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
            person.addBindValue(i < pictures ? QVariant(photo) : QVariant(QMetaType::fromType<QByteArray>()));
            if (!person.exec())
                qFatal("%s", qPrintable(person.lastError().text()));
            for (int k = LargeRegisterBirthdaysEach - 1; k >= 0; --k) { // latest first, as generated
                const int year = FirstYear + k;
                birthday.addBindValue(LargeRegisterName(i));
                birthday.addBindValue(QStringLiteral("%1-%2-%3 ").arg(year).arg(i % 12 + 1, 2, 10, QLatin1Char('0'))
                                          .arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
                birthday.addBindValue(year - born);
                birthday.addBindValue(year);
                birthday.addBindValue(weekdays[(i + k) % 7]);
                if (!birthday.exec())
                    qFatal("%s", qPrintable(birthday.lastError().text()));
            }
        }
        db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("largeRegister"));
}

} // namespace qh::bench
