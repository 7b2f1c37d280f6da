#include "ui/ProgramStart.h"

#include "ui/DialogService.h"
#include "ui/MainWindow.h"

namespace sockwright {

int startProgram(DialogService& dialogs) {
    MainWindow window(dialogs);
    if (!window.initialise()) return kDataErrorExitStatus;
    dialogs.runDialog(window);  // how the window ended does not matter
    return 0;
}

}  // namespace sockwright
