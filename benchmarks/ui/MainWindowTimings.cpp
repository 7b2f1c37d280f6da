// Times the program's start (from the start of main() to the first painted main window) and a
// refresh of the runeword list with 1000 runewords followed by a repaint.
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "model/Rune.h"
#include "ui/DialogService.h"
#include "ui/MainWindow.h"
#include "ui/RunewordListBox.h"
#include "ui/RunewordListModel.h"

namespace {

using sockwright::MainWindow;

// Answers everything at once, so that nothing modal interrupts the timing.
class QuietDialogService : public sockwright::DialogService {
  public:
    int runDialog(QDialog&) override { return 0; }
    void showMessage(QWidget*, const QString&) override {}
    bool askYesNo(QWidget*, const QString&) override { return true; }
    void openLink(const QString&) override {}
    void showRuneDetails(QWidget*, const sockwright::Rune&, const QPixmap*) override {}
};

// Notes the first paint of a window.
class PaintWatcher : public QObject {
  public:
    bool painted = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted = true;
        return QObject::eventFilter(watched, event);
    }
};

void showAndWaitForPaint(MainWindow& window) {
    PaintWatcher watcher;
    window.installEventFilter(&watcher);
    window.show();
    // The paint has finished when the event loop returns after delivering it.
    while (!watcher.painted) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    window.removeEventFilter(&watcher);
}

double milliseconds(qint64 nanoseconds) {
    return static_cast<double>(nanoseconds) / 1e6;
}

struct Summary {
    double median, mean, minimum;
};

Summary summarise(std::vector<qint64> samples) {
    std::sort(samples.begin(), samples.end());
    double total = 0;
    for (qint64 sample : samples) total += milliseconds(sample);
    return {milliseconds(samples[samples.size() / 2]), total / static_cast<double>(samples.size()),
            milliseconds(samples.front())};
}

void print(const char* what, const Summary& summary, std::size_t runs) {
    std::printf("%-44s median %8.3f ms  mean %8.3f ms  min %8.3f ms  (%zu runs)\n", what,
                summary.median, summary.mean, summary.minimum, runs);
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceMain;
    sinceMain.start();

    const std::filesystem::path runtime = argc > 1 ? argv[1] : SOCKWRIGHT_BUILD_RUNTIME;
    std::filesystem::current_path(runtime);
    QApplication application(argc, argv);
    const qint64 applicationReady = sinceMain.nsecsElapsed();
    QuietDialogService dialogs;

    // The program's own start: one window, from main() to its first paint.
    auto window = std::make_unique<MainWindow>(dialogs);
    if (!window->initialise()) {
        std::fprintf(stderr, "The data in %s could not be loaded.\n", runtime.c_str());
        return 1;
    }
    const qint64 initialised = sinceMain.nsecsElapsed();
    showAndWaitForPaint(*window);
    const qint64 firstPaint = sinceMain.nsecsElapsed();
    std::printf("start-up, main() to first painted window      %8.3f ms\n",
                milliseconds(firstPaint));
    std::printf("  of which QApplication                       %8.3f ms\n",
                milliseconds(applicationReady));
    std::printf("  of which window + initialise                %8.3f ms\n",
                milliseconds(initialised - applicationReady));
    std::printf("  of which show until painted                 %8.3f ms\n",
                milliseconds(firstPaint - initialised));
    window.reset();

    // Later starts in the same process: the window alone, with fonts and pictures warm.
    std::vector<qint64> starts;
    for (int run = 0; run < 20; ++run) {
        QElapsedTimer timer;
        timer.start();
        MainWindow again(dialogs);
        again.initialise();
        showAndWaitForPaint(again);
        starts.push_back(timer.nsecsElapsed());
    }
    print("window + initialise + first paint (warm)", summarise(starts), starts.size());

    // A list of 1000 runewords, every one of them listed for the default character.
    MainWindow listWindow(dialogs);
    listWindow.initialise();
    showAndWaitForPaint(listWindow);
    auto thousand = std::make_shared<sockwright::RunewordList>();
    const auto& shipped = *listWindow.state().runewords;
    while (thousand->size() < sockwright::kMaxRunewords) {
        thousand->push_back(shipped[thousand->size() % shipped.size()]);
    }
    listWindow.state().runewords = thousand;

    std::vector<qint64> refreshes;
    std::vector<qint64> refreshesWithPaint;
    for (int run = 0; run < 200; ++run) {
        QElapsedTimer timer;
        timer.start();
        listWindow.refreshRunewordList();
        refreshes.push_back(timer.nsecsElapsed());
        listWindow.repaint();
        refreshesWithPaint.push_back(timer.nsecsElapsed());
        QCoreApplication::processEvents();
    }
    std::printf(
        "rows listed: %d\n",
        listWindow.findChild<sockwright::RunewordListBox*>("runewordList")->model()->rowCount());
    print("refreshRunewordList, 1000 runewords", summarise(refreshes), refreshes.size());
    print("refreshRunewordList + repaint, 1000 runewords", summarise(refreshesWithPaint),
          refreshesWithPaint.size());
    return 0;
}
