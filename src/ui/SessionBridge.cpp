#include "ui/SessionBridge.h"

namespace wuzi {

SessionBridge::SessionBridge(MessageSink& boxes, QObject* parent)
    : QObject(parent), boxes_(boxes) {}

std::function<void()> SessionBridge::wake() {
    return
        [this] { QMetaObject::invokeMethod(this, &SessionBridge::workDone, Qt::QueuedConnection); };
}

void SessionBridge::information(const std::string& title, const std::string& text) {
    boxes_.information(title, text);
}

void SessionBridge::critical(const std::string& title, const std::string& text) {
    boxes_.critical(title, text);
}

bool SessionBridge::question(const std::string& title, const std::string& text) {
    return boxes_.question(title, text);
}

bool SessionBridge::confirm(const std::string& title, const std::string& text) {
    return boxes_.confirm(title, text);
}

} // namespace wuzi
