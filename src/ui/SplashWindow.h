#pragma once

#include <QDialog>
#include <QTimer>

class QPainter;

namespace wuzi {

// frmSplash: the first window of the program and, later, the about window, with the
// version and the licence. At start it closes after its third one-second tick or on a
// click; as the about window it stays until clicked.
class SplashWindow : public QDialog {
    Q_OBJECT
  public:
    enum class Role { Startup, About };
    explicit SplashWindow(Role role, QWidget* parent = nullptr);

    int ticks() const { return ticks_; }
    bool timerRunning() const { return timer_.isActive(); }

  signals:
    // The splash hands over to the main window.
    void finished();

  public slots:
    // Escape or a close request: the starting splash stays until its third tick or a
    // click, since closing it before the main window shows would end the program.
    void reject() override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void drawBoard(QPainter& p, QRectF area);
    void drawTexts(QPainter& p, QRect column);
    void tick();
    void handOver();

    Role role_;
    QTimer timer_;
    int ticks_ = 0;
    bool handedOver_ = false;
};

} // namespace wuzi
