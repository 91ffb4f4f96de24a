// Draws the editor's pictures into the folder given on the command line:
// the tool bar strip (16 pictures of 16x16, the odd ones the greyed forms
// of the even ones), the tree strip (5 pictures), both also at twice the
// size, the about box pictures and the program icon. Strips keep magenta
// (255, 0, 255) for transparent pixels and are written as bitmaps.
//
// The pictures are committed; run this only to change them:
//   cmake --build build --target brenmoor_draw_images
//   QT_QPA_PLATFORM=offscreen build/editor/ui/brenmoor_draw_images editor/ui/images
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr QRgb kTransparent = qRgb(255, 0, 255);
constexpr int kCell = 16;

using Picture = std::function<void(QPainter&)>;

QPen Outline(QColor color, qreal width = 1.0) {
    QPen pen(color, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

// ---- the pictures, in a 16x16 space; outlines lie on half pixels ----

void Page(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + w - 4, y);
    page.lineTo(x + w, y + 4);
    page.lineTo(x + w, y + h);
    page.lineTo(x, y + h);
    page.closeSubpath();
    p.setPen(Outline(QColor(64, 64, 64)));
    p.setBrush(Qt::white);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(x + w - 4, y);
    fold.lineTo(x + w - 4, y + 4);
    fold.lineTo(x + w, y + 4);
    p.setBrush(QColor(200, 200, 200));
    p.drawPath(fold);
}

void Sparkle(QPainter& p, qreal cx, qreal cy) {
    p.setPen(Outline(QColor(196, 140, 0)));
    p.setBrush(QColor(255, 214, 0));
    QPainterPath star;
    star.moveTo(cx, cy - 3.5);
    star.lineTo(cx + 1, cy - 1);
    star.lineTo(cx + 3.5, cy);
    star.lineTo(cx + 1, cy + 1);
    star.lineTo(cx, cy + 3.5);
    star.lineTo(cx - 1, cy + 1);
    star.lineTo(cx - 3.5, cy);
    star.lineTo(cx - 1, cy - 1);
    star.closeSubpath();
    p.drawPath(star);
}

void NewPicture(QPainter& p) {
    Page(p, 2.5, 1.5, 10, 13);
    p.setPen(Outline(QColor(170, 190, 220)));
    for (qreal y : {7.5, 9.5, 11.5}) p.drawLine(QPointF(4.5, y), QPointF(10.5, y));
    Sparkle(p, 12.5, 3.5);
}

void ClosedFolder(QPainter& p) {
    p.setPen(Outline(QColor(138, 101, 0)));
    p.setBrush(QColor(232, 184, 40));
    QPainterPath back;
    back.moveTo(1.5, 3.5);
    back.lineTo(6.5, 3.5);
    back.lineTo(7.5, 4.5);
    back.lineTo(14.5, 4.5);
    back.lineTo(14.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(QColor(255, 216, 96));
    p.drawRect(QRectF(1.5, 6.5, 13, 7));
}

void OpenFolder(QPainter& p) {
    p.setPen(Outline(QColor(138, 101, 0)));
    p.setBrush(QColor(232, 184, 40));
    QPainterPath back;
    back.moveTo(1.5, 2.5);
    back.lineTo(6.5, 2.5);
    back.lineTo(7.5, 3.5);
    back.lineTo(13.5, 3.5);
    back.lineTo(13.5, 13.5);
    back.lineTo(1.5, 13.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 5.5, 8, 5));
    p.setBrush(QColor(255, 222, 110));
    QPainterPath front;
    front.moveTo(1.5, 13.5);
    front.lineTo(4.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(12.5, 13.5);
    front.closeSubpath();
    p.drawPath(front);
}

void SavePicture(QPainter& p) {
    p.setPen(Outline(QColor(24, 52, 110)));
    p.setBrush(QColor(47, 95, 179));
    QPainterPath disk;
    disk.moveTo(1.5, 1.5);
    disk.lineTo(13.5, 1.5);
    disk.lineTo(14.5, 2.5);
    disk.lineTo(14.5, 14.5);
    disk.lineTo(1.5, 14.5);
    disk.closeSubpath();
    p.drawPath(disk);
    p.setBrush(QColor(214, 214, 214));
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(47, 95, 179));
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(9, 2.5, 1.5, 3));
    p.setPen(Outline(QColor(24, 52, 110)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 8.5, 9, 6));
    p.setPen(Outline(QColor(120, 140, 180)));
    p.drawLine(QPointF(5, 10.5), QPointF(11, 10.5));
    p.drawLine(QPointF(5, 12.5), QPointF(11, 12.5));
}

