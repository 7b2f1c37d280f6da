#include "ui/dialogs/RunePlannerDialog.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <algorithm>
#include <utility>

#include "engine/CubeMakeable.h"
#include "engine/CubePlanner.h"
#include "engine/RunewordDetails.h"
#include "engine/ShoppingList.h"
#include "model/CharacterRunes.h"
#include "ui/MainWindowLayout.h"
#include "ui/RunewordView.h"
#include "ui/dialogs/PlannerList.h"
#include "ui/dialogs/SkinLineEdit.h"
#include "ui/dialogs/SkinnedDialogParts.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinFont.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/SkinTextSizes.h"

namespace sockwright {
namespace {

// The dialog's arrangement: two columns of framed lists over the details of the selected
// runeword and the characters who could make it; a third column with what the cube adds and the
// goals.
constexpr int kMargin = 10;
constexpr int kGap = 8;
constexpr int kColumnWidth = 366;
constexpr int kRightColumn = kMargin + kColumnWidth + kGap;
constexpr int kThirdColumn = kRightColumn + kColumnWidth + kGap;
constexpr int kWidth = kThirdColumn + kColumnWidth + kMargin;
constexpr int kRowHeight = 20;
constexpr int kListRows = 5;
constexpr int kFramePadding = 5;    // from a frame's edge to its list
constexpr int kHeadingTop = 4;      // from a frame's top to its heading
constexpr int kHeadingHeight = 16;  // the headings' 10-point line
constexpr int kDividerTop = 24;     // from a frame's top to the line under its heading
constexpr int kListTop = 26;        // from a frame's top to its list
constexpr int kListFrameHeight = kListTop + kListRows * kRowHeight + 4;
constexpr int kTopRow = 30;
constexpr int kSecondRow = kTopRow + kListFrameHeight + kGap;
constexpr int kDetailsRow = kSecondRow + kListFrameHeight + kGap;
constexpr int kWhoRows = 11;
constexpr int kDetailsHeight = kListTop + kWhoRows * kRowHeight + 4;
constexpr int kDetailsWidth = 470;
constexpr int kSlotPitch = 40;
constexpr int kSlotsTop = 6;
constexpr int kPropertiesTop = 52;

// Where the second column starts: a runeword's runes after its name, a rune's count after it.
constexpr int kRunesColumn = 150;
constexpr int kCountColumn = 60;

QString runeName(const RuneTable& table, int number) {
    return fromLocalBytes(table.nameOf(number));
}

PlannerRow runewordRow(const Runeword& runeword, const RuneTable& table, int indent = 0) {
    PlannerRow row;
    row.text = fromLocalBytes(runeword.name);
    row.secondText = fromLocalBytes(runesColumnText(runeword, table));
    row.runeword = &runeword;
    row.indent = indent;
    return row;
}

PlannerRow hintRow(const QString& text) {
    PlannerRow row;
    row.kind = PlannerRow::Kind::Heading;
    row.text = text;
    row.lit = false;
    return row;
}

// "Ber ← 2 Sur + Flawless Amethyst", "Um: 1 more ← 2 Pul + Flawed Emerald" when he holds some
// already; the rune alone when no recipe makes it.
QString cubeHeading(const OneRuneAwayGroup& group, const RuneTable& table) {
    QString text = runeName(table, group.missingRune);
    if (group.held > 0) text += QStringLiteral(": 1 more");
    if (group.recipe == nullptr) return text;
    text += QStringLiteral(" \u2190 %1 %2")
                .arg(group.recipe->inputCount)
                .arg(runeName(table, group.recipe->input));
    if (group.recipe->gem)
        text += QStringLiteral(" + ") + fromLocalBytes(gemName(*group.recipe->gem));
    return text;
}

// "completes 3 runewords (holds 1)": the copies held are only named when there are some.
QString completesText(int count, int held) {
    QString text = count == 1 ? QStringLiteral("completes 1 runeword")
                              : QStringLiteral("completes %1 runewords").arg(count);
    if (held > 0) text += QStringLiteral(" (holds %1)").arg(held);
    return text;
}

QString cubeUsesText(int count) {
    return count == 1 ? QStringLiteral("1 cube use") : QStringLiteral("%1 cube uses").arg(count);
}

QString timesText(int count, const QString& what) {
    return count == 1 ? what : QStringLiteral("%1 %2").arg(count).arg(what);
}

// "3 Ral → Ort (Chipped Topaz)", "6 Lum → 2 Ko (2 Flawed Amethyst)".
QString cubeStepText(const CubeStep& step, const RuneTable& table) {
    QString text = QStringLiteral("%1 %2 \u2192 %3")
                       .arg(step.runesConsumed)
                       .arg(runeName(table, step.recipe->input))
                       .arg(timesText(step.times, runeName(table, step.recipe->output)));
    if (step.recipe->gem && step.gems > 0)
        text += QStringLiteral(" (%1)").arg(
            timesText(step.gems, fromLocalBytes(gemName(*step.recipe->gem))));
    return text;
}

// A cube plan's steps and totals, or the rune that stops it.
std::vector<PlannerRow> cubePlanRows(const CubePlan& plan, const RuneTable& table) {
    std::vector<PlannerRow> rows;
    if (!plan.reachable) {
        PlannerRow blocked = hintRow(QStringLiteral("not reachable: %1 short by %2")
                                         .arg(runeName(table, plan.blockingRune))
                                         .arg(plan.blockingShortBy));
        blocked.lit = true;
        rows.push_back(std::move(blocked));
        return rows;
    }
    if (plan.steps.empty()) return {hintRow(QStringLiteral("NOTHING TO CUBE"))};
    for (const CubeStep& step : plan.steps) {
        PlannerRow row = hintRow(cubeStepText(step, table));
        row.lit = true;
        row.indent = 12;
        rows.push_back(std::move(row));
    }
    rows.push_back(hintRow(
        QStringLiteral("%1 runes, %2").arg(plan.runesConsumed).arg(cubeUsesText(plan.cubeUses))));
    return rows;
}

void place(QWidget& widget, int x, int y, int width, int height) {
    widget.setGeometry(x, y, width, height);
}

}  // namespace

RunePlannerDialog::RunePlannerDialog(const AccountList& accounts,
                                     std::shared_ptr<const RunewordList> runewords,
                                     const RuneTable& runeTable, const RuneImages& runeImages,
                                     QWidget* parent)
    : SkinnedDialog(kTitle, kWhite, parent),
      accounts_(accounts),
      runewords_(std::move(runewords)),
      runeTable_(runeTable),
      runeImages_(runeImages),
      character_(accounts.currentAccount() ? &accounts.currentCharacterRecord() : nullptr),
      search_(character_ && runewords_ ? plannedRunewords(*character_, *runewords_)
                                       : std::vector<const Runeword*>{}) {
    createControls();
    placeControls();
    connectCommands();
    fillPlanLists();
    clearDetails();
    canMake_->setFocus();
}

RunePlannerDialog::~RunePlannerDialog() = default;

PlannerList* RunePlannerDialog::makeList(const char* name, int secondColumn) {
    auto* list = new PlannerList(secondColumn, this);
    list->setObjectName(QLatin1String(name));
    return list;
}

LabelButton* RunePlannerDialog::makeHeading(const char* name, const QString& text) {
    LabelButton* heading = makeSkinLabel(this, QLatin1String(name), text);
    heading->setPointSize(textSize::kHeading);
    heading->setLeft();
    return heading;
}

void RunePlannerDialog::createControls() {
    // Created in tab order.
    characterLine_ = makeSkinLabel(this, QStringLiteral("characterLine"));
    characterLine_->setLeft();
    setLabelText(*characterLine_, fromLocalBytes(characterLineText(accounts_)));
    canMakeHeading_ = makeHeading("canMakeNowHeading", QStringLiteral("CAN MAKE NOW"));
    canMake_ = makeList("canMakeNow", kRunesColumn);
    cubeHeading_ = makeHeading("canMakeWithCubeHeading", QStringLiteral("CAN MAKE WITH THE CUBE"));
    cube_ = makeList("canMakeWithCube", kRunesColumn);
    oneAwayHeading_ = makeHeading("oneRuneAwayHeading", QStringLiteral("ONE RUNE AWAY"));
    oneAway_ = makeList("oneRuneAway", kRunesColumn);
    huntHeading_ = makeHeading("runesToHuntHeading", QStringLiteral("RUNES TO HUNT"));
    hunt_ = makeList("runesToHunt", kCountColumn);
    findHeading_ = makeHeading("findHeading", QStringLiteral("FIND"));
    auto* findBox = new SkinLineEdit(this);
    findBox->setObjectName(QStringLiteral("find"));
    findBox->setFont(skinFont(textSize::kHeading));
    findBox->setPlaceholderText(QStringLiteral("e.g. fcr, all res, +skills"));
    QPalette hint = findBox->palette();
    hint.setColor(QPalette::PlaceholderText, kGrey);
    findBox->setPalette(hint);
    findBox_ = findBox;
    found_ = makeList("found", kRunesColumn);

    runeword_ = new RunewordView(runeTable_, this);
    runeword_->setObjectName(QStringLiteral("runeword"));
    runeword_->properties().setPointSize(textSize::kLabel);
    runeword_->properties().setWrapping(true);
    whoHeading_ = makeHeading("whoCanMakeHeading", QStringLiteral("WHO CAN MAKE THIS"));
    who_ = makeList("whoCanMake", 0);
    cubePlanHeading_ = makeHeading("cubePlanHeading", QStringLiteral("CUBE PLAN"));
    cubePlan_ = makeList("cubePlan", 0);
    goalsHeading_ = makeHeading("goalsHeading", QStringLiteral("GOALS"));
    pin_ = makeSkinLabel(this, QStringLiteral("pinGoal"));
    pin_->setPointSize(textSize::kHeading);
    pin_->setCursor(Qt::PointingHandCursor);
    goalsList_ = makeList("goals", kRunesColumn);
    addButtons(Buttons::Ok);
}

void RunePlannerDialog::placeControls() {
    place(*characterLine_, kMargin, 8, kWidth - 2 * kMargin, 18);

    const auto listFrame = [this](int x, int y, int width, int rows, LabelButton* heading,
                                  QWidget* list) {
        frames_.emplace_back(x, y, width, kListTop + rows * kRowHeight + 4);
        dividers_.push_back(y + kDividerTop);
        place(*heading, x + kFramePadding, y + kHeadingTop, width - 2 * kFramePadding,
              kHeadingHeight);
        place(*list, x + kFramePadding, y + kListTop, width - 2 * kFramePadding, rows * kRowHeight);
    };
    listFrame(kMargin, kTopRow, kColumnWidth, kListRows, canMakeHeading_, canMake_);
    listFrame(kRightColumn, kTopRow, kColumnWidth, kListRows, oneAwayHeading_, oneAway_);
    listFrame(kMargin, kSecondRow, kColumnWidth, kListRows, huntHeading_, hunt_);
    listFrame(kRightColumn, kSecondRow, kColumnWidth, kListRows, findHeading_, found_);
    // The search box stands in the heading's line, right of FIND.
    constexpr int kFindLabelWidth = 50;
    findHeading_->resize(kFindLabelWidth, kHeadingHeight);
    place(*findBox_, kRightColumn + kFramePadding + kFindLabelWidth, kSecondRow + 2,
          kColumnWidth - 2 * kFramePadding - kFindLabelWidth, kDividerTop - 3);

    // The details: six rune slots in a row with the level badge, the name and runes beside them,
    // the properties below.
    listFrame(kThirdColumn, kTopRow, kColumnWidth, kListRows, cubeHeading_, cube_);
    listFrame(kThirdColumn, kSecondRow, kColumnWidth, kListRows, cubePlanHeading_, cubePlan_);

    const int detailsRight = kRightColumn + kColumnWidth;
    frames_.emplace_back(kMargin, kDetailsRow, kDetailsWidth, kDetailsHeight);
    dividers_.push_back(-1);
    RunewordViewPlaces runewordPlaces;
    for (std::size_t socket = 0; socket < runewordPlaces.runeSlots.size(); ++socket) {
        const int x = kMargin + kFramePadding + kSlotPitch * static_cast<int>(socket);
        frames_.emplace_back(x, kDetailsRow + kSlotsTop, kSlotPitch, kSlotPitch);
        dividers_.push_back(-1);
        runewordPlaces.runeSlots[socket] =
            QRect(x + 1, kDetailsRow + kSlotsTop + 1, kSlotPitch - 2, kSlotPitch - 2);
    }
    const int besideSlots = kMargin + kFramePadding + 6 * kSlotPitch + kGap;
    runewordPlaces.levelBadge = QRect(besideSlots, kDetailsRow + kSlotsTop + 2, 56, 36);
    runewordPlaces.name =
        QRect(besideSlots + 56 + kGap, kDetailsRow + kSlotsTop + 10,
              kMargin + kDetailsWidth - kFramePadding - (besideSlots + 56 + kGap), 20);
    runewordPlaces.properties =
        QRect(kMargin + kFramePadding, kDetailsRow + kPropertiesTop,
              kDetailsWidth - 2 * kFramePadding, kDetailsHeight - kPropertiesTop - kFramePadding);
    runeword_->place(runewordPlaces);

    const int whoLeft = kMargin + kDetailsWidth + kGap;
    listFrame(whoLeft, kDetailsRow, detailsRight - whoLeft, kWhoRows, whoHeading_, who_);
    listFrame(kThirdColumn, kDetailsRow, kColumnWidth, kWhoRows, goalsHeading_, goalsList_);
    // Pinning stands in the goals' heading line, at its right end.
    constexpr int kPinWidth = 130;
    place(*pin_, kThirdColumn + kColumnWidth - kFramePadding - kPinWidth, kDetailsRow + kHeadingTop,
          kPinWidth, kHeadingHeight);
    goalsHeading_->resize(kColumnWidth - 2 * kFramePadding - kPinWidth, kHeadingHeight);

    const QSize ok = okButton().size();
    const int bottom = kDetailsRow + kDetailsHeight + kGap;
    place(okButton(), kWidth - kMargin - ok.width(), bottom, ok.width(), ok.height());
    setFixedSize(kWidth, bottom + ok.height() + kMargin);
}

void RunePlannerDialog::connectCommands() {
    for (PlannerList* list : runewordLists()) {
        connect(list, &PlannerList::rowSelected, this,
                [this, list](int row) { listSelected(list, row); });
        // Enter on a runeword goes on to the characters who could make it; on a rune of the
        // shopping list it opens the rune.
        connect(list, &PlannerList::rowChosen, this, [this, list](int row) {
            const PlannerRow* chosen = list->rowAt(row);
            if (chosen != nullptr && chosen->kind == PlannerRow::Kind::Rune) {
                emit runeDetailsRequested(chosen->rune);
            } else {
                focusList(who_);
            }
        });
    }
    connect(hunt_, &PlannerList::rowChosen, this, [this](int row) {
        if (const PlannerRow* chosen = hunt_->rowAt(row)) emit runeDetailsRequested(chosen->rune);
    });
    connect(who_, &PlannerList::rowChosen, this, &RunePlannerDialog::chooseCharacter);
    connect(findBox_, &QLineEdit::textChanged, this, &RunePlannerDialog::showFound);
    connect(pin_, &QAbstractButton::clicked, this, &RunePlannerDialog::togglePinShown);
    auto* pinKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_P), this);
    connect(pinKey, &QShortcut::activated, this, &RunePlannerDialog::togglePinShown);

    connect(runeword_, &RunewordView::runeDetailsRequested, this,
            &RunePlannerDialog::runeDetailsRequested);

    const std::pair<Qt::Key, QWidget*> shortcuts[] = {
        {Qt::Key_N, canMake_}, {Qt::Key_C, cube_}, {Qt::Key_A, oneAway_},  {Qt::Key_H, hunt_},
        {Qt::Key_F, findBox_}, {Qt::Key_W, who_},  {Qt::Key_G, goalsList_}};
    for (const auto& [key, target] : shortcuts) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | key), this);
        connect(shortcut, &QShortcut::activated, this, [this, target = target] {
            if (auto* list = qobject_cast<PlannerList*>(target)) {
                focusList(list);
            } else {
                target->setFocus(Qt::ShortcutFocusReason);
            }
        });
    }
}

