#include "model/RuneCountsFile.h"

#include <optional>
#include <vector>

#include "model/CharacterRunes.h"
#include "model/FileContents.h"
#include "model/LineCursor.h"
#include "model/NumberReader.h"
#include "model/StoredText.h"

namespace sockwright {
namespace {

constexpr const char* kRuneCountsFileName = "runecounts.txt";
constexpr std::string_view kVersionLine = "Sockwright rune counts 1";

// ---- Reading -------------------------------------------------------------------------------

struct Record {
    std::string account;
    std::string realm;
    std::string name;
    int slot = -1;
    RuneCounts counts;
    std::vector<std::string> goals;
    unsigned seen = 0;  // one bit for each line that must be there once
    bool broken = false;
    bool used = false;
};

enum RecordLine : unsigned {
    kAccountLine = 1,
    kRealmLine = 2,
    kSlotLine = 4,
    kNameLine = 8,
    kCountsLine = 16,
    kWholeRecord = 31
};

// The whole text is one number within first..last.
std::optional<int> numberIn(std::string_view text, std::size_t& position, int first, int last) {
    std::int32_t value = 0;
    if (!readDecimal(text, position, value, Overflow::Fail) || value < first || value > last) {
        return std::nullopt;
    }
    return value;
}

bool readCounts(std::string_view text, RuneCounts& counts) {
    std::size_t position = 0;
    for (int rune = 1; rune <= kRuneCount; ++rune) {
        const auto count = numberIn(text, position, 0, kMaxRunesOfAKind);
        if (!count) return false;
        counts.set(rune, *count);
    }
    skipBlanks(text, position);
    return position == text.size();
}

void takeLine(Record& record, std::string_view keyword, std::string_view value) {
    const auto once = [&record](RecordLine line) {
        if (record.seen & line) record.broken = true;
        record.seen |= line;
    };
    if (keyword == "realm") {
        once(kRealmLine);
        record.realm = value;
    } else if (keyword == "slot") {
        once(kSlotLine);
        std::size_t position = 0;
        const auto slot = numberIn(value, position, 1, kCharacterSlots);
        if (!slot || position != value.size()) record.broken = true;
        record.slot = slot.value_or(0) - 1;
    } else if (keyword == "name") {
        once(kNameLine);
        record.name = value;
    } else if (keyword == "counts") {
        once(kCountsLine);
        if (!readCounts(value, record.counts)) record.broken = true;
    } else if (keyword == "goal") {
        record.goals.emplace_back(value);
    }
    // Any other line (a comment, or one a later version adds) is passed over.
}

// The whole records of the file; none when it is not of this format and version.
std::vector<Record> readRecords(std::string_view bytes) {
    std::vector<Record> records;
    LineCursor lines(bytes);
    if (lines.atEnd() || lines.next() != kVersionLine) return records;
    Record record;
    bool inRecord = false;  // lines before the first record are passed over
    const auto finish = [&] {
        if (inRecord && !record.broken && record.seen == kWholeRecord) {
            records.push_back(std::move(record));
        }
        record = Record{};
    };
    while (!lines.atEnd()) {
        const std::string_view line = lines.next();
        const std::size_t blank = line.find(' ');
        const std::string_view keyword = line.substr(0, blank);
        const std::string_view value =
            blank == std::string_view::npos ? std::string_view() : line.substr(blank + 1);
        if (keyword == "account") {
            finish();
            inRecord = true;
            record.seen = kAccountLine;
            record.account = value;
        } else if (inRecord) {
            takeLine(record, keyword, value);
        }
    }
    finish();
    return records;
}

// ---- Matching ------------------------------------------------------------------------------

struct Seat {
    Account* account;
    int slot;
    bool taken = false;
    Character& character() const { return account->characters[slot]; }
};

std::vector<Seat> seatsInUse(AccountList& accounts) {
    std::vector<Seat> seats;
    for (const auto& account : accounts.accounts()) {
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            if (account->characters[slot].inUse) seats.push_back({account.get(), slot});
        }
    }
    return seats;
}

bool ofAccount(const Seat& seat, const Record& record) {
    return AccountList::isNamed(*seat.account, record.account, record.realm);
}

bool nameInAccount(const Account& account, const std::string& name) {
    for (const Character& character : account.characters) {
        if (character.inUse && character.name == name) return true;
    }
    return false;
}

void give(Record& record, Seat& seat) {
    Character& character = seat.character();
    character.runeCounts = record.counts;
    followRuneBits(character);
    character.goals.clear();
    for (const std::string& goal : record.goals) pinGoal(character.goals, goal);
    record.used = true;
    seat.taken = true;
}

Seat* byName(const Record& record, std::vector<Seat>& seats) {
    Seat* found = nullptr;
    for (Seat& seat : seats) {
        if (seat.taken || !ofAccount(seat, record) || seat.character().name != record.name)
            continue;
        if (seat.slot == record.slot) return &seat;
        if (found == nullptr) found = &seat;
    }
    return found;
}

Seat* renamedInSlot(const Record& record, std::vector<Seat>& seats) {
    for (Seat& seat : seats) {
        if (seat.taken || seat.slot != record.slot || !ofAccount(seat, record) ||
            nameInAccount(*seat.account, record.name)) {
            continue;
        }
        // Runes 1..33 only: the bits may hold more.
        if (RuneCounts::oneOfEach(seat.character().runes).owned() == record.counts.owned()) {
            return &seat;
        }
    }
    return nullptr;
}

// ---- Writing -------------------------------------------------------------------------------

void appendField(std::string& out, std::string_view keyword, std::string_view value) {
    out += keyword;
    out += ' ';
    out += value;
    out += '\n';
}

}  // namespace

