// Speed of the birthday lists on a large register: 10,000 persons with
// 200,000 generated birthdays (20 each, this year's list 10,000 rows).
// Prints figures; asserts nothing.
//
//   bench_store [--pictures N]   N persons carry a 30 KB photo (default 0)

#include "ADOQuery.h"
#include "Clock.h"
#include "LargeRegister.h"
#include "Messages.h"
#include "UBirthdayLists.h"
#include "UDBGridEh.h"
#include "Udm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using qh::bench::LargeRegisterName;
const int Persons = qh::bench::LargeRegisterPersons;
const int BirthdaysEach = qh::bench::LargeRegisterBirthdaysEach;

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
    qh::bench::FillLargeRegister(folder.filePath(QStringLiteral("qh.dll")), pictures);
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
          Measure(runs, [&](int run) { lists.ShowPersonBirthdays(LargeRegisterName(run * 197 % Persons)); }));
    if (pictures > 0)
        Print("ShowPersonBirthdays(name) of a person with a photo", runs,
              Measure(runs, [&](int run) { lists.ShowPersonBirthdays(LargeRegisterName(run % pictures)); }));
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