// A dictionary entry: a card with a coloured title band and two rows.
void EntryCard(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
    p.setPen(Outline(QColor(31, 78, 140)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x, y, w, h));
    p.setBrush(QColor(74, 144, 217));
    p.drawRect(QRectF(x, y, w, 3));
    p.setPen(Outline(QColor(150, 175, 210)));
    p.drawLine(QPointF(x + 2, y + 5), QPointF(x + w - 2, y + 5));
    if (h >= 8) p.drawLine(QPointF(x + 2, y + 7), QPointF(x + w - 2, y + 7));
}

// A green plus whose centre is at (cx, cy).
void Plus(QPainter& p, qreal cx, qreal cy) {
    QPainterPath plus;
    plus.addRect(QRectF(cx - 1.5, cy - 3.5, 3, 7));
    plus.addRect(QRectF(cx - 3.5, cy - 1.5, 7, 3));
    plus.setFillRule(Qt::WindingFill);
    p.setPen(Outline(QColor(20, 90, 20)));
    p.setBrush(QColor(60, 180, 60));
    p.drawPath(plus.simplified());
}

void NewObjectPicture(QPainter& p) {
    EntryCard(p, 0.5, 1.5, 11, 10);
    Plus(p, 11.5, 11.5);
}

void CopyObjectPicture(QPainter& p) {
    EntryCard(p, 4.5, 0.5, 10, 9);
    EntryCard(p, 0.5, 5.5, 10, 9);
}

void DeletePicture(QPainter& p) {
    QPen thick(QColor(150, 20, 20), 4.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(thick);
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
    QPen inner(QColor(226, 48, 48), 2.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(inner);
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

// A process data message: an envelope.
void Envelope(QPainter& p) {
    p.setPen(Outline(QColor(90, 70, 30)));
    p.setBrush(QColor(255, 246, 214));
    p.drawRect(QRectF(0.5, 2.5, 13, 9));
    QPainterPath flap;
    flap.moveTo(0.5, 2.5);
    flap.lineTo(7, 8);
    flap.lineTo(13.5, 2.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void AddPdoPicture(QPainter& p) {
    Envelope(p);
    Plus(p, 11.5, 11.5);
}

// A range of dynamic channels: a bar of three blocks.
void SegmentBar(QPainter& p, qreal y) {
    p.setPen(Outline(QColor(140, 70, 0)));
    const QColor fills[] = {QColor(255, 170, 60), QColor(240, 130, 30), QColor(255, 170, 60)};
    for (int block = 0; block < 3; ++block) {
        p.setBrush(fills[block]);
        p.drawRect(QRectF(0.5 + block * 5, y, 5, 6));
    }
}

void NewDynSegmentPicture(QPainter& p) {
    SegmentBar(p, 2.5);
    Plus(p, 11.5, 11.5);
}

void ObjectPicture(QPainter& p) {
    p.setPen(Outline(QColor(31, 78, 140)));
    p.setBrush(QColor(74, 144, 217));
    p.drawRect(QRectF(3.5, 3.5, 9, 9));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 225, 250));
    p.drawRect(QRectF(5, 5, 3, 3));
}

void ObjectWithSubsPicture(QPainter& p) {
    p.setPen(Outline(QColor(90, 90, 90)));
    p.drawLine(QPointF(3.5, 6), QPointF(3.5, 12.5));
    p.drawLine(QPointF(3.5, 8.5), QPointF(8, 8.5));
    p.drawLine(QPointF(3.5, 12.5), QPointF(8, 12.5));
    p.setPen(Outline(QColor(31, 78, 140)));
    p.setBrush(QColor(74, 144, 217));
    p.drawRect(QRectF(0.5, 0.5, 6, 6));
    p.setBrush(QColor(150, 195, 240));
    p.drawRect(QRectF(8.5, 6.5, 5, 4));
    p.drawRect(QRectF(8.5, 11.5, 5, 4));
}

void SegmentPicture(QPainter& p) { SegmentBar(p, 5.5); }

// ---- rendering ----

// Renders a picture at the scale into a transparent image, then keys it
// against magenta: half-covered pixels become opaque, the rest magenta, so
// that no blended fringe turns pink.
QImage Render(const Picture& picture, int scale) {
    QImage canvas(kCell * scale, kCell * scale, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(scale, scale);
        picture(p);
    }
    QImage keyed(canvas.size(), QImage::Format_RGB32);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            const QRgb pixel = canvas.pixel(x, y);
            keyed.setPixel(x, y, qAlpha(pixel) >= 128 ? qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)) : kTransparent);
        }
    }
    return keyed;
}

