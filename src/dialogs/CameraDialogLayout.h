#pragma once

#include "i18n/LocalisedTable.h"
#include "ui/DialogTemplate.h"

#include <span>

namespace tamb {

// A control's caption from a localised table, read with the language on screen.
struct CaptionSource
{
    int controlId;
    const LocalisedTable<1>* table = nullptr;
    const LanguageIndexedText* indexed = nullptr; // for the captions kept per LanguageId
};

// Moves a control by pixels, as the dialogs rearrange their template at start.
struct ControlMove
{
    int controlId;
    int dy;
};

// Everything a camera dialog shows beyond its settings model: the template, the captions, the identifiers of
// the edits without a number, and the SD Cycle row with the moves that close its gap when a model hides it.
struct CameraDialogLayout
{
    const DialogTemplate& dialogTemplate;
    std::span<const CaptionSource> captions;
    std::span<const int> sdCycleRow;
    std::span<const ControlMove> sdCycleGapMoves;
    int passwordEditId = kNoId;
    int getTimeButtonId = 1031;
    int selectFolderButtonId = 1057;
    int defaultButtonId = 1062;
};

// The generic camera menu (template 129).
[[nodiscard]] const CameraDialogLayout& GenericCameraLayout();

} // namespace tamb
