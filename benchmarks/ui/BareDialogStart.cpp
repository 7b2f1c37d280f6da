// The floor for the program's start-up: a bare Qt dialog of the main window's size (708 x 557)
// showing one QLabel, so that it pays for the font system as any window with text does.
// sockwright_start_to_window times both from outside; benchmarks/startup-comparison.sh compares.
//
//   sockwright_bare_dialog_start [--linger-ms N]
//
// The dialog ends by itself N ms (default 2000) after its first paint, so a run by hand never
// leaves it behind; the timer ends it sooner. Its title is "Bare Qt dialog".
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <cstdlib>
#include <cstring>

namespace {

// Ends the program a while after the dialog's first paint.
class QuitAfterFirstPaint : public QObject {
  public:
    explicit QuitAfterFirstPaint(int lingerMs) : lingerMs_(lingerMs) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            QTimer::singleShot(lingerMs_, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    int lingerMs_;
    bool painted_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    int lingerMs = 2000;
    if (argc == 3 && std::strcmp(argv[1], "--linger-ms") == 0) lingerMs = std::atoi(argv[2]);

    QApplication application(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare Qt dialog"));
    dialog.setFixedSize(708, 557);
    QLabel label(QStringLiteral("A bare Qt dialog of the main window's size."), &dialog);
    label.move(20, 20);

    QuitAfterFirstPaint quitter(lingerMs);
    dialog.installEventFilter(&quitter);
    dialog.show();
    return application.exec();
}
