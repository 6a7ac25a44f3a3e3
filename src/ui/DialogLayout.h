#pragma once

#include "i18n/LocalisedTable.h"
#include "ui/DialogTemplate.h"

#include <algorithm>
#include <cstddef>
#include <span>
#include <string_view>

namespace tamb {

// A control's caption from a localised table, read with the language on screen. A caption may be one column of
// a two-text table, and may belong to some models only (a control with several such rows shows the one of the
// model on screen).
struct CaptionSource
{
    int controlId;
    const LocalisedTable<1>* table = nullptr;
    const LanguageIndexedText* indexed = nullptr; // for the captions kept per LanguageId
    const LocalisedTable<2>* pair = nullptr;
    std::size_t column = 0; // the entry of `pair`
    std::span<const ModelId> models = {}; // empty: every model

    [[nodiscard]] std::string_view text(LanguageId language) const
    {
        if (table != nullptr)
            return table->text(language, 0);
        if (pair != nullptr)
            return pair->text(language, column);
        return indexed != nullptr ? indexed->text(language) : std::string_view {};
    }
    [[nodiscard]] bool isFor(ModelId model) const
    {
        return models.empty() || std::ranges::find(models, model) != models.end();
    }
};

// Moves a control by pixels of a dialog whose font is kReferenceCharHeight pixels high; the binder scales the
// move to the dialog's own font, so that rows close up the same way whatever the font.
struct ControlMove
{
    int controlId;
    int dy;
};
inline constexpr int kReferenceCharHeight = 16;

// How the rows around a hidden row move into its space: applied once, when the dialog opens, if the settings
// model hides `hiddenControl`.
struct RowMoves
{
    int hiddenControl;
    std::span<const ControlMove> moves;
};

// A control that takes the size and the typing limit of another control of the template, keeping its position.
struct ControlReshape
{
    int controlId;
    int likeControl;
};

// What else changes, once, when the dialog opens, if the settings model hides `hiddenControl`: captions taken
// from other tables and controls reshaped into the space the hidden control leaves.
struct HiddenControlChanges
{
    int hiddenControl;
    std::span<const CaptionSource> captions = {};
    std::span<const ControlReshape> reshapes = {};
};

// Everything a setup dialog shows beyond its settings model: the template, the captions, the moves of the rows
// around the rows the model may hide and the other changes a hidden control brings.
struct DialogLayout
{
    const DialogTemplate& dialogTemplate;
    std::span<const CaptionSource> captions;
    std::span<const RowMoves> rowMoves = {};
    std::span<const HiddenControlChanges> whenHidden = {};
};

} // namespace tamb
