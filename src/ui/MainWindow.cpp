#include "ui/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QString>
#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "Texts.h"
#include "engine/ListNavigation.h"
#include "engine/RunePlanner.h"
#include "engine/RunewordFilter.h"
#include "model/CharacterRunes.h"
#include "model/RuneDataLoader.h"
#include "model/SettingsFile.h"
#include "ui/DialogMessageSink.h"
#include "ui/DialogService.h"
#include "ui/MainWindowLayout.h"
#include "ui/RunewordListBox.h"
#include "ui/RunewordListModel.h"
#include "ui/RunewordRowMenu.h"
#include "ui/RunewordView.h"
#include "ui/UpdateFlow.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/AboutTextDialog.h"
#include "ui/dialogs/RunePlannerDialog.h"
#include "ui/dialogs/SelectCharacterDialog.h"
#include "ui/dialogs/SelectEquipmentDialog.h"
#include "ui/dialogs/SelectRunesDialog.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/BuiltInImages.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/DialogSkin.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImageLoader.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

void place(QWidget& widget, const layout::Rect& rect) {
    widget.setGeometry(rect.x, rect.y, rect.width, rect.height);
}

template <typename Control>
Control* makeControl(QWidget* parent, const QString& name, const QString& caption = {}) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    if (!caption.isEmpty()) control->setText(caption);
    return control;
}

// Whether two characters list the same runewords in the same colours: the same selections, and
// the same level for the required levels to be measured against.
bool listsTheSame(const Character& one, const Character& other) {
    return one.selections() == other.selections() && one.level == other.level;
}

// The dialogs' frame on a normal top-level window: the desktop lists it in its task bar and
// window switcher as the program's main window, and attaches it to no other window.
constexpr Qt::WindowFlags kMainWindowFlags =
    Qt::Window | (kDialogWindowFlags & ~Qt::WindowFlags(Qt::WindowType_Mask));

}  // namespace

MainWindow::MainWindow(DialogService& dialogs, QWidget* parent)
    : QDialog(parent, kMainWindowFlags),
      dialogs_(dialogs),
      updateFlow_(new UpdateFlow(state_, dialogs, *this)),
      model_(new RunewordListModel(state_.runeTable, this)) {
    setWindowTitle(kTitle);
    setFixedSize(layout::kClientWidth, layout::kClientHeight);
    createControls();
    placeControls();
    connectCommands();
}

MainWindow::~MainWindow() = default;

bool MainWindow::initialise() {
    fontFound_ = skinFontInstalled();

    background_ = builtInImage("Background");
    DialogSkin::apply(*this, kRed);

    addWindowMenuEntry();
    setWindowIcon(programWindowIcon());
    setButtonFaces();
    setLabels();

    DialogMessageSink messages(dialogs_, this);
    if (loadRuneData(state_, messages) != RuneDataLoadResult::Loaded) return false;
    dataLoaded_ = true;

    updateCharacterLine();
    remindOfMissingFont();
    // The first paint shows none of these pictures: their files are checked now, in order and
    // with the same messages, and decoded once the window has painted (decodePictures).
    checkSkinImages(state_.runeTable, images_, messages);

    list_->bind(*model_);
    connect(list_, &RunewordListBox::selectionReported, this, &MainWindow::showSelectedRuneword);
    refreshRunewordList();

    updateFlow_->startCheck();
    return true;
}

