#pragma once

#include <QByteArray>
#include <QString>

class QSettings;

namespace wuzi {

// What the program remembers between runs. Every value read is checked: one that is
// missing, of the wrong kind or out of range is replaced by its default, and a file
// that does not read as settings at all gives the defaults throughout.
struct StoredSettings {
    QByteArray geometry; // the main window's, as QWidget::saveGeometry writes it
    bool showNumbers = false;
    bool showCoordinates = false;
    bool showPanel = true; // the side panel beside the board
    int opponent = 2;      // Marrowick
    int difficulty = 0;
    bool playerFirst = true;
    bool sound = true;          // 选项 → 声音
    QString language = "zh_CN"; // or "en"
    QString recordFolder;       // where 打开棋谱 and 保存棋谱 open: the folder last used

    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

StoredSettings ReadSettings(const QSettings& settings);
void WriteSettings(QSettings& settings, const StoredSettings& values);

} // namespace wuzi
