#pragma once

#include <QString>
#include <QStringList>

namespace sockwright {

// What the program's arguments ask for. Options that only print something (--help, --version,
// --list-runes) and arguments the program refuses are settled here, before any window or display is
// needed; everything else opens the window. Qt's own window-system options (-display, -style,
// -session, ...) are accepted and left to the application object.
class CommandLine {
  public:
    // The exit status for arguments the program does not accept, as command-line tools use it.
    static constexpr int kUsageErrorStatus = 2;

    // Reads the arguments, the program's name first.
    explicit CommandLine(const QStringList& arguments);

    // True when the program is to open its window; otherwise it prints standardOutput() and
    // errorOutput() and ends with exitStatus().
    bool opensWindow() const { return opensWindow_; }
    int exitStatus() const { return exitStatus_; }
    const QString& standardOutput() const { return standardOutput_; }
    const QString& errorOutput() const { return errorOutput_; }

    // Prints the two outputs on their streams and gives the exit status.
    int finish() const;

  private:
    // Reads each save file and lists its runes on standard output.
    void listSaveFiles(const QString& programName, const QStringList& files);
    void refuse(const QString& programName, const QString& reason);

    bool opensWindow_ = true;
    int exitStatus_ = 0;
    QString standardOutput_;
    QString errorOutput_;
};

}  // namespace sockwright
