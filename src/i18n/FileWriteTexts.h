#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// The messages of a write that failed, in every interface language; %1 is the file's path, %2 the system's
// reason. Rows in LanguageId order.

// clang-format off
inline constexpr auto FileNotWrittenText = MakeLocalisedTable<1>("FileNotWritten", {
    /*  1 */ "文件 %1 无法写入：%2",
    /*  2 */ "The file %1 could not be written: %2",
    /*  3 */ "Die Datei %1 konnte nicht geschrieben werden: %2",
    /*  4 */ "Tiedostoa %1 ei voitu kirjoittaa: %2",
    /*  5 */ "Impossibile scrivere il file %1: %2",
    /*  6 */ "Impossible d'écrire le fichier %1 : %2",
    /*  7 */ "A(z) %1 fájl írása nem sikerült: %2",
    /*  8 */ "Datoteke %1 ni bilo mogoče zapisati: %2",
    /*  9 */ "Soubor %1 se nepodařilo zapsat: %2",
    /* 10 */ "ファイル %1 を書き込めませんでした：%2",
    /* 11 */ "Nepavyko įrašyti failo %1: %2",
    /* 12 */ "Nie można zapisać pliku %1: %2",
    /* 13 */ "%1 dosyası yazılamadı: %2",
    /* 14 */ "Не вдалося записати файл %1: %2",
    /* 15 */ "Не удалось записать файл %1: %2",
});

inline constexpr auto CardWriteProtectedText = MakeLocalisedTable<1>("CardWriteProtected", {
    /*  1 */ "文件 %1 无法写入：存储卡处于写保护状态。请取出存储卡，将侧面的锁定开关拨离“LOCK”位置，重新插入后再试。",
    /*  2 */ "The file %1 could not be written: the card is write-protected. Take the card out, slide the lock switch "
             "on its side away from LOCK, put it back and try again.",
    /*  3 */ "Die Datei %1 konnte nicht geschrieben werden: Die Karte ist schreibgeschützt. Nehmen Sie die Karte "
             "heraus, schieben Sie den Sperrschalter an ihrer Seite von „LOCK“ weg, stecken Sie sie wieder ein und "
             "versuchen Sie es erneut.",
    /*  4 */ "Tiedostoa %1 ei voitu kirjoittaa: kortti on kirjoitussuojattu. Poista kortti, siirrä sen kyljessä oleva "
             "lukituskytkin pois LOCK-asennosta, aseta kortti takaisin ja yritä uudelleen.",
    /*  5 */ "Impossibile scrivere il file %1: la scheda è protetta da scrittura. Estrai la scheda, sposta "
             "l'interruttore di blocco sul lato lontano da LOCK, reinseriscila e riprova.",
    /*  6 */ "Impossible d'écrire le fichier %1 : la carte est protégée en écriture. Retirez la carte, faites glisser "
             "le verrou situé sur son côté à l'opposé de LOCK, réinsérez-la et réessayez.",
    /*  7 */ "A(z) %1 fájl írása nem sikerült: a kártya írásvédett. Vegye ki a kártyát, tolja el az oldalán lévő "
             "zárókapcsolót a LOCK állásból, helyezze vissza, és próbálja újra.",
    /*  8 */ "Datoteke %1 ni bilo mogoče zapisati: kartica je zaščitena pred pisanjem. Odstranite kartico, potisnite "
             "stikalo za zaklep ob njeni strani stran od položaja LOCK, jo znova vstavite in poskusite znova.",
    /*  9 */ "Soubor %1 se nepodařilo zapsat: karta je chráněná proti zápisu. Vyjměte kartu, posuňte přepínač zámku "
             "na jejím boku z polohy LOCK, vložte ji zpět a zkuste to znovu.",
    /* 10 */ "ファイル %1 を書き込めませんでした：カードが書き込み禁止になっています。カードを取り出し、側面のロックスイッチを"
             "「LOCK」と反対側にスライドしてから、もう一度挿入してやり直してください。",
    /* 11 */ "Nepavyko įrašyti failo %1: kortelė apsaugota nuo įrašymo. Išimkite kortelę, pastumkite jos šone esantį "
             "užrakto jungiklį nuo padėties LOCK, įdėkite ją atgal ir bandykite dar kartą.",
    /* 12 */ "Nie można zapisać pliku %1: karta jest zabezpieczona przed zapisem. Wyjmij kartę, przesuń przełącznik "
             "blokady z boku karty z pozycji LOCK, włóż ją ponownie i spróbuj jeszcze raz.",
    /* 13 */ "%1 dosyası yazılamadı: kart yazmaya karşı korumalı. Kartı çıkarın, yanındaki kilit anahtarını LOCK "
             "konumundan uzağa kaydırın, kartı yeniden takın ve tekrar deneyin.",
    /* 14 */ "Не вдалося записати файл %1: картку захищено від запису. Вийміть картку, пересуньте перемикач "
             "блокування збоку картки з положення LOCK, вставте її знову й повторіть спробу.",
    /* 15 */ "Не удалось записать файл %1: карта защищена от записи. Извлеките карту, сдвиньте переключатель "
             "блокировки на её боковой стороне из положения LOCK, вставьте карту обратно и повторите попытку.",
});

