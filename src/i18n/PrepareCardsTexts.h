#pragma once

#include "i18n/LocalisedTable.h"

#include <cstddef>

namespace tamb {

// The texts of the window that prepares card after card from a sheet of cameras, in every interface language:
// %1, %2, %3 as each entry says. Rows in LanguageId order.
enum class PrepareCardsEntry : std::size_t
{
    Title, // the window title and the main window's menu item
    OpenSheet, // button
    WriteCard, // button
    Eject, // button
    Close, // button
    InsertCard, // %1 camera, %2 its name
    CardReady, // %1 card, %2 camera
    Written, // %1 camera, %2 card
    AllDone,
    OtherCamera, // %1 card, %2 the camera on it, %3 the camera to write
    AskEject, // %1 camera, %2 card
    NotEjected, // %1 card, %2 the system's reason
    Ejected, // %1 card
    SheetBad, // %1 the bad cells, one a line
    NotWritten, // %1 camera, %2 why
    NotRecorded, // %1 camera, %2 why
    NoSheet,
};
inline constexpr std::size_t kPrepareCardsEntries = 17;

// clang-format off
inline constexpr auto PrepareCardsText = MakeLocalisedTable<kPrepareCardsEntries>("PrepareCardsText", {
    /*  1 */ "准备存储卡", "打开相机表…", "写入存储卡", "弹出", "关闭",
             "请插入相机 %1（%2）的存储卡。",
             "存储卡 %1 已插入。按“写入存储卡”为相机 %2 准备。",
             "相机 %1 的设置已写入存储卡 %2 并已读回核对。",
             "表中所有相机均已写入。",
             "存储卡 %1 中是本表相机 %2 的设置。要用相机 %3 的设置覆盖吗？",
             "相机 %1 的设置已写入存储卡 %2 并已读回核对。要弹出存储卡吗？",
             "无法弹出存储卡 %1：%2。请关闭正在使用它的程序后重试，或用系统的弹出功能取出。",
             "现在可以取出存储卡 %1。",
             "无法使用此相机表，未写入任何文件：\n%1",
             "相机 %1 未写入：%2",
             "相机 %1 的文件已写入，但相机表未更新：%2",
             "请先打开相机表。",
    /*  2 */ "Prepare cards", "Open sheet…", "Write card", "Eject", "Close",
             "Insert the card for camera %1 (%2).",
             "Card %1 is in. Press Write card to prepare camera %2.",
             "Camera %1 is written on card %2 and read back.",
             "Every camera of the sheet is written.",
             "Card %1 holds the settings of camera %2 of this sheet. Write camera %3 over them?",
             "Camera %1 is written on card %2 and read back. Eject the card?",
             "Card %1 cannot be ejected: %2. Close the programs that use it and try again, or eject it with the "
             "system.",
             "Card %1 can be taken out now.",
             "The sheet cannot be used; nothing was written:\n%1",
             "Camera %1 is not written: %2",
             "The files of camera %1 are written, but the sheet is not updated: %2",
             "Open the sheet of cameras to begin.",
    /*  3 */ "Karten vorbereiten", "Tabelle öffnen…", "Karte schreiben", "Auswerfen", "Schließen",
             "Karte für Kamera %1 (%2) einlegen.",
             "Karte %1 ist eingelegt. „Karte schreiben“ drücken, um Kamera %2 vorzubereiten.",
             "Kamera %1 ist auf Karte %2 geschrieben und zurückgelesen.",
             "Alle Kameras der Tabelle sind geschrieben.",
             "Karte %1 enthält die Einstellungen von Kamera %2 dieser Tabelle. Mit Kamera %3 überschreiben?",
             "Kamera %1 ist auf Karte %2 geschrieben und zurückgelesen. Karte auswerfen?",
             "Karte %1 kann nicht ausgeworfen werden: %2. Programme schließen, die sie benutzen, und erneut "
             "versuchen, oder sie über das System auswerfen.",
             "Karte %1 kann jetzt entnommen werden.",
             "Die Tabelle ist nicht verwendbar; nichts wurde geschrieben:\n%1",
             "Kamera %1 ist nicht geschrieben: %2",
             "Die Dateien von Kamera %1 sind geschrieben, aber die Tabelle ist nicht aktualisiert: %2",
             "Zum Beginnen die Kameratabelle öffnen.",
    /*  4 */ "Valmistele kortit", "Avaa taulukko…", "Kirjoita kortti", "Poista", "Sulje",
             "Aseta kameran %1 (%2) kortti.",
             "Kortti %1 on paikallaan. Valmistele kamera %2 painamalla Kirjoita kortti.",
             "Kamera %1 on kirjoitettu kortille %2 ja luettu takaisin.",
             "Kaikki taulukon kamerat on kirjoitettu.",
             "Kortilla %1 ovat tämän taulukon kameran %2 asetukset. Kirjoitetaanko kamera %3 niiden päälle?",
             "Kamera %1 on kirjoitettu kortille %2 ja luettu takaisin. Poistetaanko kortti?",
             "Korttia %1 ei voi poistaa: %2. Sulje sitä käyttävät ohjelmat ja yritä uudelleen, tai poista se "
             "järjestelmän kautta.",
             "Kortin %1 voi nyt ottaa pois.",
             "Taulukkoa ei voi käyttää; mitään ei kirjoitettu:\n%1",
             "Kameraa %1 ei kirjoitettu: %2",
             "Kameran %1 tiedostot on kirjoitettu, mutta taulukkoa ei päivitetty: %2",
             "Aloita avaamalla kamerataulukko.",
    /*  5 */ "Prepara schede", "Apri tabella…", "Scrivi scheda", "Espelli", "Chiudi",
             "Inserire la scheda della fotocamera %1 (%2).",
             "Scheda %1 inserita. Premere Scrivi scheda per preparare la fotocamera %2.",
             "La fotocamera %1 è scritta sulla scheda %2 e riletta.",
             "Tutte le fotocamere della tabella sono scritte.",
             "La scheda %1 contiene le impostazioni della fotocamera %2 di questa tabella. Sovrascriverle con la "
             "fotocamera %3?",
             "La fotocamera %1 è scritta sulla scheda %2 e riletta. Espellere la scheda?",
             "Impossibile espellere la scheda %1: %2. Chiudere i programmi che la usano e riprovare, oppure "
             "espellerla dal sistema.",
             "Ora è possibile togliere la scheda %1.",
             "La tabella non è utilizzabile; non è stato scritto nulla:\n%1",
             "La fotocamera %1 non è scritta: %2",
             "I file della fotocamera %1 sono scritti, ma la tabella non è aggiornata: %2",
             "Aprire la tabella delle fotocamere per iniziare.",
    /*  6 */ "Préparer les cartes", "Ouvrir le tableau…", "Écrire la carte", "Éjecter", "Fermer",
             "Insérez la carte de la caméra %1 (%2).",
             "La carte %1 est insérée. Appuyez sur Écrire la carte pour préparer la caméra %2.",
             "La caméra %1 est écrite sur la carte %2 et relue.",
             "Toutes les caméras du tableau sont écrites.",
             "La carte %1 contient les réglages de la caméra %2 de ce tableau. Les remplacer par la caméra %3 ?",
             "La caméra %1 est écrite sur la carte %2 et relue. Éjecter la carte ?",
             "Impossible d'éjecter la carte %1 : %2. Fermez les programmes qui l'utilisent et réessayez, ou "
             "éjectez-la avec le système.",
             "La carte %1 peut maintenant être retirée.",
             "Le tableau est inutilisable ; rien n'a été écrit :\n%1",
             "La caméra %1 n'est pas écrite : %2",
             "Les fichiers de la caméra %1 sont écrits, mais le tableau n'est pas mis à jour : %2",
             "Ouvrez le tableau des caméras pour commencer.",
    /*  7 */ "Kártyák előkészítése", "Táblázat megnyitása…", "Kártya írása", "Kiadás", "Bezárás",
             "Helyezze be a(z) %1 kamera (%2) kártyáját.",
             "A(z) %1 kártya behelyezve. A(z) %2 kamera előkészítéséhez nyomja meg a Kártya írása gombot.",
             "A(z) %1 kamera a(z) %2 kártyára írva és visszaolvasva.",
             "A táblázat minden kamerája megírva.",
             "A(z) %1 kártyán a táblázat %2 kamerájának beállításai vannak. Felülírja a(z) %3 kamerával?",
             "A(z) %1 kamera a(z) %2 kártyára írva és visszaolvasva. Kiadja a kártyát?",
             "A(z) %1 kártya nem adható ki: %2. Zárja be az azt használó programokat, és próbálja újra, vagy adja "
             "ki a rendszerrel.",
             "A(z) %1 kártya most már kivehető.",
             "A táblázat nem használható; semmi sem lett megírva:\n%1",
             "A(z) %1 kamera nincs megírva: %2",
             "A(z) %1 kamera fájljai megírva, de a táblázat nincs frissítve: %2",
             "A kezdéshez nyissa meg a kamerák táblázatát.",
    /*  8 */ "Pripravi kartice", "Odpri tabelo…", "Zapiši kartico", "Izvrzi", "Zapri",
             "Vstavite kartico za kamero %1 (%2).",
             "Kartica %1 je vstavljena. Pritisnite Zapiši kartico, da pripravite kamero %2.",
             "Kamera %1 je zapisana na kartico %2 in prebrana nazaj.",
             "Vse kamere v tabeli so zapisane.",
             "Kartica %1 vsebuje nastavitve kamere %2 iz te tabele. Jih prepišem s kamero %3?",
             "Kamera %1 je zapisana na kartico %2 in prebrana nazaj. Izvržem kartico?",
             "Kartice %1 ni mogoče izvreči: %2. Zaprite programe, ki jo uporabljajo, in poskusite znova, ali jo "
             "izvrzite s sistemom.",
             "Kartico %1 lahko zdaj odstranite.",
             "Tabele ni mogoče uporabiti; nič ni bilo zapisano:\n%1",
             "Kamera %1 ni zapisana: %2",
             "Datoteke kamere %1 so zapisane, tabela pa ni posodobljena: %2",
             "Za začetek odprite tabelo kamer.",
    /*  9 */ "Připravit karty", "Otevřít tabulku…", "Zapsat kartu", "Vysunout", "Zavřít",
             "Vložte kartu pro kameru %1 (%2).",
             "Karta %1 je vložena. Stiskněte Zapsat kartu a připravte kameru %2.",
             "Kamera %1 je zapsána na kartu %2 a přečtena zpět.",
             "Všechny kamery tabulky jsou zapsány.",
             "Karta %1 obsahuje nastavení kamery %2 z této tabulky. Přepsat je kamerou %3?",
             "Kamera %1 je zapsána na kartu %2 a přečtena zpět. Vysunout kartu?",
             "Kartu %1 nelze vysunout: %2. Zavřete programy, které ji používají, a zkuste to znovu, nebo ji "
             "vysuňte systémem.",
             "Kartu %1 nyní můžete vyjmout.",
             "Tabulku nelze použít; nic nebylo zapsáno:\n%1",
             "Kamera %1 není zapsána: %2",
             "Soubory kamery %1 jsou zapsány, ale tabulka není aktualizována: %2",
             "Začněte otevřením tabulky kamer.",
    /* 10 */ "カードの準備", "表を開く…", "カードに書き込む", "取り出す", "閉じる",
             "カメラ %1（%2）のカードを挿入してください。",
             "カード %1 が挿入されました。「カードに書き込む」を押してカメラ %2 を準備します。",
             "カメラ %1 をカード %2 に書き込み、読み戻して確認しました。",
             "表のすべてのカメラを書き込みました。",
             "カード %1 にはこの表のカメラ %2 の設定があります。カメラ %3 で上書きしますか？",
             "カメラ %1 をカード %2 に書き込み、読み戻して確認しました。カードを取り出しますか？",
             "カード %1 を取り出せません：%2。使用中のプログラムを閉じて再試行するか、システムから取り出してください。",
             "カード %1 を取り外せます。",
             "この表は使用できません。何も書き込んでいません：\n%1",
             "カメラ %1 は書き込まれていません：%2",
             "カメラ %1 のファイルは書き込みましたが、表は更新されていません：%2",
             "カメラの表を開いて開始してください。",
    /* 11 */ "Paruošti korteles", "Atverti lentelę…", "Įrašyti kortelę", "Išimti", "Uždaryti",
             "Įdėkite kameros %1 (%2) kortelę.",
             "Kortelė %1 įdėta. Paspauskite Įrašyti kortelę, kad paruoštumėte kamerą %2.",
             "Kamera %1 įrašyta į kortelę %2 ir perskaityta atgal.",
             "Visos lentelės kameros įrašytos.",
             "Kortelėje %1 yra šios lentelės kameros %2 nustatymai. Perrašyti juos kamera %3?",
             "Kamera %1 įrašyta į kortelę %2 ir perskaityta atgal. Išimti kortelę?",
             "Kortelės %1 išimti nepavyksta: %2. Uždarykite ją naudojančias programas ir bandykite dar kartą arba "
             "išimkite ją per sistemą.",
             "Kortelę %1 dabar galima ištraukti.",
             "Lentelės naudoti negalima; nieko neįrašyta:\n%1",
             "Kamera %1 neįrašyta: %2",
             "Kameros %1 failai įrašyti, bet lentelė neatnaujinta: %2",
             "Norėdami pradėti, atverkite kamerų lentelę.",
    /* 12 */ "Przygotuj karty", "Otwórz arkusz…", "Zapisz kartę", "Wysuń", "Zamknij",
             "Włóż kartę kamery %1 (%2).",
             "Karta %1 jest włożona. Naciśnij Zapisz kartę, aby przygotować kamerę %2.",
             "Kamera %1 jest zapisana na karcie %2 i odczytana z powrotem.",
             "Wszystkie kamery arkusza są zapisane.",
             "Karta %1 zawiera ustawienia kamery %2 z tego arkusza. Zastąpić je kamerą %3?",
             "Kamera %1 jest zapisana na karcie %2 i odczytana z powrotem. Wysunąć kartę?",
             "Nie można wysunąć karty %1: %2. Zamknij programy, które jej używają, i spróbuj ponownie albo wysuń "
             "ją w systemie.",
             "Kartę %1 można teraz wyjąć.",
             "Arkusza nie można użyć; nic nie zapisano:\n%1",
             "Kamera %1 nie jest zapisana: %2",
             "Pliki kamery %1 są zapisane, ale arkusz nie jest zaktualizowany: %2",
             "Aby zacząć, otwórz arkusz kamer.",
    /* 13 */ "Kartları hazırla", "Tabloyu aç…", "Kartı yaz", "Çıkar", "Kapat",
             "%1 kamerasının (%2) kartını takın.",
             "%1 kartı takılı. %2 kamerasını hazırlamak için Kartı yaz düğmesine basın.",
             "%1 kamerası %2 kartına yazıldı ve geri okundu.",
             "Tablodaki tüm kameralar yazıldı.",
             "%1 kartında bu tablonun %2 kamerasının ayarları var. Üzerine %3 kamerası yazılsın mı?",
             "%1 kamerası %2 kartına yazıldı ve geri okundu. Kart çıkarılsın mı?",
             "%1 kartı çıkarılamıyor: %2. Onu kullanan programları kapatıp yeniden deneyin ya da sistemden çıkarın.",
             "%1 kartı artık çıkarılabilir.",
             "Tablo kullanılamıyor; hiçbir şey yazılmadı:\n%1",
             "%1 kamerası yazılmadı: %2",
             "%1 kamerasının dosyaları yazıldı, ancak tablo güncellenmedi: %2",
             "Başlamak için kamera tablosunu açın.",
    /* 14 */ "Підготувати картки", "Відкрити таблицю…", "Записати картку", "Вилучити", "Закрити",
             "Вставте картку камери %1 (%2).",
             "Картку %1 вставлено. Натисніть «Записати картку», щоб підготувати камеру %2.",
             "Камеру %1 записано на картку %2 і прочитано назад.",
             "Усі камери таблиці записано.",
             "На картці %1 налаштування камери %2 з цієї таблиці. Записати поверх них камеру %3?",
             "Камеру %1 записано на картку %2 і прочитано назад. Вилучити картку?",
             "Картку %1 не вдається вилучити: %2. Закрийте програми, що її використовують, і спробуйте знову, або "
             "вилучіть її засобами системи.",
             "Картку %1 тепер можна вийняти.",
             "Таблицю неможливо використати; нічого не записано:\n%1",
             "Камеру %1 не записано: %2",
             "Файли камери %1 записано, але таблицю не оновлено: %2",
             "Щоб почати, відкрийте таблицю камер.",
    /* 15 */ "Подготовить карты", "Открыть таблицу…", "Записать карту", "Извлечь", "Закрыть",
             "Вставьте карту камеры %1 (%2).",
             "Карта %1 вставлена. Нажмите «Записать карту», чтобы подготовить камеру %2.",
             "Камера %1 записана на карту %2 и прочитана обратно.",
             "Все камеры таблицы записаны.",
             "На карте %1 настройки камеры %2 из этой таблицы. Записать поверх них камеру %3?",
             "Камера %1 записана на карту %2 и прочитана обратно. Извлечь карту?",
             "Карту %1 не удаётся извлечь: %2. Закройте программы, которые её используют, и повторите попытку, или "
             "извлеките её средствами системы.",
             "Карту %1 теперь можно вынуть.",
             "Таблицу невозможно использовать; ничего не записано:\n%1",
             "Камера %1 не записана: %2",
             "Файлы камеры %1 записаны, но таблица не обновлена: %2",
             "Чтобы начать, откройте таблицу камер.",
});
// clang-format on

// The text of `entry` in `language`.
[[nodiscard]] constexpr std::string_view PrepareCardsWord(PrepareCardsEntry entry, LanguageId language)
{
    return PrepareCardsText.text(language, static_cast<std::size_t>(entry));
}

} // namespace tamb
