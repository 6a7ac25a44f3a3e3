#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Captions and option lists of the SMTP dialogs (the shared ones are in MmsTexts.h). Rows in LanguageId order.

// clang-format off
inline constexpr auto SmtpModeText = MakeLocalisedTable<1>("SmtpModeText", {
    /*  1 */ "SMTP模式",
    /*  2 */ "Smtp Mode",
    /*  3 */ "Smtp Modus",
    /*  4 */ "Smtp valikot",
    /*  5 */ "Modo Smtp",
    /*  6 */ "MODE Smtp",
    /*  7 */ "SMTP-mód",
    /*  8 */ "SMTP način",
    /*  9 */ "Režim Smtp",
    /* 10 */ "SMTPモード",
    /* 11 */ "Smtp režimas",
    /* 12 */ "Tryb SMTP",
    /* 13 */ "Smtp Modu",
    /* 14 */ "Режим настроек",
    /* 15 */ "SMTP режим",
});

inline constexpr auto SmtpModeOptions = MakeLocalisedTable<2>("SmtpModeOptions", {
    /*  1 */ "自动", "手动",
    /*  2 */ "Auto", "Manual",
    /*  3 */ "Auto", "Manuell",
    /*  4 */ "Auto", "Manuaalinen",
    /*  5 */ "Auto", "Manual",
    /*  6 */ "Auto", "Manuelle",
    /*  7 */ "Automatikus", "Kézi",
    /*  8 */ "Samodejno", "Ročno",
    /*  9 */ "Auto", "Manuál",
    /* 10 */ "自動", "手動",
    /* 11 */ "Automatinis", "Rankiniu",
    /* 12 */ "Automatyczne", "Ręcznie",
    /* 13 */ "otomatik", "elle",
    /* 14 */ "Авто", "Вручную",
    /* 15 */ "Авто", "Ручная",
});

inline constexpr auto GprsSettingText = MakeLocalisedTable<1>("GprsSettingText", {
    /*  1 */ "GPRS设置",
    /*  2 */ "GPRS Setting",
    /*  3 */ "GPRS-Einstellung",
    /*  4 */ "GPRS asetus",
    /*  5 */ "Impostazione GPRS",
    /*  6 */ "Paramètres GPRS",
    /*  7 */ "GPRS beállítása",
    /*  8 */ "GPRS nastavitve",
    /*  9 */ "GPRS Setting",
    /* 10 */ "GPRSの設定",
    /* 11 */ "GPRS nustatymai",
    /* 12 */ "Ustawienia GPRS",
    /* 13 */ "GPRS ayarları",
    /* 14 */ "Настройка GPRS",
    /* 15 */ "Настройки GPRS",
});

inline constexpr auto SenderText = MakeLocalisedTable<1>("SenderText", {
    /*  1 */ "发送端",
    /*  2 */ "Sender",
    /*  3 */ "Absender",
    /*  4 */ "Lähettäjä",
    /*  5 */ "Mittente",
    /*  6 */ "Expéditeur",
    /*  7 */ "Feladó",
    /*  8 */ "Pošiljatelj",
    /*  9 */ "Odesílatel",
    /* 10 */ "差出人",
    /* 11 */ "Siuntėjas",
    /* 12 */ "Wysyłanie",
    /* 13 */ "gönderici",
    /* 14 */ "Отправитель",
    /* 15 */ "Отправитель",
});

inline constexpr auto SmtpServerText = MakeLocalisedTable<1>("SmtpServerText", {
    /*  1 */ "SMTP服务器",
    /*  2 */ "Smtp Server",
    /*  3 */ "SMTP-Server",
    /*  4 */ "SMTP-palvelin",
    /*  5 */ "Server SMTP",
    /*  6 */ "Serveur SMTP",
    /*  7 */ "SMTP-kiszolgáló",
    /*  8 */ "SMTP strežnik",
    /*  9 */ "SMTP server",
    /* 10 */ "SMTPサーバー",
    /* 11 */ "SMTP serveris",
    /* 12 */ "Serwer SMTP",
    /* 13 */ "Smtp Server",
    /* 14 */ "SMTP сервер",
    /* 15 */ "SMTP сервер",
});

inline constexpr auto SmtpPortText = MakeLocalisedTable<1>("SmtpPortText", {
    /*  1 */ "SMTP端口",
    /*  2 */ "Port",
    /*  3 */ "Port",
    /*  4 */ "Portti",
    /*  5 */ "Porta",
    /*  6 */ "Port",
    /*  7 */ "Port",
    /*  8 */ "Vrata",
    /*  9 */ "Port",
    /* 10 */ "ポート",
    /* 11 */ "Prievadas",
    /* 12 */ "Port",
    /* 13 */ "Port",
    /* 14 */ "Порт",
    /* 15 */ "Порт",
});

inline constexpr auto SenderEmailText = MakeLocalisedTable<1>("SenderEmailText", {
    /*  1 */ "发送人邮箱",
    /*  2 */ "Sender Email",
    /*  3 */ "Senter E-Mail",
    /*  4 */ "Lähettäjän sähköposti",
    /*  5 */ "Mittente e-mail",
    /*  6 */ "Senter Email",
    /*  7 */ "Senter E-mail",
    /*  8 */ "Email",
    /*  9 */ "Odesílatel E-mail",
    /* 10 */ "送信者のメール",
    /* 11 */ "Siuntėjas El.paštas",
    /* 12 */ "Email wysył",
    /* 13 */ "gönderici eposta",
    /* 14 */ "Учетная запись",
    /* 15 */ "E-mail отправит.",
});

