#pragma once

#include "ui/UiServices.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace tamb {

// UiServices for tests: records every message and opened address and answers folder questions from a queue
// ("next answer"); an empty queue answers like a cancelled chooser. Questions are recorded and answered from
// their own queue; an empty one answers No. Install it with ScopedUiServices.
class RecordingUiServices : public UiServices
{
public:
    void showMessage(std::string_view text) override { messages.emplace_back(text); }

    bool askYesNo(std::string_view text, DefaultAnswer defaultAnswer) override
    {
        questions.emplace_back(text);
        questionDefaults.push_back(defaultAnswer);
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

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<DefaultAnswer> questionDefaults;
    std::deque<bool> yesNoAnswers;
    std::vector<std::string> openedUrls;
    // Addresses cannot be opened, as on a system without a browser.
    bool browserMissing = false;
    std::vector<std::string> folderQuestions;
    // Answers for the next folder questions; std::nullopt stands for Cancel.
    std::deque<std::optional<std::string>> folderAnswers;
};

} // namespace tamb
