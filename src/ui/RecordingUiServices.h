#pragma once

#include "ui/UiServices.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tamb {

// UiServices for tests: records every message and opened address and answers folder questions from a queue
// ("next answer"); an empty queue answers like a cancelled chooser. Questions are recorded and answered from
// their own queue; an empty one answers No. Text prompts and item choices likewise, an empty queue answering
// Cancel. Install it with ScopedUiServices.
class RecordingUiServices : public UiServices
{
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    bool askYesNo(std::string_view text, DefaultAnswer preferred) override
    {
        questions.emplace_back(text);
        questionDefaults.push_back(preferred);
        if (yesNoAnswers.empty())
            return false;
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    std::optional<std::string> chooseFolder(std::string_view current) override
    {
        folderQuestions.emplace_back(current);
        if (folderAnswers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> answer = std::move(folderAnswers.front());
        folderAnswers.pop_front();
        return answer;
    }

    bool openUrl(std::string_view url) override
    {
        openedUrls.emplace_back(url);
        return !browserMissing;
    }

    std::optional<std::string> askText(std::string_view prompt, std::string_view initial) override
    {
        textPrompts.emplace_back(prompt);
        textInitials.emplace_back(initial);
        if (textAnswers.empty())
            return std::nullopt;
        std::optional<std::string> answer = std::move(textAnswers.front());
        textAnswers.pop_front();
        return answer;
    }

    std::optional<std::size_t> chooseItem(std::string_view prompt, std::span<const std::string> items) override
    {
        itemPrompts.emplace_back(prompt);
        offeredItems.emplace_back(items.begin(), items.end());
        if (itemAnswers.empty())
            return std::nullopt;
        const std::optional<std::size_t> answer = itemAnswers.front();
        itemAnswers.pop_front();
        return answer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<DefaultAnswer> questionDefaults; // the default button of each question, in the same order
    std::deque<bool> yesNoAnswers;
    std::vector<std::string> openedUrls;
    // Addresses cannot be opened, as on a system without a browser.
    bool browserMissing = false;
    std::vector<std::string> folderQuestions;
    // Answers for the next folder questions; std::nullopt stands for Cancel.
    std::deque<std::optional<std::string>> folderAnswers;
    std::vector<std::string> textPrompts;
    std::vector<std::string> textInitials;
    // Answers for the next text prompts; std::nullopt stands for Cancel.
    std::deque<std::optional<std::string>> textAnswers;
    std::vector<std::string> itemPrompts;
    std::vector<std::vector<std::string>> offeredItems; // the items of each choice
    // Answers for the next choices (the index of the item); std::nullopt stands for Cancel.
    std::deque<std::optional<std::size_t>> itemAnswers;
};

} // namespace tamb
