#include "model/SettingsFile.h"

#include <array>
#include <cstdint>
#include <system_error>

#include "model/CharacterClass.h"
#include "model/CharacterRunes.h"
#include "model/FileContents.h"
#include "model/FileReplacement.h"
#include "model/LineReader.h"
#include "model/NumberReader.h"
#include "model/RuneCountsFile.h"
#include "model/StoredText.h"

namespace sockwright {
namespace {

namespace fs = std::filesystem;

constexpr const char* kSettingsFileName = "settings.dat";

// ---- Numbers -------------------------------------------------------------------------------
// A value that does not fit in 32 bits does not read, so the field falls back to its default.

std::int32_t decimalOr(std::string_view text, std::int32_t fallback) {
    std::size_t at = 0;
    std::int32_t value = 0;
    return readDecimal(text, at, value, Overflow::Fail) ? value : fallback;
}
std::uint32_t hexOr(std::string_view text, std::uint32_t fallback) {
    std::size_t at = 0;
    std::uint32_t value = 0;
    return readHexadecimal(text, at, value, Overflow::Fail) ? value : fallback;
}

// ---- Lines written -------------------------------------------------------------------------

void appendLine(std::string& out, std::string_view line) {
    out += line;
    out += '\n';
}

// A text goes on one line, and never on an empty one, which would end the file when read back.
void appendText(std::string& out, std::string_view text, const char* replacement) {
    appendLine(out, storedText(text, replacement));
}

void appendDecimal(std::string& out, std::int32_t value) {
    appendLine(out, std::to_string(value));
}

void appendHex(std::string& out, std::uint32_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char digits[8];
    int count = 0;
    do {
        digits[count++] = kDigits[value & 0xF];
        value >>= 4;
    } while (value != 0);
    while (count > 0) out += digits[--count];
    out += '\n';
}

// ---- Slots ---------------------------------------------------------------------------------

// A number line that does not parse gives the field the value a new slot holds.
const Character kDefaultSlot{};

// The eleven lines of a slot in file order, each read and written by one entry. The count and
// the logic are written in hexadecimal but read in decimal, as the files of every earlier version
// hold them.
struct SlotField {
    void (*read)(Character& slot, const std::string& text);
    void (*write)(std::string& out, const Character& slot);
};

constexpr std::array<SlotField, 11> kSlotFields{{
    {[](Character& slot, const std::string& text) { slot.inUse = decimalOr(text, 0) > 0; },
     [](std::string& out, const Character& slot) { appendDecimal(out, slot.inUse ? 1 : 0); }},
    {[](Character& slot, const std::string& text) { slot.name = storedText(text, kNoName); },
     [](std::string& out, const Character& slot) { appendText(out, slot.name, kNoName); }},
    {[](Character& slot, const std::string& text) {
         slot.level = decimalOr(text, kDefaultSlot.level);
     },
     [](std::string& out, const Character& slot) { appendDecimal(out, slot.level); }},
    {[](Character& slot, const std::string& text) {
         slot.characterClass = decimalOr(text, kDefaultSlot.characterClass);
     },
     [](std::string& out, const Character& slot) { appendDecimal(out, slot.characterClass); }},
    {[](Character& slot, const std::string& text) {
         slot.characterType = decimalOr(text, kDefaultSlot.characterType);
     },
     [](std::string& out, const Character& slot) { appendDecimal(out, slot.characterType); }},
    {[](Character& slot, const std::string& text) {
         slot.runeCountFilter = decimalOr(text, kDefaultSlot.runeCountFilter);
     },
     [](std::string& out, const Character& slot) {
         appendHex(out, static_cast<std::uint32_t>(slot.runeCountFilter));
     }},
    {[](Character& slot, const std::string& text) {
         slot.runeLogic = static_cast<RuneLogic>(
             decimalOr(text, static_cast<std::int32_t>(kDefaultSlot.runeLogic)));
     },
     [](std::string& out, const Character& slot) {
         appendHex(out, static_cast<std::uint32_t>(slot.runeLogic));
     }},
    {[](Character& slot, const std::string& text) {
         slot.runes.rows[0] = hexOr(text, kDefaultSlot.runes.rows[0]);
     },
     [](std::string& out, const Character& slot) { appendHex(out, slot.runes.rows[0]); }},
    {[](Character& slot, const std::string& text) {
         slot.runes.rows[1] = hexOr(text, kDefaultSlot.runes.rows[1]);
     },
     [](std::string& out, const Character& slot) { appendHex(out, slot.runes.rows[1]); }},
    {[](Character& slot, const std::string& text) {
         slot.runes.rows[2] = hexOr(text, kDefaultSlot.runes.rows[2]);
     },
     [](std::string& out, const Character& slot) { appendHex(out, slot.runes.rows[2]); }},
    {[](Character& slot, const std::string& text) {
         slot.equipment = hexOr(text, kDefaultSlot.equipment);
     },
     [](std::string& out, const Character& slot) { appendHex(out, slot.equipment); }},
}};

// ---- Reading -------------------------------------------------------------------------------

bool readSlot(std::string_view buffer, std::size_t& position, Character& slot) {
    std::string text;
    for (const SlotField& field : kSlotFields) {
        if (!readLine(buffer, position, text)) return false;
        field.read(slot, text);
    }
    return true;
}

// Reads account blocks up to the end of the list. False when a block is cut short; an account
// whose name and realm were read stays, with defaults for the slot lines it did not get.
bool readAccountBlocks(std::string_view buffer, std::size_t& position, AccountList& accounts,
                       const std::string& wantedName, const std::string& wantedRealm,
                       Account*& matched) {
    std::string name;
    std::string realm;
    while (readLine(buffer, position, name)) {
        if (!readLine(buffer, position, realm)) return false;
        Account& account = accounts.appendAccount();
        account.name = storedText(name, kNoName);
        account.realm = storedText(realm, kNoRealm);
        if (AccountList::isNamed(account, wantedName, wantedRealm)) matched = &account;
        for (Character& slot : account.characters) {
            if (!readSlot(buffer, position, slot)) return false;
        }
    }
    return true;
}

std::string_view firstLine(std::string_view bytes) {
    return bytes.substr(0, bytes.find_first_of(std::string_view("\n\0", 2)));
}

// True when nothing but line ends and blanks follows the position: the file was read in full.
bool onlyBlankLinesFrom(std::string_view bytes, std::size_t position) {
    for (std::size_t at = position; at < bytes.size(); ++at) {
        const char c = bytes[at];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\0') return false;
    }
    return true;
}

// The reader takes files of version 1.1 only, and every file the program writes must read back.
// A program version outside 1.1 needs a reader for its files first.
static_assert(kSettingsFileVersion.major == 1 && kSettingsFileVersion.minor == 1,
              "settings files of this program version would not read back");

// Reads a whole settings file; false when part of it was not taken in (an old or unknown
// version, or a file cut short).
bool readSettingsText(std::string_view bytes, ProgramState& state) {
    ProgramVersion& version = state.settings.programVersion;
    const int numbers = readVersion(firstLine(bytes), version);
    if (numbers < 3 || version.major != 1 || version.minor != 1) return false;
    std::size_t position = 0;
    return readSettingsBody(bytes, position, state) && onlyBlankLinesFrom(bytes, position);
}

// Moves the slots in use to the front, keeping their order, and the free slots behind them;
// returns where each former slot went.
std::array<int, kCharacterSlots> packSlotsInUse(Account& account) {
    std::array<Character, kCharacterSlots> packed;
    std::array<int, kCharacterSlots> movedTo{};
    int next = 0;
    for (const bool inUse : {true, false}) {
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            if (account.characters[slot].inUse != inUse) continue;
            movedTo[slot] = next;
            packed[next++] = std::move(account.characters[slot]);
        }
    }
    account.characters = std::move(packed);
    return movedTo;
}

// A value outside its range becomes the one a new slot holds. The count and the logic are
// written in hexadecimal but read in decimal, which agree only inside their ranges: a count of
// 50 would come back as 32 after a save. The rune counts start from the bits, one of each.
void bringSlotsIntoRange(Account& account) {
    for (Character& slot : account.characters) {
        followRuneBits(slot);
        if (!isCharacterClass(slot.characterClass))
            slot.characterClass = kDefaultSlot.characterClass;
        if (!isCharacterType(slot.characterType)) slot.characterType = kDefaultSlot.characterType;
        if (!isRuneCountFilter(slot.runeCountFilter))
            slot.runeCountFilter = kDefaultSlot.runeCountFilter;
        if (!isRuneLogic(slot.runeLogic)) slot.runeLogic = kDefaultSlot.runeLogic;
    }
}

// The file names the current account by name and realm, and the reader takes the last account
// that has them: the account that becomes current once this one has been saved as current.
Account* lastAccountNamedLike(const AccountList& accounts, Account* account) {
    for (auto it = accounts.accounts().rbegin(); it != accounts.accounts().rend(); ++it) {
        if (AccountList::isNamed(**it, account->name, account->realm)) return it->get();
    }
    return account;
}

bool isSlot(std::int32_t slot) {
    return slot >= 0 && slot < kCharacterSlots;
}

// Makes whatever was read satisfy what the rest of the program relies on: at least one account,
// a current account from the list that a save and load keep current, slots in use as a prefix
// starting at slot 0, and a current character in a slot in use.
void bringAccountsIntoRange(AccountList& accounts) {
    if (accounts.empty()) {
        accounts.createDefaultAccounts();
        return;
    }
    Account* current = accounts.currentAccount();
    if (accounts.indexOf(current) < 0) current = accounts.head();
    current = lastAccountNamedLike(accounts, current);
    std::int32_t currentCharacter = accounts.currentCharacter();

    for (const auto& account : accounts.accounts()) {
        bringSlotsIntoRange(*account);
        const auto movedTo = packSlotsInUse(*account);
        account->characters[0].inUse = true;
        if (account.get() == current && isSlot(currentCharacter)) {
            currentCharacter = movedTo[currentCharacter];
        }
    }
    if (!isSlot(currentCharacter) || !current->characters[currentCharacter].inUse)
        currentCharacter = 0;
    accounts.setCurrent(current, currentCharacter);
}

// ---- Writing -------------------------------------------------------------------------------

}  // namespace

