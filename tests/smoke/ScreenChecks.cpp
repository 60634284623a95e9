#include "ScreenChecks.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace wuzi::smoke {

namespace {

// Unassigned in Unicode, so no font has a glyph for it.
constexpr char32_t kNoGlyph = 0x0378;

QImage drawn(const QFont& font, const QString& text) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    return image;
}

bool isDark(QRgb c, int groundLuma) {
    return qGray(c) < groundLuma - 80;
}

QRect inkBox(const QImage& image, int groundLuma) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image.pixel(x, y), groundLuma)) box |= QRect(x, y, 1, 1);
    return box;
}

int groundLumaOf(const QImage& image) {
    return qGray(image.pixel(0, 0));
}

} // namespace

QImage GrabScreen(const QString& name) {
    QScreen* display = QGuiApplication::primaryScreen();
    QImage screen = display->grabWindow(0).toImage();
    double ratio = display->devicePixelRatio();
    if (ratio == 1) {
        screen.save(name);
        return screen;
    }
    screen.save("scale2-" + name);
    QImage logical =
        screen.scaled(display->geometry().size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    logical.setDevicePixelRatio(1);
    return logical;
}

void SaveWindowShot(QWidget* window, const QString& name) {
    QScreen* display = QGuiApplication::primaryScreen();
    double ratio = display->devicePixelRatio();
    QRect frame = window->frameGeometry();
    QRect device(frame.topLeft() * ratio, frame.size() * ratio);
    display->grabWindow(0).toImage().copy(device).save(name);
}

Look LookAt(const QImage& screen, QPoint p) {
    int r = 0, g = 0, b = 0, n = 0;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            QPoint q = p + QPoint(dx, dy);
            if (!screen.rect().contains(q)) continue;
            QColor c = screen.pixelColor(q);
            r += c.red(), g += c.green(), b += c.blue(), ++n;
        }
    if (n == 0) return Look::Other;
    r /= n, g /= n, b /= n;
    int high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high < 90) return Look::Black;
    if (low > 170 && high - low < 40) return Look::White;
    if (r - b > 50 && r > 150) return Look::Wood;
    return Look::Other;
}

const char* LookName(Look look) {
    static constexpr const char* kNames[] = {"a black stone", "a white stone", "the board",
                                             "something else"};
    return kNames[static_cast<int>(look)];
}

QString CharactersDrawnAsBoxes(const QFont& font, const QString& text) {
    QImage missing = drawn(font, QString::fromUcs4(&kNoGlyph, 1));
    QString boxes;
    for (char32_t ch : text.toUcs4()) {
        QString one = QString::fromUcs4(&ch, 1);
        if (ch < 0x80 || QChar::isSpace(ch) || boxes.contains(one)) continue;
        if (drawn(font, one) == missing) boxes += one;
    }
    return boxes;
}

QString CharactersMissingFrom(const QFont& font, const QString& text) {
    QFontMetrics metrics(font);
    QString missing;
    for (char32_t ch : text.toUcs4())
        if (ch >= 0x80 && !metrics.inFontUcs4(ch)) missing += QString::fromUcs4(&ch, 1);
    return missing;
}

int InkIn(const QImage& screen, const QRect& region) {
    int ink = 0;
    QRect r = region & screen.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            ink += qGray(screen.pixel(x, y)) < 110;
    return ink;
}

int InkWidth(const QImage& image) {
    return inkBox(image, groundLumaOf(image)).width();
}

double InkOverlap(const QImage& a, const QImage& b) {
    int groundA = groundLumaOf(a), groundB = groundLumaOf(b);
    QRect boxA = inkBox(a, groundA), boxB = inkBox(b, groundB);
    if (boxA.isEmpty() || boxB.isEmpty()) return 0;
    int width = std::max(boxA.width(), boxB.width());
    int height = std::max(boxA.height(), boxB.height());
    int both = 0, either = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            QPoint pa = boxA.topLeft() + QPoint(x, y), pb = boxB.topLeft() + QPoint(x, y);
            bool inkA = a.rect().contains(pa) && isDark(a.pixel(pa), groundA);
            bool inkB = b.rect().contains(pb) && isDark(b.pixel(pb), groundB);
            both += inkA && inkB;
            either += inkA || inkB;
        }
    return either ? static_cast<double>(both) / either : 0;
}

} // namespace wuzi::smoke
