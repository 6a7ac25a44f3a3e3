#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Generate in Auto mode with an operator the database has no parameters for; %1 is the Manual entry of the
// dialog's mode list. Rows in LanguageId order.

// clang-format off
inline constexpr auto OperatorWithoutParametersText = MakeLocalisedTable<1>("OperatorWithoutParameters", {
    /*  1 */ "此运营商没有内置参数：请选择“%1”并输入该运营商的参数。",
    /*  2 */ "This operator has no built-in parameters: please choose \"%1\" and type in the operator's parameters.",
    /*  3 */ "Für diesen Netzbetreiber sind keine Parameter hinterlegt: Bitte wählen Sie „%1“ und geben Sie seine Parameter ein.",
    /*  4 */ "Tälle operaattorille ei ole valmiita asetuksia: valitse ”%1” ja kirjoita operaattorin asetukset.",
    /*  5 */ "Per questo operatore non ci sono parametri predefiniti: scegliere «%1» e inserire i parametri dell'operatore.",
    /*  6 */ "Cet opérateur n'a pas de paramètres intégrés : choisissez « %1 » et saisissez les paramètres de l'opérateur.",
    /*  7 */ "Ehhez a szolgáltatóhoz nincsenek beépített paraméterek: válassza ezt: „%1”, és írja be a szolgáltató paramétereit.",
    /*  8 */ "Za tega operaterja ni vgrajenih parametrov: izberite »%1« in vnesite parametre operaterja.",
    /*  9 */ "Pro tohoto operátora nejsou uloženy žádné parametry: zvolte „%1“ a zadejte parametry operátora.",
    /* 10 */ "この通信会社のパラメータは内蔵されていません。「%1」を選び、通信会社のパラメータを入力してください。",
    /* 11 */ "Šiam operatoriui nėra įdiegtų parametrų: pasirinkite „%1“ ir įveskite operatoriaus parametrus.",
    /* 12 */ "Dla tego operatora nie ma wbudowanych parametrów: wybierz „%1” i wpisz parametry operatora.",
    /* 13 */ "Bu operatörün yerleşik parametreleri yok: lütfen “%1” seçeneğini seçin ve operatörün parametrelerini girin.",
    /* 14 */ "Для цього оператора немає вбудованих параметрів: виберіть «%1» і введіть параметри оператора.",
    /* 15 */ "Для этого оператора нет встроенных параметров: выберите «%1» и введите параметры оператора.",
});
// clang-format on

} // namespace tamb
