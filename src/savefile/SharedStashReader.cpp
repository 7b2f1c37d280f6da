#include "savefile/SharedStashReader.h"

#include <string>

#include "savefile/BitReader.h"
#include "savefile/ItemDecoder.h"
#include "savefile/SaveFileBytes.h"
#include "savefile/SaveFileError.h"

namespace sockwright::savefile {
namespace {

constexpr std::size_t kSectionHeaderBytes = 64;
constexpr std::uint32_t kSignature = 0xAA55AA55;
constexpr std::size_t kTabSections = 3;
constexpr std::size_t kEditionSections = 7;
enum SectionKind : std::uint32_t { GridTab = 0, MaterialsTab = 1, Chronicle = 2 };

}  // namespace

SaveFileSummary SharedStashReader::read(std::string_view bytes, bool hardcore) {
    SaveFileSummary summary;
    summary.kind = SaveFileKind::SharedStash;
    summary.hardcore = hardcore;
    summary.version = static_cast<int>(littleEndian(bytes, 8));
    ItemDecoder items(summary.version, summary);
    std::size_t sections = 0;
    for (std::size_t offset = 0; offset < bytes.size(); ++sections) {
        const std::string where = " (section at byte " + std::to_string(offset) + ")";
        if (bytes.size() - offset < kSectionHeaderBytes) {
            throw SaveFileError("the file ends inside a section header" + where);
        }
        if (littleEndian(bytes, offset) != kSignature) {
            throw SaveFileError("a section without its signature" + where);
        }
        if (littleEndian(bytes, offset + 8) != static_cast<std::uint32_t>(summary.version)) {
            throw SaveFileError("sections of different versions" + where);
        }
        const std::uint32_t length = littleEndian(bytes, offset + 16);
        if (length < kSectionHeaderBytes || length > bytes.size() - offset) {
            throw SaveFileError("a section whose length does not fit the file" + where);
        }
        const std::uint32_t kind = littleEndian(bytes, offset + 20);
        if (kind > (summary.version == 105 ? Chronicle : GridTab)) {
            throw SaveFileError("a section of unknown kind " + std::to_string(kind) + where);
        }
        if (kind != Chronicle) {
            BitReader reader(bytes.substr(0, offset + length), offset + kSectionHeaderBytes);
            items.readList(reader,
                           kind == MaterialsTab ? ItemArea::MaterialsTab : ItemArea::StashTab);
            if (!reader.atEnd()) {
                throw SaveFileError("a tab whose items end before its section does" + where);
            }
        }
        offset += length;
    }
    // Three tabs, or the latest edition's five tabs, materials and chronicle; any other number
    // is most likely a file cut at a section's end.
    if (sections != kTabSections && !(summary.version == 105 && sections == kEditionSections)) {
        throw SaveFileError("a shared stash of " + std::to_string(sections) +
                            " sections (cut short or damaged)");
    }
    return summary;
}

}  // namespace sockwright::savefile