// The greyed form of a picture for disabled commands.
QImage Greyed(const QImage& picture) {
    QImage grey = picture;
    for (int y = 0; y < grey.height(); ++y) {
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = grey.pixel(x, y);
            if (pixel == kTransparent) continue;
            const int level = 110 + qGray(pixel) * 130 / 255;
            grey.setPixel(x, y, qRgb(level, level, level));
        }
    }
    return grey;
}

QImage Strip(const std::vector<QImage>& pictures, int scale) {
    QImage strip(kCell * scale * static_cast<int>(pictures.size()), kCell * scale, QImage::Format_RGB32);
    strip.fill(kTransparent);
    QPainter p(&strip);
    for (std::size_t i = 0; i < pictures.size(); ++i) p.drawImage(static_cast<int>(i) * kCell * scale, 0, pictures[i]);
    return strip;
}

bool SaveStrips(const QDir& folder, const QString& name, const std::vector<Picture>& pictures, bool withGreyed) {
    bool saved = true;
    for (int scale : {1, 2}) {
        std::vector<QImage> cells;
        for (const Picture& picture : pictures) {
            cells.push_back(Render(picture, scale));
            if (withGreyed) cells.push_back(Greyed(cells.back()));
        }
        const QString file = name + (scale == 2 ? QStringLiteral("@2x.bmp") : QStringLiteral(".bmp"));
        saved = Strip(cells, scale).save(folder.filePath(file), "BMP") && saved;
    }
    return saved;
}

// The program icon: a description page over a field bus with three nodes.
QImage ProgramIcon(int size) {
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0, QColor(58, 123, 213));
    sky.setColorAt(1, QColor(24, 62, 130));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    QPainterPath page;
    page.moveTo(16, 8);
    page.lineTo(40, 8);
    page.lineTo(48, 16);
    page.lineTo(48, 42);
    page.lineTo(16, 42);
    page.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(QColor(190, 205, 230));
    QPainterPath fold;
    fold.moveTo(40, 8);
    fold.lineTo(40, 16);
    fold.lineTo(48, 16);
    fold.closeSubpath();
    p.drawPath(fold);
    p.setBrush(QColor(74, 144, 217));
    for (int row = 0; row < 4; ++row) p.drawRect(QRectF(21, 18 + row * 5.5, row % 2 ? 16 : 22, 2.6));

    p.setPen(QPen(QColor(255, 190, 70), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(9, 52), QPointF(55, 52));
    for (qreal x : {16.0, 32.0, 48.0}) p.drawLine(QPointF(x, 52), QPointF(x, 46));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 190, 70));
    for (qreal x : {16.0, 32.0, 48.0}) p.drawEllipse(QPointF(x, 45), 3.6, 3.6);
    return icon;
}

