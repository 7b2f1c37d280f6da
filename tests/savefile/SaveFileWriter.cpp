#include "savefile/SaveFileWriter.h"

#include <cstring>

#include "savefile/ItemCodes.h"

namespace sockwright::testing {
namespace {

class BitWriter {
  public:
    void write(std::uint64_t value, int bits) {
        for (int i = 0; i < bits; ++i, ++position_) {
            if (position_ % 8 == 0) bytes_ += '\0';
            if ((value >> i) & 1)
                bytes_.back() = static_cast<char>(bytes_.back() | 1 << (position_ % 8));
        }
    }
    void writeCode(const std::string& code) {
        for (const char letter : code + " ") {
            for (const auto& symbol : savefile::kItemCodeSymbols) {
                if (symbol.symbol != letter) continue;
                for (const char* bit = symbol.bits; *bit; ++bit) write(*bit == '1', 1);
            }
        }
    }
    void writeProperties(const std::vector<TestProperty>& properties) {
        for (const TestProperty& property : properties) {
            write(static_cast<std::uint64_t>(property.id), 9);
            write(property.value, property.bits);
        }
        write(0x1FF, 9);
    }
    std::string aligned() {
        position_ = bytes_.size() * 8;
        return bytes_;
    }

  private:
    std::string bytes_;
    std::size_t position_ = 0;
};

std::string list(const std::vector<TestItem>& items, int version) {
    std::string bytes = "JM";
    bytes += static_cast<char>(items.size() & 0xFF);
    bytes += static_cast<char>(items.size() >> 8);
    for (const TestItem& item : items) bytes += itemBytes(item, version);
    return bytes;
}

}  // namespace

TestItem runeItem(int number, int panel) {
    TestItem item;
    item.code = (number < 10 ? "r0" : "r") + std::to_string(number);
    item.panel = panel;
    return item;
}

TestItem extendedItem(const char* code, int quality, std::vector<TestProperty> properties) {
    TestItem item;
    item.code = code;
    item.simple = false;
    item.quality = quality;
    item.properties = std::move(properties);
    return item;
}

std::string itemBytes(const TestItem& item, int version) {
    const bool armour = item.code == "cap" || item.code == "buc";
    const bool weapon = item.code == "lsd";
    const bool socketed = !item.sockets.empty();
    BitWriter out;
    out.write(1u << 4 | (socketed ? 1u << 11 : 0) | (item.simple ? 1u << 21 : 0) |
                  (item.ethereal ? 1u << 22 : 0) | (item.personalName.empty() ? 0 : 1u << 24) |
                  (item.runeword ? 1u << 26 : 0),
              32);
    out.write(5, 3);
    out.write(static_cast<std::uint64_t>(item.location), 3);
    out.write(0, 4 + 4 + 4);
    out.write(static_cast<std::uint64_t>(item.location == 0 ? item.panel : 0), 3);
    out.writeCode(item.code);
    out.write(item.simple ? 0 : item.sockets.size(), item.simple ? 1 : 3);
    if (!item.simple) {
        out.write(0x12345678, 32);
        out.write(40, 7);
        out.write(static_cast<std::uint64_t>(item.quality), 4);
        out.write(0, 2);  // no picture, no class affix
        const int qualityBits[] = {0, 3, 0, 3, 22, 12, 16 + 6, 12, 16 + 6};
        if (item.quality >= 6 && item.quality != 7) {
            out.write(0x0101, 16);  // name
            out.write(1, 1);        // one affix of six
            out.write(300, 11);
            out.write(0, 5);
        } else if (item.quality >= 0 && item.quality <= 8) {
            out.write(1, qualityBits[item.quality]);
        }
        if (item.runeword) out.write(27, 16);
        if (!item.personalName.empty()) {
            for (const char c : item.personalName + '\0')
                out.write(static_cast<unsigned char>(c), version == 97 ? 7 : 8);
        }
        out.write(0, 1);  // no realm data
        if (armour) out.write(30, 11);
        if (armour || weapon) out.write(250 << 8 | 20, 8 + 9);
        if (version >= 105) out.write(0, 1);
        if (socketed) out.write(item.sockets.size(), 4);
        if (item.quality == 5) out.write(static_cast<std::uint64_t>(item.setLists), 5);
        out.writeProperties(item.properties);
        for (int list = item.setLists; list != 0; list &= list - 1)
            out.writeProperties(item.properties);
        if (item.runeword) out.writeProperties(item.properties);
    }
    if (version >= 105) {
        out.write(item.stackCount >= 0, 1);
        if (item.stackCount >= 0) out.write(static_cast<std::uint64_t>(item.stackCount), 8);
    }
    std::string bytes = out.aligned();
    for (TestItem child : item.sockets) {
        child.location = 6;
        bytes += itemBytes(child, version);
    }
    return bytes;
}

std::string characterFile(const TestCharacter& character) {
    const bool latest = character.version >= 105;
    const std::size_t nameAt = character.version == 97 ? 20 : latest ? 299 : 267;
    const std::size_t headerEnd = latest ? 833 : 765;
    std::string bytes(headerEnd, '\0');
    put32(bytes, 0, 0xAA55AA55);
    put32(bytes, 4, static_cast<std::uint32_t>(character.version));
    std::memcpy(&bytes[nameAt], character.name.data(),
                std::min<std::size_t>(character.name.size(), 16));
    bytes[latest ? 20 : 36] =
        static_cast<char>((character.hardcore ? 4 : 0) | (character.expansion ? 32 : 0));
    bytes[latest ? 24 : 40] = static_cast<char>(character.gameClass);
    bytes[latest ? 27 : 43] = static_cast<char>(character.level);
    if (latest) bytes[248] = static_cast<char>(character.latestEdition ? 3 : 2);
    if (!character.mercenary.empty()) put32(bytes, latest ? 163 : 179, 0x4D455243);
    std::memcpy(&bytes[latest ? 403 : 335], "Woo!", 4);

    BitWriter attributes;
    attributes.write(12, 9);  // level, 7 bits
    attributes.write(static_cast<std::uint64_t>(character.level), 7);
    attributes.write(14, 9);  // gold, 25 bits
    attributes.write(123456, 25);
    attributes.write(0x1FF, 9);
    bytes += "gf" + attributes.aligned() + "if" + std::string(30, '\0');

    bytes += list(character.items, character.version);
    bytes += "JM";
    bytes += static_cast<char>(character.corpses.size());
    bytes += '\0';
    for (const auto& corpse : character.corpses)
        bytes += std::string(12, '\0') + list(corpse, character.version);
    if (character.expansion || character.latestEdition) {
        bytes += "jf";
        if (!character.mercenary.empty()) bytes += list(character.mercenary, character.version);
        bytes += "kf";
        bytes += character.golem ? '\1' : '\0';
        if (character.golem) bytes += itemBytes(*character.golem, character.version);
        if (character.latestEdition) bytes += std::string("\1\0lf\0\0", 6);
    }
    sealCharacterFile(bytes);
    return bytes;
}

void sealCharacterFile(std::string& bytes) {
    put32(bytes, 8, static_cast<std::uint32_t>(bytes.size()));
    put32(bytes, 12, 0);
    std::uint32_t sum = 0;
    for (const char c : bytes) sum = ((sum << 1) | (sum >> 31)) + static_cast<unsigned char>(c);
    put32(bytes, 12, sum);
}

void put32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (8 * i));
}

std::string stashFile(int version, const std::vector<TestStashSection>& sections) {
    std::string file;
    for (const TestStashSection& section : sections) {
        std::string bytes(64, '\0');
        put32(bytes, 0, 0xAA55AA55);
        put32(bytes, 4, 2);
        put32(bytes, 8, static_cast<std::uint32_t>(version));
        put32(bytes, 20, static_cast<std::uint32_t>(section.kind));
        bytes += section.kind == 2 ? std::string("\xC0\xED\xEA\xC0\1\0\0\0", 8)
                                   : list(section.items, version);
        put32(bytes, 16, static_cast<std::uint32_t>(bytes.size()));
        file += bytes;
    }
    return file;
}

}  // namespace sockwright::testing
