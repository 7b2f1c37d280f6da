#include "ui/skin/MaskToggleGroup.h"

namespace sockwright {

MaskToggleGroup::MaskToggleGroup(QObject* parent) : QObject(parent) {}

void MaskToggleGroup::add(RuneToggleButton* toggle, std::uint32_t bits,
                          RuneToggleButton::ClickRule rule) {
    toggle->bind(bits, rule);
    toggle->setMask(mask_);
    toggles_.append(toggle);
    connect(toggle, &QAbstractButton::clicked, this,
            [this, toggle] { setMask(toggle->maskAfterClick(mask_)); });
}

void MaskToggleGroup::setMask(std::uint32_t mask) {
    const bool changed = mask != mask_;
    mask_ = mask;
    refresh();
    if (changed) emit maskChanged(mask_);
}

void MaskToggleGroup::refresh() {
    for (const QPointer<RuneToggleButton>& toggle : toggles_) {
        if (toggle) toggle->setMask(mask_);
    }
}

}  // namespace sockwright
