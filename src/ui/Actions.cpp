#include "ui/Actions.h"

#include "ui/Language.h"

#include <QMenu>
#include <QWidget>

namespace wuzi {

QAction* MakeAction(QObject* parent, const char* name, const char* caption,
                    const QKeySequence& key) {
    auto* action = new QAction(parent);
    action->setObjectName(name);
    SetCaption(action, caption);
    if (!key.isEmpty()) action->setShortcut(key);
    return action;
}

QAction* MakeWindowAction(QWidget* window, const char* name, const char* caption,
                          const QKeySequence& key) {
    QAction* action = MakeAction(window, name, caption, key);
    window->addAction(action);
    return action;
}

QMenu* MakeMenu(QWidget* parent, const char* name, const char* caption) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    SetCaption(menu, caption);
    // The style measures a caption with a mnemonic a little short and elides its widest
    // item ("技术支…T)"): some room to spare, measured afresh for the language shown.
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        menu->setMinimumWidth(0);
        int room = menu->fontMetrics().horizontalAdvance(QStringLiteral("MM"));
        menu->setMinimumWidth(menu->sizeHint().width() + room);
    });
    return menu;
}

} // namespace wuzi
