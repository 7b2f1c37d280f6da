#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <vector>

#include "ui/skin/SkinTextSizes.h"

class QTextDocument;

namespace sockwright {

// A panel for a block of detail text: black fill, centred lines from the top edge, in the detail
// colour. Lines break at '\n'. A wrapping panel also breaks a line wider than itself and draws
// its highlighted lines in white; otherwise a line too wide is elided. When some of the text
// cannot be shown all the same, the whole text is the panel's tooltip.
class DetailTextButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr int kPointSize = textSize::kDetails;

    explicit DetailTextButton(QWidget* parent = nullptr);

    // Shows a text as it stands: an '&' in it is drawn, never taken as a keyboard shortcut.
    void setDetailText(const QString& text, std::vector<int> highlightedLines = {});
    // The text's lines; a line feed closing the last line adds no empty line.
    QStringList lines() const;
    const std::vector<int>& highlightedLines() const { return highlighted_; }

    int pointSize() const { return pointSize_; }
    void setPointSize(int tenths);
    void setWrapping(bool wrapping);
    // Whether some of the text does not fit: a line elided, or lines below the bottom edge.
    bool isCut() const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void layOutWrapped(QTextDocument& document) const;

    std::vector<int> highlighted_;
    int pointSize_ = kPointSize;
    bool wrapping_ = false;
};

}  // namespace sockwright
