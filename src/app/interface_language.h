// The language of the desktop program's interface: Russian (the texts as written, no
// translation) or English (the translation built from resources/translations).
#pragma once

#include "common/language.h"

namespace karvelo {

Language InterfaceLanguage();

// Installs the translation of language (none for Russian) and gives every window and
// dialog that is open its texts in that language at once. False, with the interface
// left as it was, when the translation cannot be loaded.
bool SetInterfaceLanguage(Language language);

}  // namespace karvelo