inline constexpr auto SenderPasswordText = MakeLocalisedTable<1>("SenderPasswordText", {
    /*  1 */ "发送人密码",
    /*  2 */ "Password",
    /*  3 */ "Passwort",
    /*  4 */ "Salasana",
    /*  5 */ "Parola d'ordine",
    /*  6 */ "Mot de passe",
    /*  7 */ "Jelszó",
    /*  8 */ "Geslo",
    /*  9 */ "Heslo",
    /* 10 */ "パスワード",
    /* 11 */ "slaptažodis",
    /* 12 */ "Hasło",
    /* 13 */ "şifre",
    /* 14 */ "Пароль",
    /* 15 */ "Пароль",
});

inline constexpr auto RecipientsText = MakeLocalisedTable<1>("RecipientsText", {
    /*  1 */ "收件人",
    /*  2 */ "Recipients",
    /*  3 */ "Empfänger",
    /*  4 */ "Vastaanottajat",
    /*  5 */ "Destinatari",
    /*  6 */ "Destinataire",
    /*  7 */ "Címzettek",
    /*  8 */ "Prejemnik",
    /*  9 */ "příjemci",
    /* 10 */ "名宛人",
    /* 11 */ "Gavėjai",
    /* 12 */ "Odbiorcy",
    /* 13 */ "alıcı",
    /* 14 */ "Получатель Email",
    /* 15 */ "Получатель",
});

// The Russian entry holds two blanks.
inline constexpr auto Email01Text = MakeLocalisedTable<1>("Email01Text", {
    /*  1 */ "邮箱地址01",
    /*  2 */ "Email01",
    /*  3 */ "Email 01",
    /*  4 */ "Email 01",
    /*  5 */ "Email 01",
    /*  6 */ "Email 01",
    /*  7 */ "Email 01",
    /*  8 */ "Email naslov",
    /*  9 */ "Email 01",
    /* 10 */ "Eメール01",
    /* 11 */ "Email 01",
    /* 12 */ "Email01",
    /* 13 */ "eposta01",
    /* 14 */ "Email 01",
    /* 15 */ "E-mail  01",
});

inline constexpr auto SmsGroupText = MakeLocalisedTable<1>("SmsGroupText", {
    /*  1 */ "短信",
    /*  2 */ "SMS",
    /*  3 */ "SMS",
    /*  4 */ "SMS",
    /*  5 */ "SMS",
    /*  6 */ "SMS",
    /*  7 */ "SMS",
    /*  8 */ "SMS",
    /*  9 */ "SMS",
    /* 10 */ "SMS",
    /* 11 */ "SMS",
    /* 12 */ "SMS",
    /* 13 */ "SMS",
    /* 14 */ "SMS",
    /* 15 */ "SMS",
});

// The blanks of the French and Polish entries are no-break spaces.
inline constexpr auto SmtpStatusText = MakeLocalisedTable<1>("SmtpStatusText", {
    /*  1 */ "Smtp 发送状态",
    /*  2 */ "Smtp Status",
    /*  3 */ "Smtp schicken",
    /*  4 */ "SMTP-tila",
    /*  5 */ "Invio SMTP",
    /*  6 */ "Statut\u00A0de\u00A0SMTP",
    /*  7 */ "SMTP állapot",
    /*  8 */ "SMTP način",
    /*  9 */ "Stav SMTP",
    /* 10 */ "Smtp の状態",
    /* 11 */ "smtp būsena",
    /* 12 */ "Stanu\u00A0SMTP",
    /* 13 */ "SMTP Durum",
    /* 14 */ "SMTP стан доставки",
    /* 15 */ "статус Smtp",
});

inline constexpr auto SmtpStatusOptions = MakeLocalisedTable<3>("SmtpStatusOptions", {
    /*  1 */ "关闭", "VGA", "短信",
    /*  2 */ "Off", "VGA", "SMS",
    /*  3 */ "Aus", "VGA", "SMS",
    /*  4 */ "pois", "VGA", "SMS",
    /*  5 */ "OFF", "VGA", "SMS",
    /*  6 */ "Arret", "VGA", "SMS",
    /*  7 */ "Ki", "VGA", "SMS",
    /*  8 */ "Izklop", "VGA", "SMS",
    /*  9 */ "Vypnuto", "VGA", "SMS",
    /* 10 */ "オフ", "VGA", "SMS",
    /* 11 */ "NE", "VGA", "SMS",
    /* 12 */ "Wył.", "VGA", "SMS",
    /* 13 */ "kapama", "VGA", "SMS",
    /* 14 */ "Выкл", "VGA", "SMS",
    /* 15 */ "Выкл", "VGA", "SMS",
});
// The button that logs in to the sender's account to test it, sending no mail.
inline constexpr auto TestAccountText = MakeLocalisedTable<1>("TestAccountText", {
    /*  1 */ "测试登录",
    /*  2 */ "Test",
    /*  3 */ "Testen",
    /*  4 */ "Testaa",
    /*  5 */ "Prova",
    /*  6 */ "Tester",
    /*  7 */ "Teszt",
    /*  8 */ "Preizkusi",
    /*  9 */ "Otestovat",
    /* 10 */ "テスト",
    /* 11 */ "Tikrinti",
    /* 12 */ "Testuj",
    /* 13 */ "Test et",
    /* 14 */ "Перевірити",
    /* 15 */ "Проверить",
});
// clang-format on

} // namespace tamb
