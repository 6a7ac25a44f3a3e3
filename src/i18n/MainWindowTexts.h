#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions of the main window. Rows in LanguageId order.

// clang-format off
inline constexpr auto CameraSetupText = MakeLocalisedTable<1>("CameraSetupText", {
    /*  1 */ "相机设置",
    /*  2 */ "Camera Setup",
    /*  3 */ "Kamera Installation",
    /*  4 */ "Kamera-asetukset",
    /*  5 */ "Camera Setup",
    /*  6 */ "Reglage Camera",
    /*  7 */ "Kamera beallita",
    /*  8 */ "Nastavitev kamere",
    /*  9 */ "Nastaveni",
    /* 10 */ "本体設定",
    /* 11 */ "Kameros nustat.",
    /* 12 */ "Ustawienia Kamera",
    /* 13 */ "kamera kurulumu",
    /* 14 */ "Устан. Камеры",
    /* 15 */ "Настройки",
});

inline constexpr auto SelectLanguageText = MakeLocalisedTable<1>("SelectLanguageText", {
    /*  1 */ "选择语言",
    /*  2 */ "Select Language",
    /*  3 */ "Sprache auswählen",
    /*  4 */ "Valitse kieli",
    /*  5 */ "Seleziona lingua",
    /*  6 */ "Sélectionnez la langue",
    /*  7 */ "Válassza ki a nyelvet",
    /*  8 */ "Jezik",
    /*  9 */ "Zvolit Jazyk",
    /* 10 */ "言語を選択",
    /* 11 */ "Pasirinkite kalbą",
    /* 12 */ "Wybierz język",
    /* 13 */ "dil seç",
    /* 14 */ "Выбор языка",
    /* 15 */ "выберете",
});

inline constexpr auto CameraModelText = MakeLocalisedTable<1>("CameraModelText", {
    /*  1 */ "机器型号",
    /*  2 */ "Camera Model",
    /*  3 */ "Kamera-Modell",
    /*  4 */ "Koneen malli",
    /*  5 */ "Modello di fotocamera",
    /*  6 */ "Modèle de machine",
    /*  7 */ "Machine Model",
    /*  8 */ "Model kamere",
    /*  9 */ "Fotopast Model",
    /* 10 */ "機械モデル",
    /* 11 */ "Aparato modelis",
    /* 12 */ "Model urządzenia",
    /* 13 */ "kamera modeli",
    /* 14 */ "Модель камеры",
    /* 15 */ "Фотоловушка",
});

inline constexpr auto MmsSetupText = MakeLocalisedTable<1>("MmsSetupText", {
    /*  1 */ "彩信设置",
    /*  2 */ "MMS Setup",
    /*  3 */ "MMS-Einstellungen",
    /*  4 */ "MMS-asetukset",
    /*  5 */ "Impostazioni MMS",
    /*  6 */ "Paramètres MMS",
    /*  7 */ "MMS beállítások",
    /*  8 */ "MMS nastavitev",
    /*  9 */ "Nastavení MMS",
    /* 10 */ "MMSの設定",
    /* 11 */ "MMS nustatymai",
    /* 12 */ "Ustawienia MMS",
    /* 13 */ "MMS kurulum",
    /* 14 */ "Настройка MMS",
    /* 15 */ "MMS настр.",
});

inline constexpr auto SmtpSetupText = MakeLocalisedTable<1>("SmtpSetupText", {
    /*  1 */ "SMTP设置",
    /*  2 */ "Smtp Setup",
    /*  3 */ "SMTP-Einstellungen",
    /*  4 */ "SMTP-asetukset",
    /*  5 */ "Impostazioni SMTP",
    /*  6 */ "Paramètres SMTP",
    /*  7 */ "SMTP beállítások",
    /*  8 */ "SMTP nastavitev",
    /*  9 */ "Nastavení SMTP",
    /* 10 */ "SMTPの設定",
    /* 11 */ "SMTP nustatymai",
    /* 12 */ "Ustawienia SMTP",
    /* 13 */ "Smtp kurulum",
    /* 14 */ "Настройка SMTP",
    /* 15 */ "SMTP настр.",
});

inline constexpr auto UpdateLinkText = MakeLocalisedTable<1>("UpdateLinkText", {
    /*  1 */ "获取最新版本程序更新",
    /*  2 */ "Click here to get the latest updates",
    /*  3 */ "Zum Aktualisieren drücken",
    /*  4 */ "paina tasta saadaksesi uusimmat paivitykset",
    /*  5 */ "Premere per aggiornare",
    /*  6 */ "Appuyez sur pour mettre à jour",
    /*  7 */ "Kattintson a frissítésekért",
    /*  8 */ "Prenos najnovejše različice",
    /*  9 */ "Stisknete pro update",
    /* 10 */ "押して更新します",
    /* 11 */ "Paspauskite, jei norite atnaujinti",
    /* 12 */ "Naciśnij przycisk, aby zaktualizować",
    /* 13 */ "En son güncelleştirmeleri almak için burayı tıklayın",
    /* 14 */ "Натисніть, щоб оновити",
    /* 15 */ "Нажмите для обновления",
});

// Label before the version number; the German entry ends in a blank that belongs to it.
inline constexpr auto VersionText = MakeLocalisedTable<1>("VersionText", {
    /*  1 */ "程序版本",
    /*  2 */ "Version",
    /*  3 */ "Programmversion ",
    /*  4 */ "Versio",
    /*  5 */ "Versione",
    /*  6 */ "Versions",
    /*  7 */ "Verziókban",
    /*  8 */ "Različica",
    /*  9 */ "Verze",
    /* 10 */ "バージョン",
    /* 11 */ "Versija",
    /* 12 */ "Wersja",
    /* 13 */ "Versiyon",
    /* 14 */ "Версія",
    /* 15 */ "Версия",
});

// The main window's entry to the About box: its context-menu item and the tip of its "?" button.
inline constexpr auto AboutItemText = MakeLocalisedTable<1>("AboutItemText", {
    /*  1 */ "关于本程序...",
    /*  2 */ "About Setup...",
    /*  3 */ "Über das Programm...",
    /*  4 */ "Tietoja ohjelmasta...",
    /*  5 */ "Informazioni sul programma...",
    /*  6 */ "À propos du programme...",
    /*  7 */ "A programról...",
    /*  8 */ "O programu...",
    /*  9 */ "O programu...",
    /* 10 */ "このプログラムについて...",
    /* 11 */ "Apie programą...",
    /* 12 */ "O programie...",
    /* 13 */ "Program hakkında...",
    /* 14 */ "Про програму...",
    /* 15 */ "О программе...",
});
// clang-format on

} // namespace tamb