void MainWindow::createControls() {
    // Created in tab order, which is the order of creation.
    logo_ = makeControl<ImageButton>(this, QStringLiteral("logo"), QStringLiteral("&Logo"));
    title_ = makeControl<ImageButton>(this, QStringLiteral("title"), QStringLiteral("&TITLE"));
    about_ = makeControl<ImageButton>(this, QStringLiteral("about"), QStringLiteral("&About"));
    for (std::size_t column = 0; column < headings_.size(); ++column) {
        headings_[column] =
            makeControl<LabelButton>(this, QStringLiteral("heading%1").arg(column + 1));
    }
    list_ = new RunewordListBox(this);
    list_->setObjectName(QStringLiteral("runewordList"));
    up_ = makeControl<ImageButton>(this, QStringLiteral("up"), QStringLiteral("&Up"));
    down_ = makeControl<ImageButton>(this, QStringLiteral("down"), QStringLiteral("&Down"));
    runeword_ = new RunewordView(state_.runeTable, this);
    runeword_->setObjectName(QStringLiteral("runeword"));
    // A property line wider than the panel goes on below rather than being cut.
    runeword_->properties().setWrapping(true);
    selectEquipment_ = makeControl<ImageButton>(this, QStringLiteral("selectEquipment"),
                                                QStringLiteral("Select &Equipment"));
    selectRunes_ = makeControl<ImageButton>(this, QStringLiteral("selectRunes"),
                                            QStringLiteral("Select &Runes"));
    selectCharacter_ = makeControl<ImageButton>(this, QStringLiteral("selectCharacter"),
                                                QStringLiteral("Select &Character"));
    plan_ = makeControl<ImageButton>(this, QStringLiteral("plan"), QStringLiteral("&Plan"));
    ok_ = makeControl<ImageButton>(this, QStringLiteral("ok"), QStringLiteral("OK"));
    contactLine_ = makeControl<LabelButton>(this, QStringLiteral("contactLine"));
    contactLine_->setCursor(Qt::PointingHandCursor);
    characterLine_ = makeControl<LabelButton>(this, QStringLiteral("characterLine"));
    update_ = makeControl<ImageButton>(this, QStringLiteral("update"), QStringLiteral("&Update"));
    update_->setFace("Update");
    update_->hide();
    update_->setEnabled(false);

    windowMenu_ = new QMenu(this);
    rowMenu_ = new RunewordRowMenu(this);
}

void MainWindow::placeControls() {
    place(*logo_, layout::kLogo);
    place(*title_, layout::kTitle);
    place(*about_, layout::kAbout);
    for (std::size_t column = 0; column < headings_.size(); ++column) {
        const int left = layout::kColumnLeft[column];
        const int right = column + 1 < layout::kColumnLeft.size() ? layout::kColumnLeft[column + 1]
                                                                  : layout::kColumnsRight;
        place(*headings_[column], {layout::kColumnHeadings.x + left, layout::kColumnHeadings.y,
                                   right - left, layout::kColumnHeadings.height});
    }
    place(*list_, layout::kRunewordList);
    place(*up_, layout::kUp);
    place(*down_, layout::kDown);
    RunewordViewPlaces runewordPlaces;
    for (int index = 0; index < layout::kRuneSlotCount; ++index) {
        const layout::Rect slot = layout::runeSlot(index);
        runewordPlaces.runeSlots[static_cast<std::size_t>(index)] =
            QRect(slot.x, slot.y, slot.width, slot.height);
    }
    runewordPlaces.levelBadge = QRect(layout::kLevelBadge.x, layout::kLevelBadge.y,
                                      layout::kLevelBadge.width, layout::kLevelBadge.height);
    runewordPlaces.properties = QRect(layout::kDetailsPanel.x, layout::kDetailsPanel.y,
                                      layout::kDetailsPanel.width, layout::kDetailsPanel.height);
    runeword_->place(runewordPlaces);
    place(*selectEquipment_, layout::kSelectEquipment);
    place(*selectRunes_, layout::kSelectRunes);
    place(*selectCharacter_, layout::kSelectCharacter);
    place(*plan_, layout::kPlan);
    place(*ok_, layout::kOk);
    place(*contactLine_, layout::kContactLine);
    place(*characterLine_, layout::kCharacterLine);
    place(*update_, layout::kUpdate);
}

