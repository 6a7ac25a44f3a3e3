#pragma once

#include "common/AppState.h"
#include "ui/Dialog.h"

namespace tamb {

// The About box: the application icon, the program's name and version, the maker and its web address, and OK.
// The version label follows `language`; the other texts are the same in every language.
class AboutBox : public Dialog
{
public:
    explicit AboutBox(LanguageId language, QWidget* parent = nullptr);
};

} // namespace tamb
