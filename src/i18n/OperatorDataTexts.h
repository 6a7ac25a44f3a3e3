#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Where an operator's parameters come from, and the operators that ended MMS, in every interface language. Rows
// in LanguageId order. The source lines take the date of the data (%1); the MMS texts the operator (%1) and the
// date its MMS service ended (%2).

inline constexpr auto ParameterSourceDatabaseText = DeclareLocalisedTable<1>("ParameterSourceDatabase");
inline constexpr auto ParameterSourceBuiltInText = DeclareLocalisedTable<1>("ParameterSourceBuiltIn");
inline constexpr auto ParameterSourceNoneText = DeclareLocalisedTable<1>("ParameterSourceNone");
inline constexpr auto MmsEndedText = DeclareLocalisedTable<1>("MmsEnded");
inline constexpr auto MmsEndedWriteAnywayText = DeclareLocalisedTable<1>("MmsEndedWriteAnyway");

} // namespace tamb
