#pragma once

#include "common/AppState.h"

namespace tamb {

// Makes Qt's own texts (the buttons of message boxes, the folder chooser) read in `language`, replacing the
// language used before. Qt's translations come from the system (Debian: qt6-translations-l10n); a language that
// Qt has no translation for, or a system without them, keeps Qt's English.
void UseQtTranslations(LanguageId language);

} // namespace tamb