void RunePlannerDialog::fillPlanLists() {
    if (character_ == nullptr || !runewords_) return;
    goals_ = character_->goals;
    showGoals();
    const RunePlan plan = planRunes(*character_, character_->runeCounts, *runewords_);

    std::vector<PlannerRow> canMake;
    for (const Runeword* runeword : plan.canMakeNow)
        canMake.push_back(runewordRow(*runeword, runeTable_));
    setLabelText(*canMakeHeading_, QStringLiteral("CAN MAKE NOW (%1)").arg(canMake.size()));
    if (canMake.empty()) canMake.push_back(hintRow(QStringLiteral("NOTHING YET")));
    canMake_->setRows(std::move(canMake));

    std::vector<PlannerRow> withCube;
    for (const CubeMakeable& makeable :
         canMakeWithCube(*character_, character_->runeCounts, *runewords_)) {
        PlannerRow row = runewordRow(*makeable.runeword, runeTable_);
        row.secondText = cubeUsesText(makeable.cubeUses);
        withCube.push_back(std::move(row));
    }
    setLabelText(*cubeHeading_, QStringLiteral("CAN MAKE WITH THE CUBE (%1)").arg(withCube.size()));
    if (withCube.empty()) withCube.push_back(hintRow(QStringLiteral("NOTHING MORE")));
    cube_->setRows(std::move(withCube));

    std::vector<PlannerRow> oneAway;
    std::size_t oneAwayCount = 0;
    for (const OneRuneAwayGroup& group : plan.oneRuneAway) {
        PlannerRow heading = hintRow(cubeHeading(group, runeTable_));
        // Lit when the rune the recipe needs is owned; the rune alone when nothing makes it.
        heading.lit = group.recipe == nullptr || group.ownsRecipeRune;
        heading.rune = group.missingRune;
        oneAway.push_back(std::move(heading));
        for (const Runeword* runeword : group.runewords)
            oneAway.push_back(runewordRow(*runeword, runeTable_, 12));
        oneAwayCount += group.runewords.size();
    }
    setLabelText(*oneAwayHeading_, QStringLiteral("ONE RUNE AWAY (%1)").arg(oneAwayCount));
    if (oneAway.empty()) oneAway.push_back(hintRow(QStringLiteral("NOTHING")));
    oneAway_->setRows(std::move(oneAway));

    std::vector<PlannerRow> hunt;
    for (const RuneToHunt& rune : plan.runesToHunt) {
        PlannerRow row;
        row.kind = PlannerRow::Kind::Rune;
        row.text = runeName(runeTable_, rune.rune);
        row.secondText = completesText(rune.completes, rune.held);
        row.rune = rune.rune;
        hunt.push_back(std::move(row));
    }
    if (hunt.empty()) hunt.push_back(hintRow(QStringLiteral("EVERY RUNE IS OWNED")));
    hunt_->setRows(std::move(hunt));
}

