#pragma once

#include <QWidget>

#include <optional>

namespace wuzi {

// Black's chance to win as a bar: black's share from the left, white's the rest, the
// percentage over it. Empty while nothing is known.
class WinBar : public QWidget {
    Q_OBJECT
  public:
    explicit WinBar(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {200, 22}; }

    // Black's chance in percent (0 .. 100), or none.
    void setBlackPercent(std::optional<double> percent);
    std::optional<double> blackPercent() const { return percent_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<double> percent_;
};

} // namespace wuzi
