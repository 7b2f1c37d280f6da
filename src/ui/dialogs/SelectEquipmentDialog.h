#pragma once

#include "model/EquipmentMask.h"
#include "ui/dialogs/SkinnedSelectionDialog.h"

namespace sockwright {

class MaskToggleGroup;
struct SkinImages;

// "Select Equipment": the equipment types a character wants runewords for. Sixteen type buttons
// and three group buttons (defence, melee, ranged), each a tall picture over its label, then
// Cancel and OK. The dialog edits its own copy of the mask: the caller sets it, runs the dialog
// and reads it back after OK.
class SelectEquipmentDialog : public SkinnedSelectionDialog {
    Q_OBJECT
  public:
    // The pictures are taken now; the table is not kept.
    explicit SelectEquipmentDialog(const SkinImages& images, QWidget* parent = nullptr);

    void setEquipment(EquipmentMask equipment);
    EquipmentMask equipment() const;

  private:
    MaskToggleGroup* types_;
};

}  // namespace sockwright