QImage AboutBackground() {
    QImage back(260, 210, QImage::Format_RGB32);
    QPainter p(&back);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, 210);
    sky.setColorAt(0, QColor(236, 243, 252));
    sky.setColorAt(1, QColor(196, 216, 242));
    p.fillRect(back.rect(), sky);

    // The maker's name where the home page button appears.
    QFont maker(QStringLiteral("DejaVu Sans"), 1, QFont::Bold);
    maker.setPixelSize(22);
    p.setFont(maker);
    p.setPen(QColor(150, 170, 200));
    p.drawText(QRectF(4, 4, 156, 44), Qt::AlignCenter, QStringLiteral("Corvane"));

    QFont title(QStringLiteral("DejaVu Serif"), 1, QFont::Bold);
    title.setPixelSize(40);
    p.setFont(title);
    p.setPen(QColor(24, 62, 130));
    p.drawText(QRectF(0, 58, 260, 52), Qt::AlignCenter, QStringLiteral("Halvard"));
    QFont line(QStringLiteral("DejaVu Sans"), 1);
    line.setPixelSize(12);
    p.setFont(line);
    p.setPen(QColor(60, 80, 110));
    p.drawText(QRectF(0, 108, 260, 20), Qt::AlignCenter, QStringLiteral("CANopen device descriptions"));

    // A field bus with its nodes.
    p.setPen(QPen(QColor(240, 140, 30), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 186), QPointF(240, 186));
    for (int node = 0; node < 5; ++node) {
        const qreal x = 40 + node * 45;
        p.setPen(QPen(QColor(240, 140, 30), 3));
        p.drawLine(QPointF(x, 186), QPointF(x, 170));
        p.setPen(QPen(QColor(31, 78, 140), 1.5));
        p.setBrush(node == 2 ? QColor(255, 190, 70) : QColor(74, 144, 217));
        p.drawRoundedRect(QRectF(x - 13, 146, 26, 24), 4, 4);
    }
    return back;
}

QImage HomePageButton() {
    QImage button(157, 45, QImage::Format_ARGB32);
    button.fill(Qt::transparent);
    QPainter p(&button);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient face(0, 0, 0, 45);
    face.setColorAt(0, QColor(255, 196, 96));
    face.setColorAt(1, QColor(232, 128, 24));
    p.setPen(QPen(QColor(160, 80, 0), 1.5));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(1, 1, 155, 43), 9, 9);

    // A globe.
    p.setPen(QPen(Qt::white, 1.6));
    p.setBrush(Qt::NoBrush);
    const QPointF centre(23, 22.5);
    p.drawEllipse(centre, 13, 13);
    p.drawEllipse(centre, 5.5, 13);
    p.drawLine(QPointF(10, 22.5), QPointF(36, 22.5));
    p.drawLine(QPointF(12, 16), QPointF(34, 16));
    p.drawLine(QPointF(12, 29), QPointF(34, 29));

    QFont font(QStringLiteral("DejaVu Sans"), 1, QFont::Bold);
    font.setPixelSize(14);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(42, 2, 112, 22), Qt::AlignCenter, QStringLiteral("Corvane"));
    font.setPixelSize(11);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRectF(42, 21, 112, 20), Qt::AlignCenter, QStringLiteral("home page"));
    return button;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    // Tool bar: New 0, Open 2, Save 4, New Object 6, Copy Object 8, Delete 10,
    // Add PDO 12, New Dynamic Segment 14; each followed by its greyed form.
    bool saved = SaveStrips(folder, QStringLiteral("toolbar"),
                            {NewPicture, OpenFolder, SavePicture, NewObjectPicture, CopyObjectPicture, DeletePicture,
                             AddPdoPicture, NewDynSegmentPicture},
                            true);
    // Tree: object 0, closed root 1, opened root 2, segment 3, object with
    // sub-indexes 4.
    saved = SaveStrips(folder, QStringLiteral("tree"),
                       {ObjectPicture, ClosedFolder, OpenFolder, SegmentPicture, ObjectWithSubsPicture}, false) &&
            saved;
    for (int size : {16, 32, 48, 64, 128, 256})
        saved = ProgramIcon(size).save(folder.filePath(QStringLiteral("brenmoor-%1.png").arg(size)), "PNG") && saved;
    saved = AboutBackground().save(folder.filePath(QStringLiteral("about-background.png")), "PNG") && saved;
    saved = HomePageButton().save(folder.filePath(QStringLiteral("about-homepage.png")), "PNG") && saved;
    if (!saved) std::fprintf(stderr, "some pictures could not be written to %s\n", argv[1]);
    return saved ? 0 : 1;
}
