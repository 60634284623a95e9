// The libFuzzer target of the settings reader: whatever bytes the settings file holds,
// the reader returns, and every value it gives is one the window can use. Needs QtCore
// alone; built with clang only (-DWUZI_LIBFUZZER=ON) by `./wuzi fuzz`.
#include "ui/StoredSettings.h"

#include "opponents/Opponent.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void broken(const char* what) {
    std::fprintf(stderr, "BROKEN: %s\n", what);
    std::abort();
}

QString freshFile() {
    static QTemporaryDir dir;
    static long count = 0;
    // A new name each time: QSettings keeps files it has read.
    return dir.filePath(QString("settings-%1.conf").arg(++count));
}

void check(const wuzi::StoredSettings& read) {
    if (read.opponent < 0 || read.opponent >= wuzi::kOpponentCount)
        broken("an opponent out of range");
    if (read.difficulty < 0 || read.difficulty > 2) broken("a difficulty out of range");
    if (read.language != "zh_CN" && read.language != "en") broken("an unknown language");
    if (read.geometry.size() > 4096) broken("a geometry far larger than any");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    QString path = freshFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) broken("cannot write the settings file");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();
    {
        QSettings settings(path, QSettings::IniFormat);
        check(wuzi::ReadSettings(settings));
    }
    QFile::remove(path);
    return 0;
}
