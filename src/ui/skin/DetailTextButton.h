#pragma once

#include <QAbstractButton>

namespace sockwright {

// A panel for a block of detail text: black fill, centred lines from the top edge.
class DetailTextButton : public QAbstractButton {
    Q_OBJECT
  public:
    static constexpr int kPointSize = 130;

    explicit DetailTextButton(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace sockwright
