// How long the program takes from process start to its first painted main
// window, and how that time splits up. The start-up runs as in the program
// itself: application object, title, main window, data module attaching
// the register, show (which reads the three birthday lists), first paint.
// Afterwards further windows are built and painted in the same process to
// show the cost without the one-time work (loading libraries, fonts,
// pictures).
//
//   bench_mainwindow [--xcb] [--empty]
//     --xcb    on the real X display (default: offscreen)
//     --empty  an empty register (default: 10,000 persons with 200,000
//              birthdays, this year's list 10,000 rows)

#include "DbSchema.h"
#include "LargeRegister.h"
#include "Messages.h"
#include "UApplication.h"
#include "UGlobal.h"
#include "Udm.h"
#include "Un_FrmMainT.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <cerrno>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Milliseconds since this process was started by the system (resolution
// of the kernel's clock ticks, usually 10 ms).
double MillisecondsSinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // Field 22 (starttime) counts from the closing parenthesis of field 2.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble();
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    const double nowMs = now.tv_sec * 1000.0 + now.tv_nsec / 1e6;
    return nowMs - startTicks * 1000.0 / sysconf(_SC_CLK_TCK);
}

// Watches a window for its first paint.
class FirstPaint : public QObject {
public:
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            painted = true;
        return false;
    }
};

struct Timing {
    double construct = 0;  // building the window
    double dataModule = 0; // attaching the register
    double paint = 0;      // show until the first paint is done
};

Timing StartWindow(const QString& folder, std::unique_ptr<qh::TFrmMainT>& window,
                   std::unique_ptr<qh::TFrmDM>& dataModule)
{
    Timing t;
    QElapsedTimer clock;
    clock.start();
    window = std::make_unique<qh::TFrmMainT>();
    t.construct = clock.nsecsElapsed() / 1e6;
    clock.restart();
    dataModule = std::make_unique<qh::TFrmDM>(folder);
    qh::ReportErrors([&] { dataModule->DataModuleCreate(); });
    t.dataModule = clock.nsecsElapsed() / 1e6;
    clock.restart();
    FirstPaint watcher;
    window->installEventFilter(&watcher);
    window->show();
    while (!watcher.painted)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    t.paint = clock.nsecsElapsed() / 1e6;
    window->removeEventFilter(&watcher);
    return t;
}

// Writes the register file at path in a child process of its own.
void MakeRegisterApart(const QString& path, bool empty)
{
    std::fflush(stdout);
    const pid_t child = fork();
    if (child < 0)
        qFatal("fork: %s", std::strerror(errno));
    if (child == 0) {
        int argc = 1;
        char name[] = "bench_register";
        char* argv[] = {name, nullptr};
        QCoreApplication application(argc, argv);
        if (empty)
            qh::CreateDatabaseFile(path);
        else
            qh::bench::FillLargeRegister(path);
        std::fflush(stdout);
        _exit(0);
    }
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        qFatal("the test register could not be written");
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    bool xcb = false, empty = false;
    for (int i = 1; i < argc; ++i) {
        xcb = xcb || std::strcmp(argv[i], "--xcb") == 0;
        empty = empty || std::strcmp(argv[i], "--empty") == 0;
    }
    if (!xcb)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const double beforeApplication = MillisecondsSinceProcessStart();

    // The register is written by a child process and its time taken off
    // the figures below: this process then starts as the program does,
    // with nothing of the database loaded yet.
    QTemporaryDir dir;
    const double registerStart = MillisecondsSinceProcessStart();
    MakeRegisterApart(dir.filePath(QStringLiteral("qh.dll")), empty);
    const double registerTime = MillisecondsSinceProcessStart() - registerStart;

    qh::TApplication application(argc, argv);
    qh::TApplication::SetTitle(qh::ApplicationTitle());
    qh::TApplication::setQuitOnLastWindowClosed(false);
    const double applicationReady = MillisecondsSinceProcessStart() - registerTime;

    // Messages are recorded, not shown: a box would wait for an answer.
    qh::RecordedMessages messages;

    std::unique_ptr<qh::TFrmMainT> window;
    std::unique_ptr<qh::TFrmDM> dataModule;
    const Timing first = StartWindow(dir.path(), window, dataModule);
    const double firstPainted = MillisecondsSinceProcessStart() - registerTime;

    std::vector<double> construct, attach, paint;
    for (int i = 0; i < 10; ++i) {
        window.reset();
        dataModule.reset();
        const Timing t = StartWindow(dir.path(), window, dataModule);
        construct.push_back(t.construct);
        attach.push_back(t.dataModule);
        paint.push_back(t.paint);
    }
    window.reset();
    dataModule.reset();

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    if (empty)
        std::printf("register: empty\n");
    else
        std::printf("register: %d persons, %d birthdays\n", qh::bench::LargeRegisterPersons,
                    qh::bench::LargeRegisterPersons * qh::bench::LargeRegisterBirthdaysEach);
    std::printf("process start -> main()'s first line     %7.1f ms (libraries loaded)\n", beforeApplication);
    std::printf("process start -> application object      %7.1f ms\n", applicationReady);
    std::printf("first window: construction               %7.1f ms\n", first.construct);
    std::printf("first window: data module                %7.1f ms\n", first.dataModule);
    std::printf("first window: show to first paint        %7.1f ms\n", first.paint);
    std::printf("process start -> first painted window    %7.1f ms (less %.1f ms spent making the test register)\n",
                firstPainted, registerTime);
    std::printf("later windows (median of 10): construction %.1f ms, data module %.1f ms, show to paint %.1f ms\n",
                Median(construct), Median(attach), Median(paint));
    if (!messages.entries.isEmpty())
        std::printf("unexpected messages: %s\n", qPrintable(messages.Texts().join(QStringLiteral(" | "))));
    return 0;
}
