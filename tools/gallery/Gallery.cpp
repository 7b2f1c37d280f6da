// Renders every generated picture and every skinned control in each of its states into one
// sheet, for looking at them all at once:
//   gallery [runtime folder] [sheet.png]
// The defaults are the build's runtime folder and gallery.png in the build folder.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <cstdio>
#include <memory>
#include <vector>

#include "DialogGalleries.h"
#include "GallerySheet.h"
#include "model/Account.h"
#include "model/CharacterClass.h"
#include "model/CharacterType.h"
#include "model/EquipmentMask.h"
#include "model/FileContents.h"
#include "model/RuneFileReader.h"
#include "model/RuneSet.h"
#include "model/RuneTable.h"
#include "ui/MainWindowLayout.h"
#include "ui/RunewordRowMenu.h"
#include "ui/skin/BuiltInImages.h"
#include "ui/skin/ButtonFaces.h"
#include "ui/skin/CharacterCard.h"
#include "ui/skin/DetailTextButton.h"
#include "ui/skin/ImageButton.h"
#include "ui/skin/LabelButton.h"
#include "ui/skin/LocalText.h"
#include "ui/skin/RuneToggleButton.h"
#include "ui/skin/SkinColours.h"
#include "ui/skin/SkinImages.h"
#include "ui/skin/SkinStyleSheets.h"

using namespace sockwright;
using namespace sockwright::pictures;

namespace {

constexpr int kSheetWidth = 1480;
// The rune names by rune number (rune k at k - 1), read as the program reads the rune file; an
// empty text for a rune slot the file leaves empty, none at all when the file cannot be read.
QStringList runeNames(const QDir& runtime) {
    QStringList names;
    const FileContents file = readWholeFile(toLocalBytes(runtime.filePath("data/runes.txt")));
    if (file.status != FileReadStatus::Read) return names;
    const RuneTable runes = parseRuneFile(file.bytes);
    for (int number = 1; number <= kRuneCount; ++number) {
        const Rune* rune = runes.find(number);
        names << (rune ? fromLocalBytes(rune->name) : QString());
    }
    return names;
}

QImage picture(const QDir& runtime, const QString& relativePath) {
    QImage image(runtime.filePath(relativePath));
    if (image.isNull()) std::fprintf(stderr, "gallery: missing %s\n", qPrintable(relativePath));
    return image;
}

void addRuntimePictures(GallerySheet& sheet, const QDir& runtime) {
    const QStringList names = runeNames(runtime);
    sheet.heading("Runes: bmp/<name>.bmp (dim) and bmp/sel<name>.bmp (lit), with Blank");
    for (int row = 0; row < 3; ++row) {
        for (const char* prefix : {"", "sel"}) {
            sheet.add(picture(runtime, QString("bmp/%1Blank.bmp").arg(prefix)),
                      QString("%1Blank").arg(prefix));
            for (int column = 0; column < 11 && row * 11 + column < names.size(); ++column) {
                if (names[row * 11 + column].isEmpty()) continue;  // no rune, no picture
                const QString name = prefix + names[row * 11 + column];
                sheet.add(picture(runtime, "bmp/" + name + ".bmp"), name);
            }
            sheet.newRow();
        }
    }
    sheet.heading("Equipment: bmp/<base>.bmp and bmp/sel<base>.bmp");
    for (const char* prefix : {"", "sel"}) {
        for (const char* base : equipmentImageBaseNames()) {
            sheet.add(picture(runtime, QString("bmp/%1%2.bmp").arg(prefix, base)), base);
        }
        sheet.newRow();
    }
    sheet.heading("Classes: char/<CLASS>.bmp");
    for (const char* name : kCharacterClassNames)
        sheet.add(picture(runtime, QString("char/%1.bmp").arg(name)), name);
}

void addBuiltInPictures(GallerySheet& sheet) {
    sheet.heading("Built-in button faces (:/images/<Face>.bmp)");
    for (const ButtonFace& face : kButtonFaces) {
        const QString name = fromLocalBytes(face.name);
        const QImage image = builtInImage(face.name).toImage();
        sheet.add(image, QString("%1 %2x%3").arg(name).arg(image.width()).arg(image.height()));
    }
    sheet.heading("Program icon (:/images/Sockwright.png) at 256, 48 and 16 pixels");
    const QIcon icon = programIcon();
    for (int size : {256, 48, 16})
        sheet.add(icon.pixmap(size, size).toImage(), QString::number(size));
}

// The background with the faces and six rune pictures placed as the main window places them,
// so that a frame off its control shows at once.
QImage mainWindowPreview(const QDir& runtime) {
    QImage preview = builtInImage("Background").toImage().convertToFormat(QImage::Format_RGB32);
    QPainter painter(&preview);
    const auto place = [&](const char* face, const layout::Rect& r) {
        painter.drawPixmap(r.x, r.y, builtInImage(face));
    };
    place("Logo", layout::kLogo);
    place("Title", layout::kTitle);
    place("Update", layout::kUpdate);
    place("About", layout::kAbout);
    place("Up", layout::kUp);
    place("Down", layout::kDown);
    place("Equipment", layout::kSelectEquipment);
    place("Runes", layout::kSelectRunes);
    place("Character", layout::kSelectCharacter);
    place("Exit", layout::kOk);
    const QStringList names = runeNames(runtime);
    const int shown[] = {8, 18, 30, 0, 0, 0};  // Ral Ko Ber, then three empty sockets
    for (int slot = 0; slot < layout::kRuneSlotCount; ++slot) {
        if (shown[slot] == 0 || shown[slot] > names.size() || names[shown[slot] - 1].isEmpty())
            continue;
        const layout::Rect r = layout::runeSlot(slot);
        painter.drawImage(r.x + 1, r.y + 1,
                          QImage(runtime.filePath("bmp/" + names[shown[slot] - 1] + ".bmp")));
    }
    return preview;
}

// A toggle button over its label, as the selection dialogs show them.
class ToggleSample {
  public:
    ToggleSample(const QPixmap& setImage, const QPixmap& clearImage, std::uint32_t mask,
                 std::uint32_t bits, bool withMask, const QString& text) {
        const QSize picture = clearImage.size();
        container_.resize(std::max(picture.width() + 2, 64), picture.height() + 2 + 18);
        container_.setStyleSheet(styleSheet::blackGround());
        button_ = new RuneToggleButton(&container_);
        button_->setGeometry(0, 0, picture.width() + 2, picture.height() + 2);
        label_ = new LabelButton(&container_);
        label_->setGeometry(0, picture.height() + 2, container_.width(), 18);
        label_->setText(text);
        button_->setImages(setImage, clearImage);
        button_->setLabel(label_);
        if (withMask) {
            button_->bind(bits, RuneToggleButton::ClickRule::FlipEachBit);
            button_->setMask(mask);
        }
    }
    QWidget& widget() { return container_; }

