#pragma once

#include "camera/CameraSettingsModel.h"
#include "camera/MenuFile.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace tamb::testing {

// 07:05:09 on 3 February 2024, the local time every model test reads.
inline constexpr ClockReading kTestTime { 2024, 2, 3, 7, 5, 9 };

// A temporary output folder per test and an environment with a fixed clock that writes into it.
class CameraModelFixture
{
protected:
    CameraModelFixture()
    {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // A short name: the folder texts of the dialogs are limited to 80 characters.
        const std::string name = std::string { test->test_suite_name() } + "." + test->name();
        m_folder
            = std::filesystem::temp_directory_path() / ("tamb-cam-" + std::to_string(std::hash<std::string> {}(name)));
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
    }
    ~CameraModelFixture() { std::filesystem::remove_all(m_folder); }
    CameraModelFixture(const CameraModelFixture&) = delete;
    CameraModelFixture& operator=(const CameraModelFixture&) = delete;

    [[nodiscard]] CameraEnvironment environment(ModelId model, LanguageId language = kEnglish) const
    {
        CameraEnvironment environment;
        environment.app.model = model;
        environment.app.language = language;
        environment.localTime = [this] { return m_localTime; };
        environment.startFolder = folder();
        environment.writeMenuFile
            = [](std::string_view folder, const CameraSettingsRecord& record) { return WriteMenuFile(folder, record); };
        return environment;
    }

    [[nodiscard]] CameraSettingsModel makeModel(ModelId model, LanguageId language = kEnglish) const
    {
        return CameraSettingsModel(CameraFamilyFor(model), environment(model, language));
    }

    [[nodiscard]] std::string folder() const { return Utf8FromPath(m_folder); }
    [[nodiscard]] std::filesystem::path menuFile() const { return m_folder / "menu.dat"; }

    [[nodiscard]] std::vector<std::uint8_t> writtenFile() const
    {
        std::ifstream in(menuFile(), std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    std::filesystem::path m_folder;
    ClockReading m_localTime = kTestTime;
};

} // namespace tamb::testing
