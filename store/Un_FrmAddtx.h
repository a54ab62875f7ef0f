#pragma once
// TFrmAddtx: the add-birthday dialog. The user types a name, the lunar
// birthday and a number of years, may choose a picture, and saves; the
// person and the days of the lunar birthday are stored, the main window's
// lists refreshed, and the dialog stays open for the next person.

#include "ADOQuery.h"
#include "UFrmMidShell.h"

#include <QString>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace qh {

class TFrmAddtx : public TFrmMidShell {
    Q_OBJECT
public:
    // Refreshes the main window's lists after a save; called with an empty
    // name.
    using ShowPersonBirthdaysFn = std::function<void(const QString& name)>;
    // Asks the user for a picture file; an empty path when cancelled.
    using PictureChooser = std::function<QString()>;

    // Opened modally, a new one for every command; works on the birthday
    // tables of the named connection (the program's one connection).
    explicit TFrmAddtx(ShowPersonBirthdaysFn showPersonBirthdays, QWidget* parent = nullptr,
                       const QString& connectionName = ADOConName);
    ~TFrmAddtx() override;

    // Replaces the picture-file dialog (tests choose without one).
    void SetPictureChooser(PictureChooser chooser) { FPictureChooser = std::move(chooser); }

    // The picture file last chosen, empty when none.
    QString ChosenPicture() const { return FChosenPicture; }

    QLabel* Label1() const { return FLabel1; }
    QWidget* Panel6() const { return FPanel6; }
    QLabel* Label22() const { return FLabel22; }
    QWidget* Panel4() const { return FPanel4; }
    QLabel* Image1() const { return FImage1; }
    QWidget* Panel1() const { return FPanel1; }
    QPushButton* BitBtn1() const { return FBitBtn1; }
    QPushButton* BitBtn2() const { return FBitBtn2; }
    QLineEdit* Edit1() const { return FEdit1; }
    QLineEdit* Edit2() const { return FEdit2; }
    QLineEdit* Edit3() const { return FEdit3; }
    QLineEdit* Edit4() const { return FEdit4; }
    QLabel* Label5() const { return FLabel5; }
    QToolButton* SpeedButton1() const { return FSpeedButton1; }
    QWidget* Panel5() const { return FPanel5; }
    QLabel* Image2() const { return FImage2; }

public slots:
    // "选择": choose the picture stored with the next saves. A file that
    // cannot be used is refused with a message and changes nothing.
    void SpeedButton1Click();
    // "保存": check the entries and register the person. A save that fails
    // midway stores nothing and throws TStoreError; pressed on the window,
    // the error goes to the general error report.
    void BitBtn1Click();
    // "退出".
    void BitBtn2Click();

protected:
    void FormCreate() override;

private:
    void BuildClientArea();
    void BuildInputArea();
    QString ChoosePictureFile();

    QString FConnectionName;
    ShowPersonBirthdaysFn FShowPersonBirthdays;
    PictureChooser FPictureChooser;
    QString FChosenPicture;

    QLabel* FLabel1 = nullptr;
    QWidget* FPanel6 = nullptr;
    QLabel* FLabel22 = nullptr;
    QWidget* FPanel4 = nullptr;
    QLabel* FImage1 = nullptr;
    QWidget* FPanel1 = nullptr;
    QPushButton* FBitBtn1 = nullptr;
    QPushButton* FBitBtn2 = nullptr;
    QLineEdit* FEdit1 = nullptr;
    QLineEdit* FEdit2 = nullptr;
    QLineEdit* FEdit3 = nullptr;
    QLineEdit* FEdit4 = nullptr;
    QLabel* FLabel5 = nullptr;
    QToolButton* FSpeedButton1 = nullptr;
    QWidget* FPanel5 = nullptr;
    QLabel* FImage2 = nullptr;
};

} // namespace qh
