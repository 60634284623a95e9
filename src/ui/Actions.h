#pragma once

#include <QAction>
#include <QKeySequence>
#include <QString>

namespace wuzi {

// A menu command found by its object name (as the tests and the design name it).
QAction* MakeAction(QObject* parent, const char* name, const QString& caption,
                    const QKeySequence& key = {});

// The same, also added to the window, so that its shortcut answers while its menu is
// closed.
QAction* MakeWindowAction(QWidget* window, const char* name, const QString& caption,
                          const QKeySequence& key = {});

} // namespace wuzi
