#include "ui/SettingsWriter.h"

#include "ui/MainWindow.h"
#include "ui/StoredSettings.h"

#include <QEvent>
#include <QSettings>

namespace wuzi {

namespace {
constexpr int kSettleMs = 500;
} // namespace

SettingsWriter::SettingsWriter(MainWindow& window) : QObject(&window), window_(window) {
    settled_.setSingleShot(true);
    settled_.setInterval(kSettleMs);
    connect(&settled_, &QTimer::timeout, this, &SettingsWriter::write);
    connect(&window, &MainWindow::settingsChanged, this, &SettingsWriter::write);
    window.installEventFilter(this);
}

void SettingsWriter::write() {
    settled_.stop();
    QSettings settings;
    WriteSettings(settings, window_.settings());
}

bool SettingsWriter::eventFilter(QObject* /*watched*/, QEvent* event) {
    // A window not shown yet stands where the settings put it, its frame unknown.
    bool placed = event->type() == QEvent::Move || event->type() == QEvent::Resize;
    if (placed && window_.isVisible()) settled_.start();
    return false;
}

} // namespace wuzi
