#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>

class QMenu;

namespace wuzi {

// A menu command found by its object name (the name the tests look it up by). Its
// caption is a QT_TRANSLATE_NOOP("Menu", ...) text and follows the language.
QAction* MakeAction(QObject* parent, const char* name, const char* caption,
                    const QKeySequence& key = {});

// The same, also added to the window, so that its shortcut answers while its menu is
// closed.
QAction* MakeWindowAction(QWidget* window, const char* name, const char* caption,
                          const QKeySequence& key = {});

// A menu of the window, its caption as MakeAction's.
QMenu* MakeMenu(QWidget* parent, const char* name, const char* caption);

} // namespace wuzi
