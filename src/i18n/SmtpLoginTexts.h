#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// What a test of an e-mail account says, in every interface language: %1 the server, %2 the port, %3 the server's
// reply line after a blank line (or nothing), %4 the time limit in seconds. Rows in LanguageId order.

// clang-format off
inline constexpr auto SmtpPortNotNumberText = MakeLocalisedTable<1>("SmtpPortNotNumber", {
    /*  1 */ "端口必须是 1 至 65535 之间的数字",
    /*  2 */ "The port must be a number from 1 to 65535",
    /*  3 */ "Der Port muss eine Zahl von 1 bis 65535 sein",
    /*  4 */ "Portin on oltava luku väliltä 1–65535",
    /*  5 */ "La porta deve essere un numero da 1 a 65535",
    /*  6 */ "Le port doit être un nombre de 1 à 65535",
    /*  7 */ "A portnak 1 és 65535 közötti számnak kell lennie",
    /*  8 */ "Vrata morajo biti število od 1 do 65535",
    /*  9 */ "Port musí být číslo od 1 do 65535",
    /* 10 */ "ポートは 1 から 65535 までの数字で指定してください",
    /* 11 */ "Prievadas turi būti skaičius nuo 1 iki 65535",
    /* 12 */ "Port musi być liczbą od 1 do 65535",
    /* 13 */ "Bağlantı noktası 1 ile 65535 arasında bir sayı olmalıdır",
    /* 14 */ "Порт має бути числом від 1 до 65535",
    /* 15 */ "Порт должен быть числом от 1 до 65535",
});

inline constexpr auto SmtpServerNotHostNameText = MakeLocalisedTable<1>("SmtpServerNotHostName", {
    /*  1 */ "服务器必须是主机名或 IP 地址，例如 smtp.example.com",
    /*  2 */ "The server must be a host name or an IP address, such as smtp.example.com",
    /*  3 */ "Der Server muss ein Hostname oder eine IP-Adresse sein, z. B. smtp.example.com",
    /*  4 */ "Palvelimen on oltava isäntänimi tai IP-osoite, esimerkiksi smtp.example.com",
    /*  5 */ "Il server deve essere un nome host o un indirizzo IP, ad esempio smtp.example.com",
    /*  6 */ "Le serveur doit être un nom d'hôte ou une adresse IP, par exemple smtp.example.com",
    /*  7 */ "A kiszolgálónak gazdagépnévnek vagy IP-címnek kell lennie, például smtp.example.com",
    /*  8 */ "Strežnik mora biti ime gostitelja ali naslov IP, na primer smtp.example.com",
    /*  9 */ "Server musí být název hostitele nebo adresa IP, například smtp.example.com",
    /* 10 */ "サーバーはホスト名または IP アドレスで指定してください（例：smtp.example.com）",
    /* 11 */ "Serveris turi būti kompiuterio vardas arba IP adresas, pavyzdžiui, smtp.example.com",
    /* 12 */ "Serwer musi być nazwą hosta lub adresem IP, na przykład smtp.example.com",
    /* 13 */ "Sunucu, smtp.example.com gibi bir ana bilgisayar adı veya IP adresi olmalıdır",
    /* 14 */ "Сервер має бути ім'ям хоста або IP-адресою, наприклад smtp.example.com",
    /* 15 */ "Сервер должен быть именем хоста или IP-адресом, например smtp.example.com",
});

