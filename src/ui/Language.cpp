#include "ui/Language.h"

#include <QAction>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>

#include <algorithm>
#include <iterator>

namespace wuzi {

namespace {

constexpr const char* kSourceProperty = "wuziCaption";

// The core's message texts, as the core writes them (core/Placement.h, core/Fault.h).
const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("CoreMessages", "提示"),
    QT_TRANSLATE_NOOP("CoreMessages", "计算机胜!"),
    QT_TRANSLATE_NOOP("CoreMessages", "玩家胜!"),
    QT_TRANSLATE_NOOP("CoreMessages", "此局为和局!"),
    QT_TRANSLATE_NOOP("CoreMessages", "第一步请走在天元!"),
    QT_TRANSLATE_NOOP("CoreMessages", "错误"),
    QT_TRANSLATE_NOOP("CoreMessages", "黑胜!"),
    QT_TRANSLATE_NOOP("CoreMessages", "白胜!"),
};

QAction* captioned(QObject* item) {
    if (auto* menu = qobject_cast<QMenu*>(item)) return menu->menuAction();
    return qobject_cast<QAction*>(item);
}

} // namespace

QString LanguageCode(Language language) {
    return language == Language::English ? "en" : "zh_CN";
}

Language LanguageOfCode(const QString& code) {
    return code == "en" ? Language::English : Language::Chinese;
}

void Translations::apply(Language language) {
    // Each removal and installation tells every window to translate itself afresh.
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&own_);
    current_ = language;
    QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    // Qt's own texts are English already; Chinese needs Qt's translation of them.
    bool qtLoaded = language == Language::Chinese && qt_.load("qtbase_zh_CN", qtDir);
    bool ownLoaded = language == Language::English && own_.load(":/i18n/wuzi_en.qm");
    if (qtLoaded) QCoreApplication::installTranslator(&qt_);
    if (ownLoaded) QCoreApplication::installTranslator(&own_);
}

void SetCaption(QObject* item, const char* source) {
    QAction* action = captioned(item);
    action->setProperty(kSourceProperty, QByteArray(source));
    action->setText(QCoreApplication::translate("Menu", source));
}

void Retranslate(QObject* root) {
    for (QAction* action : root->findChildren<QAction*>()) {
        QByteArray source = action->property(kSourceProperty).toByteArray();
        if (!source.isEmpty()) action->setText(QCoreApplication::translate("Menu", source));
    }
}

QString CoreText(const std::string& text) {
    auto known = std::find_if(std::begin(kCoreTexts), std::end(kCoreTexts),
                              [&](const char* t) { return text == t; });
    if (known == std::end(kCoreTexts)) return QString::fromStdString(text);
    return QCoreApplication::translate("CoreMessages", *known);
}

} // namespace wuzi
