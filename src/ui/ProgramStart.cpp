#include "ui/ProgramStart.h"

#include <QObject>

#include "ui/DialogService.h"
#include "ui/MainWindow.h"
#include "ui/TerminationRequests.h"

namespace sockwright {

int startProgram(DialogService& dialogs) {
    MainWindow window(dialogs);
    // The session ending, a kill or Ctrl+C end the program as its close box does. A request
    // that comes while the window is still starting (during the font reminder, say) is carried
    // out at once, and the window then never runs.
    TerminationRequests termination;
    bool ending = false;
    QObject::connect(&termination, &TerminationRequests::requested, &window, [&] {
        if (ending) return;
        ending = true;
        window.endAtRequest();
    });
    if (!window.initialise()) return kDataErrorExitStatus;
    if (!ending) dialogs.runDialog(window);  // how the window ended does not matter
    return 0;
}

}  // namespace sockwright