inline constexpr auto SmtpLoginAcceptedWithTlsText = MakeLocalisedTable<1>("SmtpLoginAcceptedWithTls", {
    /*  1 */ "登录成功：%1 通过加密连接（TLS）接受了发送人邮箱和密码。%3",
    /*  2 */ "Login accepted: %1 accepted the sender address and password over an encrypted connection (TLS).%3",
    /*  3 */ "Anmeldung erfolgreich: %1 hat Absenderadresse und Passwort über eine verschlüsselte Verbindung (TLS) "
             "angenommen.%3",
    /*  4 */ "Kirjautuminen onnistui: %1 hyväksyi lähettäjän osoitteen ja salasanan salatun yhteyden (TLS) kautta.%3",
    /*  5 */ "Accesso riuscito: %1 ha accettato l'indirizzo del mittente e la password su una connessione cifrata "
             "(TLS).%3",
    /*  6 */ "Connexion acceptée : %1 a accepté l'adresse de l'expéditeur et le mot de passe sur une connexion "
             "chiffrée (TLS).%3",
    /*  7 */ "Sikeres bejelentkezés: %1 titkosított kapcsolaton (TLS) elfogadta a feladó címét és a jelszót.%3",
    /*  8 */ "Prijava uspešna: %1 je sprejel naslov pošiljatelja in geslo prek šifrirane povezave (TLS).%3",
    /*  9 */ "Přihlášení proběhlo: %1 přijal adresu odesílatele a heslo přes šifrované spojení (TLS).%3",
    /* 10 */ "ログイン成功：%1 は暗号化された接続（TLS）で送信者アドレスとパスワードを受け付けました。%3",
    /* 11 */ "Prisijungta: %1 priėmė siuntėjo adresą ir slaptažodį šifruotu ryšiu (TLS).%3",
    /* 12 */ "Logowanie udane: %1 przyjął adres nadawcy i hasło przez połączenie szyfrowane (TLS).%3",
    /* 13 */ "Oturum açıldı: %1, gönderen adresini ve parolayı şifreli bir bağlantı (TLS) üzerinden kabul etti.%3",
    /* 14 */ "Вхід виконано: %1 прийняв адресу відправника та пароль через зашифроване з'єднання (TLS).%3",
    /* 15 */ "Вход выполнен: %1 принял адрес отправителя и пароль по зашифрованному соединению (TLS).%3",
});

inline constexpr auto SmtpLoginAcceptedWithoutTlsText = MakeLocalisedTable<1>("SmtpLoginAcceptedWithoutTls", {
    /*  1 */ "登录成功，但 %1 的端口 %2 不提供加密（TLS）：密码以明文在网络上传输。%3",
    /*  2 */ "Login accepted, but %1 offers no encryption (TLS) on port %2: the password crossed the network "
             "readable.%3",
    /*  3 */ "Anmeldung erfolgreich, aber %1 bietet auf Port %2 keine Verschlüsselung (TLS) an: Das Passwort ging "
             "lesbar über das Netz.%3",
    /*  4 */ "Kirjautuminen onnistui, mutta %1 ei tarjoa salausta (TLS) portissa %2: salasana kulki verkossa "
             "luettavassa muodossa.%3",
    /*  5 */ "Accesso riuscito, ma %1 non offre cifratura (TLS) sulla porta %2: la password ha attraversato la rete "
             "in chiaro.%3",
    /*  6 */ "Connexion acceptée, mais %1 ne propose pas de chiffrement (TLS) sur le port %2 : le mot de passe a "
             "circulé en clair sur le réseau.%3",
    /*  7 */ "Sikeres bejelentkezés, de %1 a(z) %2 porton nem kínál titkosítást (TLS): a jelszó olvasható formában "
             "haladt át a hálózaton.%3",
    /*  8 */ "Prijava uspešna, vendar %1 na vratih %2 ne ponuja šifriranja (TLS): geslo je po omrežju potovalo "
             "berljivo.%3",
    /*  9 */ "Přihlášení proběhlo, ale %1 na portu %2 nenabízí šifrování (TLS): heslo prošlo sítí čitelně.%3",
    /* 10 */ "ログインは成功しましたが、%1 はポート %2 で暗号化（TLS）を提供していません。パスワードは読み取れる状態でネットワークを通りました。%3",
    /* 11 */ "Prisijungta, bet %1 prievade %2 nesiūlo šifravimo (TLS): slaptažodis tinklu perduotas neužšifruotas.%3",
    /* 12 */ "Logowanie udane, ale %1 nie oferuje szyfrowania (TLS) na porcie %2: hasło przeszło przez sieć jawnym "
             "tekstem.%3",
    /* 13 */ "Oturum açıldı, ancak %1, %2 numaralı bağlantı noktasında şifreleme (TLS) sunmuyor: parola ağda "
             "okunabilir biçimde iletildi.%3",
    /* 14 */ "Вхід виконано, але %1 не пропонує шифрування (TLS) на порту %2: пароль пройшов мережею у відкритому "
             "вигляді.%3",
    /* 15 */ "Вход выполнен, но %1 не предлагает шифрование (TLS) на порту %2: пароль передан по сети в открытом "
             "виде.%3",
});

