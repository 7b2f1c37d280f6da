#pragma once

#include <QPixmap>
#include <QPointer>
#include <cstdint>

#include "ui/skin/LabelButton.h"
#include "ui/skin/SkinButton.h"

namespace sockwright {

// A picture button that stands for some bits of a mask word. The owner of the word keeps it:
// a click only emits clicked(), the owner computes the new word with maskAfterClick() and hands
// every toggle the word through setMask(), which sets the checked state, the picture and the
// label's colour. A toggle that is not bound to bits shows its clear picture and reports its
// clicks with slotClicked() (the main window's rune slots).
//
// A toggle that counts (setCounting) also takes one more or one fewer: the mouse wheel, Shift+click
// (one more), Ctrl+click (one fewer) and the + and - keys only emit countStepRequested(); the owner
// keeps the count and shows it through setCount(), which draws "×N" on the picture from 2 up.
class RuneToggleButton : public SkinButton {
    Q_OBJECT
  public:
    explicit RuneToggleButton(QWidget* parent = nullptr);

    // How a click changes the word: flip each of the bits, or set all of them unless all are
    // set already (then clear them).
    enum class ClickRule { FlipEachBit, SetOrClearAll };

    // Binds the toggle to bits of its owner's word. bits may not be 0.
    void bind(std::uint32_t bits, ClickRule rule);
    bool isBound() const { return bits_ != 0; }
    std::uint32_t bits() const { return bits_; }

    // setImage shows while every bit is set, clearImage otherwise and whenever the toggle is not
    // bound. A null picture draws nothing.
    void setImages(const QPixmap& setImage, const QPixmap& clearImage);
    // The label's colour follows the toggle: white while every bit is set, grey otherwise.
    void setLabel(LabelButton* label);
    LabelButton* label() const { return label_; }

    // The rune whose details a right press asks for; 0 = none.
    int runeNumber() const { return runeNumber_; }
    void setRuneNumber(int runeNumber) { runeNumber_ = runeNumber; }

    // The owner's word now.
    void setMask(std::uint32_t mask);
    // The owner's word after a click on this toggle.
    std::uint32_t maskAfterClick(std::uint32_t mask) const;

    // Whether the count gestures apply; off by default.
    void setCounting(bool counting) { counting_ = counting; }
    bool isCounting() const { return counting_; }
    int count() const { return count_; }
    void setCount(int count);

    // The picture drawn now; null when nothing is drawn.
    const QPixmap& currentImage() const;
    QSize sizeHint() const override;

  signals:
    // A click on a toggle that is not bound to bits.
    void slotClicked(sockwright::RuneToggleButton* button);
    void runeDetailsRequested(int runeNumber);
    // +1 or -1 from a count gesture on a counting toggle.
    void countStepRequested(int step);

  protected:
    void paintFace(QPainter& painter) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    // The checked state is the owner's word, never the click's own doing.
    void nextCheckState() override {}

  private:
    void showStateOnLabel();
    void paintCount(QPainter& painter, const QRect& picture);

    std::uint32_t bits_ = 0;
    ClickRule rule_ = ClickRule::FlipEachBit;
    QPixmap setImage_;
    QPixmap clearImage_;
    QPointer<LabelButton> label_;
    int runeNumber_ = 0;
    bool counting_ = false;
    int count_ = 0;
    int wheelRemainder_ = 0;  // a touchpad's wheel turns in parts of a notch
};

}  // namespace sockwright
