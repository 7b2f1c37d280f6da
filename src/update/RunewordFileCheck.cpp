#include "update/RunewordFileCheck.h"

#include <new>

#include "model/RunewordFileReader.h"

namespace sockwright {

bool isLoadableRunewordFile(std::string_view contents, const RuneTable& runeTable) {
    try {
        const RunewordFileParse parse = parseRunewordFile(contents, runeTable);
        return parse.runewords != nullptr && !parse.corrupt;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

}  // namespace sockwright
