// Draws the pictures of the windows and buttons into the folder named on the
// command line: the caption glyphs, the push-button faces, the frame strips
// and edges, the main window's caption, banner and background, the dialog's
// placeholder picture and the application icon.

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cstdio>

#include "Palette.h"

namespace {

QString OutDir;

void Save(const QImage& image, const char* name)
{
    const QString path = OutDir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".png");
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

const QString SerifCjk = QStringLiteral("Noto Serif CJK SC");

QFont CjkFont(int pixelSize, bool bold)
{
    QFont font(SerifCjk);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

// ---- caption glyphs ---------------------------------------------------

// 13 by 13 masks: '#' is a pixel of the glyph.
const char* const MinGlyph[13] = {
    ".............", ".............", ".............", ".............", ".............",
    ".............", ".............", ".............", "...#######...", "...#######...",
    ".............", ".............", "............."};
const char* const MaxGlyph[13] = {
    ".............", ".............", ".............", "...#######...", "...#######...",
    "...#.....#...", "...#.....#...", "...#.....#...", "...#.....#...", "...#######...",
    ".............", ".............", "............."};
const char* const NormalGlyph[13] = {
    ".............", ".............", ".....######..", ".....######..", ".....#....#..",
    "..######..#..", "..######..#..", "..#....####..", "..#....#.....", "..#....#.....",
    "..######.....", ".............", "............."};
const char* const CloseGlyph[13] = {
    ".............", ".............", ".............", "...##...##...", "...###.###...",
    "....#####....", ".....###.....", "....#####....", "...###.###...", "...##...##...",
    ".............", ".............", "............."};
const char* const HelpGlyph[13] = {
    ".............", ".............", ".....###.....", "....##.##....", ".......##....",
    "......##.....", ".....##......", ".....##......", ".............", ".....##......",
    ".....##......", ".............", "............."};

struct Shade {
    QColor body;
    QColor border;
    QColor glyph;
    int glyphShift; // the pressed look moves the glyph down a pixel
};

// A rounded square face with the glyph in it.
QImage CaptionGlyph(const char* const mask[13], const Shade& shade)
{
    QImage image = Blank(13, 13);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(shade.border, 1));
    QLinearGradient body(0, 0, 0, 13);
    body.setColorAt(0, shade.body.lighter(112));
    body.setColorAt(1, shade.body.darker(108));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(0.5, 0.5, 12, 12), 2.5, 2.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 13; ++x)
            if (mask[y][x] == '#') {
                const int ty = y + shade.glyphShift;
                if (ty < 12)
                    image.setPixelColor(x, ty, shade.glyph);
            }
    return image;
}

void DrawCaptionGlyphs()
{
    const Shade rest{art::ButtonRest, art::StripHighlight, art::Glyph, 0};
    const Shade hover{art::ButtonHover, QColor(0xD6, 0xE8, 0xFB), art::Glyph, 0};
    const Shade down{art::ButtonDown, art::StripShadow, QColor(0xDD, 0xE8, 0xF5), 1};
    const Shade closeHover{art::CloseHover, QColor(0xF6, 0xC4, 0xBF), art::Glyph, 0};
    const Shade closeDown{art::CloseDown, QColor(0x6E, 0x1B, 0x17), QColor(0xF5, 0xDD, 0xDB), 1};

    struct Set {
        const char* name;
        const char* const* mask;
        bool danger;
    };
    const Set sets[] = {{"fbMin", MinGlyph, false},
                        {"fbMax", MaxGlyph, false},
                        {"fbNormal", NormalGlyph, false},
                        {"fbClose", CloseGlyph, true},
                        {"fbHelp", HelpGlyph, false}};
    for (const Set& set : sets) {
        const QString base = QLatin1String(set.name);
        Save(CaptionGlyph(set.mask, rest), set.name);
        Save(CaptionGlyph(set.mask, set.danger ? closeHover : hover),
             qPrintable(base + QStringLiteral("Move")));
        Save(CaptionGlyph(set.mask, set.danger ? closeDown : down),
             qPrintable(base + QStringLiteral("Down")));
    }
}

// ---- push-button faces ------------------------------------------------

QImage Face(const QColor& top, const QColor& bottom, const QColor& border, bool pressed)
{
    QImage image = Blank(265, 34);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, 34);
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(0.5, 0.5, 264, 33), 4, 4);
    // A one-pixel light line inside the top edge, or a shadow when pressed.
    p.setPen(QPen(pressed ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 200), 1));
    p.drawLine(QPointF(4, 1.5), QPointF(261, 1.5));
    return image;
}

