#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// The messages of a write that failed or needs a word, in every interface language; %1 is the file's path, %2 the
// system's reason. Rows in LanguageId order.

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
    /*  1 */ "文件 %1 未被替换：读回新文件时，存储卡返回的数据与写入的不同。原有文件已保留。存储卡可能有故障，请换一张卡再试。",
    /*  2 */ "The file %1 was not replaced: when the new file was read back, the card did not give back the bytes that "
             "were written. The earlier file is kept. The card may be faulty: try another card.",
    /*  3 */ "Die Datei %1 wurde nicht ersetzt: Beim Zurücklesen der neuen Datei lieferte die Karte nicht dieselben "
             "Daten, die geschrieben wurden. Die bisherige Datei bleibt erhalten. Die Karte ist möglicherweise defekt: "
             "Versuchen Sie es mit einer anderen Karte.",
    /*  4 */ "Tiedostoa %1 ei korvattu: kun uusi tiedosto luettiin takaisin, kortti ei palauttanut samoja tietoja, "
             "jotka kirjoitettiin. Aiempi tiedosto säilyy. Kortti voi olla viallinen: kokeile toista korttia.",
    /*  5 */ "Il file %1 non è stato sostituito: rileggendo il nuovo file, la scheda non ha restituito gli stessi dati "
             "scritti. Il file precedente è stato mantenuto. La scheda potrebbe essere difettosa: prova con un'altra "
             "scheda.",
    /*  6 */ "Le fichier %1 n'a pas été remplacé : à la relecture du nouveau fichier, la carte n'a pas renvoyé les "
             "données écrites. L'ancien fichier est conservé. La carte est peut-être défectueuse : essayez une autre "
             "carte.",
    /*  7 */ "A(z) %1 fájl nem lett lecserélve: az új fájl visszaolvasásakor a kártya nem ugyanazokat az adatokat adta "
             "vissza, amelyeket kiírtunk. A korábbi fájl megmaradt. Lehet, hogy a kártya hibás: próbáljon ki egy másik "
             "kártyát.",
    /*  8 */ "Datoteka %1 ni bila zamenjana: pri ponovnem branju nove datoteke kartica ni vrnila enakih podatkov, kot "
             "so bili zapisani. Prejšnja datoteka je ohranjena. Kartica je morda okvarjena: poskusite z drugo kartico.",
    /*  9 */ "Soubor %1 nebyl nahrazen: při zpětném čtení nového souboru karta nevrátila stejná data, jaká byla "
             "zapsána. Původní soubor zůstal zachován. Karta může být vadná: zkuste jinou kartu.",
    /* 10 */ "ファイル %1 は置き換えられませんでした。新しいファイルを読み戻したとき、カードが書き込んだものと同じデータを返さなかった"
             "ためです。以前のファイルはそのまま残っています。カードが故障している可能性があります。別のカードをお試しください。",
    /* 11 */ "Failas %1 nebuvo pakeistas: nuskaitant naująjį failą atgal, kortelė negrąžino tų pačių įrašytų duomenų. "
             "Ankstesnis failas paliktas. Kortelė gali būti sugedusi: pabandykite kitą kortelę.",
    /* 12 */ "Plik %1 nie został zastąpiony: przy ponownym odczycie nowego pliku karta nie zwróciła tych samych danych, "
             "które zapisano. Poprzedni plik pozostał bez zmian. Karta może być uszkodzona: spróbuj użyć innej karty.",
    /* 13 */ "%1 dosyası değiştirilmedi: yeni dosya geri okunduğunda kart yazılan verilerin aynısını döndürmedi. Önceki "
             "dosya korundu. Kart arızalı olabilir: başka bir kart deneyin.",
    /* 14 */ "Файл %1 не замінено: під час повторного зчитування нового файлу картка повернула не ті дані, що були "
             "записані. Попередній файл збережено. Можливо, картка несправна: спробуйте іншу картку.",
    /* 15 */ "Файл %1 не заменён: при повторном чтении нового файла карта вернула не те данные, что были записаны. "
             "Прежний файл сохранён. Возможно, карта неисправна: попробуйте другую карту.",
});

