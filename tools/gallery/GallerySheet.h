#pragma once

#include <QImage>
#include <QString>

class QWidget;

namespace sockwright::pictures {

// A sheet of pictures with captions, laid out in rows under headings, left to right.
class GallerySheet {
  public:
    explicit GallerySheet(int width);

    void heading(const QString& title);
    void add(const QImage& picture, const QString& caption);
    // A widget as it paints itself, at its current size.
    void add(QWidget& widget, const QString& caption);
    void newRow();

    // The sheet, cut to the height that was used.
    QImage finished() const;

  private:
    void reserve(int width, int height);

    QImage canvas_;
    int x_ = 0;
    int y_ = 0;
    int rowHeight_ = 0;
};

}  // namespace sockwright::pictures
