#include "MainWindowLayout.h"

#include "Artwork.h"
#include "UDBGridEh.h"
#include "UGlobal.h"
#include "USpinEdit.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace qh {
namespace {

const QColor Navy(0, 0, 128);
const QColor Blue(0, 0, 255);
const QColor Green(0, 128, 0);
const QColor SkyBlue(166, 202, 240);
const QColor White(255, 255, 255);
// The converter panels and the picture box, a pale tint of the artwork's blue.
const QColor PanelColour(0xEE, 0xF3, 0xFA);

// ---- The two converter panels (334 by 171 each) -------------------------------
constexpr int RowTop[5] = {22, 51, 80, 109, 138};
constexpr int RowHeight = 22;
constexpr int LabelLeft = 8;
constexpr int LabelWidth = 78;
constexpr int FieldLeft = 88;
constexpr int YearWidth = 57;
constexpr int MonthDayWidth = 39;
constexpr int BoxGap = 2;
constexpr int MainBoxWidth = 136;
constexpr int SideLeft = 232;
constexpr int SideWidth = 46;
constexpr int LeapLeft = 284;
constexpr int LeapWidth = 46;
constexpr int FeastWidth = SideLeft + SideWidth - FieldLeft;

QWidget* NewPanel(QWidget* parent, const char* name, const QRect& geometry, const QColor& colour)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    FillBackground(panel, colour);
    return panel;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, const QPoint& at,
                 const QFont& font, const QColor& colour)
{
    auto* label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    SetTextColor(label, colour);
    label->move(at);
    label->adjustSize();
    return label;
}

void NewHeading(QWidget* strip, const QString& text, int x, const QColor& colour)
{
    QLabel* label = NewLabel(strip, nullptr, text, QPoint(x, 0), SongTi(13), colour);
    label->setGeometry(x, 0, label->width(), strip->height() - 1);
    label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
}

QLabel* NewImage(QWidget* parent, const char* name)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    return image;
}

TSpinEdit* NewSpinEdit(QWidget* parent, const char* name, int x, int width, int minimum,
                       int maximum, int value)
{
    auto* box = new TSpinEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(x, RowTop[0], width, RowHeight);
    box->setRange(minimum, maximum);
    box->SetValue(value);
    return box;
}

QLineEdit* NewResultBox(QWidget* parent, const char* name, int row, int x, int width)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(x, RowTop[row], width, RowHeight);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, PanelColour);
    palette.setColor(QPalette::Text, Maroon);
    box->setPalette(palette);
    return box;
}