inline constexpr auto CardBusyText = MakeLocalisedTable<1>("CardBusy", {
    /*  1 */ "文件 %1 无法写入：同一文件夹中的另一项写入尚未完成。请等待其完成后再试。",
    /*  2 */ "The file %1 could not be written: another write into the same folder has not finished. Wait until it "
             "has finished and try again.",
    /*  3 */ "Die Datei %1 konnte nicht geschrieben werden: Ein anderer Schreibvorgang in denselben Ordner ist noch "
             "nicht abgeschlossen. Warten Sie, bis er beendet ist, und versuchen Sie es erneut.",
    /*  4 */ "Tiedostoa %1 ei voitu kirjoittaa: toinen kirjoitus samaan kansioon on vielä kesken. Odota, että se "
             "valmistuu, ja yritä uudelleen.",
    /*  5 */ "Impossibile scrivere il file %1: un'altra scrittura nella stessa cartella non è ancora terminata. Attendi "
             "che finisca e riprova.",
    /*  6 */ "Impossible d'écrire le fichier %1 : une autre écriture dans le même dossier n'est pas encore terminée. "
             "Attendez qu'elle se termine, puis réessayez.",
    /*  7 */ "A(z) %1 fájl írása nem sikerült: egy másik írás ugyanabba a mappába még nem fejeződött be. Várja meg, "
             "amíg befejeződik, és próbálja újra.",
    /*  8 */ "Datoteke %1 ni bilo mogoče zapisati: drugo pisanje v isto mapo še ni končano. Počakajte, da se konča, in "
             "poskusite znova.",
    /*  9 */ "Soubor %1 se nepodařilo zapsat: jiný zápis do stejné složky ještě neskončil. Počkejte, až skončí, a "
             "zkuste to znovu.",
    /* 10 */ "ファイル %1 を書き込めませんでした：同じフォルダーへの別の書き込みがまだ終わっていません。終わるまで待ってから"
             "やり直してください。",
    /* 11 */ "Nepavyko įrašyti failo %1: kitas įrašymas į tą patį aplanką dar nebaigtas. Palaukite, kol jis baigsis, "
             "ir bandykite dar kartą.",
    /* 12 */ "Nie można zapisać pliku %1: inny zapis do tego samego folderu jeszcze się nie zakończył. Poczekaj, aż się "
             "zakończy, i spróbuj jeszcze raz.",
    /* 13 */ "%1 dosyası yazılamadı: aynı klasöre yapılan başka bir yazma işlemi henüz bitmedi. Bitmesini bekleyin ve "
             "tekrar deneyin.",
    /* 14 */ "Не вдалося записати файл %1: інший запис у ту саму папку ще не завершено. Зачекайте, доки він "
             "завершиться, і повторіть спробу.",
    /* 15 */ "Не удалось записать файл %1: другая запись в ту же папку ещё не завершена. Дождитесь её окончания и "
             "повторите попытку.",
});

// The new file is in place, but the flush of its folder failed: it may not survive the card's removal.
inline constexpr auto FileNotConfirmedText = MakeLocalisedTable<1>("FileNotConfirmed", {
    /*  1 */ "新文件 %1 已就位，但存储卡未能确认其已保存。请不要取出存储卡，请再试一次。",
    /*  2 */ "The new file %1 is in place, but the card could not confirm that it is stored. Do not take the card "
             "out; try again.",
    /*  3 */ "Die neue Datei %1 ist vorhanden, doch die Karte konnte nicht bestätigen, dass sie gespeichert ist. "
             "Nehmen Sie die Karte nicht heraus, und versuchen Sie es erneut.",
    /*  4 */ "Uusi tiedosto %1 on paikallaan, mutta kortti ei voinut vahvistaa, että se on tallennettu. Älä poista "
             "korttia vaan yritä uudelleen.",
    /*  5 */ "Il nuovo file %1 è al suo posto, ma la scheda non ha potuto confermare che sia memorizzato. Non estrarre "
             "la scheda e riprova.",
    /*  6 */ "Le nouveau fichier %1 est en place, mais la carte n'a pas pu confirmer qu'il est enregistré. Ne retirez "
             "pas la carte et réessayez.",
    /*  7 */ "Az új %1 fájl a helyén van, de a kártya nem tudta megerősíteni, hogy tárolta. Ne vegye ki a kártyát, "
             "hanem próbálja újra.",
    /*  8 */ "Nova datoteka %1 je na svojem mestu, vendar kartica ni mogla potrditi, da je shranjena. Kartice ne "
             "odstranite, temveč poskusite znova.",
    /*  9 */ "Nový soubor %1 je na místě, ale karta nemohla potvrdit, že je uložen. Kartu nevyjímejte a zkuste to "
             "znovu.",
    /* 10 */ "新しいファイル %1 は配置されましたが、カードは保存されたことを確認できませんでした。カードを取り出さずに、"
             "もう一度やり直してください。",
    /* 11 */ "Naujas failas %1 yra vietoje, tačiau kortelė negalėjo patvirtinti, kad jis išsaugotas. Neišimkite "
             "kortelės ir bandykite dar kartą.",
    /* 12 */ "Nowy plik %1 jest na miejscu, ale karta nie potwierdziła, że został zapisany. Nie wyjmuj karty i spróbuj "
             "jeszcze raz.",
    /* 13 */ "Yeni %1 dosyası yerinde, ancak kart dosyanın kaydedildiğini doğrulayamadı. Kartı çıkarmayın ve tekrar "
             "deneyin.",
    /* 14 */ "Новий файл %1 на місці, але картка не змогла підтвердити, що його збережено. Не виймайте картку й "
             "повторіть спробу.",
    /* 15 */ "Новый файл %1 на месте, но карта не смогла подтвердить, что он сохранён. Не извлекайте карту и повторите "
             "попытку.",
});

