#pragma once

#include <QStringList>
#include <QWidget>

class QRect;

namespace sockwright {

class ImageButton;
class LabelButton;

// "◀ value ▶": shows one entry of a list between a Prev and a Next arrow. Each arrow moves one
// entry from the one shown and wraps around the list; a list without entries shows its empty
// text and the arrows do nothing. The value is a label with the skin's defaults, so an entry
// holding '&' is shown as it is and takes no mnemonic.
class SkinStepper : public QWidget {
    Q_OBJECT
  public:
    // The arrows and the value are named <name>Prev, <name>Value and <name>Next; the arrows'
    // captions give their mnemonics ("&Prev" answers Alt+P).
    SkinStepper(const QString& name, const QString& previousCaption, const QString& nextCaption,
                QWidget* parent);

    // Shows the first entry, or the empty text when there is none.
    void setEntries(const QStringList& entries, const QString& emptyText = {});
    // The entry shown, -1 while the list is empty.
    int index() const { return index_; }
    // An index outside the list shows the first entry.
    void setIndex(int index);
    QString text() const;

    void next();
    void previous();

    // The least width that shows the widest entry between the arrows with room to spare.
    int naturalWidth() const;
    // Takes the row's place: the arrows at its ends, centred in its height, the value between
    // them. The stepper reaches below the row where the value's line needs it.
    void placeInRow(const QRect& row);

  signals:
    // After an arrow moved the entry shown.
    void stepped();

  private:
    void step(int by);
    void showEntry();

    ImageButton* previous_;
    LabelButton* value_;
    ImageButton* next_;
    QStringList entries_;
    QString emptyText_;
    int index_ = -1;
};

}  // namespace sockwright
