#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace sockwright {

// A push button showing one picture in every state, at its top-left corner and unscaled.
// Its caption is never drawn but still gives the keyboard mnemonic ("&Up" answers Alt+U).
class ImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent = nullptr);

    void setImage(const QPixmap& image);
    const QPixmap& image() const;

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QPixmap image_;
};

}  // namespace sockwright