inline constexpr auto SmtpLoginRefusedText = MakeLocalisedTable<1>("SmtpLoginRefused", {
    /*  1 */ "服务器 %1 拒绝了发送人邮箱或密码。%3",
    /*  2 */ "The server %1 refused the sender address or the password.%3",
    /*  3 */ "Der Server %1 hat die Absenderadresse oder das Passwort abgelehnt.%3",
    /*  4 */ "Palvelin %1 hylkäsi lähettäjän osoitteen tai salasanan.%3",
    /*  5 */ "Il server %1 ha rifiutato l'indirizzo del mittente o la password.%3",
    /*  6 */ "Le serveur %1 a refusé l'adresse de l'expéditeur ou le mot de passe.%3",
    /*  7 */ "A(z) %1 kiszolgáló elutasította a feladó címét vagy a jelszót.%3",
    /*  8 */ "Strežnik %1 je zavrnil naslov pošiljatelja ali geslo.%3",
    /*  9 */ "Server %1 odmítl adresu odesílatele nebo heslo.%3",
    /* 10 */ "サーバー %1 は送信者アドレスまたはパスワードを拒否しました。%3",
    /* 11 */ "Serveris %1 atmetė siuntėjo adresą arba slaptažodį.%3",
    /* 12 */ "Serwer %1 odrzucił adres nadawcy lub hasło.%3",
    /* 13 */ "%1 sunucusu gönderen adresini veya parolayı reddetti.%3",
    /* 14 */ "Сервер %1 відхилив адресу відправника або пароль.%3",
    /* 15 */ "Сервер %1 отклонил адрес отправителя или пароль.%3",
});

inline constexpr auto SmtpLoginNotOfferedText = MakeLocalisedTable<1>("SmtpLoginNotOffered", {
    /*  1 */ "服务器 %1 的端口 %2 不提供登录，无法检查此帐号。%3",
    /*  2 */ "The server %1 offers no login on port %2, so the account could not be checked.%3",
    /*  3 */ "Der Server %1 bietet auf Port %2 keine Anmeldung an, daher konnte das Konto nicht geprüft werden.%3",
    /*  4 */ "Palvelin %1 ei tarjoa kirjautumista portissa %2, joten tiliä ei voitu tarkistaa.%3",
    /*  5 */ "Il server %1 non offre l'accesso sulla porta %2, quindi non è stato possibile verificare l'account.%3",
    /*  6 */ "Le serveur %1 ne propose pas de connexion sur le port %2 ; le compte n'a donc pas pu être vérifié.%3",
    /*  7 */ "A(z) %1 kiszolgáló a(z) %2 porton nem kínál bejelentkezést, ezért a fiókot nem lehetett ellenőrizni.%3",
    /*  8 */ "Strežnik %1 na vratih %2 ne ponuja prijave, zato računa ni bilo mogoče preveriti.%3",
    /*  9 */ "Server %1 na portu %2 nenabízí přihlášení, proto účet nebylo možné ověřit.%3",
    /* 10 */ "サーバー %1 はポート %2 でログインを提供していないため、アカウントを確認できませんでした。%3",
    /* 11 */ "Serveris %1 prievade %2 nesiūlo prisijungimo, todėl paskyros patikrinti nepavyko.%3",
    /* 12 */ "Serwer %1 nie oferuje logowania na porcie %2, więc nie można było sprawdzić konta.%3",
    /* 13 */ "%1 sunucusu %2 numaralı bağlantı noktasında oturum açma sunmuyor, bu yüzden hesap denetlenemedi.%3",
    /* 14 */ "Сервер %1 не пропонує входу на порту %2, тому обліковий запис не вдалося перевірити.%3",
    /* 15 */ "Сервер %1 не предлагает вход на порту %2, поэтому учётную запись проверить не удалось.%3",
});

