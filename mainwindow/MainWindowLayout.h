#pragma once
// The controls of the main window's client panel: positions, sizes, fonts,
// colours and pictures, each control named after its designer name.

#include <QColor>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

namespace qh {

class TDBGridEh;
class TSpinEdit;

inline const QColor Maroon(128, 0, 0);
inline const QColor FeastRed(255, 0, 0);

// One converter panel: its group box, its three number boxes (year, month,
// day) and its result boxes by what they show.
struct TConverterPanel {
    QGroupBox* Group;
    TSpinEdit* Year;
    TSpinEdit* Month;
    TSpinEdit* Day;
    QLineEdit* Constellation; // row 1, right
    QLineEdit* Date;          // row 2: the day in the other calendar, weekday
    QLineEdit* Animal;        // row 2, right
    QLineEdit* Sexagenary;    // row 3
    QLineEdit* SolarTerm;     // row 3, right
    QLineEdit* Feast;         // row 4: Gregorian feasts
    QLineEdit* LunarFeast;    // row 5
};

struct TMainControls {
    QWidget* Panel4;
    QLabel* Image2;
    QLabel* Image1;
    QWidget* Panel1;
    QWidget* Panel5;
    QLabel* Label15;
    QCheckBox* CheckBox2;

    // GroupBox1: SpinEdit1..3; Edit6, Edit1, Edit4, Edit2, Edit5, Edit11, Edit12.
    TConverterPanel Solar;
    // GroupBox2: SpinEdit4..6; Edit10, Edit3, Edit8, Edit7, Edit9, Edit13, Edit14.
    TConverterPanel Lunar;
    QCheckBox* CheckBox1;

    QGroupBox* GroupBox3;
    QGroupBox* GroupBox4;
    QLabel* Image3;
    QWidget* Panel6;
    TDBGridEh* DBGridEh2;
    TDBGridEh* DBGridEh1;
    TDBGridEh* DBGridEh3;

    QToolButton* SpeedButton2;
    QToolButton* SpeedButton4;
};

// Builds every control of the client panel in place.
TMainControls BuildMainControls(QWidget* panClient);

// Sets the colour of a control's text.
void SetTextColor(QWidget* widget, const QColor& color);

} // namespace qh
