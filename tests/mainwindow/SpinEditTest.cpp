// The spin edit: its buttons run the handlers given to them (repeating while
// held), its keys step the box alone, reading and writing follow the box's
// limits.

#include "Messages.h"
#include "USpinEdit.h"
#include "WidgetTesting.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <stdexcept>

namespace qh {
namespace {

using testing::ClickDown;
using testing::ClickUp;
using testing::SpinButtonCentre;
using testing::TypeInto;

class SpinEditTest : public ::testing::Test {
protected:
    SpinEditTest()
    {
        box.setRange(1, 12);
        box.SetValue(6);
        box.resize(60, 22);
        box.OnUpClick = [this] { ++ups; };
        box.OnDownClick = [this] { ++downs; };
        box.show();
    }

    TSpinEdit box;
    int ups = 0;
    int downs = 0;
};

TEST_F(SpinEditTest, ButtonsRunTheirHandlersInsteadOfStepping)
{
    ClickUp(&box);
    ClickUp(&box);
    ClickDown(&box);
    EXPECT_EQ(ups, 2);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(box.Value(), 6);
}

TEST_F(SpinEditTest, ButtonsWorkAtTheLimitsToo)
{
    box.SetValue(12);
    ClickUp(&box);
    box.SetValue(1);
    ClickDown(&box);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(downs, 1);
}

TEST_F(SpinEditTest, ArrowKeysStepTheBoxAloneWithinItsLimits)
{
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.Value(), 7);
    box.SetValue(12);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.Value(), 12);
    box.SetValue(1);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.Value(), 1);
    EXPECT_EQ(ups + downs, 0);
}

TEST_F(SpinEditTest, ReadingTextWithoutAnIntegerYieldsTheMinimum)
{
    TypeInto(&box, QString());
    EXPECT_EQ(box.Value(), 1);
    TypeInto(&box, QStringLiteral("9"));
    EXPECT_EQ(box.Value(), 9);
}

TEST_F(SpinEditTest, AHalfTypedValueReadsAsTypedUntilTheBoxLosesTheFocus)
{
    box.setRange(1900, 2500);
    box.SetValue(2011);
    TypeInto(&box, QStringLiteral("19"));
    EXPECT_EQ(box.Value(), 19);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&box, &focusOut);
    EXPECT_EQ(box.Value(), 1900);
}

TEST_F(SpinEditTest, WritesAreBroughtWithinTheLimits)
{
    box.SetValue(13);
    EXPECT_EQ(box.Value(), 12);
    box.SetValue(0);
    EXPECT_EQ(box.Value(), 1);
    box.SetValue(-100);
    EXPECT_EQ(box.text(), QStringLiteral("1"));
}

TEST_F(SpinEditTest, WritesRunNoHandler)
{
    QSignalSpy changes(&box, &QSpinBox::valueChanged);
    box.SetValue(3);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(ups + downs, 0);
}

TEST_F(SpinEditTest, HoldingAButtonRepeatsAfter400ThenEvery100Milliseconds)
{
    const QPoint up = SpinButtonCentre(&box, QStyle::SC_SpinBoxUp);
    QElapsedTimer clock;
    QTest::mousePress(&box, Qt::LeftButton, {}, up);
    clock.start();
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(box.HeldButton(), QStyle::SC_SpinBoxUp);
    QTest::qWait(300);
    EXPECT_EQ(ups, 1) << "no repeat before 400 ms";
    QTest::qWait(450);
    const qint64 held = clock.elapsed();
    QTest::mouseRelease(&box, Qt::LeftButton, {}, up);
    // 400 ms to the first repeat, then one every 100 ms; timers on a busy
    // machine may come late, never early.
    const int most = 1 + 1 + static_cast<int>((held - 400) / 100);
    EXPECT_GE(ups, 3);
    EXPECT_LE(ups, most);
    const int afterRelease = ups;
    QTest::qWait(250);
    EXPECT_EQ(ups, afterRelease) << "the repeat ends with the release";
    EXPECT_EQ(box.HeldButton(), QStyle::SC_None);
}

TEST_F(SpinEditTest, AFailingHandlerIsReportedAndStopsTheRepeat)
{
    RecordedMessages messages;
    box.OnDownClick = [this] {
        ++downs;
        throw std::invalid_argument("Invalid argument to date encode");
    };
    const QPoint down = SpinButtonCentre(&box, QStyle::SC_SpinBoxDown);
    QTest::mousePress(&box, Qt::LeftButton, {}, down);
    QTest::qWait(700);
    QTest::mouseRelease(&box, Qt::LeftButton, {}, down);
    EXPECT_EQ(downs, 1);
    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_EQ(messages.entries[0].text, QStringLiteral("Invalid argument to date encode"));
    EXPECT_EQ(messages.entries[0].caption, QStringLiteral("青禾农历生日查询软件V1.0"));
    EXPECT_EQ(box.HeldButton(), QStyle::SC_None);
    // The box goes on working.
    ClickUp(&box);
    EXPECT_EQ(ups, 1);
}

} // namespace
} // namespace qh
