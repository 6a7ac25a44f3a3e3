#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Messages this program adds to the dialogs' own, in every interface language. Rows in LanguageId order.

// clang-format off
inline constexpr auto SmtpTextNotStorableText = MakeLocalisedTable<1>("SmtpTextNotStorable", {
    /*  1 */ "相机无法保存此文本（含有不支持的字符或太长）",
    /*  2 */ "The camera cannot store this text (a character it does not know, or too long)",
    /*  3 */ "Die Kamera kann diesen Text nicht speichern (ein Zeichen, das sie nicht kennt, oder zu lang)",
    /*  4 */ "Kamera ei voi tallentaa tätä tekstiä (merkki, jota se ei tunne, tai liian pitkä)",
    /*  5 */ "La fotocamera non può memorizzare questo testo (un carattere che non conosce, o troppo lungo)",
    /*  6 */ "La caméra ne peut pas enregistrer ce texte (un caractère qu'elle ne connaît pas, ou trop long)",
    /*  7 */ "A kamera nem tudja tárolni ezt a szöveget (általa nem ismert karakter, vagy túl hosszú)",
    /*  8 */ "Kamera tega besedila ne more shraniti (znak, ki ga ne pozna, ali predolgo)",
    /*  9 */ "Fotoaparát nemůže tento text uložit (znak, který nezná, nebo příliš dlouhý)",
    /* 10 */ "カメラはこのテキストを保存できません（対応していない文字を含むか、長すぎます）",
    /* 11 */ "Kamera negali išsaugoti šio teksto (simbolis, kurio ji nežino, arba per ilgas)",
    /* 12 */ "Aparat nie może zapisać tego tekstu (znak, którego nie zna, lub zbyt długi)",
    /* 13 */ "Kamera bu metni saklayamaz (tanımadığı bir karakter var ya da çok uzun)",
    /* 14 */ "Камера не може зберегти цей текст (невідомий їй символ або задовгий)",
    /* 15 */ "Камера не может сохранить этот текст (неизвестный ей символ или слишком длинный)",
});

inline constexpr auto PromptIntegerText = MakeLocalisedTable<1>("PromptInteger", {
    /*  1 */ "请输入一个整数。",
    /*  2 */ "Please enter an integer.",
    /*  3 */ "Bitte geben Sie eine ganze Zahl ein.",
    /*  4 */ "Anna kokonaisluku.",
    /*  5 */ "Inserire un numero intero.",
    /*  6 */ "Veuillez saisir un nombre entier.",
    /*  7 */ "Adjon meg egy egész számot.",
    /*  8 */ "Vnesite celo število.",
    /*  9 */ "Zadejte celé číslo.",
    /* 10 */ "整数を入力してください。",
    /* 11 */ "Įveskite sveikąjį skaičių.",
    /* 12 */ "Wprowadź liczbę całkowitą.",
    /* 13 */ "Lütfen bir tam sayı girin.",
    /* 14 */ "Введіть ціле число.",
    /* 15 */ "Введите целое число.",
});

inline constexpr auto PromptTextTooLongText = MakeLocalisedTable<1>("PromptTextTooLong", {
    /*  1 */ "输入的字符请不要多于 %1 个。",
    /*  2 */ "Please enter no more than %1 characters.",
    /*  3 */ "Bitte geben Sie höchstens %1 Zeichen ein.",
    /*  4 */ "Anna enintään %1 merkkiä.",
    /*  5 */ "Inserire al massimo %1 caratteri.",
    /*  6 */ "Veuillez saisir au plus %1 caractères.",
    /*  7 */ "Legfeljebb %1 karaktert adjon meg.",
    /*  8 */ "Vnesite največ %1 znakov.",
    /*  9 */ "Zadejte nejvýše %1 znaků.",
    /* 10 */ "%1 文字以内で入力してください。",
    /* 11 */ "Įveskite ne daugiau kaip %1 simbolių.",
    /* 12 */ "Wprowadź nie więcej niż %1 znaków.",
    /* 13 */ "Lütfen en fazla %1 karakter girin.",
    /* 14 */ "Введіть не більше ніж %1 символів.",
    /* 15 */ "Введите не более %1 символов.",
});

