#pragma once

#include "rules/Platform.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <vector>

namespace wuzi {

// Message boxes of the game shown as Qt message boxes over the modal window open at the
// time, or else over the parent window; an information box stands beside the areas of
// the play it must not hide (the board, else the winning five) where the screen has room.
class QtMessages : public MessageSink {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    // The areas, in screen coordinates, most wanted clear first.
    void setPlayAreas(std::function<std::vector<QRect>()> areas) { playAreas_ = std::move(areas); }
    void information(const std::string& title, const std::string& text) override;
    void critical(const std::string& title, const std::string& text) override;
    bool question(const std::string& title, const std::string& text) override;
    bool confirm(const std::string& title, const std::string& text) override;

  private:
    QWidget* over() const;
    void placeBesideThePlay(QWidget& box) const;

    QPointer<QWidget> parent_;
    std::function<std::vector<QRect>()> playAreas_;
};

} // namespace wuzi
