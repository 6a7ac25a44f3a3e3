#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Where an operator's parameters come from, and the operators that ended MMS, in every interface language. Rows
// in LanguageId order. The source lines take the date of the data (%1); the MMS texts the operator (%1) and the
// date its MMS service ended (%2).

// clang-format off
inline constexpr auto ParameterSourceDatabaseText = MakeLocalisedTable<1>("ParameterSourceDatabase", {
    /*  1 */ "参数：运营商数据库，%1",
    /*  2 */ "Parameters: provider database, %1",
    /*  3 */ "Parameter: Anbieterdatenbank, %1",
    /*  4 */ "Parametrit: operaattoritietokanta, %1",
    /*  5 */ "Parametri: database degli operatori, %1",
    /*  6 */ "Paramètres : base de données des opérateurs, %1",
    /*  7 */ "Paraméterek: szolgáltatói adatbázis, %1",
    /*  8 */ "Parametri: zbirka podatkov operaterjev, %1",
    /*  9 */ "Parametry: databáze operátorů, %1",
    /* 10 */ "パラメーター：事業者データベース、%1",
    /* 11 */ "Parametrai: operatorių duomenų bazė, %1",
    /* 12 */ "Parametry: baza danych operatorów, %1",
    /* 13 */ "Parametreler: operatör veritabanı, %1",
    /* 14 */ "Параметри: база даних операторів, %1",
    /* 15 */ "Параметры: база данных операторов, %1",
});

inline constexpr auto ParameterSourceBuiltInText = MakeLocalisedTable<1>("ParameterSourceBuiltIn", {
    /*  1 */ "参数：内置表，%1",
    /*  2 */ "Parameters: built-in table, %1",
    /*  3 */ "Parameter: eingebaute Tabelle, %1",
    /*  4 */ "Parametrit: sisäinen taulukko, %1",
    /*  5 */ "Parametri: tabella integrata, %1",
    /*  6 */ "Paramètres : table intégrée, %1",
    /*  7 */ "Paraméterek: beépített táblázat, %1",
    /*  8 */ "Parametri: vgrajena tabela, %1",
    /*  9 */ "Parametry: vestavěná tabulka, %1",
    /* 10 */ "パラメーター：内蔵テーブル、%1",
    /* 11 */ "Parametrai: įtaisyta lentelė, %1",
    /* 12 */ "Parametry: wbudowana tabela, %1",
    /* 13 */ "Parametreler: yerleşik tablo, %1",
    /* 14 */ "Параметри: вбудована таблиця, %1",
    /* 15 */ "Параметры: встроенная таблица, %1",
});

inline constexpr auto ParameterSourceNoneText = MakeLocalisedTable<1>("ParameterSourceNone", {
    /*  1 */ "参数：没有此运营商的参数（请使用手动模式）",
    /*  2 */ "Parameters: none known for this operator (use Manual mode)",
    /*  3 */ "Parameter: für diesen Anbieter keine bekannt (manuellen Modus verwenden)",
    /*  4 */ "Parametrit: tälle operaattorille ei tunneta (käytä manuaalista tilaa)",
    /*  5 */ "Parametri: nessuno noto per questo operatore (usare la modalità manuale)",
    /*  6 */ "Paramètres : aucun connu pour cet opérateur (utilisez le mode manuel)",
    /*  7 */ "Paraméterek: ehhez a szolgáltatóhoz nincs ismert (használja a kézi módot)",
    /*  8 */ "Parametri: za tega operaterja niso znani (uporabite ročni način)",
    /*  9 */ "Parametry: pro tohoto operátora nejsou známy (použijte ruční režim)",
    /* 10 */ "パラメーター：この事業者のものは不明です（手動モードを使用してください）",
    /* 11 */ "Parametrai: šiam operatoriui nežinomi (naudokite rankinį režimą)",
    /* 12 */ "Parametry: brak znanych dla tego operatora (użyj trybu ręcznego)",
    /* 13 */ "Parametreler: bu operatör için bilinmiyor (manuel modu kullanın)",
    /* 14 */ "Параметри: для цього оператора невідомі (використайте ручний режим)",
    /* 15 */ "Параметры: для этого оператора неизвестны (используйте ручной режим)",
});

