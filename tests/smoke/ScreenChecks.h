#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

class QWidget;

namespace wuzi::smoke {

// The whole X screen, saved under `name` beside the test (prefixed "scale2-" on a
// scaled screen), in the device-independent pixels the widgets are placed in.
QImage GrabScreen(const QString& name);

// A top-level window as the X screen shows it, frame and all, at the screen's own
// resolution, saved under `name` beside the test: the README's screenshots.
void SaveWindowShot(QWidget* window, const QString& name);

// What lies under a point of the screen: a black or white stone or the wooden board.
enum class Look { Black, White, Wood, Other };
Look LookAt(const QImage& screen, QPoint p);
const char* LookName(Look look);

// The characters of `text` that `font`, with every fallback Qt would use, draws as the
// missing-glyph box (or not at all): drawn alone, each looks the same as a code point
// that no font has.
QString CharactersDrawnAsBoxes(const QFont& font, const QString& text);

// The characters of `text` outside ASCII that `font` itself has no glyph for.
QString CharactersMissingFrom(const QFont& font, const QString& text);

// Dark pixels of a region: text and lines on a light ground.
int InkIn(const QImage& screen, const QRect& region);

// The width of the ink's bounding box, on the ground of the image's top-left pixel.
int InkWidth(const QImage& image);

// How closely two renderings of the same text agree: the overlap of their ink, each
// cut to its own ink's bounding box, from 0 (nothing shared) to 1 (the same shapes).
double InkOverlap(const QImage& a, const QImage& b);

} // namespace wuzi::smoke
