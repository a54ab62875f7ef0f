// Speed of the birthday lists on a large register: 10,000 persons with
// 200,000 generated birthdays (20 each, this year's list 10,000 rows).
// Prints figures; asserts nothing.
//
//   bench_store [--pictures N]   N persons carry a 30 KB photo (default 0)

#include "ADOQuery.h"
#include "Clock.h"
#include "DbSchema.h"
#include "Messages.h"
#include "UBirthdayLists.h"
#include "UDBGridEh.h"
#include "Udm.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int Persons = 10000;
const int BirthdaysEach = 20;
const int FirstYear = 2016;

QString Name(int i)
{
    static const QString surnames = QStringLiteral("赵钱孙李周吴郑王冯陈褚卫蒋沈韩杨朱秦尤许");
    return surnames[i % surnames.size()] + QStringLiteral("某%1").arg(i, 5, 10, QLatin1Char('0'));
}

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

void Fill(const QString& path, int pictures)
{
    QString error;
    if (!qh::CreateDatabaseFile(path, &error))
        qFatal("%s", qPrintable(error));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        db.open();
        db.transaction();
        QSqlQuery person(db), birthday(db);
        person.prepare(QStringLiteral("insert into tbl_nlbirthday(Buser,BNbirthday,pic) values(?,?,?)"));
        birthday.prepare(QStringLiteral("insert into tbl_glbirthday(buser,bgbirthday,nl,nf,xq) values(?,?,?,?,?)"));
        const QByteArray photo = Photo();
        const QString weekdays[] = {"星期天", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
        for (int i = 0; i < Persons; ++i) {
            const int born = 1930 + i % 80;
            person.addBindValue(Name(i));
            person.addBindValue(QStringLiteral("%1-%2-%3").arg(born).arg(i % 12 + 1).arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
            person.addBindValue(i < pictures ? QVariant(photo) : QVariant(QMetaType::fromType<QByteArray>()));
            if (!person.exec())
                qFatal("%s", qPrintable(person.lastError().text()));
            for (int k = BirthdaysEach - 1; k >= 0; --k) { // latest first, as generated
                const int year = FirstYear + k;
                birthday.addBindValue(Name(i));
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
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

struct Figures {
    double min, median, max;
};

Figures Measure(int runs, const std::function<void(int)>& work)
{
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer clock;
        clock.start();
        work(run);
        QCoreApplication::processEvents(); // the lists repainted, as the user sees them
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2], ms.back()};
}

void Print(const char* what, int runs, Figures f)
{
    std::printf("%-58s runs %3d   min %8.2f ms   median %8.2f ms   max %8.2f ms\n", what, runs, f.min, f.median,
                f.max);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int pictures = 0;
    const QStringList args = app.arguments();
    const int at = args.indexOf(QStringLiteral("--pictures"));
    if (at >= 0 && at + 1 < args.size())
        pictures = args[at + 1].toInt();

    QTemporaryDir folder;
    QElapsedTimer clock;
    clock.start();
    Fill(folder.filePath(QStringLiteral("qh.dll")), pictures);
    std::printf("register: %d persons (%d with a photo), %d birthdays, written in %.1f s, %.1f MB\n", Persons,
                pictures, Persons * BirthdaysEach, clock.elapsed() / 1000.0,
                QFileInfo(folder.filePath(QStringLiteral("qh.dll"))).size() / 1048576.0);

    qh::RecordedMessages messages;
    qh::PinnedToday today({2026, 6, 15});

    qh::TFrmDM dm(folder.path());
    Print("start-up: DataModuleCreate (checks included)", 1, Measure(1, [&](int) { dm.DataModuleCreate(); }));

    QWidget window;
    window.resize(927, 593);
    auto* DBGridEh2 = new qh::TDBGridEh(&window);
    auto* DBGridEh1 = new qh::TDBGridEh(&window);
    auto* DBGridEh3 = new qh::TDBGridEh(&window);
    auto* Image3 = new QLabel(&window);
    DBGridEh2->setGeometry(0, 304, 299, 177);
    DBGridEh1->setGeometry(296, 304, 299, 177);
    DBGridEh3->setGeometry(592, 304, 320, 177);
    Image3->setGeometry(692, 128, 201, 136);
    qh::TBirthdayLists lists(DBGridEh2, DBGridEh1, DBGridEh3, Image3);
    window.show();

    Print("first FormShow (all lists opened, painted)", 1, Measure(1, [&](int) { lists.FormShow(); }));

    const int runs = 50;
    Print("ShowPersonBirthdays(name), persons list open", runs,
          Measure(runs, [&](int run) { lists.ShowPersonBirthdays(Name(run * 197 % Persons)); }));
    if (pictures > 0)
        Print("ShowPersonBirthdays(name) of a person with a photo", runs,
              Measure(runs, [&](int run) { lists.ShowPersonBirthdays(Name(run % pictures)); }));
    Print("ShowPersonBirthdays(\"\"), persons list re-read", 10,
          Measure(10, [&](int) { lists.ShowPersonBirthdays(QString()); }));
    Print("click on a person (DBGridEh2CellClick)", runs, Measure(runs, [&](int run) {
              lists.query_nlbirthday->SetRecNo(run * 211 % Persons);
              lists.DBGridEh2CellClick(1);
          }));
    Print("title click: this year's list (10,000 rows) by name", 10,
          Measure(10, [&](int) { DBGridEh1->TitleClick(1, {}); }));
    Print("title click: persons list (10,000 rows) by lunar birthday", 10,
          Measure(10, [&](int) { DBGridEh2->TitleClick(2, {}); }));
    Print("delete a person (both tables, one transaction) and refresh", 5, Measure(5, [&](int) {
              lists.query_nlbirthday->SetRecNo(0);
              lists.N6Click();
          }));
    if (messages.entries.size() != 5 * 2)
        std::printf("unexpected messages: %s\n", qPrintable(messages.Texts().join(QStringLiteral(" | "))));
    return 0;
}