void MainWindow::connectCommands() {
    connect(logo_, &QAbstractButton::clicked, this, &MainWindow::openGamePage);
    connect(title_, &QAbstractButton::clicked, this, &MainWindow::openHomePage);
    connect(about_, &QAbstractButton::clicked, this, &MainWindow::showAboutTextDialog);
    connect(contactLine_, &QAbstractButton::clicked, this, &MainWindow::openContactLink);
    connect(up_, &QAbstractButton::clicked, this, &MainWindow::moveUp);
    connect(down_, &QAbstractButton::clicked, this, &MainWindow::moveDown);
    connect(ok_, &QAbstractButton::clicked, this, &MainWindow::accept);
    connect(selectRunes_, &QAbstractButton::clicked, this, &MainWindow::selectRunes);
    connect(selectEquipment_, &QAbstractButton::clicked, this, &MainWindow::selectEquipment);
    connect(selectCharacter_, &QAbstractButton::clicked, this, &MainWindow::selectCharacter);
    connect(update_, &QAbstractButton::clicked, updateFlow_, &UpdateFlow::run);
    connect(updateFlow_, &UpdateFlow::updateOffered, this, [this] {
        update_->show();
        update_->setEnabled(true);
        update_->update();
    });
    connect(updateFlow_, &UpdateFlow::runewordsReloaded, this, &MainWindow::refreshRunewordList);
    // The program cannot go on without its runewords: it ends at once, and the settings file is
    // not written, as when the data cannot be read at start-up.
    connect(updateFlow_, &UpdateFlow::runewordsUnloadable, this,
            [this] { done(QDialog::Rejected); });
    connect(plan_, &QAbstractButton::clicked, this, [this] { openPlanner(); });
    connect(&rowMenu_->whoCanMakeEntry(), &QAction::triggered, this, [this] {
        if (const Runeword* runeword = list_->selectedRuneword()) openPlanner(runeword);
    });
    connect(&rowMenu_->goalEntry(), &QAction::triggered, this, &MainWindow::togglePinSelected);
    connect(runeword_, &RunewordView::runeDetailsRequested, this, &MainWindow::showRuneDetails);
}

void MainWindow::addWindowMenuEntry() {
    const QString entry = fromLocalBytes(text(TextAboutMenuEntry));
    if (entry.isEmpty() || aboutMenuEntry_ != nullptr) return;
    windowMenu_->addSeparator();
    aboutMenuEntry_ = windowMenu_->addAction(entry);
    aboutMenuEntry_->setObjectName(QStringLiteral("aboutMenuEntry"));
    connect(aboutMenuEntry_, &QAction::triggered, this, &MainWindow::showAboutDialog);
}

void MainWindow::setButtonFaces() {
    up_->setFace("Up");
    down_->setFace("Down");
    ok_->setFace("Exit");
    selectRunes_->setFace("Runes");
    selectEquipment_->setFace("Equipment");
    selectCharacter_->setFace("Character");
    plan_->setFace("Plan");
    title_->setFace("Title");
    logo_->setFace("Logo");
    about_->setFace("About");
}

void MainWindow::setLabels() {
    contactLine_->setPointSize(textSize::kContactLine);
    contactLine_->setRight();
    contactLine_->setTextColour(kListText);
    contactLine_->setText(QStringLiteral("For comments/suggestions/bugs please email ") +
                          fromLocalBytes(contactAddress()));

    static const std::array<const char*, 4> kHeadings{"RUNE WORD", "RUNES", "NO. RUNES",
                                                      "EQUIPMENT"};
    for (std::size_t column = 0; column < headings_.size(); ++column) {
        LabelButton& heading = *headings_[column];
        heading.setPointSize(textSize::kHeading);
        if (column != 2) heading.setLeft();
        heading.setText(QString::fromLatin1(kHeadings[column]));
    }

    characterLine_->setPointSize(textSize::kCharacterLine);
    characterLine_->setLeft();
}

void MainWindow::updateCharacterLine() {
    setLabelText(*characterLine_, fromLocalBytes(characterLineText(state_.accounts)));
}

void MainWindow::remindOfMissingFont() {
    if (fontFound_ || !state_.settings.remindMissingFont) return;
    if (!dialogs_.askYesNo(this, fromLocalBytes(text(TextMissingFontQuestion)))) {
        state_.settings.remindMissingFont = false;
    }
}

void MainWindow::setUpdateServer(const UpdateServer& server) {
    updateFlow_->setServer(server);
}

void MainWindow::refreshRunewordList() {
    model_->clear();
    if (state_.accounts.currentAccount() != nullptr) {
        const RunewordFilter filter(state_.accounts.currentCharacterRecord());
        model_->setRows(state_.runewords, filter.listedRunewords(*state_.runewords));
    }
    list_->scrollToTop();
    showSelectedRuneword();
}

void MainWindow::showSelectedRuneword() {
    const Runeword* runeword = list_->selectedRow() < 0 ? nullptr : list_->selectedRuneword();
    if (runeword == nullptr) {
        runeword_->clearRuneword();
        return;
    }
    runeword_->showRuneword(*runeword, state_.accounts.currentCharacterRecord().level,
                            images().runes);
}

void MainWindow::moveDown() {
    list_->selectRow(rowAfterDown(list_->selectedRow(), model_->rowCount()));
    showSelectedRuneword();
}

