#pragma once

#include <QString>
#include <QTranslator>

#include <string>

class QObject;

namespace wuzi {

// The languages of the window: Chinese, in which it is written, and English.
enum class Language { Chinese, English };

QString LanguageCode(Language language); // "zh_CN", "en"
Language LanguageOfCode(const QString& code);

// The translators of the chosen language: Qt's own (standard buttons, file dialogs) from
// Qt's translations directory, and for English the program's own, built into it.
// Installing them sends every widget a LanguageChange.
class Translations {
  public:
    void apply(Language language);
    Language current() const { return current_; }

  private:
    Language current_ = Language::Chinese;
    QTranslator qt_;
    QTranslator own_;
};

// A caption that follows the language: shown translated now, and again after every
// switch by Retranslate. `source` is a QT_TRANSLATE_NOOP("Menu", ...) text.
void SetCaption(QObject* item, const char* source);
// Gives every action and menu under `root` its caption in the language now installed.
void Retranslate(QObject* root);

// A text of the game's core (a message box's title or text) in the language installed;
// texts the window does not know stay as the core wrote them.
QString CoreText(const std::string& text);

} // namespace wuzi
