#pragma once

#include <cstdint>
#include <string>

namespace tamb {

// Where the recipient phone numbers are dialled.
enum class PhoneScope : std::uint8_t
{
    China = 0, // domestic numbers
    International = 1,
};

// The position in the link-type list.
enum class LinkType : std::uint8_t
{
    Apn = 0,
    Csd = 1,
};

// The header's country and operator when the parameters are typed in rather than taken from the database.
inline constexpr std::uint8_t kManualCountryIndex = 128;
inline constexpr std::uint8_t kManualOperatorIndex = 0;
// The last entry of the remote-control hour list (0..24 are hours).
inline constexpr std::uint8_t kRemoteControlOff = 25;
inline constexpr std::uint8_t kMaxPicturesPerDay = 99;

// What an MMS dialog (or the command line) hands to WriteSetupFile. Texts are UTF-8.
struct MmsSettings
{
    // The picture sending mode as the camera knows it (derived from the status list by the model).
    std::uint8_t mmsStatusCode = 1;
    // The position in the MMS status list, from 0.
    std::uint8_t mmsStatusIndex = 1;
    LinkType linkType = LinkType::Apn;
    // Daily picture limit 0..99; 0 means no limit.
    std::uint8_t picturesPerDay = 0;
    PhoneScope phoneScope = PhoneScope::China;
    // Country index 0..43 and operator position in Auto mode; kManualCountryIndex and 0 in Manual mode.
    std::uint8_t countryIndex = 0;
    std::uint8_t operatorIndex = 0;
    // 0..24 an hour, kRemoteControlOff for Off.
    std::uint8_t remoteControlHour = kRemoteControlOff;
    // True when the MMS parameters come from the operator database.
    bool autoMode = true;

    std::string url;
    std::string apn;
    std::string gateway;
    std::string port;
    std::string account;
    std::string password;
    std::string phone1;
    std::string phone2;
    std::string phone3;
    std::string email;
};

} // namespace tamb
