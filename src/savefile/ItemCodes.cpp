#include "savefile/ItemCodes.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "savefile/SaveFileError.h"

namespace sockwright::savefile {

const std::array<ItemCodeSymbol, 38> kItemCodeSymbols{{
    {' ', "10"},        {'s', "0010"},       {'b', "0101"},     {'w', "00000"},
    {'u', "00001"},     {'h', "00011"},      {'x', "00111"},    {'c', "01000"},
    {'t', "01100"},     {'m', "01101"},      {'9', "01110"},    {'7', "01111"},
    {'p', "11001"},     {'g', "11010"},      {'r', "11100"},    {'l', "11101"},
    {'a', "11110"},     {'8', "000100"},     {'2', "001100"},   {'n', "001101"},
    {'k', "010010"},    {'f', "010011"},     {'e', "110000"},   {'d', "110001"},
    {'y', "0001010"},   {'3', "1101101"},    {'v', "1101110"},  {'6', "1101111"},
    {'1', "1111100"},   {'i', "1111110"},    {'o', "1111111"},  {'5', "00010110"},
    {'z', "11011000"},  {'q', "11011001"},   {'4', "11111010"}, {'0', "11111011"},
    {'j', "000101110"}, {'\0', "000101111"},
}};

namespace {

constexpr int kLongestSymbol = 9;

struct Decoded {
    char symbol = 0;
    std::uint8_t length = 0;
};

// For every value of the next nine bits, the symbol they start with: one look-up a letter.
const std::array<Decoded, 1 << kLongestSymbol>& decodingTable() {
    static const auto table = [] {
        std::array<Decoded, 1 << kLongestSymbol> result{};
        for (const ItemCodeSymbol& entry : kItemCodeSymbols) {
            const auto length = static_cast<int>(std::strlen(entry.bits));
            unsigned prefix = 0;
            for (int i = 0; i < length; ++i) prefix |= unsigned(entry.bits[i] == '1') << i;
            for (unsigned rest = 0; rest < 1u << (kLongestSymbol - length); ++rest) {
                result[prefix | rest << length] = {entry.symbol, static_cast<std::uint8_t>(length)};
            }
        }
        return result;
    }();
    return table;
}

}  // namespace

std::string readItemCode(BitReader& reader) {
    const std::size_t at = reader.bitPosition() / 8;
    std::string code;
    for (int letter = 0; letter < 4; ++letter) {
        const Decoded decoded = decodingTable()[reader.peek(kLongestSymbol)];
        reader.skip(decoded.length);
        if (decoded.symbol == 0) {
            throw SaveFileError("an unused item code letter in the item at byte " +
                                std::to_string(at));
        }
        code += decoded.symbol;
    }
    if (code.back() != ' ') {
        throw SaveFileError("an item code of four letters (" + code + ") at byte " +
                            std::to_string(at));
    }
    code.erase(code.find_last_not_of(' ') + 1);
    return code;
}

const ItemKind* findItemKind(std::string_view code) {
    const auto found =
        std::lower_bound(kItemKinds.begin(), kItemKinds.end(), code,
                         [](const ItemKind& kind, std::string_view c) { return kind.code < c; });
    return found != kItemKinds.end() && found->code == code ? &*found : nullptr;
}

int runeNumberOfCode(std::string_view code) {
    if (code.size() != 3 || code[0] != 'r' || code[1] < '0' || code[1] > '9' || code[2] < '0' ||
        code[2] > '9') {
        return 0;
    }
    const int number = (code[1] - '0') * 10 + (code[2] - '0');
    return number >= 1 && number <= 33 ? number : 0;
}

}  // namespace sockwright::savefile
