#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// The question a setup dialog asks when it is closed with settings that no file holds yet. Rows in LanguageId
// order.

// clang-format off
inline constexpr auto CloseWithoutWritingText = MakeLocalisedTable<1>("CloseWithoutWriting", {
    /*  1 */ "设置已更改，但尚未写入文件。不写入就关闭此窗口吗？",
    /*  2 */ "The settings were changed but not written to a file. Close this window without writing them?",
    /*  3 */ "Die Einstellungen wurden geändert, aber nicht in eine Datei geschrieben. Dieses Fenster schließen, ohne sie zu schreiben?",
    /*  4 */ "Asetuksia on muutettu, mutta niitä ei ole kirjoitettu tiedostoon. Suljetaanko ikkuna kirjoittamatta niitä?",
    /*  5 */ "Le impostazioni sono state modificate ma non scritte in un file. Chiudere questa finestra senza scriverle?",
    /*  6 */ "Les réglages ont été modifiés mais pas écrits dans un fichier. Fermer cette fenêtre sans les écrire ?",
    /*  7 */ "A beállítások megváltoztak, de nem kerültek fájlba. Bezárja az ablakot a beállítások kiírása nélkül?",
    /*  8 */ "Nastavitve so bile spremenjene, a ne zapisane v datoteko. Zaprem to okno, ne da bi jih zapisal?",
    /*  9 */ "Nastavení se změnilo, ale nebylo zapsáno do souboru. Zavřít toto okno bez zápisu?",
    /* 10 */ "設定は変更されましたが、ファイルに書き込まれていません。書き込まずにこの画面を閉じますか？",
    /* 11 */ "Nustatymai pakeisti, bet neįrašyti į failą. Uždaryti šį langą jų neįrašius?",
    /* 12 */ "Ustawienia zostały zmienione, ale nie zapisano ich w pliku. Zamknąć to okno bez zapisywania?",
    /* 13 */ "Ayarlar değiştirildi ancak bir dosyaya yazılmadı. Bu pencere yazmadan kapatılsın mı?",
    /* 14 */ "Налаштування змінено, але не записано у файл. Закрити це вікно без запису?",
    /* 15 */ "Настройки изменены, но не записаны в файл. Закрыть это окно без записи?",
});
// clang-format on

} // namespace tamb
