#pragma once

#include "ui/Dialog.h"

namespace tamb {

// The About box: the application icon, the maker and its web address, and OK. Its texts are the same in every
// language.
class AboutBox : public Dialog
{
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

} // namespace tamb