void loadSettings(ProgramState& state) {
    const fs::path file = settingsFilePath(state);
    const FileContents contents = readWholeFile(file);
    if (contents.status == FileReadStatus::Read) {
        loadSettingsText(contents.bytes, state);
        loadRuneCounts(state);
        return;
    }
    Settings& settings = state.settings;
    settings.programVersion = kSettingsFileVersion;
    state.accounts.clear();
    // A file that is there but cannot be read (unreadable, too large, or no regular file) must
    // not be replaced unseen.
    std::error_code error;
    settings.keepBackupBeforeSave = fs::exists(file, error);
    bringAccountsIntoRange(state.accounts);
    loadRuneCounts(state);
}

void loadSettingsText(std::string_view bytes, ProgramState& state) {
    Settings& settings = state.settings;
    settings.programVersion = kSettingsFileVersion;
    state.accounts.clear();
    settings.keepBackupBeforeSave = !readSettingsText(bytes, state);
    bringAccountsIntoRange(state.accounts);
}

bool readSettingsBody(std::string_view buffer, std::size_t& position, ProgramState& state) {
    Settings& settings = state.settings;
    std::string text;
    if (!readLine(buffer, position, text)) return false;
    readVersion(text, settings.programVersion);
    if (!readLine(buffer, position, text)) return false;
    settings.checkForUpdates = decimalOr(text, 1) > 0;
    if (!readLine(buffer, position, text)) return false;
    settings.remindMissingFont = decimalOr(text, 1) > 0;

    std::string wantedName;
    std::string wantedRealm;
    if (!readLine(buffer, position, wantedName) || !readLine(buffer, position, wantedRealm) ||
        !readLine(buffer, position, text)) {
        return false;
    }
    wantedName = storedText(wantedName, kNoName);
    wantedRealm = storedText(wantedRealm, kNoRealm);
    const std::int32_t currentCharacter = decimalOr(text, 0);

    AccountList& accounts = state.accounts;
    Account* matched = nullptr;
    const bool complete =
        readAccountBlocks(buffer, position, accounts, wantedName, wantedRealm, matched);
    if (complete && matched == nullptr) matched = accounts.head();
    accounts.setCurrent(matched, currentCharacter);
    return complete;
}

