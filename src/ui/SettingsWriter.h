#pragma once

#include <QObject>
#include <QTimer>

namespace wuzi {

class MainWindow;

// Writes the window's settings as they change, so that a crash loses none: a choice at
// once, the window's place and size once it has stood still a moment (a drag moves it
// many times a second).
class SettingsWriter : public QObject {
    Q_OBJECT
  public:
    explicit SettingsWriter(MainWindow& window);

    void write();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainWindow& window_;
    QTimer settled_;
};

} // namespace wuzi
