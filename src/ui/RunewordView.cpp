#include "ui/RunewordView.h"

#include <utility>

#include "engine/RunewordDetails.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinImages.h"

namespace sockwright {

RunewordView::RunewordView(const RuneTable& runeTable, QWidget* parent)
    : QWidget(parent), runeTable_(runeTable) {
    // Created in tab order.
    for (std::size_t socket = 0; socket < runeSlots_.size(); ++socket) {
        auto* slot = new RuneToggleButton(this);
        slot->setObjectName(QStringLiteral("runeSlot%1").arg(socket + 1));
        // A right click asks for the rune's details, not for the window menu.
        slot->setContextMenuPolicy(Qt::PreventContextMenu);
        connect(slot, &RuneToggleButton::slotClicked, this, [this](RuneToggleButton* clicked) {
            if (clicked->runeNumber() != 0) emit runeDetailsRequested(clicked->runeNumber());
        });
        connect(slot, &RuneToggleButton::runeDetailsRequested, this,
                &RunewordView::runeDetailsRequested);
        runeSlots_[socket] = slot;
    }
    levelBadge_ = makeSkinLabel(this, QStringLiteral("levelBadge"));
    name_ = makeSkinLabel(this, QStringLiteral("runewordName"));
    name_->setLeft();
    properties_ = new DetailTextButton(this);
    properties_->setObjectName(QStringLiteral("properties"));
}

void RunewordView::place(const RunewordViewPlaces& places) {
    QRect covered = places.levelBadge | places.name | places.properties;
    for (const QRect& slot : places.runeSlots) covered |= slot;
    setGeometry(covered);
    const QPoint origin = covered.topLeft();
    for (std::size_t socket = 0; socket < runeSlots_.size(); ++socket)
        runeSlots_[socket]->setGeometry(places.runeSlots[socket].translated(-origin));
    levelBadge_->setGeometry(places.levelBadge.translated(-origin));
    name_->setGeometry(places.name.translated(-origin));
    name_->setVisible(!places.name.isEmpty());
    properties_->setGeometry(places.properties.translated(-origin));
}

void RunewordView::showRuneword(const Runeword& runeword, int characterLevel,
                                const RuneImages& images, std::vector<int> highlightedLines) {
    const auto sockets = socketRunes(runeword, runeTable_);
    for (std::size_t socket = 0; socket < runeSlots_.size(); ++socket) {
        const int rune = sockets[socket];
        // A slot is bound to no mask, so it always shows its clear picture: the highlighted one.
        const QPixmap* picture = images.highlightedOf(rune);
        runeSlots_[socket]->setImages(QPixmap(), picture ? *picture : QPixmap());
        runeSlots_[socket]->setRuneNumber(rune);
    }
    levelBadge_->setTextColour(levelBadgeIsRed(characterLevel, runeword.requiredLevel) ? kRed
                                                                                       : kWhite);
    setLabelText(*levelBadge_, fromLocalBytes(levelBadgeText(runeword.requiredLevel)));
    setLabelText(*name_, fromLocalBytes(runeword.name));
    properties_->setDetailText(fromLocalBytes(runeword.properties), std::move(highlightedLines));
}

void RunewordView::clearRuneword() {
    for (RuneToggleButton* slot : runeSlots_) {
        slot->setImages(QPixmap(), QPixmap());
        slot->setRuneNumber(0);
    }
    setLabelText(*levelBadge_, QString());
    setLabelText(*name_, QString());
    properties_->setDetailText(QString());
}

}  // namespace sockwright