inline constexpr auto SmtpServerUnreachableText = MakeLocalisedTable<1>("SmtpServerUnreachable", {
    /*  1 */ "无法连接服务器 %1 的端口 %2（找不到此名称或连接被拒绝）。%3",
    /*  2 */ "The server %1 could not be reached on port %2 (name not found or connection refused).%3",
    /*  3 */ "Der Server %1 war auf Port %2 nicht erreichbar (Name nicht gefunden oder Verbindung abgelehnt).%3",
    /*  4 */ "Palvelimeen %1 ei saatu yhteyttä portissa %2 (nimeä ei löytynyt tai yhteys torjuttiin).%3",
    /*  5 */ "Impossibile raggiungere il server %1 sulla porta %2 (nome non trovato o connessione rifiutata).%3",
    /*  6 */ "Le serveur %1 est injoignable sur le port %2 (nom introuvable ou connexion refusée).%3",
    /*  7 */ "A(z) %1 kiszolgáló nem érhető el a(z) %2 porton (a név nem található, vagy a kapcsolatot "
             "elutasította).%3",
    /*  8 */ "Strežnik %1 na vratih %2 ni dosegljiv (imena ni mogoče najti ali pa je bila povezava zavrnjena).%3",
    /*  9 */ "Server %1 není na portu %2 dostupný (název nebyl nalezen nebo bylo spojení odmítnuto).%3",
    /* 10 */ "サーバー %1 のポート %2 に接続できませんでした（名前が見つからないか、接続が拒否されました）。%3",
    /* 11 */ "Nepavyko pasiekti serverio %1 prievade %2 (vardas nerastas arba ryšys atmestas).%3",
    /* 12 */ "Nie można połączyć się z serwerem %1 na porcie %2 (nie znaleziono nazwy lub połączenie odrzucone).%3",
    /* 13 */ "%1 sunucusuna %2 numaralı bağlantı noktasından ulaşılamadı (ad bulunamadı veya bağlantı reddedildi).%3",
    /* 14 */ "Не вдалося з'єднатися з сервером %1 на порту %2 (ім'я не знайдено або з'єднання відхилено).%3",
    /* 15 */ "Не удалось связаться с сервером %1 на порту %2 (имя не найдено или соединение отклонено).%3",
});

