#pragma once

#include <QAbstractButton>
#include <QStringList>
#include <vector>

#include "ui/skin/SkinTextSizes.h"

namespace sockwright {

// A panel for a block of detail text: black fill, centred lines from the top edge, in the detail
// colour. Lines break at '\n'. A wrapping panel also breaks a line wider than itself and draws
// its highlighted lines in white; otherwise a line too wide is cut at both ends.
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

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintWrapped(QPainter& painter) const;

    std::vector<int> highlighted_;
    int pointSize_ = kPointSize;
    bool wrapping_ = false;
};

}  // namespace sockwright
