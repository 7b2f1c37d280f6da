// The realm file reader: names hold no line end, and a CR LF file without empty lines reads like
// its LF one.

#include <algorithm>

#include "fuzz/FuzzTarget.h"
#include "model/RealmFileReader.h"

FUZZ_TARGET(bytes) {
    const RealmList realms = parseRealmFile(bytes);

    // A zero byte ends a line like a line feed.
    const long lines = std::count(bytes.begin(), bytes.end(), '\n') +
                       std::count(bytes.begin(), bytes.end(), '\0') + 1;
    FUZZ_CHECK(static_cast<long>(realms.size()) <= lines);
    for (const std::string& realm : realms)
        FUZZ_CHECK(realm.find_first_of(std::string_view("\n\0", 2)) == std::string::npos);

    if (hasPlainLines(bytes)) FUZZ_CHECK(parseRealmFile(withCrLf(bytes)) == realms);
}