void RunePlannerDialog::find(const QString& text) {
    findBox_->setText(text);
}

void RunePlannerDialog::showFound() {
    // The runeword shown from the previous search's list leaves with that list.
    if (found_->selectedRow() >= 0) clearDetails();
    std::vector<PlannerRow> rows;
    for (FoundRuneword& hit : search_.find(toLocalBytes(findBox_->text()))) {
        PlannerRow row = runewordRow(*hit.runeword, runeTable_);
        row.highlightedLines = std::move(hit.lines);
        rows.push_back(std::move(row));
    }
    // Whatever was typed and found nothing says so, even when it asks for nothing (",,,").
    if (rows.empty() && !findBox_->text().trimmed().isEmpty())
        rows.push_back(hintRow(QStringLiteral("NOTHING FOUND")));
    found_->setRows(std::move(rows));
}

void RunePlannerDialog::listSelected(PlannerList* list, int row) {
    const PlannerRow* selected = list->rowAt(row);
    if (selected == nullptr || selected->runeword == nullptr) return;
    // One runeword is shown at a time: the other runeword lists let go of theirs.
    for (PlannerList* other : runewordLists()) {
        if (other != list) other->clearSelectedRow();
    }
    showRuneword(*selected->runeword, selected->highlightedLines);
}

void RunePlannerDialog::showRuneword(const Runeword& runeword, std::vector<int> highlightedLines) {
    const int level = character_ != nullptr ? character_->level : 0;
    runeword_->showRuneword(runeword, level, runeImages_, std::move(highlightedLines));
    shown_ = &runeword;
    showCubePlan(runeword);
    showPinState();

    std::vector<PlannerRow> able;
    for (const CharacterPlace& place : whoCanMake(runeword, accounts_)) {
        PlannerRow row;
        row.kind = PlannerRow::Kind::Character;
        row.text = fromLocalBytes(characterPath(place));
        row.character = place;
        able.push_back(std::move(row));
    }
    if (able.empty()) able.push_back(hintRow(QStringLiteral("NOBODY OWNS ALL ITS RUNES")));
    who_->setRows(std::move(able));
}