void DrawButtonFaces()
{
    Save(Face(art::FaceTop, art::FaceBottom, art::FaceBorder, false), "btnUp");
    Save(Face(art::FaceHoverTop, art::FaceHoverBottom, art::FaceHoverBorder, false), "btnMove");
    Save(Face(art::FaceDownTop, art::FaceDownBottom, art::FaceDownBorder, true), "btnDown");
}

// ---- frame strips and edges -------------------------------------------

// The blue caption band, any height: a gradient with a light top line and a
// dark bottom line.
void CaptionBand(QPainter& p, int w, int h)
{
    QLinearGradient band(0, 0, 0, h);
    band.setColorAt(0, art::StripTop);
    band.setColorAt(1, art::StripBottom);
    p.fillRect(0, 0, w, h, band);
    p.fillRect(0, 0, w, 1, art::StripHighlight);
    p.fillRect(0, h - 1, w, 1, art::StripShadow);
}

void StatusBand(QPainter& p, int w, int h)
{
    QLinearGradient band(0, 0, 0, h);
    band.setColorAt(0, art::StatusTop);
    band.setColorAt(1, art::StatusBottom);
    p.fillRect(0, 0, w, h, band);
    p.fillRect(0, 0, w, 1, art::EdgeInner);
    p.fillRect(0, h - 1, w, 1, art::EdgeOuter);
}

// The outer border of the window: one dark column with a light one inside.
void LeftBorder(QPainter& p, int h)
{
    p.fillRect(0, 0, 1, h, art::EdgeOuter);
    p.fillRect(1, 1, 1, h - 2, QColor(255, 255, 255, 60));
}

void RightBorder(QPainter& p, int w, int h)
{
    p.fillRect(w - 1, 0, 1, h, art::EdgeOuter);
    p.fillRect(w - 2, 1, 1, h - 2, QColor(0, 0, 0, 40));
}

QImage CaptionPiece(int w, int h, bool left, bool right)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    CaptionBand(p, w, h);
    if (left)
        LeftBorder(p, h);
    if (right)
        RightBorder(p, w, h);
    return image;
}

QImage StatusPiece(int w, int h, bool left, bool right)
{
    QImage image = Blank(w, h);
    QPainter p(&image);
    StatusBand(p, w, h);
    if (left)
        LeftBorder(p, h);
    if (right)
        RightBorder(p, w, h);
    return image;
}

QImage SideEdge(bool left)
{
    // Outer dark line, the blue of the frame, a light line next to the client.
    const QColor columns[6] = {art::EdgeOuter, art::EdgeMiddle, art::EdgeMiddle,
                               art::EdgeMiddle.darker(110), art::StripShadow, art::EdgeInner};
    QImage image = Blank(6, 411);
    QPainter p(&image);
    for (int i = 0; i < 6; ++i)
        p.fillRect(left ? i : 5 - i, 0, 1, 411, columns[i]);
    return image;
}

void DrawFrameStrips()
{
    Save(CaptionPiece(9, 35, true, false), "captionLeft");
    Save(CaptionPiece(1, 35, false, false), "captionMiddle");
    Save(CaptionPiece(52, 35, false, true), "captionRight");
    Save(StatusPiece(6, 22, true, false), "statusLeft");
    Save(StatusPiece(512, 22, false, false), "statusMiddle");
    Save(StatusPiece(15, 22, false, true), "statusRight");
    Save(SideEdge(true), "edgeLeft");
    Save(SideEdge(false), "edgeRight");
}

// ---- the main window's caption ----------------------------------------

// A golden full moon with the character 禾 in seal red.
void MoonEmblem(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QRadialGradient glow(centre, radius * 1.45);
    glow.setColorAt(0.6, QColor(255, 236, 170, 90));
    glow.setColorAt(1, QColor(255, 236, 170, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius * 1.45, radius * 1.45);
    QRadialGradient moon(centre - QPointF(radius * 0.3, radius * 0.3), radius * 1.3);
    moon.setColorAt(0, QColor(0xFF, 0xF3, 0xC4));
    moon.setColorAt(1, art::Gold);
    p.setBrush(moon);
    p.setPen(QPen(QColor(0xD9, 0x9E, 0x2B), 1));
    p.drawEllipse(centre, radius, radius);
    p.setPen(art::Seal);
    p.setFont(CjkFont(qRound(radius * 1.3), true));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               Qt::AlignCenter, QStringLiteral("禾"));
    p.restore();
}

