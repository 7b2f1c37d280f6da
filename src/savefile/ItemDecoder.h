#pragma once

#include "savefile/BitReader.h"
#include "savefile/SaveFileSummary.h"

namespace sockwright::savefile {

// Which list the items come from; it decides where a loose rune among them counts.
enum class ItemArea {
    Character,     // the character's own items and those on a corpse: by their place
    Companion,     // a mercenary's or the iron golem's items
    StashTab,      // a shared stash tab
    MaterialsTab,  // the shared stash's tab of stacked materials: a rune item holds a count
};

// Walks the items of a save file bit by bit and counts the runes among them into a summary.
// Every item before a rune is decoded in full, since its length is known only once read; the
// first field that does not fit the format throws SaveFileError.
class ItemDecoder {
  public:
    // version: the file's format version (97, 98, 99 or 105).
    ItemDecoder(int version, SaveFileSummary& summary) : version_(version), summary_(summary) {}

    // A list: "JM", the number of top-level items, then the items with their socketed children.
    void readList(BitReader& reader, ItemArea area);
    // One top-level item and the items in its sockets, from a byte boundary to the next.
    void readItem(BitReader& reader, ItemArea area);

  private:
    void readItem(BitReader& reader, ItemArea area, bool inSocket);
    void skipProperties(BitReader& reader) const;
    void countRune(int rune, int quantity, ItemArea area, int location, int panel);

    int version_;
    SaveFileSummary& summary_;
};

}  // namespace sockwright::savefile