void RunePlannerDialog::openOn(const Runeword& runeword) {
    bool selected = false;
    for (PlannerList* list : {canMake_, cube_, oneAway_}) {
        for (int row = 0; row < list->rowCount() && !selected; ++row) {
            if (list->rowAt(row)->runeword != &runeword) continue;
            list->selectRow(row);
            selected = true;
        }
    }
    if (!selected) showRuneword(runeword);
    focusList(who_);
}

void RunePlannerDialog::clearDetails() {
    runeword_->clearRuneword();
    shown_ = nullptr;
    who_->setRows({hintRow(QStringLiteral("SELECT A RUNEWORD"))});
    cubePlan_->setRows({hintRow(QStringLiteral("SELECT A RUNEWORD"))});
    showPinState();
}

void RunePlannerDialog::showCubePlan(const Runeword& runeword) {
    if (character_ == nullptr) return;
    cubePlan_->setRows(
        cubePlanRows(planCube(RuneTally::of(runeword), character_->runeCounts), runeTable_));
}

void RunePlannerDialog::togglePinShown() {
    if (shown_ == nullptr || character_ == nullptr) return;
    togglePin(goals_, shown_->name);
    showGoals();
    showPinState();
}

void RunePlannerDialog::showPinState() {
    const bool pinned = shown_ != nullptr && isPinned(goals_, shown_->name);
    setLabelText(*pin_, pinned ? QStringLiteral("UNPIN (ALT+P)") : QStringLiteral("PIN (ALT+P)"));
    pin_->setTextColour(shown_ != nullptr && character_ != nullptr ? kWhite : kGrey);
}