inline constexpr auto PromptIntegerRangeText = MakeLocalisedTable<1>("PromptIntegerRange", {
    /*  1 */ "请输入一个 %1 至 %2 之间的整数。",
    /*  2 */ "Please enter an integer between %1 and %2.",
    /*  3 */ "Bitte geben Sie eine ganze Zahl zwischen %1 und %2 ein.",
    /*  4 */ "Anna kokonaisluku väliltä %1–%2.",
    /*  5 */ "Inserire un numero intero compreso tra %1 e %2.",
    /*  6 */ "Veuillez saisir un nombre entier compris entre %1 et %2.",
    /*  7 */ "Adjon meg egy egész számot %1 és %2 között.",
    /*  8 */ "Vnesite celo število med %1 in %2.",
    /*  9 */ "Zadejte celé číslo od %1 do %2.",
    /* 10 */ "%1 から %2 までの整数を入力してください。",
    /* 11 */ "Įveskite sveikąjį skaičių nuo %1 iki %2.",
    /* 12 */ "Wprowadź liczbę całkowitą od %1 do %2.",
    /* 13 */ "Lütfen %1 ile %2 arasında bir tam sayı girin.",
    /* 14 */ "Введіть ціле число від %1 до %2.",
    /* 15 */ "Введите целое число от %1 до %2.",
});

inline constexpr auto ClockNotTimeText = MakeLocalisedTable<1>("ClockNotTime", {
    /*  1 */ "相机时间必须是有效的日期和时间，请按 %1 的格式输入（年份 %2 至 %3）。",
    /*  2 */ "The camera clock must be a real date and time: enter it like %1 (years %2 to %3).",
    /*  3 */ "Die Kamerauhr muss ein gültiges Datum mit Uhrzeit sein: Geben Sie sie wie %1 ein (Jahre %2 bis %3).",
    /*  4 */ "Kameran kellon on oltava todellinen päivämäärä ja kellonaika: kirjoita se muodossa %1 (vuodet %2–%3).",
    /*  5 */ "L'orologio della fotocamera deve essere una data e un'ora reali: inserirlo come %1 (anni dal %2 al %3).",
    /*  6 */ "L'horloge de la caméra doit être une date et une heure réelles : saisissez-la comme %1 (années %2 à %3).",
    /*  7 */ "A kamera órájának valós dátumnak és időpontnak kell lennie. Így adja meg: %1 (%2 és %3 közötti év).",
    /*  8 */ "Ura kamere mora biti veljaven datum in čas: vnesite jo kot %1 (leta od %2 do %3).",
    /*  9 */ "Hodiny fotoaparátu musí být skutečné datum a čas: zadejte je jako %1 (roky %2 až %3).",
    /* 10 */ "カメラの時計は実在する日付と時刻にしてください。%1 のように入力してください（%2 年～%3 年）。",
    /* 11 */ "Kameros laikrodis turi būti tikra data ir laikas: įveskite jį kaip %1 (metai nuo %2 iki %3).",
    /* 12 */ "Zegar aparatu musi być prawdziwą datą i godziną: wprowadź go jak %1 (lata od %2 do %3).",
    /* 13 */ "Kamera saati gerçek bir tarih ve saat olmalıdır: %1 biçiminde girin (%2 ile %3 arası yıllar).",
    /* 14 */ "Годинник камери має бути справжньою датою й часом: введіть його як %1 (роки від %2 до %3).",
    /* 15 */ "Часы камеры должны быть настоящей датой и временем: введите их как %1 (годы от %2 до %3).",
});

inline constexpr auto TextNotStorableText = MakeLocalisedTable<1>("TextNotStorable", {
    /*  1 */ "%1 含有配置文件无法保存的字符",
    /*  2 */ "%1 holds characters that the settings file cannot store",
    /*  3 */ "%1 enthält Zeichen, die die Einstellungsdatei nicht speichern kann",
    /*  4 */ "%1 sisältää merkkejä, joita asetustiedosto ei voi tallentaa",
    /*  5 */ "%1 contiene caratteri che il file delle impostazioni non può memorizzare",
    /*  6 */ "%1 contient des caractères que le fichier de réglages ne peut pas enregistrer",
    /*  7 */ "A(z) %1 olyan karaktereket tartalmaz, amelyeket a beállításfájl nem tud tárolni",
    /*  8 */ "%1 vsebuje znake, ki jih datoteka z nastavitvami ne more shraniti",
    /*  9 */ "%1 obsahuje znaky, které soubor nastavení nedokáže uložit",
    /* 10 */ "%1 に設定ファイルに保存できない文字が含まれています",
    /* 11 */ "%1 yra simbolių, kurių nustatymų failas negali išsaugoti",
    /* 12 */ "%1 zawiera znaki, których plik ustawień nie może zapisać",
    /* 13 */ "%1, ayar dosyasının saklayamadığı karakterler içeriyor",
    /* 14 */ "%1 містить символи, які файл налаштувань не може зберегти",
    /* 15 */ "%1 содержит символы, которые файл настроек не может сохранить",
});