std::filesystem::path runeCountsFilePath(const ProgramState& state) {
    return state.dataFolder / kRuneCountsFileName;
}

std::string runeCountsFileText(const AccountList& accounts) {
    std::string out;
    out += kVersionLine;
    out +=
        "\n# How many of each rune every character holds (runes 1 to 33 in the order of "
        "runes.txt)\n# and the runewords he aims at. Sockwright writes this file with "
        "settings.dat.\n";
    for (const auto& account : accounts.accounts()) {
        for (int slot = 0; slot < kCharacterSlots; ++slot) {
            const Character& character = account->characters[slot];
            if (!character.inUse) continue;
            out += '\n';
            appendField(out, "account", storedText(account->name, kNoName));
            appendField(out, "realm", storedText(account->realm, kNoRealm));
            appendField(out, "slot", std::to_string(slot + 1));
            appendField(out, "name", storedText(character.name, kNoName));
            std::string counts;
            for (int rune = 1; rune <= kRuneCount; ++rune) {
                if (rune > 1) counts += ' ';
                counts += std::to_string(character.runeCounts.count(rune));
            }
            appendField(out, "counts", counts);
            for (const std::string& goal : character.goals) {
                if (isGoalName(goal)) appendField(out, "goal", goal);
            }
        }
    }
    return out;
}

int applyRuneCountsText(std::string_view bytes, AccountList& accounts) {
    std::vector<Record> records = readRecords(bytes);
    std::vector<Seat> seats = seatsInUse(accounts);
    int matched = 0;
    for (Record& record : records) {
        if (Seat* seat = byName(record, seats)) {
            give(record, *seat);
            ++matched;
        }
    }
    for (Record& record : records) {
        if (record.used) continue;
        if (Seat* seat = renamedInSlot(record, seats)) {
            give(record, *seat);
            ++matched;
        }
    }
    return matched;
}

void loadRuneCounts(ProgramState& state) {
    const std::filesystem::path file = runeCountsFilePath(state);
    const FileContents contents = readWholeFile(file);
    if (contents.status != FileReadStatus::Read) {
        // One that is there but cannot be read is not replaced unseen.
        std::error_code error;
        state.settings.keepCountsBackupBeforeSave = std::filesystem::exists(file, error);
        return;
    }
    applyRuneCountsText(contents.bytes, state.accounts);
    // Nor one of another format or a later version.
    state.settings.keepCountsBackupBeforeSave = LineCursor(contents.bytes).next() != kVersionLine;
}

SaveResult saveRuneCounts(ProgramState& state, const FileSystemCalls& calls) {
    const std::filesystem::path file = runeCountsFilePath(state);
    if (state.settings.keepCountsBackupBeforeSave) {
        if (SaveResult backedUp = keepBackupCopy(file, calls); !backedUp) return backedUp;
    }
    SaveResult saved = replaceFileContents(file, runeCountsFileText(state.accounts), calls);
    if (saved) state.settings.keepCountsBackupBeforeSave = false;
    return saved;
}

}  // namespace sockwright