void RunePlannerDialog::showGoals() {
    if (character_ == nullptr || !runewords_) return;
    std::vector<PlannerRow> rows;
    std::vector<const Runeword*> goals;
    for (const std::string& name : goals_) {
        const auto found =
            std::find_if(runewords_->begin(), runewords_->end(),
                         [&name](const Runeword& runeword) { return runeword.name == name; });
        if (found == runewords_->end()) {
            // A goal the runeword file no longer has stays pinned, but needs nothing.
            rows.push_back(hintRow(fromLocalBytes(name) + QStringLiteral(" (NOT IN THE FILE)")));
            continue;
        }
        goals.push_back(&*found);
        rows.push_back(runewordRow(*found, runeTable_));
    }
    setLabelText(*goalsHeading_, QStringLiteral("GOALS (%1)").arg(goals_.size()));
    if (goals_.empty())
        rows.push_back(hintRow(QStringLiteral("NONE: ALT+P PINS THE RUNEWORD SHOWN")));
    if (!goals.empty()) {
        const ShoppingList list = shoppingList(goals, character_->runeCounts);
        rows.push_back(hintRow(QStringLiteral("RUNES THEY NEED")));
        for (int rune = 1; rune <= kRuneCount; ++rune) {
            if (list.needed.count(rune) == 0) continue;
            PlannerRow row;
            row.kind = PlannerRow::Kind::Rune;
            row.text = runeName(runeTable_, rune);
            row.secondText = QStringLiteral("%1 needed").arg(list.needed.count(rune));
            if (list.lacking.count(rune) > 0)
                row.secondText += QStringLiteral(", %1 lacking").arg(list.lacking.count(rune));
            row.rune = rune;
            row.indent = 12;
            rows.push_back(std::move(row));
        }
        rows.push_back(hintRow(QStringLiteral("CUBE PLAN")));
        for (PlannerRow& row : cubePlanRows(list.cube, runeTable_)) rows.push_back(std::move(row));
        if (!list.gems.empty()) {
            rows.push_back(hintRow(QStringLiteral("GEMS")));
            for (const GemNeed& need : list.gems) {
                PlannerRow row = hintRow(timesText(need.count, fromLocalBytes(gemName(need.gem))));
                row.lit = true;
                row.indent = 12;
                rows.push_back(std::move(row));
            }
        }
    }
    goalsList_->setRows(std::move(rows));
}

