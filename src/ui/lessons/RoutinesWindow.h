#pragma once

#include <QDialog>
#include <vector>

namespace wuzi {

class DiagramView;

// frm2: beside lesson 2 it shows diagrams of positions that black wins or loses; beside
// lesson 7 the advice on playing a game that is already decided.
class RoutinesWindow : public QDialog {
    Q_OBJECT
  public:
    explicit RoutinesWindow(int lessonNo, QWidget* parent = nullptr);

  private:
    QWidget* diagramRow(const std::vector<DiagramView*>& diagrams);
};

} // namespace wuzi
