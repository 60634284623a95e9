#pragma once

#include "core/Platform.h"

#include <QPointer>
#include <QWidget>

namespace wuzi {

// Message boxes of the game shown as Qt message boxes over the modal window open at the
// time, or else over the parent window.
class QtMessages : public MessageSink {
  public:
    void setParent(QWidget* parent) { parent_ = parent; }
    void information(const std::string& title, const std::string& text) override;
    void critical(const std::string& title, const std::string& text) override;
    bool question(const std::string& title, const std::string& text) override;

  private:
    QWidget* over() const;

    QPointer<QWidget> parent_;
};

} // namespace wuzi