// The final file (%1) is written; the working file beside it could not be removed and holds zeros now.
inline constexpr auto WorkingFileWipedText = MakeLocalisedTable<1>("WorkingFileWiped", {
    /*  1 */ "文件 %1 已写入，但其旁边的工作文件 mms.dat 无法删除。其内容已用零覆盖，不再包含任何设置；您可以将其删除。",
    /*  2 */ "The file %1 was written, but the working file mms.dat beside it could not be removed. Its contents were "
             "overwritten with zeros, so it holds no settings; you can delete it.",
    /*  3 */ "Die Datei %1 wurde geschrieben, doch die Arbeitsdatei mms.dat daneben konnte nicht gelöscht werden. Ihr "
             "Inhalt wurde mit Nullen überschrieben, sie enthält also keine Einstellungen mehr; Sie können sie "
             "löschen.",
    /*  4 */ "Tiedosto %1 kirjoitettiin, mutta sen vieressä olevaa työtiedostoa mms.dat ei voitu poistaa. Sen sisältö "
             "korvattiin nollilla, joten siinä ei ole asetuksia; voit poistaa sen.",
    /*  5 */ "Il file %1 è stato scritto, ma il file di lavoro mms.dat accanto a esso non è stato eliminato. Il suo "
             "contenuto è stato sovrascritto con zeri, quindi non contiene impostazioni; puoi eliminarlo.",
    /*  6 */ "Le fichier %1 a été écrit, mais le fichier de travail mms.dat situé à côté n'a pas pu être supprimé. Son "
             "contenu a été remplacé par des zéros, il ne contient donc aucun réglage ; vous pouvez le supprimer.",
    /*  7 */ "A(z) %1 fájl kiírása megtörtént, de a mellette lévő mms.dat munkafájlt nem sikerült törölni. A tartalmát "
             "nullákkal írtuk felül, így nem tartalmaz beállításokat; nyugodtan törölheti.",
    /*  8 */ "Datoteka %1 je bila zapisana, vendar delovne datoteke mms.dat ob njej ni bilo mogoče izbrisati. Njena "
             "vsebina je bila prepisana z ničlami, zato ne vsebuje nastavitev; lahko jo izbrišete.",
    /*  9 */ "Soubor %1 byl zapsán, ale pracovní soubor mms.dat vedle něj se nepodařilo smazat. Jeho obsah byl přepsán "
             "nulami, takže neobsahuje žádná nastavení; můžete jej smazat.",
    /* 10 */ "ファイル %1 は書き込まれましたが、同じ場所にある作業ファイル mms.dat を削除できませんでした。その内容はゼロで"
             "上書きしたため、設定は含まれていません。削除してもかまいません。",
    /* 11 */ "Failas %1 buvo įrašytas, tačiau šalia jo esančio darbinio failo mms.dat nepavyko ištrinti. Jo turinys "
             "perrašytas nuliais, todėl jame nėra jokių nustatymų; galite jį ištrinti.",
    /* 12 */ "Plik %1 został zapisany, ale nie można usunąć leżącego obok pliku roboczego mms.dat. Jego zawartość "
             "nadpisano zerami, więc nie zawiera żadnych ustawień; możesz go usunąć.",
    /* 13 */ "%1 dosyası yazıldı, ancak yanındaki mms.dat çalışma dosyası silinemedi. İçeriğinin üzerine sıfır yazıldı, "
             "bu nedenle hiçbir ayar içermiyor; dosyayı silebilirsiniz.",
    /* 14 */ "Файл %1 записано, але робочий файл mms.dat поруч із ним не вдалося видалити. Його вміст перезаписано "
             "нулями, тож він не містить налаштувань; його можна видалити.",
    /* 15 */ "Файл %1 записан, но рабочий файл mms.dat рядом с ним не удалось удалить. Его содержимое перезаписано "
             "нулями, поэтому он не содержит настроек; его можно удалить.",
});

