#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <cstdint>

#include "ui/skin/RuneToggleButton.h"

namespace sockwright {

// A mask word and the toggles that show and edit it (one row of runes, the equipment types).
// The group keeps the word; a click on one of its toggles changes the word by that toggle's rule
// and every toggle, with its label, follows.
class MaskToggleGroup : public QObject {
    Q_OBJECT
  public:
    explicit MaskToggleGroup(QObject* parent = nullptr);

    // Binds the toggle to bits of the word and shows the word on it.
    void add(RuneToggleButton* toggle, std::uint32_t bits, RuneToggleButton::ClickRule rule);

    std::uint32_t mask() const { return mask_; }
    void setMask(std::uint32_t mask);

  signals:
    void maskChanged(std::uint32_t mask);

  private:
    void refresh();

    std::uint32_t mask_ = 0;
    QList<QPointer<RuneToggleButton>> toggles_;
};

}  // namespace sockwright
