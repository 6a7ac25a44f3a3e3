#include "camera/CameraOptions.h"

#include "i18n/CameraOptionTexts.h"
#include "i18n/CoordinateTexts.h"

namespace tamb {

namespace {

template <std::size_t W> std::vector<std::string_view> Row(const LocalisedTable<W>& table, LanguageId language)
{
    const auto row = table.row(language);
    return { row.begin(), row.end() };
}

} // namespace

std::vector<std::string_view> OptionTexts(OptionSource source, const CameraModelVariant& variant, LanguageId language)
{
    switch (source) {
    case OptionSource::CameraMode:
        return Row(CameraModeOptions, language);
    case OptionSource::PictureCount:
        return Row(PictureCountOptions, language);
    case OptionSource::Sensitivity:
        return Row(SensitivityOptions, language);
    case OptionSource::IntervalUnit:
        return Row(IntervalUnitOptions, language);
    case OptionSource::DateFormat:
        return Row(DateFormatOptions, language);
    case OptionSource::LiteralDateFormat:
        // Chinese, or the English abbreviations for every other language.
        return Row(DateFormatOptions, language == kChinese ? kChinese : kEnglish);
    case OptionSource::OnOff:
        return Row(OnOffOptions, language);
    case OptionSource::OffOn:
        return Row(OffOnOptions, language);
    case OptionSource::SerialCharacters: {
        std::vector<std::string_view> characters;
        for (std::size_t i = 0; i < kSerialCharacters.size(); ++i)
            characters.push_back(kSerialCharacters.substr(i, 1));
        return characters;
    }
    case OptionSource::LongitudeHemisphere:
        return { EastText.text(language, 0), WestText.text(language, 0) };
    case OptionSource::LatitudeHemisphere:
        return { SouthText.text(language, 0), NorthText.text(language, 0) };
    case OptionSource::ModelImageSizes:
        return { variant.imageSizes.begin(), variant.imageSizes.end() };
    case OptionSource::ModelVideoSizes:
        return { variant.videoSizes.begin(), variant.videoSizes.end() };
    }
    return {};
}

int OptionCount(OptionSource source, const CameraModelVariant& variant)
{
    return static_cast<int>(OptionTexts(source, variant, kEnglish).size());
}

} // namespace tamb
