#include "ui/Actions.h"

#include <QWidget>

namespace wuzi {

QAction* MakeAction(QObject* parent, const char* name, const QString& caption,
                    const QKeySequence& key) {
    auto* action = new QAction(caption, parent);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

QAction* MakeWindowAction(QWidget* window, const char* name, const QString& caption,
                          const QKeySequence& key) {
    QAction* action = MakeAction(window, name, caption, key);
    window->addAction(action);
    return action;
}

} // namespace wuzi
