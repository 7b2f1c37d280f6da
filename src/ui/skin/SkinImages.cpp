#include "ui/skin/SkinImages.h"

namespace sockwright {

namespace {

template <std::size_t N>
const QPixmap* entry(const std::array<QPixmap, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N) || table[index].isNull()) return nullptr;
    return &table[index];
}

}  // namespace

const QPixmap* RuneImages::plainOf(int runeNumber) const {
    return entry(plain, runeNumber - 1);
}

const QPixmap* RuneImages::highlightedOf(int runeNumber) const {
    return entry(highlighted, runeNumber - 1);
}

const QPixmap* ClassImages::of(int characterClass) const {
    return entry(images, characterClass);
}

}  // namespace sockwright
