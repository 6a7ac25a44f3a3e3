#include "dialogs/CameraDialog.h"

#include "camera/CameraOptions.h"
#include "camera/MenuFile.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "ui/UiServices.h"

namespace tamb {

CameraDialog::CameraDialog(
    CameraFamily family, const CameraDialogLayout& layout, CameraEnvironment environment, QWidget* parent)
    : Dialog(layout.dialogTemplate, parent)
    , m_layout(layout)
    , m_model(family, std::move(environment))
{
}

void CameraDialog::initialise()
{
    setTitle(ModelTitle(m_model.app().model));
    if (m_layout.passwordEditId != kNoId)
        setTypingLimit(m_layout.passwordEditId, static_cast<int>(kWirelessPasswordLength));
    if (!m_model.isListShown(CameraList::SdCycle) && m_model.hasList(CameraList::SdCycle))
        closeSdCycleGap();
    fillLists();
    setCaptions();
    setReadOnly(kClockEditId, m_model.isClockReadOnly());
    mirrorModel();
    connectHandlers();
}

void CameraDialog::setCaptions()
{
    const LanguageId language = m_model.app().language;
    for (const CaptionSource& caption : m_layout.captions) {
        if (!hasControl(caption.controlId))
            continue;
        setControlText(caption.controlId,
            caption.table != nullptr ? caption.table->text(language, 0) : caption.indexed->text(language));
    }
}

void CameraDialog::fillLists()
{
    for (const ListBinding& binding : m_model.data().lists) {
        clearList(binding.controlId);
        for (const std::string_view text : OptionTexts(binding.options, m_model.variant(), m_model.app().language))
            appendListItem(binding.controlId, text);
    }
}

void CameraDialog::closeSdCycleGap()
{
    for (const int id : m_layout.sdCycleRow)
        showControl(id, false);
    // The moves are pixels of a dialog whose font is 16 pixels high; scale them to this dialog's font so
    // that the rows close up the same way whatever the font.
    constexpr int kReferenceCharHeight = 16;
    for (const ControlMove& move : m_layout.sdCycleGapMoves)
        moveControlBy(move.controlId, 0, move.dy * baseUnits().charHeight / kReferenceCharHeight);
}

void CameraDialog::connectHandlers()
{
    for (const NumberBinding& binding : m_model.data().numbers) {
        on(binding.controlId, Notification::TextChanged,
            [this, binding] { apply(m_model.changeNumber(binding.number, controlText(binding.controlId))); });
    }
    for (const ListBinding& binding : m_model.data().lists) {
        on(binding.controlId, Notification::SelectionChanged,
            [this, binding] { apply(m_model.selectOption(binding.list, selectedListItem(binding.controlId))); });
    }
    on(kClockEditId, Notification::TextChanged,
        [this] { m_model.changeText(CameraText::Clock, controlText(kClockEditId)); });
    on(kFolderEditId, Notification::TextChanged,
        [this] { m_model.changeText(CameraText::Folder, controlText(kFolderEditId)); });
    if (m_layout.passwordEditId != kNoId) {
        on(m_layout.passwordEditId, Notification::TextChanged,
            [this] { m_model.changeText(CameraText::WirelessPassword, controlText(m_layout.passwordEditId)); });
    }
    on(m_layout.getTimeButtonId, Notification::Clicked, [this] { apply(m_model.getTime()); });
    on(m_layout.selectFolderButtonId, Notification::Clicked, [this] {
        apply(m_model.chooseFolder(CurrentUiServices().chooseFolder(m_model.editText(CameraText::Folder))));
    });
    on(m_layout.defaultButtonId, Notification::Clicked, [this] { apply(m_model.restoreDefaults()); });
}

void CameraDialog::okPressed()
{
    apply(m_model.generate());
}

void CameraDialog::apply(const CameraOutcome& outcome)
{
    for (const CameraMessage& message : outcome.messages)
        ShowMessage(CameraMessageText(message, m_model.app().language));
    mirrorModel();
    if (outcome.focusControl && hasControl(*outcome.focusControl))
        control(*outcome.focusControl)->setFocus();
}

void CameraDialog::setTextIfChanged(int controlId, const std::string& text)
{
    // Setting an unchanged text would move the cursor of the edit being typed in.
    if (controlText(controlId) != text)
        setControlText(controlId, text);
}

void CameraDialog::mirrorModel()
{
    for (const NumberBinding& binding : m_model.data().numbers) {
        setTextIfChanged(binding.controlId, m_model.editText(binding.number));
        setReadOnly(binding.controlId, m_model.isReadOnly(binding.number));
    }
    for (const ListBinding& binding : m_model.data().lists) {
        if (selectedListItem(binding.controlId) != m_model.selection(binding.list))
            selectListItem(binding.controlId, m_model.selection(binding.list));
    }
    for (const CameraList list : kSerialCharacterLists) {
        if (const ListBinding* binding = FindList(m_model.data(), list))
            enableControl(binding->controlId, m_model.areSerialCharactersEnabled());
    }
    setTextIfChanged(kClockEditId, m_model.editText(CameraText::Clock));
    setTextIfChanged(kFolderEditId, m_model.editText(CameraText::Folder));
    if (m_layout.passwordEditId != kNoId) {
        setTextIfChanged(m_layout.passwordEditId, m_model.editText(CameraText::WirelessPassword));
        setReadOnly(m_layout.passwordEditId, m_model.isWirelessPasswordReadOnly());
    }
}

CameraEnvironment DesktopCameraEnvironment(const AppState& state)
{
    CameraEnvironment environment;
    environment.app = state;
    environment.localTime = [] { return ReadLocalClock(); };
    environment.startFolder = DefaultOutputFolder();
    environment.writeMenuFile
        = [](std::string_view folder, const CameraSettingsRecord& record) { return WriteMenuFile(folder, record); };
    return environment;
}

} // namespace tamb
