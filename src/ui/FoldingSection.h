#pragma once

#include <QWidget>

class QToolButton;
class QVBoxLayout;

namespace wuzi {

// A part of the side panel under a title that folds it away: a click on the title hides
// the part's body or shows it again, leaving the room to the rest of the panel.
class FoldingSection : public QWidget {
    Q_OBJECT
  public:
    explicit FoldingSection(const char* name, QWidget* parent = nullptr);

    void setTitle(const QString& title);
    // The body's widgets, one under the other.
    void add(QWidget* widget);
    bool folded() const;
    void setFolded(bool folded);

  private:
    QToolButton* title_;
    QWidget* body_;
    QVBoxLayout* bodyLayout_;
};

} // namespace wuzi
