#include "model/RealmFileReader.h"

#include <string>

#include "model/LineReader.h"

namespace sockwright {

RealmList parseRealmFile(std::string_view contents) {
    RealmList realms;
    std::size_t position = 0;
    std::string realm;
    while (readLine(contents, position, realm)) realms.push_back(realm);
    return realms;
}

}  // namespace sockwright