// The final file (%1) is written; the working file beside it could neither be removed nor overwritten.
inline constexpr auto WorkingFileLeftText = MakeLocalisedTable<1>("WorkingFileLeft", {
    /*  1 */ "文件 %1 已写入，但其旁边的工作文件 mms.dat 既无法删除也无法覆盖：其中仍以明文保存着全部设置，包括密码。请您"
             "自行从存储卡中删除 mms.dat。",
    /*  2 */ "The file %1 was written, but the working file mms.dat beside it could neither be removed nor "
             "overwritten: it still holds the settings unscrambled, passwords included. Delete mms.dat from the card "
             "yourself.",
    /*  3 */ "Die Datei %1 wurde geschrieben, doch die Arbeitsdatei mms.dat daneben konnte weder gelöscht noch "
             "überschrieben werden: Sie enthält die Einstellungen samt Passwörtern noch im Klartext. Löschen Sie "
             "mms.dat selbst von der Karte.",
    /*  4 */ "Tiedosto %1 kirjoitettiin, mutta sen vieressä olevaa työtiedostoa mms.dat ei voitu poistaa eikä korvata: "
             "siinä on yhä asetukset salasanoineen selväkielisenä. Poista mms.dat kortilta itse.",
    /*  5 */ "Il file %1 è stato scritto, ma il file di lavoro mms.dat accanto a esso non è stato né eliminato né "
             "sovrascritto: contiene ancora le impostazioni in chiaro, password comprese. Elimina tu stesso mms.dat "
             "dalla scheda.",
    /*  6 */ "Le fichier %1 a été écrit, mais le fichier de travail mms.dat situé à côté n'a pu être ni supprimé ni "
             "écrasé : il contient encore les réglages en clair, mots de passe compris. Supprimez vous-même mms.dat "
             "de la carte.",
    /*  7 */ "A(z) %1 fájl kiírása megtörtént, de a mellette lévő mms.dat munkafájlt sem törölni, sem felülírni nem "
             "sikerült: még mindig olvasható formában tartalmazza a beállításokat, a jelszavakat is. Törölje az "
             "mms.dat fájlt saját maga a kártyáról.",
    /*  8 */ "Datoteka %1 je bila zapisana, vendar delovne datoteke mms.dat ob njej ni bilo mogoče niti izbrisati niti "
             "prepisati: še vedno vsebuje nastavitve v berljivi obliki, tudi gesla. Sami izbrišite mms.dat s kartice.",
    /*  9 */ "Soubor %1 byl zapsán, ale pracovní soubor mms.dat vedle něj se nepodařilo smazat ani přepsat: stále "
             "obsahuje nastavení v čitelné podobě včetně hesel. Smažte mms.dat z karty sami.",
    /* 10 */ "ファイル %1 は書き込まれましたが、同じ場所にある作業ファイル mms.dat を削除することも上書きすることも"
             "できませんでした。パスワードを含むすべての設定が平文のまま残っています。カードから mms.dat をご自身で"
             "削除してください。",
    /* 11 */ "Failas %1 buvo įrašytas, tačiau šalia jo esančio darbinio failo mms.dat nepavyko nei ištrinti, nei "
             "perrašyti: jame vis dar atviru tekstu saugomi nustatymai, įskaitant slaptažodžius. Patys ištrinkite "
             "mms.dat iš kortelės.",
    /* 12 */ "Plik %1 został zapisany, ale leżącego obok pliku roboczego mms.dat nie można było ani usunąć, ani "
             "nadpisać: nadal zawiera ustawienia w postaci jawnej, łącznie z hasłami. Usuń samodzielnie plik mms.dat "
             "z karty.",
    /* 13 */ "%1 dosyası yazıldı, ancak yanındaki mms.dat çalışma dosyası ne silinebildi ne de üzerine yazılabildi: "
             "ayarları, parolalar dahil, hâlâ açık biçimde içeriyor. mms.dat dosyasını karttan kendiniz silin.",
    /* 14 */ "Файл %1 записано, але робочий файл mms.dat поруч із ним не вдалося ні видалити, ні перезаписати: він "
             "досі містить налаштування, зокрема паролі, у відкритому вигляді. Видаліть mms.dat із картки "
             "самостійно.",
    /* 15 */ "Файл %1 записан, но рабочий файл mms.dat рядом с ним не удалось ни удалить, ни перезаписать: он всё ещё "
             "содержит настройки, включая пароли, в открытом виде. Удалите mms.dat с карты самостоятельно.",
});