std::string settingsFileText(const ProgramState& state) {
    const AccountList& accounts = state.accounts;
    const Settings& settings = state.settings;
    std::string out;
    out.reserve(64 + accounts.size() * 1024);

    appendLine(out, std::to_string(kSettingsFileVersion.major) + '.' +
                        std::to_string(kSettingsFileVersion.minor) + '.' +
                        std::to_string(kSettingsFileVersion.build));
    appendDecimal(out, settings.checkForUpdates ? 1 : 0);
    appendDecimal(out, settings.remindMissingFont ? 1 : 0);
    const Account* current = accounts.currentAccount();
    appendText(out, current ? std::string_view(current->name) : std::string_view(), kNoName);
    appendText(out, current ? std::string_view(current->realm) : std::string_view(), kNoRealm);
    appendDecimal(out, accounts.currentCharacter());

    for (const auto& account : accounts.accounts()) {
        appendText(out, account->name, kNoName);
        appendText(out, account->realm, kNoRealm);
        for (const Character& slot : account->characters) {
            for (const SlotField& field : kSlotFields) field.write(out, slot);
        }
    }
    return out;
}

fs::path settingsFilePath(const ProgramState& state) {
    return state.dataFolder / kSettingsFileName;
}

SaveResult saveSettings(ProgramState& state, const FileSystemCalls& calls) {
    const fs::path file = settingsFilePath(state);
    if (state.settings.keepBackupBeforeSave) {
        if (SaveResult backedUp = keepBackupCopy(file, calls); !backedUp) return backedUp;
    }
    SaveResult saved = replaceFileContents(file, settingsFileText(state), calls);
    if (saved) state.settings.keepBackupBeforeSave = false;
    return saved;
}

std::optional<SaveFailure> saveSettingsFiles(ProgramState& state, const FileSystemCalls& calls) {
    if (SaveResult saved = saveSettings(state, calls); !saved) {
        return SaveFailure{settingsFilePath(state), std::move(saved)};
    }
    if (SaveResult saved = saveRuneCounts(state, calls); !saved) {
        return SaveFailure{runeCountsFilePath(state), std::move(saved)};
    }
    return std::nullopt;
}

}  // namespace sockwright
