#pragma once
// Small helpers shared by the widget tests.

#include <QDir>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>

namespace qh::testing {

// The up or down button of a spin box, found the way the style lays it out.
inline QPoint SpinButtonCentre(QSpinBox* box, QStyle::SubControl button)
{
    QStyleOptionSpinBox option;
    option.initFrom(box);
    option.rect = box->rect();
    option.frame = box->hasFrame();
    option.buttonSymbols = box->buttonSymbols();
    option.subControls = QStyle::SC_SpinBoxFrame | QStyle::SC_SpinBoxEditField |
                         QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown;
    return box->style()->subControlRect(QStyle::CC_SpinBox, &option, button, box).center();
}

inline void ClickUp(QSpinBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, SpinButtonCentre(box, QStyle::SC_SpinBoxUp));
}

inline void ClickDown(QSpinBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, SpinButtonCentre(box, QStyle::SC_SpinBoxDown));
}

// Replaces the box's text as a user would type it.
inline void TypeInto(QSpinBox* box, const QString& text)
{
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, text);
}

// Where test runs keep their screenshots.
inline QString ArtefactsDir()
{
    const QString dir = qEnvironmentVariableIsSet("QH_ARTEFACTS")
                            ? qEnvironmentVariable("QH_ARTEFACTS")
                            : QStringLiteral(QH_BUILD_DIR);
    QDir().mkpath(dir);
    return dir;
}

} // namespace qh::testing
