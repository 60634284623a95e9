#pragma once

#include <QString>
#include <QWidget>

#include <optional>

namespace wuzi {

// One side's chance to win: in percent (0 .. 100), whether that side is black, and whose
// it is in words ("你的胜率").
struct WinChanceShown {
    double percent = 50;
    bool black = true;
    QString whose;
};

// A side's chance to win as a bar: its share from the left in its stones' colour, the
// other side's the rest, and over the larger share whose chance it is and the percentage
// ("你的胜率 62%"). Empty while nothing is known.
class WinBar : public QWidget {
    Q_OBJECT
  public:
    explicit WinBar(QWidget* parent = nullptr);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    void setChance(const std::optional<WinChanceShown>& chance);
    const std::optional<WinChanceShown>& chance() const { return chance_; }
    // What the bar says over its shares; empty while nothing is known.
    QString text() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<WinChanceShown> chance_;
};

} // namespace wuzi
