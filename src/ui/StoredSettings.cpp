#include "ui/StoredSettings.h"

#include "opponents/Roster.h"

#include <QSettings>

namespace wuzi {

namespace {

constexpr int kDifficulties = 3;
// A saved geometry is a few dozen bytes; anything far larger is no geometry.
constexpr qsizetype kLargestGeometry = 4096;
// Paths are limited to 4096 bytes on Linux.
constexpr qsizetype kLongestPath = 4096;

// The INI format writes booleans as the words true and false, numbers as digits.
bool readBool(const QSettings& s, const char* key, bool fallback) {
    QString text = s.value(key).toString();
    if (text == "true") return true;
    if (text == "false") return false;
    return fallback;
}

int readInt(const QSettings& s, const char* key, int fallback, int limit) {
    bool ok = false;
    int value = s.value(key).toString().toInt(&ok);
    return ok && value >= 0 && value < limit ? value : fallback;
}

} // namespace

StoredSettings ReadSettings(const QSettings& s) {
    StoredSettings d;
    if (s.status() != QSettings::NoError) return d;
    StoredSettings r;
    QVariant geometry = s.value("window/geometry");
    if (geometry.typeId() == QMetaType::QByteArray &&
        geometry.toByteArray().size() <= kLargestGeometry)
        r.geometry = geometry.toByteArray();
    r.showNumbers = readBool(s, "view/moveNumbers", d.showNumbers);
    r.showCoordinates = readBool(s, "view/coordinates", d.showCoordinates);
    r.showPanel = readBool(s, "view/panel", d.showPanel);
    r.opponent = readInt(s, "game/opponent", d.opponent, kOpponentCount);
    r.difficulty = readInt(s, "game/difficulty", d.difficulty, kDifficulties);
    r.playerFirst = readBool(s, "game/playerFirst", d.playerFirst);
    r.sound = readBool(s, "game/sound", d.sound);
    QString language = s.value("view/language").toString();
    r.language = language == "en" || language == "zh_CN" ? language : d.language;
    QVariant folder = s.value("records/folder");
    if (folder.typeId() == QMetaType::QString && folder.toString().size() <= kLongestPath)
        r.recordFolder = folder.toString();
    return r;
}

void WriteSettings(QSettings& s, const StoredSettings& v) {
    s.setValue("window/geometry", v.geometry);
    s.setValue("view/moveNumbers", v.showNumbers);
    s.setValue("view/coordinates", v.showCoordinates);
    s.setValue("view/panel", v.showPanel);
    s.setValue("game/opponent", v.opponent);
    s.setValue("game/difficulty", v.difficulty);
    s.setValue("game/playerFirst", v.playerFirst);
    s.setValue("game/sound", v.sound);
    s.setValue("view/language", v.language);
    s.setValue("records/folder", v.recordFolder);
}

} // namespace wuzi
