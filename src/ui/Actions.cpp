#include "ui/Actions.h"

#include "ui/Language.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace wuzi {

namespace {

// The style measures a caption with a mnemonic a little short and elides its widest item
// ("技术支…T)"): each item is measured with some room to spare, in its own font, where the
// menu measures its items, so that the room is counted once however often a menu opens.
class MenuItemRoom : public QProxyStyle {
  public:
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contents,
                           const QWidget* widget) const override {
        QSize size = QProxyStyle::sizeFromContents(type, option, contents, widget);
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type != CT_MenuItem || !item || item->menuItemType == QStyleOptionMenuItem::Separator)
            return size;
        return size + QSize(item->fontMetrics.horizontalAdvance(QStringLiteral("MM")), 0);
    }
};

// One for all the menus, living as long as the application.
QStyle* menuStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new MenuItemRoom;
        style->setParent(qApp);
    }
    return style;
}

} // namespace

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
    menu->setStyle(menuStyle());
    return menu;
}

} // namespace wuzi
