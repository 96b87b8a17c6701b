#include "app/interface_language.h"

#include <QApplication>
#include <QTranslator>
#include <QWidget>

#include "app/ui_text.h"

namespace karvelo {

namespace {

// Where the build puts the English translation among the program's resources.
constexpr const char* kEnglishTranslation = ":/i18n/karvelo_en.qm";

Language current = Language::Russian;

QTranslator& EnglishTranslator() {
    static QTranslator translator;
    return translator;
}

}  // namespace

Language InterfaceLanguage() {
    return current;
}

bool SetInterfaceLanguage(Language language) {
    QTranslator& english = EnglishTranslator();
    if (language == Language::English) {
        if (english.isEmpty() && !english.load(QString::fromLatin1(kEnglishTranslation))) {
            return false;
        }
        QCoreApplication::installTranslator(&english);
    } else {
        QCoreApplication::removeTranslator(&english);
    }
    current = language;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        RetranslateTree(window);
    }
    return true;
}

}  // namespace karvelo
