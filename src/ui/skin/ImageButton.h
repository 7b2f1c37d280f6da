#pragma once

#include <QPixmap>
#include <string_view>

#include "ui/skin/SkinButton.h"

namespace sockwright {

// A push button showing one picture in every state, at its top-left corner and unscaled.
// Its caption is never drawn but still gives the keyboard mnemonic ("&Up" answers Alt+U).
class ImageButton : public SkinButton {
    Q_OBJECT
  public:
    explicit ImageButton(QWidget* parent = nullptr);

    void setImage(const QPixmap& image);
    // Shows one of the built-in button faces. The button keeps the face's size even when its
    // picture could not be loaded, so that a layout never collapses around it.
    void setFace(std::string_view face);
    const QPixmap& image() const;

    QSize sizeHint() const override;

  protected:
    void paintFace(QPainter& painter) override;

  private:
    QPixmap image_;
    QSize faceSize_{0, 0};
};

}  // namespace sockwright
