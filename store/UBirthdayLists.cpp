#include "UBirthdayLists.h"

#include "ADOQuery.h"
#include "Clock.h"
#include "Messages.h"
#include "Statements.h"
#include "UDBGridEh.h"
#include "UGlobal.h"

#include <QAction>
#include <QBuffer>
#include <QImageReader>
#include <QLabel>
#include <QMenu>
#include <QPixmap>

namespace qh {
namespace {

const QString NameField = QStringLiteral("buser");
const QString PictureField = QStringLiteral("pic");

QString CurrentYearText()
{
    return QString::number(Today().year);
}

TColumnEh KeyColumn()
{
    TColumnEh column;
    column.FieldName = QStringLiteral("KeyID");
    column.Title = QStringLiteral("序号");
    column.Width = 0;
    column.TitleButton = false;
    return column;
}

TColumnEh Column(const char* field, const QString& title, int width, Qt::Alignment alignment, QColor colour)
{
    TColumnEh column;
    column.FieldName = QString::fromLatin1(field);
    column.Title = title;
    column.Width = width;
    column.TitleAlignment = alignment;
    column.TextColor = colour;
    return column;
}

// A picture of at most twice the box's size is plenty for the box and
// keeps a camera's full-size photo from being scaled at every paint.
QPixmap BoxPicture(const QImage& image, const QSize& box)
{
    const QSize limit = box.expandedTo(QSize(1, 1)) * 2;
    if (image.width() <= limit.width() && image.height() <= limit.height())
        return QPixmap::fromImage(image);
    return QPixmap::fromImage(image.scaled(limit, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

} // namespace

void SortByTitle(TADOQuery& query, TColumnEh& column)
{
    if (column.FieldName.isEmpty())
        return;
    if (column.SortMarker == TSortMarker::None)
        column.SortMarker = TSortMarker::Down;
    const bool descending = column.SortMarker == TSortMarker::Up;
    try {
        query.SetSort(column.FieldName + (descending ? QStringLiteral(" DESC") : QStringLiteral(" ASC")));
    } catch (...) {
        // A list that cannot be sorted keeps its order.
    }
}

TBirthdayLists::TBirthdayLists(TDBGridEh* DBGridEh2, TDBGridEh* DBGridEh1, TDBGridEh* DBGridEh3,
                               QLabel* Image3, QObject* parent)
    : QObject(parent), query_nlbirthday(new TADOQuery(this)), query_jnglsr(new TADOQuery(this)),
      query_all(new TADOQuery(this)), ADOQuery_YH(new TADOQuery(this)), ADOQuery1(new TADOQuery(this)),
      PopupMenu3(new QMenu(DBGridEh2)), N6(PopupMenu3->addAction(QStringLiteral("删除"))),
      DBGridEh2(DBGridEh2), DBGridEh1(DBGridEh1), DBGridEh3(DBGridEh3), Image3(Image3)
{
    query_nlbirthday->setObjectName(QStringLiteral("query_nlbirthday"));
    query_jnglsr->setObjectName(QStringLiteral("query_jnglsr"));
    query_all->setObjectName(QStringLiteral("query_all"));
    ADOQuery_YH->setObjectName(QStringLiteral("ADOQuery_YH"));
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
    PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
    N6->setObjectName(QStringLiteral("N6"));

    query_nlbirthday->SetSQL(Statements::AllPersons);
    query_nlbirthday->SetFieldNames({QStringLiteral("KeyID"), QStringLiteral("Buser"), QStringLiteral("BNbirthday")});
    query_all->SetSQL(Statements::AllBirthdays);

    SetUpGrids();
    Image3->setScaledContents(true);

    connect(DBGridEh2, &TDBGridEh::CellClick, this, &TBirthdayLists::DBGridEh2CellClick);
    connect(DBGridEh1, &TDBGridEh::TitleBtnClick, this, &TBirthdayLists::DBGridEh1TitleBtnClick);
    connect(DBGridEh2, &TDBGridEh::TitleBtnClick, this, &TBirthdayLists::DBGridEh2TitleBtnClick);
    connect(DBGridEh3, &TDBGridEh::TitleBtnClick, this, &TBirthdayLists::DBGridEh3TitleBtnClick);
    connect(N6, &QAction::triggered, this, &TBirthdayLists::N6Click);
}

void TBirthdayLists::SetUpGrids()
{
    const Qt::Alignment centre = Qt::AlignHCenter;
    const Qt::Alignment left = Qt::AlignLeft;
    const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0);

    DBGridEh2->SetColumns({KeyColumn(), Column("Buser", QStringLiteral("姓名"), 100, centre, blue),
                           Column("BNbirthday", QStringLiteral("农历生日"), 180, centre, blue)});
    DBGridEh1->SetColumns({KeyColumn(), Column("Buser", QStringLiteral("姓名"), 100, centre, red),
                           Column("BGbirthday", QStringLiteral("公历生日"), 180, centre, red)});
    DBGridEh3->SetColumns({KeyColumn(), Column("Buser", QStringLiteral("姓名"), 70, centre, green),
                           Column("NL", QStringLiteral("年龄"), 40, left, green),
                           Column("BGbirthday", QStringLiteral("公历生日"), 110, centre, green),
                           Column("xq", QStringLiteral(" "), 80, left, green)});

    DBGridEh2->SetDataSource(query_nlbirthday);
    DBGridEh1->SetDataSource(query_jnglsr);
    DBGridEh3->SetDataSource(query_all);

    DBGridEh2->SetHint(QStringLiteral("右键删除明细"));
    DBGridEh2->SetPopupMenu(PopupMenu3);
}

void TBirthdayLists::FormShow()
{
    ReportErrors([this] {
        // This year's list is read once: its first person is the one shown.
        OpenBirthdaysOfYear();
        const QString first = query_jnglsr->FieldAsString(NameField);
        OpenPersons(first);
        ShowPerson(first);
    });
}

void TBirthdayLists::ShowPersonBirthdays(const QString& Name)
{
    OpenPersons(Name);
    OpenBirthdaysOfYear();
    ShowPerson(Name.isEmpty() ? query_jnglsr->FieldAsString(NameField) : Name);
}

void TBirthdayLists::OpenPersons(const QString& name)
{
    if (name.isEmpty())
        query_nlbirthday->Requery();
    else
        query_nlbirthday->Open();
}

void TBirthdayLists::OpenBirthdaysOfYear()
{
    query_jnglsr->SetSQL(Statements::BirthdaysOfYear);
    query_jnglsr->SetParam(QStringLiteral("p"), CurrentYearText());
    query_jnglsr->Open();
}

void TBirthdayLists::ShowPerson(const QString& name)
{
    query_all->SetSQL(Statements::BirthdaysOfPerson);
    query_all->SetParam(QStringLiteral("p"), name);
    query_all->Open();
    ShowPicture(name);
}

void TBirthdayLists::ShowPicture(const QString& name)
{
    ADOQuery_YH->SetSQL(Statements::PersonRow);
    ADOQuery_YH->SetParam(QStringLiteral("p"), name);
    ADOQuery_YH->Open();

    QByteArray bytes = ADOQuery_YH->FieldAsBytes(PictureField);
    if (bytes.isEmpty()) {
        Image3->clear();
        return;
    }
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true); // photos turned as the camera held them
    const QImage image = reader.read();
    if (image.isNull())
        throw TStoreError(QStringLiteral("无法显示“%1”的图片：保存的图片数据无法识别或已损坏"
                                         "（可以显示 JPEG、PNG、BMP、GIF 等格式的图片）。")
                              .arg(name));
    Image3->setPixmap(BoxPicture(image, Image3->size()));
}

void TBirthdayLists::DBGridEh2CellClick(int)
{
    ReportErrors([this] { ShowPersonBirthdays(query_nlbirthday->FieldAsString(NameField)); });
}

void TBirthdayLists::DBGridEh1TitleBtnClick(int, TColumnEh* Column)
{
    SortByTitle(*query_jnglsr, *Column);
}

void TBirthdayLists::DBGridEh2TitleBtnClick(int, TColumnEh* Column)
{
    SortByTitle(*query_nlbirthday, *Column);
}

void TBirthdayLists::DBGridEh3TitleBtnClick(int, TColumnEh* Column)
{
    SortByTitle(*query_all, *Column);
}

void TBirthdayLists::N6Click()
{
    ReportErrors([this] {
        if (query_nlbirthday->FieldAsString(NameField).isEmpty())
            return;
        if (Messages().Show(QStringLiteral("确定要删除此记录吗？"), QStringLiteral("系统提示"), MsgIcon::Question,
                            MsgButtons::YesNo)
            != MsgResult::Yes)
            return;
        DeletePerson(query_nlbirthday->FieldAsString(NameField));
        Messages().Show(QStringLiteral("删除数据完毕"), ApplicationTitle(), MsgIcon::None, MsgButtons::Ok);
        ShowPersonBirthdays(QString());
    });
}

void TBirthdayLists::DeletePerson(const QString& name)
{
    // Both sides go together or not at all: a person without their dates,
    // or dates without their person, is never left behind.
    TTransaction transaction;
    ADOQuery1->SetSQL(Statements::DeletePerson);
    ADOQuery1->SetParam(QStringLiteral("p"), name);
    ADOQuery1->ExecSQL();
    ADOQuery1->SetSQL(Statements::DeleteBirthdaysOfPerson);
    ADOQuery1->SetParam(QStringLiteral("p"), name);
    ADOQuery1->ExecSQL();
    transaction.Commit();
}

} // namespace qh
