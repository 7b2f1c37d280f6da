#pragma once

#include <QAbstractButton>

#include "ui/skin/SkinTextSizes.h"

namespace sockwright {

// A panel for a block of detail text: black fill, centred lines from the top edge.
class DetailTextButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr int kPointSize = textSize::kDetails;

    explicit DetailTextButton(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sockwright