void RunePlannerDialog::chooseCharacter(int row) {
    const PlannerRow* chosen = who_->rowAt(row);
    if (chosen == nullptr || chosen->kind != PlannerRow::Kind::Character) return;
    chosen_ = chosen->character;
    accept();
}

void RunePlannerDialog::focusList(PlannerList* list) {
    list->setFocus(Qt::ShortcutFocusReason);
    if (list->selectedRow() >= 0) return;
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->rowAt(row)->kind != PlannerRow::Kind::Heading) {
            list->selectRow(row);
            return;
        }
    }
}

void RunePlannerDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        QWidget* focused = focusWidget();
        // Enter in the search box goes on to what it found; on a rune slot it opens the rune.
        if (focused == findBox_) {
            focusList(found_);
            return;
        }
        if (auto* slot = qobject_cast<RuneToggleButton*>(focused)) {
            slot->click();
            return;
        }
    }
    SkinnedDialog::keyPressEvent(event);
}

void RunePlannerDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOlive, 1.0));
    painter.setBrush(Qt::NoBrush);
    for (std::size_t index = 0; index < frames_.size(); ++index) {
        const QRect& frame = frames_[index];
        // The rune slots' small frames take a tighter corner, as in the main window.
        const qreal radius =
            frame.width() == kSlotPitch ? layout::kSlotFrameRadius : layout::kFrameRadius;
        painter.drawRoundedRect(
            QRectF(frame.x() + 0.5, frame.y() + 0.5, frame.width() - 1, frame.height() - 1), radius,
            radius);
        if (dividers_[index] >= 0) {
            painter.drawLine(QPointF(frame.x() + 1, dividers_[index] + 0.5),
                             QPointF(frame.right(), dividers_[index] + 0.5));
        }
    }
}

}  // namespace sockwright