inline constexpr auto SmtpTlsFailedText = MakeLocalisedTable<1>("SmtpTlsFailed", {
    /*  1 */ "无法与 %1 的端口 %2 建立加密连接：TLS 协商失败或服务器证书被拒绝。%3",
    /*  2 */ "No encrypted connection to %1 on port %2: TLS could not be negotiated or the server's certificate was "
             "refused.%3",
    /*  3 */ "Keine verschlüsselte Verbindung zu %1 auf Port %2: TLS konnte nicht ausgehandelt werden oder das "
             "Zertifikat des Servers wurde abgelehnt.%3",
    /*  4 */ "Salattua yhteyttä palvelimeen %1 portissa %2 ei saatu: TLS-neuvottelu epäonnistui tai palvelimen "
             "varmenne hylättiin.%3",
    /*  5 */ "Nessuna connessione cifrata con %1 sulla porta %2: non è stato possibile negoziare TLS oppure il "
             "certificato del server è stato rifiutato.%3",
    /*  6 */ "Aucune connexion chiffrée avec %1 sur le port %2 : TLS n'a pas pu être négocié ou le certificat du "
             "serveur a été refusé.%3",
    /*  7 */ "Nem jött létre titkosított kapcsolat a(z) %1 kiszolgálóval a(z) %2 porton: a TLS-egyeztetés sikertelen "
             "volt, vagy a kiszolgáló tanúsítványa nem fogadható el.%3",
    /*  8 */ "Šifrirane povezave s %1 na vratih %2 ni bilo mogoče vzpostaviti: pogajanje TLS ni uspelo ali pa je bilo "
             "potrdilo strežnika zavrnjeno.%3",
    /*  9 */ "Šifrované spojení s %1 na portu %2 se nepodařilo navázat: TLS nebylo možné sjednat nebo byl certifikát "
             "serveru odmítnut.%3",
    /* 10 */ "%1 のポート %2 への暗号化接続ができませんでした。TLS のネゴシエーションに失敗したか、サーバーの証明書が拒否されました。%3",
    /* 11 */ "Nepavyko užmegzti šifruoto ryšio su %1 prievade %2: nepavyko suderinti TLS arba serverio sertifikatas "
             "atmestas.%3",
    /* 12 */ "Brak szyfrowanego połączenia z %1 na porcie %2: nie udało się wynegocjować TLS lub certyfikat serwera "
             "został odrzucony.%3",
    /* 13 */ "%1 ile %2 numaralı bağlantı noktasında şifreli bağlantı kurulamadı: TLS anlaşması yapılamadı veya "
             "sunucunun sertifikası reddedildi.%3",
    /* 14 */ "Немає зашифрованого з'єднання з %1 на порту %2: не вдалося узгодити TLS або сертифікат сервера "
             "відхилено.%3",
    /* 15 */ "Нет зашифрованного соединения с %1 на порту %2: не удалось согласовать TLS или сертификат сервера "
             "отклонён.%3",
});

inline constexpr auto SmtpNoAnswerText = MakeLocalisedTable<1>("SmtpNoAnswer", {
    /*  1 */ "服务器 %1 的端口 %2 在 %4 秒内没有应答。%3",
    /*  2 */ "The server %1 did not answer on port %2 within %4 seconds.%3",
    /*  3 */ "Der Server %1 hat auf Port %2 nicht innerhalb von %4 Sekunden geantwortet.%3",
    /*  4 */ "Palvelin %1 ei vastannut portissa %2 %4 sekunnin kuluessa.%3",
    /*  5 */ "Il server %1 non ha risposto sulla porta %2 entro %4 secondi.%3",
    /*  6 */ "Le serveur %1 n'a pas répondu sur le port %2 dans un délai de %4 secondes.%3",
    /*  7 */ "A(z) %1 kiszolgáló nem válaszolt a(z) %2 porton %4 másodpercen belül.%3",
    /*  8 */ "Strežnik %1 se na vratih %2 ni odzval v %4 sekundah.%3",
    /*  9 */ "Server %1 na portu %2 neodpověděl do %4 sekund.%3",
    /* 10 */ "サーバー %1 はポート %2 で %4 秒以内に応答しませんでした。%3",
    /* 11 */ "Serveris %1 prievade %2 neatsakė per %4 s.%3",
    /* 12 */ "Serwer %1 nie odpowiedział na porcie %2 w ciągu %4 sekund.%3",
    /* 13 */ "%1 sunucusu %2 numaralı bağlantı noktasında %4 saniye içinde yanıt vermedi.%3",
    /* 14 */ "Сервер %1 не відповів на порту %2 протягом %4 с.%3",
    /* 15 */ "Сервер %1 не ответил на порту %2 в течение %4 с.%3",
});

