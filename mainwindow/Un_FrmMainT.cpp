#include "Un_FrmMainT.h"

#include "Artwork.h"
#include "Clock.h"
#include "ConverterSteps.h"
#include "UGlobal.h"
#include "Un_FrmAddtx.h"
#include "UBirthdayLists.h"
#include "USpinEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>

namespace qh {
namespace {

constexpr int ClientWidth = 927;
constexpr int ClientHeight = 593;
constexpr int CaptionHeight = 47;

QString Text(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString SexagenaryText(const TLunarDate& lunar)
{
    return QStringLiteral("%1年 %2月 %3日").arg(Text(lunar.cYear()), Text(lunar.cMonth()), Text(lunar.cDay()));
}

// A result box shows its text from the start; a text longer than the box
// can show is offered whole as the box's tip.
void ShowResult(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
    const int room = box->width() - 8;
    box->setToolTip(box->fontMetrics().horizontalAdvance(text) > room ? text : QString());
}

// Easter and the two Thanksgiving days stand out in red.
void ShowFeast(QLineEdit* box, const std::string& feast)
{
    const QString text = Text(feast);
    const bool red = text.startsWith(QStringLiteral("复")) || text.startsWith(QStringLiteral("感"));
    SetTextColor(box, red ? FeastRed : Maroon);
    ShowResult(box, text);
}

TBoxValue BoxValue(const TSpinEdit* box)
{
    return TBoxValue(box->Value(), box->minimum(), box->maximum());
}

TPanelBoxes ReadBoxes(const TConverterPanel& panel)
{
    return {BoxValue(panel.Year), BoxValue(panel.Month), BoxValue(panel.Day)};
}

// Only the boxes a step wrote change: a value still being typed in another
// box stays as it is.
void WriteBoxes(const TConverterPanel& panel, const TPanelBoxes& boxes)
{
    const std::pair<TSpinEdit*, const TBoxValue*> pairs[] = {
        {panel.Year, &boxes.Year}, {panel.Month, &boxes.Month}, {panel.Day, &boxes.Day}};
    for (const auto& [box, value] : pairs) {
        if (value->Written())
            box->SetValue(value->Read());
    }
}

// What both panels show of a day besides its date: zodiac sign, sexagenary
// names, animal, solar term and feasts.
void ShowDayTexts(const TConverterPanel& panel, const TTransDate& day)
{
    const TLunarDate& lunar = day.LunarDate();
    ShowResult(panel.Constellation, Text(day.Constellation()));
    ShowResult(panel.Sexagenary, SexagenaryText(lunar));
    ShowResult(panel.Animal, Text(lunar.AnimalYear()) + QStringLiteral("年"));
    ShowResult(panel.SolarTerm, Text(lunar.SolarTerm()));
    ShowFeast(panel.Feast, day.Feast());
    ShowResult(panel.LunarFeast, Text(lunar.FeastOfLunar()));
}

// Runs a command of the window; what escapes it goes to the error report.
auto Guarded(TFrmMainT* window, void (TFrmMainT::*command)())
{
    return [window, command] { ReportErrors([window, command] { (window->*command)(); }); };
}

} // namespace

const QString TFrmMainT::ReadyStatus = QStringLiteral("公历、农历互查范围：农历1900年至2056年");
const QString TFrmMainT::BeyondRangeStatus = QStringLiteral("超出查询范围(1900-2056)");

TFrmMainT::TFrmMainT(QWidget* parent) : TFrmShell(parent)
{
    setObjectName(QStringLiteral("FrmMainT"));
    setWindowTitle(ApplicationTitle());
    setWindowIcon(ApplicationIcon());
    setFont(SongTi(13));

    // The two converters start from the values the window stores.
    ApplyLayout(FTransDate1, TTransDateLayout{});
    ApplyLayout(FTransDate2, TTransDateLayout{});

    SetCaptionHeight(CaptionHeight);
    SetCaptionPictures(LoadSkinBitmap(QStringLiteral("mainCaptionLeft")),
                       LoadSkinBitmap(QStringLiteral("mainCaptionMiddle")),
                       LoadSkinBitmap(QStringLiteral("mainCaptionRight")));
    FLabel1 = new QLabel(ApplicationTitle(), panTop());
    FLabel1->setObjectName(QStringLiteral("Label1"));
    FLabel1->setFont(SongTi(16, true));
    SetTextColor(FLabel1, Qt::white);
    FLabel1->setGeometry(48, 15, 206, 24);
    FLabel1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The title is part of the caption strip: it moves the window too.
    BindCaptionDrag(FLabel1);

    FLabel5 = new QLabel(ReadyStatus, Panel2());
    FLabel5->setObjectName(QStringLiteral("Label5"));
    FLabel5->setFont(SongTi(12, true));
    SetTextColor(FLabel5, Qt::white);
    FLabel5->setGeometry(12, 2, 448, 18);
    FLabel5->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    FLabel5->setCursor(Qt::PointingHandCursor);

    FControls = BuildMainControls(panClient());
    // The lists read nothing yet: the data module comes after the window.
    FBirthdayLists = new TBirthdayLists(FControls.DBGridEh2, FControls.DBGridEh1, FControls.DBGridEh3,
                                        FControls.Image3, this);

    N2()->setText(QStringLiteral("管理生日数据"));
    connect(N1221(), &QAction::triggered, this, Guarded(this, &TFrmMainT::N1221Click));
    connect(N2(), &QAction::triggered, this, Guarded(this, &TFrmMainT::N2Click));
    connect(N4(), &QAction::triggered, this, Guarded(this, &TFrmMainT::N4Click));
    connect(FControls.SpeedButton2, &QToolButton::clicked, this, Guarded(this, &TFrmMainT::SpeedButton2Click));
    connect(FControls.SpeedButton4, &QToolButton::clicked, this, Guarded(this, &TFrmMainT::SpeedButton4Click));
    connect(FControls.CheckBox2, &QCheckBox::clicked, this, Guarded(this, &TFrmMainT::CheckBox2Click));
    // CheckBox1 only shows the held leap flag: no handler is attached.

    resize(ClientWidth, ClientHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    EnsureCreated();
}

TFrmMainT::~TFrmMainT() = default;

void TFrmMainT::FormCreate()
{
    TFrmShell::FormCreate();
    FMainFormatSettings = UserFormatSettings();
    InstallSpinHandlers();
    FTransDate1.SetDate(TodayDayNumber());
    const CivilDate today = Today();
    FControls.Solar.Year->SetValue(today.year);
    FControls.Solar.Month->SetValue(today.month);
    FControls.Solar.Day->SetValue(today.day);
}

void TFrmMainT::InstallSpinHandlers()
{
    struct Hook {
        TSpinEdit* box;
        void (TFrmMainT::*down)();
        void (TFrmMainT::*up)();
    };
    const Hook hooks[] = {
        {FControls.Lunar.Day, &TFrmMainT::LunarDayDownClick, &TFrmMainT::LunarDayUpClick},
        {FControls.Lunar.Month, &TFrmMainT::LunarMonthDownClick, &TFrmMainT::LunarMonthUpClick},
        {FControls.Lunar.Year, &TFrmMainT::LunarYearDownClick, &TFrmMainT::LunarYearUpClick},
        {FControls.Solar.Day, &TFrmMainT::SolarDayDownClick, &TFrmMainT::SolarDayUpClick},
        {FControls.Solar.Month, &TFrmMainT::SolarMonthDownClick, &TFrmMainT::SolarMonthUpClick},
        {FControls.Solar.Year, &TFrmMainT::SolarYearDownClick, &TFrmMainT::SolarYearUpClick},
    };
    // The box reports what escapes a handler and stops its repeat.
    for (const Hook& hook : hooks) {
        hook.box->OnDownClick = [this, down = hook.down] { (this->*down)(); };
        hook.box->OnUpClick = [this, up = hook.up] { (this->*up)(); };
    }
}

void TFrmMainT::showEvent(QShowEvent* event)
{
    TFrmShell::showEvent(event);
    FormShow();
}

void TFrmMainT::FormShow()
{
    // Every time the window becomes visible the lists are read afresh.
    FBirthdayLists->FormShow();
}

// ---- Commands ---------------------------------------------------------------

void TFrmMainT::SpeedButton2Click()
{
    OpenAddBirthdayDialog();
}

void TFrmMainT::N2Click()
{
    OpenAddBirthdayDialog();
}

void TFrmMainT::OpenAddBirthdayDialog()
{
    // A fresh dialog every time, so that its fields start empty. It refreshes
    // the lists itself after each save; its result is of no interest here.
    TFrmAddtx FrmAddtx([this](const QString& name) { FBirthdayLists->ShowPersonBirthdays(name); }, this);
    FrmAddtx.exec();
}

void TFrmMainT::SpeedButton4Click()
{
    QCoreApplication::quit();
}

void TFrmMainT::N1221Click()
{
    ShowFromTray();
}

void TFrmMainT::N4Click()
{
    // The program does not end by itself when its last window closes (it
    // lives on in the notification area), so closing asks it to end as well.
    close();
    QCoreApplication::quit();
}

void TFrmMainT::CheckBox2Click()
{
    const bool solarTerms = FControls.CheckBox2->isChecked();
    FControls.CheckBox2->setText(solarTerms ? QStringLiteral("干支历以节气为基准")
                                            : QStringLiteral("干支历以农历年月为基准"));
    FControls.CheckBox2->adjustSize();
    FTransDate1.SetBookOfChanges(solarTerms);
    FTransDate2.SetBookOfChanges(solarTerms);
    UpdateSolarPanel();
    UpdateLunarPanel();
}

// ---- Stepping ---------------------------------------------------------------

void TFrmMainT::SolarYearDownClick() { StepSolarPanel(TStep::YearDown); }
void TFrmMainT::SolarYearUpClick() { StepSolarPanel(TStep::YearUp); }
void TFrmMainT::SolarMonthDownClick() { StepSolarPanel(TStep::MonthDown); }
void TFrmMainT::SolarMonthUpClick() { StepSolarPanel(TStep::MonthUp); }
void TFrmMainT::SolarDayDownClick() { StepSolarPanel(TStep::DayDown); }
void TFrmMainT::SolarDayUpClick() { StepSolarPanel(TStep::DayUp); }
void TFrmMainT::LunarYearDownClick() { StepLunarPanel(TStep::YearDown); }
void TFrmMainT::LunarYearUpClick() { StepLunarPanel(TStep::YearUp); }
void TFrmMainT::LunarMonthDownClick() { StepLunarPanel(TStep::MonthDown); }
void TFrmMainT::LunarMonthUpClick() { StepLunarPanel(TStep::MonthUp); }
void TFrmMainT::LunarDayDownClick() { StepLunarPanel(TStep::DayDown); }
void TFrmMainT::LunarDayUpClick() { StepLunarPanel(TStep::DayUp); }

void TFrmMainT::StepSolarPanel(TStep step)
{
    TPanelBoxes boxes = ReadBoxes(FControls.Solar);
    if (!StepSolarBoxes(step, boxes))
        return;
    // Refused before anything changes: the boxes keep the last good date.
    if (SolarBoxesBeyondRange(boxes)) {
        ShowBeyondRange();
        return;
    }
    WriteBoxes(FControls.Solar, boxes);
    UpdateSolarPanel();
}

void TFrmMainT::StepLunarPanel(TStep step)
{
    const TLunarDate& held = FTransDate2.LunarDate();
    TPanelBoxes boxes = ReadBoxes(FControls.Lunar);
    bool leapFlag = held.FlagLeapMonth();
    if (!StepLunarBoxes(step, boxes, {GetLeapMonth(held.lYear()), held.lMonth()}, leapFlag))
        return;
    if (LunarBoxesBeyondRange(boxes)) {
        ShowBeyondRange();
        return;
    }
    if (leapFlag != held.FlagLeapMonth())
        SetLeapFlag(leapFlag);
    WriteBoxes(FControls.Lunar, boxes);
    UpdateLunarPanel();
}

void TFrmMainT::SetLeapFlag(bool flag)
{
    FTransDate2.LunarDate().SetFlagLeapMonth(flag);
    FControls.CheckBox1->setChecked(flag);
}

// ---- The panels' results ----------------------------------------------------

void TFrmMainT::UpdateSolarPanel()
{
    const TPanelBoxes boxes = ReadBoxes(FControls.Solar);
    // A typed date that does not exist fails here, leaving the results as
    // they were.
    const TDateTime date = EncodeDate(boxes.Year.Read(), boxes.Month.Read(), boxes.Day.Read());
    if (!IsConvertibleDate(date)) {
        ShowBeyondRange();
        return;
    }
    FTransDate1.SetDate(date);
    ShowResult(FControls.Solar.Date, Text(FTransDate1.GetLunarDateText()) + QLatin1Char(' ') +
                                         FMainFormatSettings.FormatWeekday(date));
    ShowDayTexts(FControls.Solar, FTransDate1);
    ShowReady();
}

void TFrmMainT::UpdateLunarPanel()
{
    const TPanelBoxes boxes = ReadBoxes(FControls.Lunar);
    if (LunarBoxesBeyondRange(boxes)) {
        ShowBeyondRange();
        return;
    }
    TLunarDate& lunar = FTransDate2.LunarDate();
    lunar.SetlYear(boxes.Year.Read());
    lunar.SetlMonth(boxes.Month.Read());
    lunar.SetlDay(boxes.Day.Read());
    SetTextColor(FControls.CheckBox1, lunar.FlagLeapMonth() ? FeastRed : Maroon);
    const TDateTime date = FTransDate2.Date();
    ShowResult(FControls.Lunar.Date, FMainFormatSettings.FormatLongDate(date) + QLatin1Char(' ') +
                                         FMainFormatSettings.FormatWeekday(date));
    ShowDayTexts(FControls.Lunar, FTransDate2);
    ShowReady();
}

void TFrmMainT::ShowBeyondRange()
{
    FLabel5->setText(BeyondRangeStatus);
}

void TFrmMainT::ShowReady()
{
    FLabel5->setText(ReadyStatus);
}

} // namespace qh
