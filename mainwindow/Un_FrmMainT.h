#pragma once
// TFrmMainT: the main window. The two converter panels (Gregorian to lunar
// and back), the three birthday lists with the picture of the selected
// person, and the commands "管理生日数据" and "退出系统", on the main frame
// with its caption buttons and tray icon.

#include "FormatSettings.h"
#include "MainWindowLayout.h"
#include "TransDate.h"
#include "UFrmShell.h"

class QLabel;

namespace qh {

class TBirthdayLists;
enum class TStep;

class TFrmMainT : public TFrmShell {
    Q_OBJECT
public:
    // The status line's text while nothing needs saying.
    static const QString ReadyStatus;
    // The status line's text when a step would leave the calendar's range.
    static const QString BeyondRangeStatus;

    explicit TFrmMainT(QWidget* parent = nullptr);
    ~TFrmMainT() override;

    TTransDate& TransDate1() { return FTransDate1; }
    TTransDate& TransDate2() { return FTransDate2; }
    const TFormatSettings& MainFormatSettings() const { return FMainFormatSettings; }
    TBirthdayLists& BirthdayLists() { return *FBirthdayLists; }

public slots:
    // "管理生日数据" on the window and in the tray menu.
    void SpeedButton2Click();
    void N2Click();
    // "退出系统" on the window: asks the application to end.
    void SpeedButton4Click();
    // "显示主窗口" in the tray menu.
    void N1221Click();
    // "退出系统" in the tray menu: closes the main window, ending the program.
    void N4Click();
    // Switches the sexagenary reckoning of both panels and refreshes them.
    void CheckBox2Click();

protected:
    void FormCreate() override;
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void InstallSpinHandlers();
    void OpenAddBirthdayDialog();

    // The stepping handlers of the converter panels' buttons.
    void SolarYearDownClick();
    void SolarYearUpClick();
    void SolarMonthDownClick();
    void SolarMonthUpClick();
    void SolarDayDownClick();
    void SolarDayUpClick();
    void LunarYearDownClick();
    void LunarYearUpClick();
    void LunarMonthDownClick();
    void LunarMonthUpClick();
    void LunarDayDownClick();
    void LunarDayUpClick();

    void StepSolarPanel(TStep step);
    void StepLunarPanel(TStep step);
    void SetLeapFlag(bool flag);

    // Convert the panel's boxes and fill its result boxes; a date beyond the
    // calendar's range is refused with a word on the status line.
    void UpdateSolarPanel();
    void UpdateLunarPanel();
    void ShowBeyondRange();
    void ShowReady();

    TFormatSettings FMainFormatSettings;
    TTransDate FTransDate1;
    TTransDate FTransDate2;
    TMainControls FControls;
    TBirthdayLists* FBirthdayLists = nullptr;
    QLabel* FLabel1 = nullptr;
    QLabel* FLabel5 = nullptr;
};

} // namespace qh