inline constexpr auto SmtpConversationFailedText = MakeLocalisedTable<1>("SmtpConversationFailed", {
    /*  1 */ "与 %1 的端口 %2 的通信在登录前中断（这可能不是邮件服务器）。%3",
    /*  2 */ "The conversation with %1 on port %2 broke off before the login (it may not be a mail server).%3",
    /*  3 */ "Die Verbindung mit %1 auf Port %2 brach vor der Anmeldung ab (vielleicht ist es kein Mailserver).%3",
    /*  4 */ "Yhteys palvelimeen %1 portissa %2 katkesi ennen kirjautumista (se ei ehkä ole sähköpostipalvelin).%3",
    /*  5 */ "La comunicazione con %1 sulla porta %2 si è interrotta prima dell'accesso (potrebbe non essere un "
             "server di posta).%3",
    /*  6 */ "L'échange avec %1 sur le port %2 s'est interrompu avant la connexion (ce n'est peut-être pas un serveur "
             "de messagerie).%3",
    /*  7 */ "A kommunikáció a(z) %1 kiszolgálóval a(z) %2 porton a bejelentkezés előtt megszakadt (lehet, hogy nem "
             "levelezőkiszolgáló).%3",
    /*  8 */ "Komunikacija s %1 na vratih %2 se je prekinila pred prijavo (morda ni poštni strežnik).%3",
    /*  9 */ "Komunikace s %1 na portu %2 se přerušila před přihlášením (možná nejde o poštovní server).%3",
    /* 10 */ "%1 のポート %2 との通信がログイン前に途切れました（メールサーバーではない可能性があります）。%3",
    /* 11 */ "Ryšys su %1 prievade %2 nutrūko prieš prisijungimą (galbūt tai ne pašto serveris).%3",
    /* 12 */ "Komunikacja z %1 na porcie %2 została przerwana przed logowaniem (to może nie być serwer poczty).%3",
    /* 13 */ "%1 ile %2 numaralı bağlantı noktasındaki iletişim oturum açmadan önce kesildi (bu bir posta sunucusu "
             "olmayabilir).%3",
    /* 14 */ "Зв'язок із %1 на порту %2 перервався до входу (можливо, це не поштовий сервер).%3",
    /* 15 */ "Связь с %1 на порту %2 прервалась до входа (возможно, это не почтовый сервер).%3",
});