  private:
    QWidget container_;
    RuneToggleButton* button_ = nullptr;
    LabelButton* label_ = nullptr;
};

void addControls(GallerySheet& sheet, const QDir& runtime) {
    sheet.heading("LabelButton: alignments, sizes 80 to 140, colours");
    struct LabelCase {
        LabelButton::Alignment alignment;
        int size;
        QColor colour;
        const char* text;
    };
    const LabelCase labels[] = {
        {LabelButton::Left, 80, kListText, "For comments please email"},
        {LabelButton::Centre, 100, kWhite, "RUNE WORD"},
        {LabelButton::Right, 110, kWhite, "CHARACTER: USEast"},
        {LabelButton::Centre, 110, kGrey, "Common"},
        {LabelButton::Centre, 110, kWhite, "Clvl\n25"},
        {LabelButton::Left, 130, kOlive, "Rune Logic"},
        {LabelButton::Centre, 140, kRed, "COMPLETE"},
    };
    for (const LabelCase& c : labels) {
        LabelButton label;
        label.resize(190, 40);
        label.setAlignment(c.alignment);
        label.setPointSize(c.size);
        label.setTextColour(c.colour);
        label.setText(c.text);
        static const char* const alignmentNames[] = {"left", "centre", "right"};
        sheet.add(label, QString("%1, %2").arg(alignmentNames[c.alignment]).arg(c.size));
    }

    sheet.heading("DetailTextButton");
    DetailTextButton details;
    details.resize(layout::kDetailsPanel.width, 110);
    details.setText(
        "AXES/SWORDS\n+200% Enhanced Damage\n+20% Increased Attack Speed\n"
        "Hit Blinds Target\n+1 to Light Radius");
    sheet.add(details, "centred lines, 13 pt");

    sheet.heading("RuneToggleButton: all bits set, clear, part of a row, without a mask");
    const QString bmp = runtime.filePath("bmp") + "/";
    const QStringList names = runeNames(runtime);
    const QString ral = names.size() >= 8 ? names[7] : "Ral";
    const QPixmap runeSet(bmp + "sel" + ral + ".bmp");
    const QPixmap runeClear(bmp + ral + ".bmp");
    const QPixmap blankSet(bmp + "selBlank.bmp");
    const QPixmap blankClear(bmp + "Blank.bmp");
    const QPixmap swordSet(bmp + "selsword.bmp");
    const QPixmap swordClear(bmp + "sword.bmp");
    std::vector<std::unique_ptr<ToggleSample>> toggles;
    toggles.push_back(std::make_unique<ToggleSample>(runeSet, runeClear, 0x80, 0x80, true, ral));
    toggles.push_back(std::make_unique<ToggleSample>(runeSet, runeClear, 0x00, 0x80, true, ral));
    toggles.push_back(
        std::make_unique<ToggleSample>(blankSet, blankClear, 0x7FF, 0x7FF, true, "Common"));
    toggles.push_back(
        std::make_unique<ToggleSample>(blankSet, blankClear, 0x083, 0x7FF, true, "Medium"));
    toggles.push_back(std::make_unique<ToggleSample>(runeSet, runeClear, 0, 0, false, "slot"));
    toggles.push_back(
        std::make_unique<ToggleSample>(swordSet, swordClear, 0x200, 0x200, true, "SWORDS"));
    toggles.push_back(
        std::make_unique<ToggleSample>(swordSet, swordClear, 0x000, 0x200, true, "SWORDS"));
    const char* captions[] = {"set", "clear", "row set", "row in part", "no mask", "set", "clear"};
    for (std::size_t i = 0; i < toggles.size(); ++i) sheet.add(toggles[i]->widget(), captions[i]);

    sheet.heading("CharacterCard: free slot, CLASSIC, EXPANSION, HARDCORE; plain and selected");
    ClassImages classes;
    for (std::size_t i = 0; i < classes.images.size(); ++i) {
        classes.images[i] =
            QPixmap(runtime.filePath(QString("char/%1.bmp").arg(kCharacterClassNames[i])));
    }
    Account account{"DEFAULT", "USEast", {}};
    const auto character = [](const char* name, int level, int characterClass, int type) {
        Character c;
        c.inUse = true;
        c.name = name;
        c.level = level;
        c.characterClass = characterClass;
        c.characterType = type;
        return c;
    };
    const Character cards[] = {
        Character{},
        character("KALIYA", 12, 0, kClassicCharacter),
        character("SHADE", 86, 1, kExpansionCharacter),
        character("GRUNT", 99, 2, kHardcoreCharacter),
        character("ROWAN", 40, 3, kExpansionCharacter),
        character("MORTIS", 75, 4, kHardcoreCharacter),
        character("ILSA", 99, 5, kExpansionCharacter),
        character("AUBREY", 63, 6, kClassicCharacter),
    };
    for (bool selected : {false, true}) {
        for (const Character& c : cards) {
            CharacterCard card(classes);
            card.resize(290, 70);
            card.character = &c;
            card.selected = selected;
            card.loadPortrait(account);
            sheet.add(card,
                      QString("%1%2").arg(c.inUse ? QString::fromStdString(c.name) : "free slot",
                                          selected ? ", selected" : ""));
        }
        sheet.newRow();
    }

    sheet.heading("ImageButton: normal, pressed, focused, disabled (one picture in every state)");
    QWidget window;
    window.resize(300, 60);
    for (int state = 0; state < 4; ++state) {
        auto* button = new ImageButton(&window);
        button->setImage(builtInImage("OK"));
        button->setText("OK");
        button->resize(button->image().size());
        if (state == 1) button->setDown(true);
        if (state == 3) button->setEnabled(false);
    }
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    const auto buttons = window.findChildren<ImageButton*>();
    buttons[2]->setFocus();
    QApplication::processEvents();
    const char* states[] = {"normal", "pressed", buttons[2]->hasFocus() ? "focused" : "focus asked",
                            "disabled"};
    for (int state = 0; state < buttons.size(); ++state) sheet.add(*buttons[state], states[state]);
}

// The main list's right-click menu as it opens, then with the pointer on its first entry.
void addRunewordRowMenu(GallerySheet& sheet) {
    sheet.heading(
        "Runeword row menu (right click on the main list): not pinned, pinned, no character");
    RunewordRowMenu menu;
    const struct {
        bool pinned;
        bool hasCharacter;
        const char* caption;
    } states[] = {{false, true, "Pin as goal, pointer on the first entry"},
                  {true, true, "Unpin goal"},
                  {false, false, "no current character"}};
    for (const auto& state : states) {
        menu.showGoal(state.pinned, state.hasCharacter);
        menu.popup(QPoint(0, 0));
        menu.setActiveAction(state.pinned || !state.hasCharacter ? nullptr
                                                                 : &menu.whoCanMakeEntry());
        sheet.add(menu, state.caption);
        menu.hide();
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir runtime(argc > 1 ? QString::fromLocal8Bit(argv[1])
                                : QStringLiteral(SOCKWRIGHT_BUILD_RUNTIME));
    const QString output =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(SOCKWRIGHT_GALLERY_SHEET);

    GallerySheet sheet(kSheetWidth);
    addRuntimePictures(sheet, runtime);
    addBuiltInPictures(sheet);
    sheet.heading(
        "Background (:/images/Background.bmp) with the faces and three runes placed as in the main "
        "window");
    sheet.add(mainWindowPreview(runtime), "709 x 563");
    sheet.add(builtInImage("Background").toImage(), "background alone");
    addControls(sheet, runtime);
    addSelectionDialogs(sheet, runtime);
    addAccountDialogs(sheet, runtime);
    addPlannerDialogs(sheet, runtime);
    addFocusAndElision(sheet, runtime);
    addRunewordRowMenu(sheet);

    if (!sheet.finished().save(output, "PNG")) {
        std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("gallery: %s\n", qPrintable(output));
    return 0;
}
