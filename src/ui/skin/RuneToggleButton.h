#pragma once

#include <QAbstractButton>
#include <cstdint>

class QPixmap;

namespace sockwright {

class LabelButton;

// A picture button tied to some bits of a mask word, which it shows and edits. It owns neither
// the mask word nor the pictures. A button without a mask only reports its clicks.
class RuneToggleButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit RuneToggleButton(QWidget* parent = nullptr);

    // mask, the pictures and group may each be nullptr.
    void setup(std::uint32_t* mask, std::uint32_t bits, const QPixmap* setImage,
               const QPixmap* clearImage, QWidget* group);
    void setLabel(LabelButton* label);

    int runeNumber = 0;  // the rune a right click asks details for; 0 = none

    // Whether a mask is present and every one of the button's bits is set in it.
    bool allBitsSet() const;
    // The picture the button draws now (nullptr when it draws nothing).
    const QPixmap* currentImage() const;

  signals:
    void slotClicked(sockwright::RuneToggleButton* button);
    void runeDetailsRequested(int runeNumber);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void toggle();
    void updateLabel();

    LabelButton* label_ = nullptr;
    std::uint32_t* mask_ = nullptr;
    std::uint32_t bits_ = 0;
    const QPixmap* setImage_ = nullptr;
    const QPixmap* clearImage_ = nullptr;
    QWidget* group_ = nullptr;
};

}  // namespace sockwright
