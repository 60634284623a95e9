#pragma once

#include "lessons/DemoReplay.h"

#include <QWidget>

namespace wuzi {

// The lesson window's small board: shows the stones a demonstration replay has laid, the
// newest marked, and with 显示手数 every stone's number in the replay.
class DemoBoardView : public QWidget {
    Q_OBJECT
  public:
    explicit DemoBoardView(const DemoReplay& replay, QWidget* parent = nullptr);
    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

    void setShowNumbers(bool on);
    bool showsNumbers() const { return numbers_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const DemoReplay& replay_;
    bool numbers_ = false;
};

} // namespace wuzi