// The file (%1) is written, but the access rights of the file it replaced could not be kept: it is its owner's alone.
inline constexpr auto FileWrittenOwnerOnlyText = MakeLocalisedTable<1>("FileWrittenOwnerOnly", {
    /*  1 */ "文件 %1 已写入，但无法沿用被替换文件的访问权限，因此只有您可以读取新文件。",
    /*  2 */ "The file %1 was written, but the access rights of the file it replaced could not be carried over, so "
             "only you can read the new file.",
    /*  3 */ "Die Datei %1 wurde geschrieben, doch die Zugriffsrechte der ersetzten Datei ließen sich nicht übernehmen; "
             "daher können nur Sie die neue Datei lesen.",
    /*  4 */ "Tiedosto %1 kirjoitettiin, mutta korvatun tiedoston käyttöoikeuksia ei voitu siirtää siihen, joten vain "
             "sinä voit lukea uuden tiedoston.",
    /*  5 */ "Il file %1 è stato scritto, ma non è stato possibile riportare i permessi di accesso del file sostituito, "
             "quindi solo tu puoi leggere il nuovo file.",
    /*  6 */ "Le fichier %1 a été écrit, mais les droits d'accès du fichier remplacé n'ont pas pu être repris ; vous "
             "seul pouvez donc lire le nouveau fichier.",
    /*  7 */ "A(z) %1 fájl kiírása megtörtént, de a lecserélt fájl hozzáférési jogait nem sikerült átvenni, ezért az "
             "új fájlt csak Ön olvashatja.",
    /*  8 */ "Datoteka %1 je bila zapisana, vendar dovoljenj za dostop zamenjane datoteke ni bilo mogoče prenesti "
             "nanjo, zato lahko novo datoteko berete samo vi.",
    /*  9 */ "Soubor %1 byl zapsán, ale přístupová práva nahrazeného souboru se nepodařilo převzít, a proto nový soubor "
             "můžete číst jen vy.",
    /* 10 */ "ファイル %1 は書き込まれましたが、置き換えたファイルのアクセス権を引き継げなかったため、新しいファイルは"
             "あなただけが読み取れます。",
    /* 11 */ "Failas %1 buvo įrašytas, tačiau nepavyko perkelti pakeisto failo prieigos teisių, todėl naująjį failą "
             "galite skaityti tik jūs.",
    /* 12 */ "Plik %1 został zapisany, ale nie można było przenieść praw dostępu zastąpionego pliku, dlatego nowy plik "
             "możesz odczytać tylko ty.",
    /* 13 */ "%1 dosyası yazıldı, ancak değiştirilen dosyanın erişim izinleri aktarılamadı; bu nedenle yeni dosyayı "
             "yalnızca siz okuyabilirsiniz.",
    /* 14 */ "Файл %1 записано, але права доступу заміненого файлу не вдалося перенести, тому новий файл можете читати "
             "лише ви.",
    /* 15 */ "Файл %1 записан, но права доступа заменённого файла не удалось перенести, поэтому новый файл можете "
             "читать только вы.",
});
// clang-format on

} // namespace tamb