// Faint auspicious clouds: spirals of white at low opacity.
void Cloud(QPainter& p, QPointF at, qreal size, int alpha)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255, alpha), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath path;
    path.moveTo(at + QPointF(-2.2 * size, 0.6 * size));
    path.cubicTo(at + QPointF(-2.2 * size, -0.6 * size), at + QPointF(-0.9 * size, -0.9 * size),
                 at + QPointF(-0.7 * size, 0));
    path.cubicTo(at + QPointF(-0.6 * size, -1.3 * size), at + QPointF(0.9 * size, -1.3 * size),
                 at + QPointF(0.8 * size, 0));
    path.cubicTo(at + QPointF(1.4 * size, -0.6 * size), at + QPointF(2.4 * size, 0),
                 at + QPointF(2.0 * size, 0.6 * size));
    path.lineTo(at + QPointF(-2.2 * size, 0.6 * size));
    p.drawPath(path);
    p.drawArc(QRectF(at.x() - 0.35 * size, at.y() - 0.55 * size, 0.7 * size, 0.7 * size), 0, 270 * 16);
    p.restore();
}

void DrawMainCaption()
{
    const int h = 47;
    QImage left = Blank(125, h);
    {
        QPainter p(&left);
        CaptionBand(p, 125, h);
        LeftBorder(p, h);
        MoonEmblem(p, QPointF(26, 24), 14);
    }
    Save(left, "mainCaptionLeft");

    QImage middle = Blank(125, h);
    {
        QPainter p(&middle);
        CaptionBand(p, 125, h);
    }
    Save(middle, "mainCaptionMiddle");

    QImage right = Blank(230, h);
    {
        QPainter p(&right);
        CaptionBand(p, 230, h);
        RightBorder(p, 230, h);
        // Clouds only left of the caption buttons (they take the last 75 pixels).
        Cloud(p, QPointF(40, 30), 7, 70);
        Cloud(p, QPointF(95, 17), 5, 55);
        Cloud(p, QPointF(128, 36), 4, 45);
    }
    Save(right, "mainCaptionRight");
}

// ---- banner, background, placeholder ----------------------------------

