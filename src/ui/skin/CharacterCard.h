#pragma once

#include <QPixmap>
#include <filesystem>
#include <optional>

#include "ui/skin/SkinButton.h"

class QPainter;

namespace sockwright {

struct Account;
struct Character;
struct ClassImages;
class ElidedText;

// One character slot of an account: picture, name, level and class, type; framed when selected.
// Its size hint holds every character it can show: the longest class at level 99, every type
// line and the tallest class picture.
class CharacterCard : public SkinButton {
    Q_OBJECT
  public:
    explicit CharacterCard(const ClassImages& classImages, QWidget* parent = nullptr);

    bool selected = false;
    const Character* character = nullptr;

    // Replaces the portrait with char/<name><account><realm>.bmp for the card's character,
    // or with none (the class picture is then drawn).
    void loadPortrait(const Account& account);
    const QPixmap& portrait() const;

    // The portrait file of a character in an account, or nothing when a name could leave char/.
    static std::optional<std::filesystem::path> portraitPath(const Character& character,
                                                             const Account& account);
    QSize sizeHint() const override;
    // The name as the card shows it, cut to the card's width; its tooltip is the whole name.
    ElidedText nameLine() const;

  protected:
    void paintFace(QPainter& painter) override;
    // Inside the selection frame, so that a selected card shows the focus too.
    QRect focusMarkRect() const override;
    bool event(QEvent* event) override;

  private:
    void drawCharacter(QPainter& painter) const;
    void drawSelectionFrame(QPainter& painter) const;

    const ClassImages& classImages_;
    QPixmap portrait_;
};

}  // namespace sockwright
