#pragma once
// The controls of the main window's client panel: positions, sizes, fonts,
// colours and pictures, each control named after its designer name.

#include <QColor>
#include <QFont>
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

// 宋体 at a pixel size.
QFont SongTi(int pixelSize, bool bold = false);

inline const QColor Maroon(128, 0, 0);
inline const QColor FeastRed(255, 0, 0);

struct TMainControls {
    QWidget* Panel4;
    QLabel* Image2;
    QLabel* Image1;
    QWidget* Panel1;
    QWidget* Panel5;
    QLabel* Label15;
    QCheckBox* CheckBox2;

    QGroupBox* GroupBox1;
    TSpinEdit* SpinEdit1;
    TSpinEdit* SpinEdit2;
    TSpinEdit* SpinEdit3;
    QLineEdit* Edit1;
    QLineEdit* Edit2;
    QLineEdit* Edit4;
    QLineEdit* Edit5;
    QLineEdit* Edit6;
    QLineEdit* Edit11;
    QLineEdit* Edit12;

    QGroupBox* GroupBox2;
    TSpinEdit* SpinEdit4;
    TSpinEdit* SpinEdit5;
    TSpinEdit* SpinEdit6;
    QCheckBox* CheckBox1;
    QLineEdit* Edit3;
    QLineEdit* Edit7;
    QLineEdit* Edit8;
    QLineEdit* Edit9;
    QLineEdit* Edit10;
    QLineEdit* Edit13;
    QLineEdit* Edit14;

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