QGroupBox* NewGroupBox(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* group = new QGroupBox(caption, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    FillBackground(group, PanelColour);
    SetTextColor(group, Navy);
    return group;
}

void AddRowLabels(QGroupBox* group, const QString& first, const QString& second)
{
    const QString texts[5] = {first, second, QStringLiteral("干  支  历:"),
                              QStringLiteral("公历节日:"), QStringLiteral("农历节日:")};
    for (int row = 0; row < 5; ++row) {
        auto* label = new QLabel(texts[row], group);
        label->setFont(SongTi(13, true));
        SetTextColor(label, Maroon);
        label->setGeometry(LabelLeft, RowTop[row], LabelWidth, RowHeight);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}

QToolButton* NewSpeedButton(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(caption);
    button->setGeometry(geometry);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::PointingHandCursor);
    // Not transparent: the button face hides the background picture.
    button->setAutoFillBackground(true);
    return button;
}

TDBGridEh* NewGrid(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* grid = new TDBGridEh(parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setGeometry(geometry);
    return grid;
}

// The designer names of one panel's controls, in the order of
// TConverterPanel.
struct PanelNames {
    const char* group;
    const char* boxes[3];
    const char* results[7];
};

TConverterPanel BuildPanel(QWidget* panClient, const PanelNames& names, const QString& caption, int left,
                           const QString& firstRow, const QString& secondRow, const int stored[3])
{
    TConverterPanel p{};
    p.Group = NewGroupBox(panClient, names.group, caption, QRect(left, 109, 334, 171));
    AddRowLabels(p.Group, firstRow, secondRow);
    p.Year = NewSpinEdit(p.Group, names.boxes[0], FieldLeft, YearWidth, 1900, 2500, stored[0]);
    const int monthLeft = FieldLeft + YearWidth + BoxGap;
    p.Month = NewSpinEdit(p.Group, names.boxes[1], monthLeft, MonthDayWidth, 1, 12, stored[1]);
    const int dayLeft = monthLeft + MonthDayWidth + BoxGap;
    p.Day = NewSpinEdit(p.Group, names.boxes[2], dayLeft, MonthDayWidth, 1, 32, stored[2]);
    p.Constellation = NewResultBox(p.Group, names.results[0], 0, SideLeft, SideWidth);
    p.Date = NewResultBox(p.Group, names.results[1], 1, FieldLeft, MainBoxWidth);
    p.Animal = NewResultBox(p.Group, names.results[2], 1, SideLeft, SideWidth);
    p.Sexagenary = NewResultBox(p.Group, names.results[3], 2, FieldLeft, MainBoxWidth);
    p.SolarTerm = NewResultBox(p.Group, names.results[4], 2, SideLeft, SideWidth);
    p.Feast = NewResultBox(p.Group, names.results[5], 3, FieldLeft, FeastWidth);
    p.LunarFeast = NewResultBox(p.Group, names.results[6], 4, FieldLeft, FeastWidth);
    return p;
}

void BuildConverterPanels(TMainControls& c, QWidget* panClient)
{
    const QString gregorian = QStringLiteral("公        历:");
    const QString lunar = QStringLiteral("农        历:");
    const int solarStored[3] = {2004, 10, 10};
    c.Solar = BuildPanel(panClient,
                         {"GroupBox1", {"SpinEdit1", "SpinEdit2", "SpinEdit3"},
                          {"Edit6", "Edit1", "Edit4", "Edit2", "Edit5", "Edit11", "Edit12"}},
                         QStringLiteral("公历 -> 农历、干支历"), 0, gregorian, lunar, solarStored);
    const int lunarStored[3] = {2011, 1, 1};
    c.Lunar = BuildPanel(panClient,
                         {"GroupBox2", {"SpinEdit4", "SpinEdit5", "SpinEdit6"},
                          {"Edit10", "Edit3", "Edit8", "Edit7", "Edit9", "Edit13", "Edit14"}},
                         QStringLiteral("农历 -> 公历、干支历"), 334, lunar, gregorian, lunarStored);
    c.CheckBox1 = new QCheckBox(QStringLiteral("闰月"), c.Lunar.Group);
    c.CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    c.CheckBox1->setGeometry(LeapLeft, RowTop[0], LeapWidth, RowHeight);
    SetTextColor(c.CheckBox1, Maroon);
}

} // namespace

void SetTextColor(QWidget* widget, const QColor& color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

TMainControls BuildMainControls(QWidget* panClient)
{
    TMainControls c{};
    QPalette client = panClient->palette();
    client.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    panClient->setPalette(client);

    // The background picture lies beneath every other control.
    c.Image1 = NewImage(panClient, "Image1");
    c.Image1->setScaledContents(true);
    c.Image1->setPixmap(LoadSkinBitmap(QStringLiteral("background")));

    c.Panel4 = NewPanel(panClient, "Panel4", QRect(0, 0, 915, 66), White);
    c.Image2 = NewImage(c.Panel4, "Image2");
    c.Image2->setPixmap(LoadSkinBitmap(QStringLiteral("banner")));

    c.Panel1 = NewPanel(panClient, "Panel1", QRect(8, 65, 899, 3), Blue);

    c.Panel5 = NewPanel(panClient, "Panel5", QRect(0, 68, 916, 41), SkyBlue);
    c.Label15 = NewLabel(c.Panel5, "Label15", QStringLiteral("公历-农历转换查询"), QPoint(6, 18),
                         SongTi(13), Blue);
    c.CheckBox2 = new QCheckBox(QStringLiteral("干支历以农历年月为基准"), c.Panel5);
    c.CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    c.CheckBox2->move(280, 16);
    c.CheckBox2->adjustSize();

    BuildConverterPanels(c, panClient);

    c.GroupBox3 = NewGroupBox(panClient, "GroupBox3", QStringLiteral("图片显示"), QRect(668, 109, 248, 171));
    c.GroupBox4 = new QGroupBox(c.GroupBox3);
    c.GroupBox4->setObjectName(QStringLiteral("GroupBox4"));
    c.GroupBox4->setGeometry(24, 19, 201, 136);
    c.GroupBox4->setFlat(true);
    c.Image3 = NewImage(c.GroupBox4, "Image3");
    c.Image3->setScaledContents(true);
    c.Image3->setGeometry(c.GroupBox4->rect());

    c.Panel6 = NewPanel(panClient, "Panel6", QRect(1, 279, 916, 24), SkyBlue);
    // The headings sit low in the strip, as close to the lists as the
    // font's line height allows.
    NewHeading(c.Panel6, QStringLiteral("所有人农历生日"), 6, Blue);
    NewHeading(c.Panel6, QStringLiteral("今年所有人公历生日"), 302, FeastRed);
    NewHeading(c.Panel6, QStringLiteral("公历生日列表"), 601, Green);

    c.DBGridEh2 = NewGrid(panClient, "DBGridEh2", QRect(0, 304, 299, 177));
    c.DBGridEh1 = NewGrid(panClient, "DBGridEh1", QRect(296, 304, 299, 177));
    c.DBGridEh3 = NewGrid(panClient, "DBGridEh3", QRect(592, 304, 320, 177));

    c.SpeedButton2 = NewSpeedButton(panClient, "SpeedButton2", QStringLiteral("管理生日数据"),
                                    QRect(648, 493, 113, 26));
    c.SpeedButton4 = NewSpeedButton(panClient, "SpeedButton4", QStringLiteral("退出系统"),
                                    QRect(792, 493, 113, 26));

    // The banner strip runs along the top and the background fills the rest
    // at every size of the window; every other control keeps its place.
    auto* column = new QVBoxLayout(panClient);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    c.Panel4->setFixedHeight(66);
    column->addWidget(c.Panel4);
    column->addWidget(c.Image1, 1);
    auto* banner = new QVBoxLayout(c.Panel4);
    banner->setContentsMargins(0, 0, 0, 0);
    banner->addWidget(c.Image2);
    return c;
}

} // namespace qh
