// The pictures of the tool bar and the tree: strips of 16x16 pictures in
// the resources, magenta (255, 0, 255) being transparent, each with a
// strip of twice the size for high-resolution screens.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

#include <vector>

namespace brenmoor {

class CImageList {
public:
    static constexpr int kSize = 16;

    // Cuts ":/images/<name>.bmp" and ":/images/<name>@2x.bmp" into count
    // pictures; a missing strip gives empty pictures.
    CImageList(const QString& name, int count);

    int Count() const { return static_cast<int>(normal_.size()); }
    // The picture at the index in both sizes; an empty icon outside the list.
    QIcon Icon(int index) const;
    // A command's picture: the index for the enabled and index + 1 (its
    // greyed form) for the disabled command.
    QIcon CommandIcon(int index) const;
    QPixmap Picture(int index) const;

private:
    void AddPictures(QIcon& icon, int index, QIcon::Mode mode) const;

    std::vector<QPixmap> normal_;
    std::vector<QPixmap> doubled_;
};

// The program's icon in all its sizes.
QIcon ProgramIcon();

}  // namespace brenmoor