void DrawBanner()
{
    const int w = 915, h = 67;
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, w, 0);
    sky.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    sky.setColorAt(0.55, QColor(0xF1, 0xF6, 0xFD));
    sky.setColorAt(1, QColor(0xD5, 0xE5, 0xF8));
    p.fillRect(0, 0, w, h, sky);

    // A pale moon rising on the right, with clouds drifting over it.
    QRadialGradient moon(QPointF(836, 30), 46);
    moon.setColorAt(0, QColor(0xFF, 0xF1, 0xC2, 200));
    moon.setColorAt(0.62, QColor(0xF8, 0xDC, 0x8A, 150));
    moon.setColorAt(0.66, QColor(0xF8, 0xDC, 0x8A, 40));
    moon.setColorAt(1, QColor(0xF8, 0xDC, 0x8A, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(moon);
    p.drawEllipse(QPointF(836, 30), 46, 46);
    Cloud(p, QPointF(800, 44), 9, 230);
    Cloud(p, QPointF(878, 20), 6, 210);

    // Seal with 禾.
    const QRectF seal(16, 10, 46, 46);
    p.setPen(Qt::NoPen);
    p.setBrush(art::Seal);
    p.drawRoundedRect(seal, 6, 6);
    p.setPen(QPen(QColor(255, 255, 255, 200), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(seal.adjusted(3, 3, -3, -3), 4, 4);
    p.setPen(Qt::white);
    p.setFont(CjkFont(32, true));
    p.drawText(seal, Qt::AlignCenter, QStringLiteral("禾"));

    // The program's name, and what it does.
    p.setPen(art::Ink);
    p.setFont(CjkFont(30, true));
    p.drawText(QPointF(76, 44), QStringLiteral("青禾农历生日查询软件"));
    const int nameEnd = 76 + QFontMetrics(CjkFont(30, true)).horizontalAdvance(
                                 QStringLiteral("青禾农历生日查询软件"));
    p.setPen(QColor(0x5B, 0x7D, 0xA8));
    p.setFont(CjkFont(15, false));
    p.drawText(QPointF(nameEnd + 12, 44), QStringLiteral("V1.0"));
    p.setFont(CjkFont(14, false));
    p.drawText(QPointF(nameEnd + 70, 44), QStringLiteral("公历农历互查 · 干支节气 · 农历生日"));
    Save(image, "banner");
}

void DrawBackground()
{
    const int w = 400, h = 300;
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient wash(0, 0, 0, h);
    wash.setColorAt(0, QColor(0xF4, 0xF8, 0xFD));
    wash.setColorAt(1, QColor(0xDD, 0xE8, 0xF5));
    p.fillRect(0, 0, w, h, wash);
    // Two soft waves along the bottom.
    for (int i = 0; i < 2; ++i) {
        QPainterPath wave;
        const qreal base = 225 + i * 30;
        wave.moveTo(0, base);
        wave.cubicTo(110, base - 35, 250, base + 30, 400, base - 20);
        wave.lineTo(400, 300);
        wave.lineTo(0, 300);
        wave.closeSubpath();
        p.fillPath(wave, QColor(0xC4, 0xD7, 0xEE, 60 + i * 30));
    }
    Save(image, "background");
}

void DrawPlaceholder()
{
    const int w = 169, h = 137;
    QImage image = Blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient wash(0, 0, 0, h);
    wash.setColorAt(0, QColor(0xF6, 0xF8, 0xFB));
    wash.setColorAt(1, QColor(0xE4, 0xEA, 0xF2));
    p.fillRect(0, 0, w, h, wash);
    p.setPen(QPen(QColor(0xB8, 0xC7, 0xDA), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    // A person's outline: head and shoulders.
    const QColor figure(0xB3, 0xC2, 0xD6);
    p.setPen(Qt::NoPen);
    p.setBrush(figure);
    p.drawEllipse(QPointF(84.5, 42), 17, 17);
    QPainterPath shoulders;
    shoulders.moveTo(50, 98);
    shoulders.cubicTo(50, 70, 66, 63, 84.5, 63);
    shoulders.cubicTo(103, 63, 119, 70, 119, 98);
    shoulders.closeSubpath();
    p.drawPath(shoulders);
    p.setPen(QColor(0x71, 0x84, 0xA0));
    p.setFont(CjkFont(13, false));
    p.drawText(QRectF(0, 104, w, 22), Qt::AlignCenter, QStringLiteral("暂无照片"));
    Save(image, "placeholder");
}

// ---- application icon ---------------------------------------------------

// A page of a lunar calendar: red binding, white page with 农, drawn on a
// 256 grid and scaled to each size.
QImage Icon(int size)
{
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 256.0, size / 256.0);
    const QRectF page(18, 26, 220, 214);
    QPainterPath outline;
    outline.addRoundedRect(page, 30, 30);
    p.fillPath(outline, QColor(0xFF, 0xFF, 0xFF));
    p.save();
    p.setClipPath(outline);
    QLinearGradient band(0, page.top(), 0, page.top() + 70);
    band.setColorAt(0, QColor(0xE2, 0x4B, 0x3F));
    band.setColorAt(1, QColor(0xB8, 0x2E, 0x25));
    p.fillRect(QRectF(page.left(), page.top(), page.width(), 70), band);
    p.restore();
    p.setPen(QPen(QColor(0x8E, 0x24, 0x1D), size <= 32 ? 10 : 6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(outline);
    // The two rings of the binding.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5A, 0x63, 0x70));
    p.drawRoundedRect(QRectF(70, 8, 18, 44), 9, 9);
    p.drawRoundedRect(QRectF(168, 8, 18, 44), 9, 9);
    // 农 on the page.
    p.setPen(art::Ink);
    QFont font(SerifCjk);
    font.setPixelSize(size <= 32 ? 150 : 132);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(18, 96, 220, 144), Qt::AlignCenter, QStringLiteral("农"));
    return image;
}

void DrawIcons()
{
    for (int size : {16, 32, 48, 64, 128, 256})
        Save(Icon(size), qPrintable(QStringLiteral("appIcon%1").arg(size)));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: qhartwork <output folder>\n");
        return 2;
    }
    OutDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(OutDir)) {
        std::fprintf(stderr, "cannot make %s\n", argv[1]);
        return 1;
    }
    DrawCaptionGlyphs();
    DrawButtonFaces();
    DrawFrameStrips();
    DrawMainCaption();
    DrawBanner();
    DrawBackground();
    DrawPlaceholder();
    DrawIcons();
    return 0;
}