void MainWindow::moveUp() {
    list_->selectRow(rowAfterUp(list_->selectedRow(), model_->rowCount()));
    showSelectedRuneword();
}

void MainWindow::showRuneDetailsOver(QWidget* parent, int runeNumber) {
    const Rune* rune = state_.runeTable.find(runeNumber);
    if (rune == nullptr) return;
    dialogs_.showRuneDetails(parent, *rune, images().runes.highlightedOf(runeNumber));
}

void MainWindow::selectRunes() {
    if (state_.accounts.currentAccount() == nullptr) return;
    Character& character = state_.accounts.currentCharacterRecord();
    SelectRunesDialog dialog(state_.runeTable, images(), this);
    dialog.setSelection(character.runes, character.runeCountFilter, character.runeLogic);
    dialog.setRuneCounts(character.runeCounts);
    connect(&dialog, &SelectRunesDialog::runeDetailsRequested, this,
            [this, &dialog](int runeNumber) { showRuneDetailsOver(&dialog, runeNumber); });
    if (dialogs_.runDialog(dialog) != QDialog::Accepted) return;
    model_->clear();
    character.runes = dialog.runes();
    setRuneCounts(character, dialog.runeCounts());
    character.runeCountFilter = dialog.runeCountFilter();
    character.runeLogic = dialog.runeLogic();
    refreshRunewordList();
}

void MainWindow::selectEquipment() {
    if (state_.accounts.currentAccount() == nullptr) return;
    Character& character = state_.accounts.currentCharacterRecord();
    SelectEquipmentDialog dialog(images(), this);
    dialog.setEquipment(character.equipment);
    if (dialogs_.runDialog(dialog) != QDialog::Accepted) return;
    character.equipment = dialog.equipment();
    refreshRunewordList();
}

void MainWindow::selectCharacter() {
    AccountList& accounts = state_.accounts;
    // What the list was made for: a deletion inside the dialog may move the current character
    // even when the dialog is cancelled, and the list must never show a deleted character's.
    const Account* accountBefore = accounts.currentAccount();
    const int slotBefore = accounts.currentCharacter();
    const std::optional<Character> characterBefore =
        accountBefore ? std::optional(accounts.currentCharacterRecord()) : std::nullopt;

    SelectCharacterDialog dialog(accounts, state_.realms, state_.runeTable, images().classes,
                                 dialogs_, this);
    const bool accepted = dialogs_.runDialog(dialog) == QDialog::Accepted;
    if (accepted && dialog.shownAccount() != nullptr && dialog.selectedSlot() >= 0) {
        accounts.setCurrent(dialog.shownAccount(), dialog.selectedSlot());
        refreshRunewordList();
    } else if (accounts.currentAccount() != accountBefore ||
               accounts.currentCharacter() != slotBefore ||
               (accountBefore &&
                !listsTheSame(*characterBefore, accounts.currentCharacterRecord()))) {
        refreshRunewordList();
    }
    updateCharacterLine();
}

void MainWindow::openPlanner(const Runeword* shown) {
    AccountList& accounts = state_.accounts;
    if (accounts.currentAccount() == nullptr) return;
    Character& planned = accounts.currentCharacterRecord();
    RunePlannerDialog dialog(accounts, state_.runewords, state_.runeTable, images().runes, this);
    if (shown != nullptr) dialog.openOn(*shown);
    connect(&dialog, &RunePlannerDialog::runeDetailsRequested, this,
            [this, &dialog](int runeNumber) { showRuneDetailsOver(&dialog, runeNumber); });
    const bool accepted = dialogs_.runDialog(dialog) == QDialog::Accepted;
    // Goals pinned in the planner stay pinned however it closes.
    planned.goals = dialog.goals();
    if (!accepted) return;
    const auto chosen = dialog.chosenCharacter();
    const int index = chosen ? accounts.indexOf(chosen->account) : -1;
    if (index < 0) return;
    accounts.setCurrent(accounts.accounts()[static_cast<std::size_t>(index)].get(), chosen->slot);
    refreshRunewordList();
    updateCharacterLine();
}

void MainWindow::togglePinSelected() {
    const Runeword* runeword = list_->selectedRuneword();
    if (runeword == nullptr || state_.accounts.currentAccount() == nullptr) return;
    togglePin(state_.accounts.currentCharacterRecord().goals, runeword->name);
}

void MainWindow::openGamePage() {
    dialogs_.openLink(fromLocalBytes(text(TextGamePage)));
}