inline constexpr auto CardFullText = MakeLocalisedTable<1>("CardFull", {
    /*  1 */ "文件 %1 无法写入：存储卡已满。请删除卡中的部分照片或视频，或换一张存储卡后再试。",
    /*  2 */ "The file %1 could not be written: the card is full. Delete some pictures or videos from it, or use "
             "another card, and try again.",
    /*  3 */ "Die Datei %1 konnte nicht geschrieben werden: Die Karte ist voll. Löschen Sie einige Fotos oder Videos "
             "darauf oder verwenden Sie eine andere Karte und versuchen Sie es erneut.",
    /*  4 */ "Tiedostoa %1 ei voitu kirjoittaa: kortti on täynnä. Poista kortilta kuvia tai videoita tai käytä toista "
             "korttia ja yritä uudelleen.",
    /*  5 */ "Impossibile scrivere il file %1: la scheda è piena. Elimina alcune foto o video dalla scheda, oppure "
             "usane un'altra, e riprova.",
    /*  6 */ "Impossible d'écrire le fichier %1 : la carte est pleine. Supprimez quelques photos ou vidéos de la "
             "carte, ou utilisez-en une autre, puis réessayez.",
    /*  7 */ "A(z) %1 fájl írása nem sikerült: a kártya megtelt. Töröljön róla néhány képet vagy videót, vagy "
             "használjon másik kártyát, és próbálja újra.",
    /*  8 */ "Datoteke %1 ni bilo mogoče zapisati: kartica je polna. Izbrišite z nje nekaj slik ali videoposnetkov "
             "ali uporabite drugo kartico in poskusite znova.",
    /*  9 */ "Soubor %1 se nepodařilo zapsat: karta je plná. Smažte z ní několik fotografií nebo videí, nebo použijte "
             "jinou kartu, a zkuste to znovu.",
    /* 10 */ "ファイル %1 を書き込めませんでした：カードの空き容量がありません。カード内の写真や動画を削除するか、別のカードを"
             "使用してやり直してください。",
    /* 11 */ "Nepavyko įrašyti failo %1: kortelė pilna. Ištrinkite iš jos dalį nuotraukų ar vaizdo įrašų arba "
             "naudokite kitą kortelę ir bandykite dar kartą.",
    /* 12 */ "Nie można zapisać pliku %1: karta jest pełna. Usuń z niej część zdjęć lub filmów albo użyj innej karty "
             "i spróbuj jeszcze raz.",
    /* 13 */ "%1 dosyası yazılamadı: kart dolu. Karttan bazı fotoğraf veya videoları silin ya da başka bir kart "
             "kullanın ve tekrar deneyin.",
    /* 14 */ "Не вдалося записати файл %1: картка заповнена. Видаліть із неї частину фото чи відео або скористайтеся "
             "іншою карткою й повторіть спробу.",
    /* 15 */ "Не удалось записать файл %1: карта заполнена. Удалите с неё часть фотографий или видео либо используйте "
             "другую карту и повторите попытку.",
});

inline constexpr auto CardMissingText = MakeLocalisedTable<1>("CardMissing", {
    /*  1 */ "文件 %1 无法写入：存储卡或其文件夹已不存在。请重新插入存储卡，选择其文件夹后再试。",
    /*  2 */ "The file %1 could not be written: the card or its folder is no longer there. Insert the card again, "
             "choose its folder and try again.",
    /*  3 */ "Die Datei %1 konnte nicht geschrieben werden: Die Karte oder ihr Ordner ist nicht mehr vorhanden. "
             "Stecken Sie die Karte wieder ein, wählen Sie ihren Ordner und versuchen Sie es erneut.",
    /*  4 */ "Tiedostoa %1 ei voitu kirjoittaa: korttia tai sen kansiota ei enää löydy. Aseta kortti takaisin, valitse "
             "sen kansio ja yritä uudelleen.",
    /*  5 */ "Impossibile scrivere il file %1: la scheda o la sua cartella non è più presente. Reinserisci la scheda, "
             "scegline la cartella e riprova.",
    /*  6 */ "Impossible d'écrire le fichier %1 : la carte ou son dossier n'est plus là. Réinsérez la carte, "
             "choisissez son dossier et réessayez.",
    /*  7 */ "A(z) %1 fájl írása nem sikerült: a kártya vagy a mappája már nem érhető el. Helyezze be újra a "
             "kártyát, válassza ki a mappáját, és próbálja újra.",
    /*  8 */ "Datoteke %1 ni bilo mogoče zapisati: kartice ali njene mape ni več. Znova vstavite kartico, izberite "
             "njeno mapo in poskusite znova.",
    /*  9 */ "Soubor %1 se nepodařilo zapsat: karta nebo její složka už není k dispozici. Vložte kartu znovu, vyberte "
             "její složku a zkuste to znovu.",
    /* 10 */ "ファイル %1 を書き込めませんでした：カードまたはフォルダーが見つかりません。カードを挿入し直し、フォルダーを"
             "選択してからやり直してください。",
    /* 11 */ "Nepavyko įrašyti failo %1: kortelės ar jos aplanko nebėra. Vėl įdėkite kortelę, pasirinkite jos aplanką "
             "ir bandykite dar kartą.",
    /* 12 */ "Nie można zapisać pliku %1: karty lub jej folderu już nie ma. Włóż kartę ponownie, wybierz jej folder i "
             "spróbuj jeszcze raz.",
    /* 13 */ "%1 dosyası yazılamadı: kart veya klasörü artık yok. Kartı yeniden takın, klasörünü seçin ve tekrar "
             "deneyin.",
    /* 14 */ "Не вдалося записати файл %1: картки або її папки більше немає. Вставте картку знову, виберіть її папку й "
             "повторіть спробу.",
    /* 15 */ "Не удалось записать файл %1: карта или её папка больше недоступна. Вставьте карту снова, выберите её "
             "папку и повторите попытку.",
});