inline constexpr auto MmsEndedText = MakeLocalisedTable<1>("MmsEnded", {
    /*  1 */ "%1 已于 %2 停止彩信服务，相机的照片将无法通过彩信送达。如果此相机型号有 SMTP 设置，可以改用电子邮件发送。",
    /*  2 */ "%1 ended its MMS service on %2, so the camera's pictures will not arrive by MMS. E-mail works instead where this camera model has SMTP Setup.",
    /*  3 */ "%1 hat den MMS-Dienst am %2 eingestellt, die Bilder der Kamera kommen per MMS nicht an. Wo dieses Kameramodell SMTP-Einstellungen hat, funktioniert stattdessen E-Mail.",
    /*  4 */ "%1 lopetti MMS-palvelunsa %2, joten kameran kuvat eivät saavu MMS-viesteinä. Sähköposti toimii sen sijaan, jos tässä kameramallissa on SMTP-asetukset.",
    /*  5 */ "%1 ha terminato il servizio MMS il %2, quindi le foto della fotocamera non arriveranno via MMS. Dove questo modello ha l'impostazione SMTP, funziona invece l'e-mail.",
    /*  6 */ "%1 a arrêté son service MMS le %2 : les photos de la caméra n'arriveront pas par MMS. Si ce modèle de caméra a la configuration SMTP, l'e-mail fonctionne à la place.",
    /*  7 */ "%1 megszüntette az MMS-szolgáltatást (%2), így a kamera képei nem érkeznek meg MMS-ben. Ha ennek a kameramodellnek van SMTP-beállítása, helyette az e-mail működik.",
    /*  8 */ "%1 je %2 ukinil storitev MMS, zato slike kamere ne bodo prispele po MMS. Če ima ta model kamere nastavitev SMTP, namesto tega deluje e-pošta.",
    /*  9 */ "%1 ukončil službu MMS dne %2, takže snímky fotoaparátu nepřijdou přes MMS. Pokud má tento model nastavení SMTP, funguje místo toho e-mail.",
    /* 10 */ "%1 は %2 に MMS サービスを終了したため、カメラの写真は MMS では届きません。このカメラ機種に SMTP 設定がある場合は、代わりにメールが使えます。",
    /* 11 */ "%1 %2 nutraukė MMS paslaugą, todėl kameros nuotraukos MMS žinute nebus pristatytos. Jei šis kameros modelis turi SMTP nustatymus, vietoj to veikia el. paštas.",
    /* 12 */ "%1 zakończył usługę MMS dnia %2, więc zdjęcia z aparatu nie dotrą przez MMS. Jeśli ten model aparatu ma ustawienia SMTP, zamiast tego działa e-mail.",
    /* 13 */ "%1, MMS hizmetini %2 tarihinde sonlandırdı; kameranın fotoğrafları MMS ile ulaşmayacak. Bu kamera modelinde SMTP ayarı varsa bunun yerine e-posta çalışır.",
    /* 14 */ "%1 припинив послугу MMS %2, тому фото з камери не надходитимуть через MMS. Якщо ця модель камери має налаштування SMTP, натомість працює електронна пошта.",
    /* 15 */ "%1 прекратил услугу MMS %2, поэтому фото с камеры не будут приходить по MMS. Если у этой модели камеры есть настройка SMTP, вместо этого работает электронная почта.",
});

