// Texts of the interface and their translation. Every text a window shows is written in
// the program's source language (the Russian interface) with the context it is
// translated in; an object given such a text keeps it, so that a change of language
// gives every open window its new texts at once.
#pragma once

#include <QString>
#include <string>

class QComboBox;
class QObject;

namespace karvelo {

struct UiText {
    const char* Context = "";
    const char* Source = "";
};

// A text of the interface; the translation tools read these marks from the sources.
#define KTR(context, source) (::karvelo::UiText{context, source})

// The text in the interface language now in force.
QString Translate(UiText text);

// A note or refusal from below the interface (written in English) with the names of the
// interface's fields it quotes given in the interface language.
QString WithFieldNames(const std::string& text);

// Sets property ("text", "title", "toolTip", "windowTitle", "placeholderText") of object
// to the translation of text and remembers the text for RetranslateTree.
void SetUiText(QObject* object, const char* property, UiText text);

// Sets item index of combo to the translation of text, remembered as SetUiText remembers.
void SetUiItemText(QComboBox* combo, int index, UiText text);

// Gives every object under root (root included) that was given a text through SetUiText
// that text in the interface language now in force.
void RetranslateTree(QObject* root);

}  // namespace karvelo
