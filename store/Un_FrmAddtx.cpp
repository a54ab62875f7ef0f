#include "Un_FrmAddtx.h"

#include "Artwork.h"
#include "BirthdayRegistration.h"
#include "UGlobal.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <set>

namespace qh {
namespace {

constexpr int DesignWidth = 656;
constexpr int DesignHeight = 348;
const QColor ClientColor(0xE0, 0xE0, 0xE0);
const QColor HintColor(0x80, 0x80, 0x80);

QWidget* NewPanel(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text, int left, int top)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->adjustSize();
    label->move(left, top);
    return label;
}

QLineEdit* NewEdit(QWidget* parent, const char* name, const QRect& bounds)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(bounds);
    return edit;
}

QPushButton* NewButton(QWidget* parent, const char* name, const QString& caption,
                       QStyle::StandardPixmap picture, int left)
{
    auto* button = new QPushButton(parent->style()->standardIcon(picture), caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(left, 8, 75, 25);
    // Return in a box must not save or close by accident.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// The name filters of the picture-file dialog: every format this program
// can read, then the usual ones, then any file.
QStringList PictureFileFilters()
{
    std::set<QString> patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns.insert(QStringLiteral("*.") + QString::fromLatin1(format).toLower());
    QStringList all(patterns.begin(), patterns.end());
    return {QStringLiteral("所有图片 (%1)").arg(all.join(u' ')),
            QStringLiteral("JPEG 图片 (*.jpg *.jpeg)"), QStringLiteral("位图 (*.bmp)"),
            QStringLiteral("所有文件 (*)")};
}

// Reads a picture no larger than box, for a preview; null when it cannot.
QImage ReadPreview(const QString& path, const QSize& box, bool keepAspect)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(keepAspect ? size.scaled(box, Qt::KeepAspectRatio).expandedTo({1, 1})
                                        : box);
    return reader.read();
}

void ShowFilePreview(QLabel* preview, const QString& path)
{
    preview->clear();
    const QFileInfo info(path);
    if (!info.isFile())
        return;
    if (info.size() > MaxPictureBytes) {
        preview->setText(QStringLiteral("图片大于16MB"));
        return;
    }
    const QImage image = ReadPreview(path, preview->contentsRect().size(), true);
    if (image.isNull())
        preview->setText(QStringLiteral("无法预览"));
    else
        preview->setPixmap(QPixmap::fromImage(image));
}

// The picture-file open dialog, with a preview of the file under the cursor.
QString RunOpenPictureDialog(QWidget* parent)
{
    QFileDialog dialog(parent, QStringLiteral("选择图片"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.setNameFilters(PictureFileFilters());

    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("OpenPictureDialogPreview"));
    preview->setFixedSize(180, 180);
    preview->setFrameShape(QFrame::StyledPanel);
    preview->setAlignment(Qt::AlignCenter);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 1, grid->columnCount(), 1, 1, Qt::AlignTop);
    QObject::connect(&dialog, &QFileDialog::currentChanged, preview,
                     [preview](const QString& path) { ShowFilePreview(preview, path); });

    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

} // namespace

TFrmAddtx::TFrmAddtx(ShowPersonBirthdaysFn showPersonBirthdays, QWidget* parent,
                     const QString& connectionName)
    : TFrmMidShell(parent)
    , FConnectionName(connectionName)
    , FShowPersonBirthdays(std::move(showPersonBirthdays))
{
    setObjectName(QStringLiteral("FrmAddtx"));
    setWindowTitle(QStringLiteral("添加生日信息"));
    setWindowModality(Qt::ApplicationModal);
    setFont(SongTi(13));

    FLabel1 = NewLabel(panTop(), "Label1", QStringLiteral("添加生日信息"), 16, 11);
    FLabel1->setFont(SongTi(16, true));
    FLabel1->setStyleSheet(QStringLiteral("color: white;"));
    FLabel1->adjustSize();
    FLabel1->raise();
    BindCaptionDrag(FLabel1);

    BuildClientArea();
    // The frame holds the window at its minimum height; the extra goes to
    // the middle panel.
    resize(DesignWidth, DesignHeight);
    EnsureCreated();
}

TFrmAddtx::~TFrmAddtx() = default;

void TFrmAddtx::BuildClientArea()
{
    QWidget* client = panClient();
    FillBackground(client, ClientColor);

    FPanel6 = NewPanel(client, "Panel6");
    FPanel6->setFixedHeight(57);
    FillBackground(FPanel6, Qt::white);
    FLabel22 = new QLabel(QStringLiteral("添加农历生日信息"), FPanel6);
    FLabel22->setObjectName(QStringLiteral("Label22"));
    QFont heading(QStringLiteral("Noto Sans CJK SC"));
    heading.setPixelSize(24);
    heading.setBold(true);
    FLabel22->setFont(heading);
    FLabel22->adjustSize();
    FLabel22->move(32, 16);

    FPanel4 = NewPanel(client, "Panel4");
    BuildInputArea();

    FPanel1 = NewPanel(client, "Panel1");
    FPanel1->setFixedHeight(41);
    FBitBtn1 = NewButton(FPanel1, "BitBtn1", QStringLiteral("保存"), QStyle::SP_DialogSaveButton, 120);
    FBitBtn2 = NewButton(FPanel1, "BitBtn2", QStringLiteral("退出"), QStyle::SP_DialogCloseButton, 248);
    // A save that fails ends in the general error report, not in the event
    // loop.
    connect(FBitBtn1, &QPushButton::clicked, this, [this] { ReportErrors([this] { BitBtn1Click(); }); });
    connect(FBitBtn2, &QPushButton::clicked, this, &TFrmAddtx::BitBtn2Click);

    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(FPanel6);
    column->addWidget(FPanel4, 1);
    column->addWidget(FPanel1);

    setTabOrder(FEdit1, FEdit2);
    setTabOrder(FEdit2, FEdit3);
    setTabOrder(FEdit3, FEdit4);
    setTabOrder(FEdit4, FSpeedButton1);
    setTabOrder(FSpeedButton1, FBitBtn1);
    setTabOrder(FBitBtn1, FBitBtn2);
}

void TFrmAddtx::BuildInputArea()
{
    // The background picture is stretched over the whole panel, under the
    // controls, which keep their places.
    FImage1 = new QLabel(FPanel4);
    FImage1->setObjectName(QStringLiteral("Image1"));
    FImage1->setPixmap(LoadSkinBitmap(QStringLiteral("background")));
    FImage1->setScaledContents(true);
    FImage1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* fill = new QGridLayout(FPanel4);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(FImage1, 0, 0);

    NewLabel(FPanel4, "Label3", QStringLiteral("姓名"), 40, 16);
    FEdit1 = NewEdit(FPanel4, "Edit1", {128, 10, 265, 21});
    NewLabel(FPanel4, "Label4", QStringLiteral("出生年月日"), 40, 49);
    FEdit2 = NewEdit(FPanel4, "Edit2", {128, 43, 265, 21});
    FLabel5 = NewLabel(FPanel4, "Label5", QStringLiteral("生日输入格式：1985-08-08"), 128, 72);
    QPalette dimmed = FLabel5->palette();
    dimmed.setColor(QPalette::WindowText, HintColor);
    FLabel5->setPalette(dimmed);
    NewLabel(FPanel4, "Label6", QStringLiteral("自动生成生日年份"), 40, 96);
    FEdit3 = NewEdit(FPanel4, "Edit3", {151, 91, 121, 21});
    NewLabel(FPanel4, "Label7", QStringLiteral("年"), 272, 95);
    NewLabel(FPanel4, "Label8", QStringLiteral("图片"), 40, 128);
    FEdit4 = NewEdit(FPanel4, "Edit4", {128, 128, 265, 21});
    // Only shows the chosen file: a typed path would never be used.
    FEdit4->setReadOnly(true);

    FSpeedButton1 = new QToolButton(FPanel4);
    FSpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    FSpeedButton1->setText(QStringLiteral("选择"));
    FSpeedButton1->setAutoRaise(true);
    FSpeedButton1->setGeometry(393, 126, 32, 22);
    connect(FSpeedButton1, &QToolButton::clicked, this,
            [this] { ReportErrors([this] { SpeedButton1Click(); }); });

    auto* frame = new QFrame(FPanel4);
    frame->setObjectName(QStringLiteral("Panel5"));
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setGeometry(440, 8, 185, 153);
    FPanel5 = frame;
    FImage2 = new QLabel(FPanel5);
    FImage2->setObjectName(QStringLiteral("Image2"));
    FImage2->setGeometry(8, 8, 169, 137);
    FImage2->setScaledContents(true);
    FImage2->setPixmap(LoadSkinBitmap(QStringLiteral("placeholder")));

    FImage1->lower();
}

void TFrmAddtx::FormCreate()
{
    TFrmMidShell::FormCreate();
    FEdit1->clear();
    FEdit2->clear();
    FEdit4->clear();
    FEdit3->setText(QStringLiteral("10"));
}

QString TFrmAddtx::ChoosePictureFile()
{
    return FPictureChooser ? FPictureChooser() : RunOpenPictureDialog(this);
}

void TFrmAddtx::SpeedButton1Click()
{
    const QString path = ChoosePictureFile();
    if (path.isEmpty())
        return;
    if (const auto problem = PictureFileProblem(path)) {
        ShowInfoMessage(*problem);
        return;
    }
    // JPEG pictures and bitmaps are shown; other files are stored all the
    // same, the preview keeps what it showed.
    const QString extension = QFileInfo(path).suffix().trimmed().toLower();
    if (extension == u"jpg" || extension == u"jpeg" || extension == u"bmp") {
        const QImage image = ReadPreview(path, FImage2->size(), false);
        if (image.isNull()) {
            ShowInfoMessage(QStringLiteral("无法识别图片文件，请选择其他图片：%1")
                         .arg(QDir::toNativeSeparators(path)));
            return;
        }
        FImage2->setPixmap(QPixmap::fromImage(image));
    }
    FChosenPicture = path;
    FEdit4->setText(QDir::toNativeSeparators(path));
}

void TFrmAddtx::BitBtn1Click()
{
    const auto refusal = RegisterBirthday(
        {FEdit1->text(), FEdit2->text(), FEdit3->text(), FChosenPicture}, FConnectionName);
    if (refusal) {
        ShowInfoMessage(refusal->message);
        switch (refusal->entry) {
        case BirthdayEntry::Name: FEdit1->setFocus(); break;
        case BirthdayEntry::Birthday: FEdit2->setFocus(); break;
        case BirthdayEntry::YearCount: FEdit3->setFocus(); break;
        }
        return;
    }
    ShowInfoMessage(QStringLiteral("农历生日信息添加完毕"));
    if (FShowPersonBirthdays)
        FShowPersonBirthdays(QString());
    FEdit1->clear();
    FEdit2->clear();
    FEdit1->setFocus();
}

void TFrmAddtx::BitBtn2Click()
{
    reject();
}

} // namespace qh
