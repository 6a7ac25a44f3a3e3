#pragma once

#include "i18n/LocalisedTable.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace tamb {

// Country names shared by the MMS and SMTP dialogs. Rows in LanguageId order.

// clang-format off
// Country list of the cellular dialogs: 44 names per language, then one empty slot. The index is the
// country index stored in the files.
inline constexpr auto CountryNames = MakeLocalisedTable<45>("CountryNames", {
    // 1
    "中国", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "波斯尼亚和黑塞哥维那", "",
    // 2
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 3
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 4
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 5
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 6
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 7
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 8
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenija", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 9
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 10
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 11
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Israel", "Bosnia and Herzegovina", "",
    // 12
    "Chiny", "USA", "Niemcy", "Wlk. Brytania", "Kanada", "Szwecja", "Słowenia", "Portugalia", "Turcja", "Szwajcaria",
    "Hiszpania", "Słowacja", "Rosja", "Rumunia", "Polska", "Holandia", "Włochy", "Irlandia", "Węgry", "Grecja",
    "Francja", "Australia", "Austria", "Brazylia", "Bułgaria", "Chorwacja", "Czechy", "Dania", "Finlandia",
    "Nowa Zelandia", "Norwegia", "RPA", "Egipt", "Ukraina", "Litwa", "Indie", "Łotwa", "Namibia", "Estonia", "Belgia",
    "Cypr", "Kajmany", "Izrael", "Bosnia and Herzegovina", "",
    // 13
    "çin", "amerika", "almanya", "ingiltere", "kanada", "isvec", "slovenya", "portekiz", "turkiye", "isviçre",
    "ispanya", "slovakya", "rusya", "romanya", "polonya", "hollanda", "italya", "irlanda", "macaristan", "yunanistan",
    "fransa", "avustralya", "avusturya", "brezilya", "bulgaristan", "hırvatistan", "çek cumhuriyeti", "danimarka",
    "finlandiya", "yeni zelanda", "norveç", "güney afrika", "mısır", "ukrayna", "litvanya", "hindistan", "letonya",
    "namibya", "estonya", "belçika", "kıbrıs", "cayman adaları", "İsrail", "Bosnia and Herzegovina", "",
    // 14
    "China", "United States", "Deutschland", "United Kingdom", "Canada", "Sweden", "Slovenia", "Portugal", "Turkey",
    "Schweiz", "Spain", "Slovakia", "Russia", "Romania", "Poland", "Netherlands", "Italy", "Ireland", "Hungary",
    "Greece", "France", "Australia", "Oesterreich", "Brazil", "Bulgaria", "Croatia", "Ceska republika", "Denmark",
    "Finland", "New Zealand", "Norway", "South Africa", "Egypt", "Ukraine", "Lithuania", "India", "Latvia", "Namibia",
    "Estonia", "Belgium", "Cyprus", "Cayman Islands", "Ізраїль", "Bosnia and Herzegovina", "",
    // 15
    "Китай", "США", "Германия", "Англия", "Канада", "Швеция", "Словения", "Португалия", "Турция", "Швейцария",
    "Испания", "Словакия", "Россия", "Румыния", "Польша", "Нидерланды", "Италия", "Ирландия", "Венгрия", "Греция",
    "Франция", "Австралия", "Остеррайх", "Бразилия", "Болгария", "Хорватия", "Чехия", "Дания", "Финляндия",
    "Новая Зеландия", "Норвегия", "Южная Африка", "Египет", "Украина", "Литва", "Индия", "Латвия", "Намибия", "Эстония",
    "Бельгия", "Кипр", "Кайманы", "Израиль", "Босния и Герцеговина", "",
});

// The single entry that replaces the country and operator lists in Manual mode.
inline constexpr auto OtherText = MakeLocalisedTable<1>("OtherText", {
    /*  1 */ "其他",
    /*  2 */ "Other",
    /*  3 */ "Andere",
    /*  4 */ "Muut",
    /*  5 */ "Altri",
    /*  6 */ "Autres",
    /*  7 */ "egyéb",
    /*  8 */ "Ostalo",
    /*  9 */ "ostatní",
    /* 10 */ "その他",
    /* 11 */ "kitas",
    /* 12 */ "Inne",
    /* 13 */ "Diğer",
    /* 14 */ "Інші",
    /* 15 */ "другое",
});
// clang-format on

// The names of China's two operators as the Chinese user interface lists them when the operator list is first filled.
inline constexpr std::array<std::string_view, 2> ChinaOperatorNamesZh { "中国移动", "中国联通" };

// The name of country `countryIndex` (0..43) in `language`; slot 44 is empty.
[[nodiscard]] constexpr std::string_view CountryName(LanguageId language, std::size_t countryIndex)
{
    return CountryNames.text(language, countryIndex);
}

} // namespace tamb
