// Pictures of the main window with both panels filled in: an ordinary day,
// a day of a leap month and Easter. They are kept as artefacts of the test
// run for a person to look at; the test only checks that they were written.

#include "Clock.h"
#include "Messages.h"
#include "TransDate.h"
#include "Un_FrmMainT.h"
#include "USpinEdit.h"
#include "TestRegister.h"
#include "WidgetTesting.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>

#include <gtest/gtest.h>

namespace qh {
namespace {

struct Shot {
    const char* name;
    const char* file;
    int y, m, d;          // the Gregorian day, converted on the left panel
    int ly, lm, ld;       // the same day on the right panel
    bool leap;
};

void PrintTo(const Shot& shot, std::ostream* os)
{
    *os << shot.name;
}

class PanelScreenshots : public ::testing::TestWithParam<Shot> {};

TEST_P(PanelScreenshots, BothPanelsFilledIn)
{
    const Shot shot = GetParam();
    PinnedToday today({shot.y, shot.m, shot.d});
    RecordedMessages messages;
    testing::TTestRegister register_;
    TFrmMainT window;
    window.show();
    auto spin = [&](int n) { return window.findChild<TSpinEdit*>(QStringLiteral("SpinEdit%1").arg(n)); };

    // Today is in the left boxes already: one press forward and one back.
    testing::ClickUp(spin(3));
    testing::ClickDown(spin(3));
    // On the right: hold the day before and step onto the day.
    TLunarDate& held = window.TransDate2().LunarDate();
    held.SetlYear(shot.ly);
    held.SetlMonth(shot.lm);
    held.SetFlagLeapMonth(shot.leap);
    held.SetlDay(shot.ld - 1);
    window.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(shot.leap);
    spin(4)->SetValue(shot.ly);
    spin(5)->SetValue(shot.lm);
    spin(6)->SetValue(shot.ld - 1);
    testing::ClickUp(spin(6));
    ASSERT_TRUE(messages.entries.isEmpty());
    ASSERT_EQ(window.TransDate2().Date(), EncodeDate(shot.y, shot.m, shot.d));

    const QString dir = testing::ArtefactsDir();
    const QImage whole = window.grab().toImage();
    const QString path = dir + QStringLiteral("/") + QString::fromLatin1(shot.file);
    ASSERT_TRUE(whole.save(path)) << path.toStdString();

    // The two panels on their own, side by side.
    auto* solar = window.findChild<QGroupBox*>(QStringLiteral("GroupBox1"));
    auto* lunar = window.findChild<QGroupBox*>(QStringLiteral("GroupBox2"));
    QImage panels(solar->width() + lunar->width(), solar->height(), QImage::Format_RGB32);
    QPainter painter(&panels);
    painter.drawPixmap(0, 0, solar->grab());
    painter.drawPixmap(solar->width(), 0, lunar->grab());
    painter.end();
    const QString panelsPath = dir + QStringLiteral("/panels-") + QString::fromLatin1(shot.file);
    ASSERT_TRUE(panels.save(panelsPath)) << panelsPath.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Days, PanelScreenshots,
                         ::testing::Values(Shot{"OrdinaryDay", "mainwindow-ordinary-day.png", 2026, 10, 1, 2026, 8, 21, false},
                                           Shot{"LeapMonth", "mainwindow-leap-month.png", 2020, 6, 1, 2020, 4, 10, true},
                                           Shot{"Easter", "mainwindow-easter.png", 2024, 3, 31, 2024, 2, 22, false}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qh
