#pragma once

#include <QString>
#include <QUuid>
#include <optional>
#include <string>
#include <string_view>

namespace sockwright {

// The id that each version request carries, made once per installation and kept: on Windows in
// the machine-wide registry key SOFTWARE\QUILLANE\SOCKWRIGHT, elsewhere in the user's settings
// (QUILLANE/SOCKWRIGHT.ini under the user's configuration folder), as the value "ID".
class InstallationIdStore {
  public:
    InstallationIdStore();
    // Keeps the id in the given INI file instead.
    explicit InstallationIdStore(const QString& iniFile);

    // The stored id; when there is none that can be used, a new one, stored for later starts
    // where the store can be written. Empty when the store cannot even be read; nothing when no
    // new id can be made.
    std::optional<std::string> installationId();

    // "XXXXXXXX_XXXX_xxxx_XXXX_XXXXXXXXXXXX": the third group in lower case, the rest upper.
    static std::string format(const QUuid& uuid);
    // A stored text is used unchanged unless it is too long for the store's buffer or holds a
    // blank or a control character, which would break the request line it travels in.
    static bool isUsable(std::string_view stored);

  private:
    QString location_;
    bool iniFile_ = false;
};

}  // namespace sockwright
