#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "model/AccountList.h"
#include "model/FileReplacement.h"
#include "model/ProgramState.h"
#include "model/SaveResult.h"

namespace sockwright {

// The rune counts and goals of every character in use, kept beside settings.dat in a text file
// of their own ("runecounts.txt"), which versions that know only settings.dat leave alone. After
// a version line, one record per character:
//
//     account <account name>
//     realm <realm>
//     slot <1 to 8>
//     name <character name>
//     counts <33 numbers 0..999, runes 1 to 33>
//     goal <runeword name>          (none or several, in the order pinned)
//
// A record belongs to the character whose account name and realm (letter case of A to Z
// ignored) and whose name are the record's; among several such characters the one in the
// record's slot is preferred, so a character moved by a deletion keeps his record. A record that
// no name matches goes to the character in its slot when its name is no longer in that account
// and the runes it counts at least once are exactly his rune bits: he was renamed. A record is
// used once, a character takes one. Where a record and the bits disagree the bits win.

std::filesystem::path runeCountsFilePath(const ProgramState& state);

// The file as the program writes it: a record for every character in use, in account and slot
// order.
std::string runeCountsFileText(const AccountList& accounts);

// Gives the characters that the records match their counts (brought to agree with their rune
// bits) and goals; other characters are left as they are. A record that lacks a line, holds one
// twice or holds a number that does not read is ignored, as is a file of another format or
// version. Returns how many characters took a record.
int applyRuneCountsText(std::string_view bytes, AccountList& accounts);

// Reads the file of the state's data folder, when it is a regular file the program would read,
// and applies it. Never fails: without it, counts stay as the rune bits give them. A file that is
// there but cannot be read, or is of another format or version, is marked to be kept
// (settings.keepCountsBackupBeforeSave).
void loadRuneCounts(ProgramState& state);

// Writes the file safely (replaceFileContents); on failure the old file is unchanged and the
// result tells why. A file marked to be kept is first copied to runecounts.txt.bak and the mark
// cleared; when that copy fails, nothing is saved.
SaveResult saveRuneCounts(ProgramState& state, const FileSystemCalls& calls = {});

}  // namespace sockwright