inline constexpr auto LoadExistingFileText = MakeLocalisedTable<1>("LoadExistingFile", {
    /*  1 */ "文件 %1 中已有此对话框的设置。要载入这些设置吗？",
    /*  2 */ "The file %1 already holds settings for this dialog. Load them?",
    /*  3 */ "Die Datei %1 enthält bereits Einstellungen für diesen Dialog. Sollen sie geladen werden?",
    /*  4 */ "Tiedostossa %1 on jo tämän ikkunan asetukset. Ladataanko ne?",
    /*  5 */ "Il file %1 contiene già le impostazioni di questa finestra. Caricarle?",
    /*  6 */ "Le fichier %1 contient déjà des réglages pour cette fenêtre. Les charger ?",
    /*  7 */ "A(z) %1 fájl már tartalmazza ennek az ablaknak a beállításait. Betölti őket?",
    /*  8 */ "Datoteka %1 že vsebuje nastavitve za to okno. Jih naložim?",
    /*  9 */ "Soubor %1 už obsahuje nastavení tohoto okna. Načíst je?",
    /* 10 */ "ファイル %1 にはこの画面の設定がすでにあります。読み込みますか？",
    /* 11 */ "Faile %1 jau yra šio lango nustatymai. Įkelti juos?",
    /* 12 */ "Plik %1 zawiera już ustawienia tego okna. Wczytać je?",
    /* 13 */ "%1 dosyası bu pencere için ayarlar içeriyor. Yüklensin mi?",
    /* 14 */ "Файл %1 уже містить налаштування цього вікна. Завантажити їх?",
    /* 15 */ "Файл %1 уже содержит настройки этого окна. Загрузить их?",
});

inline constexpr auto FileNotLoadedText = MakeLocalisedTable<1>("FileNotLoaded", {
    /*  1 */ "文件 %1 无法载入：%2",
    /*  2 */ "The file %1 could not be loaded: %2",
    /*  3 */ "Die Datei %1 konnte nicht geladen werden: %2",
    /*  4 */ "Tiedostoa %1 ei voitu ladata: %2",
    /*  5 */ "Impossibile caricare il file %1: %2",
    /*  6 */ "Impossible de charger le fichier %1 : %2",
    /*  7 */ "A(z) %1 fájl betöltése nem sikerült: %2",
    /*  8 */ "Datoteke %1 ni bilo mogoče naložiti: %2",
    /*  9 */ "Soubor %1 se nepodařilo načíst: %2",
    /* 10 */ "ファイル %1 を読み込めませんでした：%2",
    /* 11 */ "Nepavyko įkelti failo %1: %2",
    /* 12 */ "Nie można wczytać pliku %1: %2",
    /* 13 */ "%1 dosyası yüklenemedi: %2",
    /* 14 */ "Не вдалося завантажити файл %1: %2",
    /* 15 */ "Не удалось загрузить файл %1: %2",
});

inline constexpr auto DownloadPageNotOpenedText = MakeLocalisedTable<1>("DownloadPageNotOpened", {
    /*  1 */ "无法打开下载页面（找不到浏览器）。其网址是：%1",
    /*  2 */ "The download page could not be opened (no browser was found). Its address is: %1",
    /*  3 */ "Die Download-Seite konnte nicht geöffnet werden (kein Browser gefunden). Ihre Adresse lautet: %1",
    /*  4 */ "Lataussivua ei voitu avata (selainta ei löytynyt). Sen osoite on: %1",
    /*  5 */ "Impossibile aprire la pagina di download (nessun browser trovato). Il suo indirizzo è: %1",
    /*  6 */ "Impossible d'ouvrir la page de téléchargement (aucun navigateur trouvé). Son adresse est : %1",
    /*  7 */ "A letöltési oldal nem nyitható meg (nem található böngésző). A címe: %1",
    /*  8 */ "Strani za prenos ni bilo mogoče odpreti (brskalnika ni). Njen naslov je: %1",
    /*  9 */ "Stránku ke stažení se nepodařilo otevřít (nebyl nalezen prohlížeč). Její adresa je: %1",
    /* 10 */ "ダウンロードページを開けませんでした（ブラウザーが見つかりません）。アドレス：%1",
    /* 11 */ "Nepavyko atverti atsisiuntimo puslapio (nerasta naršyklė). Jo adresas: %1",
    /* 12 */ "Nie można otworzyć strony pobierania (nie znaleziono przeglądarki). Jej adres to: %1",
    /* 13 */ "İndirme sayfası açılamadı (tarayıcı bulunamadı). Adresi: %1",
    /* 14 */ "Не вдалося відкрити сторінку завантаження (браузер не знайдено). Її адреса: %1",
    /* 15 */ "Не удалось открыть страницу загрузки (браузер не найден). Её адрес: %1",
});
// clang-format on

} // namespace tamb