inline constexpr auto SmtpCheckCancelledText = MakeLocalisedTable<1>("SmtpCheckCancelled", {
    /*  1 */ "邮箱帐号测试已取消。",
    /*  2 */ "The test of the e-mail account was cancelled.",
    /*  3 */ "Der Test des E-Mail-Kontos wurde abgebrochen.",
    /*  4 */ "Sähköpostitilin testi peruutettiin.",
    /*  5 */ "La prova dell'account e-mail è stata annullata.",
    /*  6 */ "Le test du compte de messagerie a été annulé.",
    /*  7 */ "Az e-mail-fiók tesztje megszakadt.",
    /*  8 */ "Preizkus e-poštnega računa je bil preklican.",
    /*  9 */ "Test e-mailového účtu byl zrušen.",
    /* 10 */ "メールアカウントのテストは中止されました。",
    /* 11 */ "El. pašto paskyros patikrinimas atšauktas.",
    /* 12 */ "Test konta e-mail został anulowany.",
    /* 13 */ "E-posta hesabının testi iptal edildi.",
    /* 14 */ "Перевірку облікового запису електронної пошти скасовано.",
    /* 15 */ "Проверка учётной записи электронной почты отменена.",
});
inline constexpr auto SmtpPlainLoginNotAllowedText = MakeLocalisedTable<1>("SmtpPlainLoginNotAllowed", {
    /*  1 */ "%1 的端口 %2 不提供加密（TLS），因此未尝试登录：密码将以明文在网络上传输，相机每次发送邮件时也会以明文发送密码。%3",
    /*  2 */ "%1 offers no encryption (TLS) on port %2, so no login was attempted: the password would cross the "
             "network readable, and the camera would send it just as readable whenever it sends mail.%3",
    /*  3 */ "%1 bietet auf Port %2 keine Verschlüsselung (TLS) an, daher wurde keine Anmeldung versucht: Das "
             "Passwort ginge lesbar über das Netz, und die Kamera sendet es bei jeder E-Mail ebenso lesbar.%3",
    /*  4 */ "%1 ei tarjoa salausta (TLS) portissa %2, joten kirjautumista ei yritetty: salasana kulkisi verkossa "
             "luettavassa muodossa, ja kamera lähettää sen yhtä luettavana aina, kun se lähettää sähköpostia.%3",
    /*  5 */ "%1 non offre cifratura (TLS) sulla porta %2, quindi non è stato tentato alcun accesso: la password "
             "attraverserebbe la rete in chiaro, e la fotocamera la invia in chiaro ogni volta che spedisce posta.%3",
    /*  6 */ "%1 ne propose pas de chiffrement (TLS) sur le port %2 ; aucune connexion n'a donc été tentée : le mot "
             "de passe circulerait en clair sur le réseau, et l'appareil photo l'envoie aussi en clair à chaque "
             "courriel.%3",
    /*  7 */ "A(z) %1 a(z) %2 porton nem kínál titkosítást (TLS), ezért nem történt bejelentkezési kísérlet: a "
             "jelszó olvasható formában haladna át a hálózaton, és a kamera is olvashatóan küldi el minden "
             "levélküldéskor.%3",
    /*  8 */ "%1 na vratih %2 ne ponuja šifriranja (TLS), zato prijava ni bila izvedena: geslo bi po omrežju "
             "potovalo berljivo, in kamera ga prav tako berljivo pošlje ob vsakem pošiljanju pošte.%3",
    /*  9 */ "%1 na portu %2 nenabízí šifrování (TLS), proto se přihlášení nezkoušelo: heslo by prošlo sítí čitelně "
             "a fotoaparát ho čitelně posílá i při každém odeslání pošty.%3",
    /* 10 */ "%1 はポート %2 で暗号化（TLS）を提供していないため、ログインは試みませんでした。パスワードは読み取れる状態でネットワークを通り、カメラもメールを送信するたびに読み取れる状態で送信します。%3",
    /* 11 */ "%1 prievade %2 nesiūlo šifravimo (TLS), todėl prisijungti nebandyta: slaptažodis tinklu būtų "
             "perduotas neužšifruotas, o fotoaparatas jį taip pat siunčia neužšifruotą kaskart siųsdamas laišką.%3",
    /* 12 */ "%1 nie oferuje szyfrowania (TLS) na porcie %2, więc nie próbowano logowania: hasło przeszłoby przez "
             "sieć jawnym tekstem, a aparat również wysyła je jawnie przy każdym wysłaniu poczty.%3",
    /* 13 */ "%1, %2 numaralı bağlantı noktasında şifreleme (TLS) sunmuyor, bu yüzden oturum açılmaya çalışılmadı: "
             "parola ağda okunabilir biçimde iletilirdi ve kamera da her posta gönderişinde onu okunabilir biçimde "
             "gönderir.%3",
    /* 14 */ "%1 не пропонує шифрування (TLS) на порту %2, тому вхід не виконувався: пароль пройшов би мережею у "
             "відкритому вигляді, і камера так само надсилає його відкрито щоразу, коли надсилає пошту.%3",
    /* 15 */ "%1 не предлагает шифрование (TLS) на порту %2, поэтому вход не выполнялся: пароль прошёл бы по сети "
             "в открытом виде, и камера так же отправляет его открыто при каждой отправке почты.%3",
});

