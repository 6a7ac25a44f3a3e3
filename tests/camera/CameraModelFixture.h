#pragma once

#include "camera/CameraSettingsModel.h"
#include "camera/MenuFile.h"
#include "common/ModelCatalogue.h"
#include "common/Paths.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace tamb::test {

// 07:05:09 on 3 February 2024, the local time every model test reads.
inline constexpr ClockReading kTestTime { 2024, 2, 3, 7, 5, 9 };

// A temporary output folder per test and an environment with a fixed clock that writes into it.
class CameraModelFixture
{
protected:
    CameraModelFixture() = default;
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

    TempFolder m_temp;
    std::filesystem::path m_folder = m_temp.path();
    ClockReading m_localTime = kTestTime;
};

} // namespace tamb::test
