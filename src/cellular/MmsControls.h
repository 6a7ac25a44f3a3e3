#pragma once

namespace tamb {

// Template identifiers of the MMS dialogs' controls.
namespace mms {
inline constexpr int kUrlEdit = 1002;
inline constexpr int kApnEdit = 1003;
inline constexpr int kGatewayEdit = 1004;
inline constexpr int kPortEdit = 1005;
inline constexpr int kPhone1Edit = 1006;
inline constexpr int kEmailEdit = 1007;
inline constexpr int kAccountEdit = 1008;
inline constexpr int kPasswordEdit = 1009;
inline constexpr int kPhone2Edit = 1010;
inline constexpr int kPhone3Edit = 1011;
inline constexpr int kFolderEdit = 1012;
inline constexpr int kPicturesPerDayEdit = 1074;
inline constexpr int kModeList = 1041;
inline constexpr int kStatusList = 1042;
inline constexpr int kCountryList = 1045;
inline constexpr int kOperatorList = 1046;
inline constexpr int kLinkTypeList = 1056;
inline constexpr int kPhoneScopeList = 1060;
inline constexpr int kSelectFolderButton = 1057;
// The line under the buttons that says where the chosen operator's parameters come from (Auto mode only).
inline constexpr int kParameterSourceText = 1190;
} // namespace mms

} // namespace tamb