inline constexpr auto MmsEndedWriteAnywayText = MakeLocalisedTable<1>("MmsEndedWriteAnyway", {
    /*  1 */ "%1 已于 %2 停止彩信服务，相机的照片将无法通过彩信送达。如果此相机型号有 SMTP 设置，可以改用电子邮件发送。\n\n仍然生成 setup.dat 吗？",
    /*  2 */ "%1 ended its MMS service on %2, so the camera's pictures will not arrive by MMS. E-mail works instead where this camera model has SMTP Setup.\n\nWrite setup.dat anyway?",
    /*  3 */ "%1 hat den MMS-Dienst am %2 eingestellt, die Bilder der Kamera kommen per MMS nicht an. Wo dieses Kameramodell SMTP-Einstellungen hat, funktioniert stattdessen E-Mail.\n\nsetup.dat trotzdem schreiben?",
    /*  4 */ "%1 lopetti MMS-palvelunsa %2, joten kameran kuvat eivät saavu MMS-viesteinä. Sähköposti toimii sen sijaan, jos tässä kameramallissa on SMTP-asetukset.\n\nKirjoitetaanko setup.dat silti?",
    /*  5 */ "%1 ha terminato il servizio MMS il %2, quindi le foto della fotocamera non arriveranno via MMS. Dove questo modello ha l'impostazione SMTP, funziona invece l'e-mail.\n\nScrivere comunque setup.dat?",
    /*  6 */ "%1 a arrêté son service MMS le %2 : les photos de la caméra n'arriveront pas par MMS. Si ce modèle de caméra a la configuration SMTP, l'e-mail fonctionne à la place.\n\nÉcrire setup.dat quand même ?",
    /*  7 */ "%1 megszüntette az MMS-szolgáltatást (%2), így a kamera képei nem érkeznek meg MMS-ben. Ha ennek a kameramodellnek van SMTP-beállítása, helyette az e-mail működik.\n\nMégis megírja a setup.dat fájlt?",
    /*  8 */ "%1 je %2 ukinil storitev MMS, zato slike kamere ne bodo prispele po MMS. Če ima ta model kamere nastavitev SMTP, namesto tega deluje e-pošta.\n\nVseeno zapišem setup.dat?",
    /*  9 */ "%1 ukončil službu MMS dne %2, takže snímky fotoaparátu nepřijdou přes MMS. Pokud má tento model nastavení SMTP, funguje místo toho e-mail.\n\nPřesto zapsat setup.dat?",
    /* 10 */ "%1 は %2 に MMS サービスを終了したため、カメラの写真は MMS では届きません。このカメラ機種に SMTP 設定がある場合は、代わりにメールが使えます。\n\nそれでも setup.dat を書き込みますか？",
    /* 11 */ "%1 %2 nutraukė MMS paslaugą, todėl kameros nuotraukos MMS žinute nebus pristatytos. Jei šis kameros modelis turi SMTP nustatymus, vietoj to veikia el. paštas.\n\nVis tiek įrašyti setup.dat?",
    /* 12 */ "%1 zakończył usługę MMS dnia %2, więc zdjęcia z aparatu nie dotrą przez MMS. Jeśli ten model aparatu ma ustawienia SMTP, zamiast tego działa e-mail.\n\nMimo to zapisać setup.dat?",
    /* 13 */ "%1, MMS hizmetini %2 tarihinde sonlandırdı; kameranın fotoğrafları MMS ile ulaşmayacak. Bu kamera modelinde SMTP ayarı varsa bunun yerine e-posta çalışır.\n\nsetup.dat yine de yazılsın mı?",
    /* 14 */ "%1 припинив послугу MMS %2, тому фото з камери не надходитимуть через MMS. Якщо ця модель камери має налаштування SMTP, натомість працює електронна пошта.\n\nУсе одно записати setup.dat?",
    /* 15 */ "%1 прекратил услугу MMS %2, поэтому фото с камеры не будут приходить по MMS. Если у этой модели камеры есть настройка SMTP, вместо этого работает электронная почта.\n\nВсё равно записать setup.dat?",
});
// clang-format on

} // namespace tamb