// The question the Test button asks when the server offers no encryption: %1 the server, %2 the port.
inline constexpr auto SmtpPlainLoginQuestionText = MakeLocalisedTable<1>("SmtpPlainLoginQuestion", {
    /*  1 */ "%1 的端口 %2 不提供加密（TLS）。测试会以明文在网络上发送密码，相机每次通过此服务器发送邮件时也会以明文发送密码。\n\n仍要在不加密的情况下测试吗？",
    /*  2 */ "%1 offers no encryption (TLS) on port %2. A test would send the password across the network readable, "
             "and the camera sends it readable too whenever it sends mail through this server.\n\nTest anyway, "
             "without encryption?",
    /*  3 */ "%1 bietet auf Port %2 keine Verschlüsselung (TLS) an. Ein Test würde das Passwort lesbar über das Netz "
             "senden, und die Kamera sendet es ebenso lesbar, wann immer sie über diesen Server E-Mails "
             "verschickt.\n\nTrotzdem ohne Verschlüsselung testen?",
    /*  4 */ "%1 ei tarjoa salausta (TLS) portissa %2. Testi lähettäisi salasanan verkon yli luettavassa muodossa, "
             "ja kamera lähettää sen myös luettavana aina, kun se lähettää sähköpostia tämän palvelimen "
             "kautta.\n\nTestataanko silti ilman salausta?",
    /*  5 */ "%1 non offre cifratura (TLS) sulla porta %2. Una prova invierebbe la password in chiaro attraverso la "
             "rete, e anche la fotocamera la invia in chiaro ogni volta che spedisce posta tramite questo "
             "server.\n\nProvare comunque senza cifratura?",
    /*  6 */ "%1 ne propose pas de chiffrement (TLS) sur le port %2. Un test enverrait le mot de passe en clair sur "
             "le réseau, et l'appareil photo l'envoie aussi en clair chaque fois qu'il envoie un courriel par ce "
             "serveur.\n\nTester quand même, sans chiffrement ?",
    /*  7 */ "A(z) %1 a(z) %2 porton nem kínál titkosítást (TLS). A teszt olvasható formában küldené el a jelszót a "
             "hálózaton, és a kamera is olvashatóan küldi el, valahányszor ezen a kiszolgálón keresztül levelet "
             "küld.\n\nMégis elvégzi a tesztet titkosítás nélkül?",
    /*  8 */ "%1 na vratih %2 ne ponuja šifriranja (TLS). Preizkus bi geslo poslal po omrežju berljivo, in tudi "
             "kamera ga pošlje berljivo vsakič, ko prek tega strežnika pošilja pošto.\n\nŽelite vseeno preizkusiti "
             "brez šifriranja?",
    /*  9 */ "%1 na portu %2 nenabízí šifrování (TLS). Test by poslal heslo sítí čitelně a fotoaparát ho čitelně "
             "posílá také pokaždé, když přes tento server odesílá poštu.\n\nPřesto testovat bez šifrování?",
    /* 10 */ "%1 はポート %2 で暗号化（TLS）を提供していません。テストするとパスワードが読み取れる状態でネットワークを通り、カメラもこのサーバー経由でメールを送信するたびに読み取れる状態で送信します。\n\n暗号化なしでテストしますか？",
    /* 11 */ "%1 prievade %2 nesiūlo šifravimo (TLS). Patikrinimas perduotų slaptažodį tinklu neužšifruotą, o "
             "fotoaparatas jį taip pat siunčia neužšifruotą kaskart siųsdamas laišką per šį serverį.\n\nVis tiek "
             "tikrinti be šifravimo?",
    /* 12 */ "%1 nie oferuje szyfrowania (TLS) na porcie %2. Test wysłałby hasło przez sieć jawnym tekstem, a "
             "aparat również wysyła je jawnie za każdym razem, gdy wysyła pocztę przez ten serwer.\n\nCzy mimo to "
             "przeprowadzić test bez szyfrowania?",
    /* 13 */ "%1, %2 numaralı bağlantı noktasında şifreleme (TLS) sunmuyor. Test, parolayı ağ üzerinden okunabilir "
             "biçimde gönderir; kamera da bu sunucu üzerinden her posta gönderdiğinde onu okunabilir biçimde "
             "gönderir.\n\nYine de şifrelemeden test edilsin mi?",
    /* 14 */ "%1 не пропонує шифрування (TLS) на порту %2. Перевірка надіслала б пароль мережею у відкритому "
             "вигляді, і камера так само надсилає його відкрито щоразу, коли надсилає пошту через цей "
             "сервер.\n\nУсе одно перевірити без шифрування?",
    /* 15 */ "%1 не предлагает шифрование (TLS) на порту %2. Проверка отправила бы пароль по сети в открытом виде, "
             "и камера так же отправляет его открыто каждый раз, когда отправляет почту через этот "
             "сервер.\n\nВсё равно проверить без шифрования?",
});
// clang-format on

} // namespace tamb