inline constexpr auto CardReadBackDiffersText = MakeLocalisedTable<1>("CardReadBackDiffers", {
    /*  1 */ "文件 %1 已写入，但读回时存储卡返回的数据与写入的不同，因此已删除该文件。存储卡可能有故障，请换一张卡再试。",
    /*  2 */ "The file %1 was written, but the card did not give back the same bytes when it was read again, so the "
             "file was removed. The card may be faulty: try another card.",
    /*  3 */ "Die Datei %1 wurde geschrieben, doch beim Zurücklesen lieferte die Karte nicht dieselben Daten; die "
             "Datei wurde daher gelöscht. Die Karte ist möglicherweise defekt: Versuchen Sie es mit einer anderen "
             "Karte.",
    /*  4 */ "Tiedosto %1 kirjoitettiin, mutta takaisin luettaessa kortti ei palauttanut samoja tietoja, joten "
             "tiedosto poistettiin. Kortti voi olla viallinen: kokeile toista korttia.",
    /*  5 */ "Il file %1 è stato scritto, ma rileggendolo la scheda non ha restituito gli stessi dati, quindi il file "
             "è stato eliminato. La scheda potrebbe essere difettosa: prova con un'altra scheda.",
    /*  6 */ "Le fichier %1 a été écrit, mais à la relecture la carte n'a pas renvoyé les mêmes données ; le fichier a "
             "donc été supprimé. La carte est peut-être défectueuse : essayez une autre carte.",
    /*  7 */ "A(z) %1 fájl kiírása megtörtént, de visszaolvasáskor a kártya nem ugyanazokat az adatokat adta vissza, "
             "ezért a fájl törölve lett. Lehet, hogy a kártya hibás: próbáljon ki egy másik kártyát.",
    /*  8 */ "Datoteka %1 je bila zapisana, vendar kartica pri ponovnem branju ni vrnila enakih podatkov, zato je bila "
             "datoteka izbrisana. Kartica je morda okvarjena: poskusite z drugo kartico.",
    /*  9 */ "Soubor %1 byl zapsán, ale při zpětném čtení karta nevrátila stejná data, a proto byl soubor smazán. "
             "Karta může být vadná: zkuste jinou kartu.",
    /* 10 */ "ファイル %1 は書き込まれましたが、読み戻したときにカードが同じデータを返さなかったため、ファイルを削除しました。"
             "カードが故障している可能性があります。別のカードをお試しください。",
    /* 11 */ "Failas %1 buvo įrašytas, tačiau nuskaitant atgal kortelė negrąžino tų pačių duomenų, todėl failas "
             "ištrintas. Kortelė gali būti sugedusi: pabandykite kitą kortelę.",
    /* 12 */ "Plik %1 został zapisany, ale przy ponownym odczycie karta nie zwróciła tych samych danych, więc plik "
             "usunięto. Karta może być uszkodzona: spróbuj użyć innej karty.",
    /* 13 */ "%1 dosyası yazıldı, ancak geri okunduğunda kart aynı verileri döndürmedi; bu nedenle dosya silindi. Kart "
             "arızalı olabilir: başka bir kart deneyin.",
    /* 14 */ "Файл %1 записано, але під час повторного зчитування картка повернула інші дані, тому файл видалено. "
             "Можливо, картка несправна: спробуйте іншу картку.",
    /* 15 */ "Файл %1 записан, но при повторном чтении карта вернула другие данные, поэтому файл удалён. Возможно, "
             "карта неисправна: попробуйте другую карту.",
});
// clang-format on

} // namespace tamb