void MainWindow::openHomePage() {
    dialogs_.openLink(fromLocalBytes(text(TextHomePage)));
}

void MainWindow::openContactLink() {
    dialogs_.openLink(fromLocalBytes(text(TextContactLink)));
}

void MainWindow::showAboutTextDialog() {
    AboutTextDialog dialog(this);
    dialogs_.runDialog(dialog);
}

void MainWindow::showAboutDialog() {
    AboutDialog dialog(this);
    dialogs_.runDialog(dialog);
}

void MainWindow::saveSettingsOrTell() {
    const std::optional<SaveFailure> failed = saveSettingsFiles(state_);
    if (!failed) return;
    const auto file = QString::fromStdString(failed->file.string());
    // The reason is the system's own text, in the system's code page.
    const auto reason = QString::fromLocal8Bit(failed->result.reason());
    // When only the counts file failed, settings.dat holds the accounts and the rune bits.
    const QString lost = failed->file == settingsFilePath(state_)
                             ? QStringLiteral(
                                   "THE CHANGES MADE TO YOUR ACCOUNTS AND CHARACTERS "
                                   "SINCE THE PROGRAM STARTED ARE LOST")
                             : QStringLiteral(
                                   "THE RUNE COUNTS AND GOALS CHANGED SINCE THE "
                                   "PROGRAM STARTED ARE LOST");
    dialogs_.showMessage(this,
                         QStringLiteral("%1 could not be saved: %2\n%3").arg(file, reason, lost));
}

void MainWindow::accept() {
    saveSettingsOrTell();
    QDialog::accept();
}

int MainWindow::exec() {
    setResult(0);
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    show();
    if (isVisible()) loop.exec(QEventLoop::DialogExec);
    return result();
}

void MainWindow::endAtRequest() {
    if (dataLoaded_) {
        // Nobody may be there to answer a message box: a failure goes to the error stream.
        if (const std::optional<SaveFailure> failed = saveSettingsFiles(state_)) {
            std::fprintf(stderr, "sockwright: %s could not be saved: %s\n",
                         failed->file.string().c_str(), failed->result.reason().c_str());
        }
    }
    dialogs_.endAllDialogs();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // The close box saves like OK; ending the dialog by OK or Escape does not come here.
    saveSettingsOrTell();
    QDialog::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    // Enter is the dialog's default command, OK. Escape ends the dialog without saving.
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    // On a runeword row: who can make it. The row is selected first, so the menu's entry and the
    // details both speak of it; from the keyboard the selected row is meant.
    QPoint rowPoint = list_->viewport()->mapFrom(this, event->pos());
    if (event->reason() == QContextMenuEvent::Keyboard && list_->hasFocus()) {
        const int selected = list_->selectedRow();
        rowPoint =
            selected < 0 ? QPoint(-1, -1) : list_->visualRect(model_->index(selected, 0)).center();
    }
    const QModelIndex row =
        list_->viewport()->rect().contains(rowPoint) ? list_->indexAt(rowPoint) : QModelIndex();
    if (row.isValid()) {
        list_->selectRow(row.row());
        showSelectedRuneword();
        const Runeword* runeword = list_->selectedRuneword();
        const bool current = state_.accounts.currentAccount() != nullptr;
        const bool pinned =
            current && runeword != nullptr &&
            isPinned(state_.accounts.currentCharacterRecord().goals, runeword->name);
        rowMenu_->showGoal(pinned, current);
        rowMenu_->popup(list_->viewport()->mapToGlobal(rowPoint));
        return;
    }
    // Where the desktop gives the window no window menu of its own, a right click opens ours.
    if (windowMenu_->actions().isEmpty()) {
        QDialog::contextMenuEvent(event);
        return;
    }
    windowMenu_->popup(event->globalPos());
}

const SkinImages& MainWindow::images() {
    decodePictures();
    return images_;
}

void MainWindow::decodePictures() {
    if (images_.pending.empty()) return;
    DialogMessageSink messages(dialogs_, this);
    decodeSkinImages(images_, messages);
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, background_);
    // Once the window shows, the pictures start-up only checked are decoded, after this paint.
    if (!images_.pending.empty()) {
        QMetaObject::invokeMethod(this, &MainWindow::decodePictures, Qt::QueuedConnection);
    }
}

}  // namespace sockwright
