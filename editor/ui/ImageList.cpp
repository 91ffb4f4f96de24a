#include "editor/ui/ImageList.h"

#include <QImage>

namespace brenmoor {
namespace {

constexpr QRgb kTransparentColour = qRgb(255, 0, 255);

std::vector<QPixmap> CutStrip(const QString& file, int count, int scale) {
    QImage strip(file);
    std::vector<QPixmap> pictures(static_cast<std::size_t>(count));
    if (strip.isNull()) return pictures;
    strip = strip.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (kTransparentColour & 0xFFFFFF)) line[x] = 0;
        }
    }
    const int side = CImageList::kSize * scale;
    for (int i = 0; i < count && (i + 1) * side <= strip.width(); ++i) {
        QPixmap picture = QPixmap::fromImage(strip.copy(i * side, 0, side, side));
        picture.setDevicePixelRatio(scale);
        pictures[static_cast<std::size_t>(i)] = picture;
    }
    return pictures;
}

}  // namespace

CImageList::CImageList(const QString& name, int count)
    : normal_(CutStrip(QStringLiteral(":/images/%1.bmp").arg(name), count, 1)),
      doubled_(CutStrip(QStringLiteral(":/images/%1@2x.bmp").arg(name), count, 2)) {}

void CImageList::AddPictures(QIcon& icon, int index, QIcon::Mode mode) const {
    if (index < 0 || index >= Count()) return;
    const auto at = static_cast<std::size_t>(index);
    for (const QPixmap& picture : {normal_[at], doubled_[at]}) {
        if (!picture.isNull()) icon.addPixmap(picture, mode);
    }
}

QIcon CImageList::Icon(int index) const {
    QIcon icon;
    AddPictures(icon, index, QIcon::Normal);
    return icon;
}

QIcon CImageList::CommandIcon(int index) const {
    QIcon icon;
    AddPictures(icon, index, QIcon::Normal);
    AddPictures(icon, index + 1, QIcon::Disabled);
    return icon;
}

QPixmap CImageList::Picture(int index) const {
    if (index < 0 || index >= Count()) return {};
    return normal_[static_cast<std::size_t>(index)];
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256}) icon.addFile(QStringLiteral(":/images/brenmoor-%1.png").arg(size), QSize(size, size));
    return icon;
}

}  // namespace brenmoor
