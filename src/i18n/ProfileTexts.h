#pragma once

#include "i18n/LocalisedTable.h"

#include <cstddef>

namespace tamb {

// The texts of the profiles in the setup dialogs' context menu and the main window's, in every interface
// language: %1, %2 as each entry says. Rows in LanguageId order.
enum class ProfileEntry : std::size_t
{
    SaveAsProfile, // context-menu item
    StartFromProfile, // context-menu item
    NamePrompt,
    NameRefused, // %1 the name
    ReplaceQuestion, // %1 the name
    Saved, // %1 the name
    NotSaved, // %1 the name, %2 why
    ChoosePrompt,
    NoneForDialog, // %1 the model
    NotLoaded, // %1 the name, %2 why
    NoneAtAll,
};
inline constexpr std::size_t kProfileEntries = 11;

// clang-format off
inline constexpr auto ProfileText = MakeLocalisedTable<kProfileEntries>("ProfileText", {
    /*  1 */ "保存为设置方案…",
             "从设置方案开始…",
             "此设置方案的名称：",
             "“%1”不能用作设置方案名称：请使用 1 至 40 个字符，不含 / \\ : * ? \" < > |，且首尾不能是空格或句点。",
             "设置方案“%1”已存在。要用当前设置替换它的设置吗？",
             "当前设置已保存为设置方案“%1”。",
             "无法保存设置方案“%1”：%2",
             "从以下设置方案开始：",
             "还没有含 %1 此窗口设置的设置方案。请用“保存为设置方案…”（右键单击）保存一个。",
             "无法载入设置方案“%1”：%2",
             "还没有任何设置方案。请在设置窗口中用“保存为设置方案…”（右键单击）保存一个。",
    /*  2 */ "Save as profile…",
             "Start from profile…",
             "Name of the profile for these settings:",
             "“%1” cannot name a profile: use 1 to 40 characters, none of / \\ : * ? \" < > |, and no "
             "blank or dot at either end.",
             "The profile “%1” already exists. Replace its settings with these?",
             "The settings are saved as the profile “%1”.",
             "The profile “%1” cannot be saved: %2",
             "Start from the profile:",
             "No profile holds settings of this dialog for %1 yet. Save one with “Save as profile…” "
             "(right click).",
             "The profile “%1” cannot be loaded: %2",
             "There is no profile yet. Save one with “Save as profile…” in a setup dialog (right click).",
    /*  3 */ "Als Profil speichern…",
             "Mit Profil beginnen…",
             "Name des Profils für diese Einstellungen:",
             "„%1“ kann kein Profil benennen: 1 bis 40 Zeichen, keines von / \\ : * ? \" < > |, kein "
             "Leerzeichen oder Punkt am Anfang oder Ende.",
             "Das Profil „%1“ gibt es bereits. Seine Einstellungen durch diese ersetzen?",
             "Die Einstellungen sind als Profil „%1“ gespeichert.",
             "Das Profil „%1“ kann nicht gespeichert werden: %2",
             "Mit diesem Profil beginnen:",
             "Noch kein Profil enthält Einstellungen dieses Dialogs für %1. Mit „Als Profil speichern…“ "
             "(Rechtsklick) eines anlegen.",
             "Das Profil „%1“ kann nicht geladen werden: %2",
             "Es gibt noch kein Profil. In einem Einstellungsdialog mit „Als Profil speichern…“ "
             "(Rechtsklick) eines anlegen.",
    /*  4 */ "Tallenna profiiliksi…",
             "Aloita profiilista…",
             "Näiden asetusten profiilin nimi:",
             "”%1” ei kelpaa profiilin nimeksi: käytä 1–40 merkkiä, ei merkkejä / \\ : * ? \" < > |, eikä "
             "välilyöntiä tai pistettä alussa tai lopussa.",
             "Profiili ”%1” on jo olemassa. Korvataanko sen asetukset näillä?",
             "Asetukset on tallennettu profiiliksi ”%1”.",
             "Profiilia ”%1” ei voi tallentaa: %2",
             "Aloita profiilista:",
             "Mikään profiili ei vielä sisällä tämän ikkunan asetuksia mallille %1. Tallenna sellainen "
             "valinnalla ”Tallenna profiiliksi…” (hiiren oikea painike).",
             "Profiilia ”%1” ei voi ladata: %2",
             "Profiileja ei vielä ole. Tallenna sellainen asetusikkunassa valinnalla ”Tallenna "
             "profiiliksi…” (hiiren oikea painike).",
    /*  5 */ "Salva come profilo…",
             "Inizia da un profilo…",
             "Nome del profilo per queste impostazioni:",
             "«%1» non può essere il nome di un profilo: usare da 1 a 40 caratteri, nessuno tra / \\ : * "
             "? \" < > |, e nessuno spazio o punto all'inizio o alla fine.",
             "Il profilo «%1» esiste già. Sostituirne le impostazioni con queste?",
             "Le impostazioni sono salvate come profilo «%1».",
             "Impossibile salvare il profilo «%1»: %2",
             "Inizia dal profilo:",
             "Nessun profilo contiene ancora impostazioni di questa finestra per %1. Salvarne uno con "
             "«Salva come profilo…» (clic destro).",
             "Impossibile caricare il profilo «%1»: %2",
             "Non esiste ancora nessun profilo. Salvarne uno da una finestra di impostazione con «Salva "
             "come profilo…» (clic destro).",
    /*  6 */ "Enregistrer comme profil…",
             "Partir d'un profil…",
             "Nom du profil pour ces réglages :",
             "« %1 » ne peut pas nommer un profil : de 1 à 40 caractères, aucun de / \\ : * ? \" < > |, ni "
             "espace ni point au début ou à la fin.",
             "Le profil « %1 » existe déjà. Remplacer ses réglages par ceux-ci ?",
             "Les réglages sont enregistrés dans le profil « %1 ».",
             "Impossible d'enregistrer le profil « %1 » : %2",
             "Partir du profil :",
             "Aucun profil ne contient encore de réglages de cette fenêtre pour %1. Enregistrez-en un "
             "avec « Enregistrer comme profil… » (clic droit).",
             "Impossible de charger le profil « %1 » : %2",
             "Il n'existe encore aucun profil. Enregistrez-en un dans une fenêtre de réglage avec « "
             "Enregistrer comme profil… » (clic droit).",
    /*  7 */ "Mentés profilként…",
             "Indítás profilból…",
             "A beállítások profiljának neve:",
             "„%1” nem lehet profilnév: 1–40 karakter, a / \\ : * ? \" < > | jelek nélkül, és nem "
             "kezdődhet vagy végződhet szóközzel vagy ponttal.",
             "A(z) „%1” profil már létezik. Lecseréli a beállításait ezekre?",
             "A beállítások a(z) „%1” profilba mentve.",
             "A(z) „%1” profil nem menthető: %2",
             "Indítás ebből a profilból:",
             "Még nincs profil ennek az ablaknak a beállításaival a(z) %1 számára. Mentsen egyet a "
             "„Mentés profilként…” paranccsal (jobb kattintás).",
             "A(z) „%1” profil nem tölthető be: %2",
             "Még nincs profil. Mentsen egyet egy beállítóablakban a „Mentés profilként…” paranccsal "
             "(jobb kattintás).",
    /*  8 */ "Shrani kot profil…",
             "Začni iz profila…",
             "Ime profila za te nastavitve:",
             "»%1« ne more biti ime profila: uporabite od 1 do 40 znakov, brez / \\ : * ? \" < > | ter "
             "brez presledka ali pike na začetku ali koncu.",
             "Profil »%1« že obstaja. Ali naj njegove nastavitve zamenjam s temi?",
             "Nastavitve so shranjene kot profil »%1«.",
             "Profila »%1« ni mogoče shraniti: %2",
             "Začni iz profila:",
             "Noben profil še nima nastavitev tega okna za %1. Shranite ga z »Shrani kot profil…« (desni "
             "klik).",
             "Profila »%1« ni mogoče naložiti: %2",
             "Profila še ni. Shranite ga v oknu za nastavitve z »Shrani kot profil…« (desni klik).",
    /*  9 */ "Uložit jako profil…",
             "Začít z profilu…",
             "Název profilu pro tato nastavení:",
             "„%1“ nemůže být názvem profilu: použijte 1 až 40 znaků, žádný z / \\ : * ? \" < > | a bez "
             "mezery či tečky na začátku nebo na konci.",
             "Profil „%1“ již existuje. Nahradit jeho nastavení těmito?",
             "Nastavení jsou uložena jako profil „%1“.",
             "Profil „%1“ nelze uložit: %2",
             "Začít z profilu:",
             "Žádný profil zatím neobsahuje nastavení tohoto okna pro %1. Uložte jej pomocí „Uložit jako "
             "profil…“ (pravé tlačítko myši).",
             "Profil „%1“ nelze načíst: %2",
             "Zatím neexistuje žádný profil. Uložte jej v okně nastavení pomocí „Uložit jako profil…“ "
             "(pravé tlačítko myši).",
    /* 10 */ "プロファイルとして保存…",
             "プロファイルから開始…",
             "この設定のプロファイル名：",
             "「%1」はプロファイル名に使えません。1～40 文字で、/ \\ : * ? \" < > | を含まず、先頭と末尾に空白やピリオドを置かないでください。",
             "プロファイル「%1」は既にあります。その設定をこの設定で置き換えますか？",
             "設定をプロファイル「%1」として保存しました。",
             "プロファイル「%1」を保存できません：%2",
             "開始するプロファイル：",
             "%1 のこの画面の設定を持つプロファイルはまだありません。「プロファイルとして保存…」（右クリック）で保存してください。",
             "プロファイル「%1」を読み込めません：%2",
             "プロファイルはまだありません。設定画面で「プロファイルとして保存…」（右クリック）で保存してください。",
    /* 11 */ "Įrašyti kaip profilį…",
             "Pradėti nuo profilio…",
             "Šių nuostatų profilio pavadinimas:",
             "„%1“ negali būti profilio pavadinimas: naudokite nuo 1 iki 40 ženklų, be / \\ : * ? \" < > "
             "|, be tarpo ar taško pradžioje ar pabaigoje.",
             "Profilis „%1“ jau yra. Pakeisti jo nuostatas šiomis?",
             "Nuostatos įrašytos kaip profilis „%1“.",
             "Profilio „%1“ įrašyti nepavyko: %2",
             "Pradėti nuo profilio:",
             "Dar nė viename profilyje nėra šio lango nuostatų modeliui %1. Įrašykite jį komanda "
             "„Įrašyti kaip profilį…“ (dešinysis spustelėjimas).",
             "Profilio „%1“ įkelti nepavyko: %2",
             "Profilių dar nėra. Įrašykite jį nuostatų lange komanda „Įrašyti kaip profilį…“ (dešinysis "
             "spustelėjimas).",
    /* 12 */ "Zapisz jako profil…",
             "Zacznij od profilu…",
             "Nazwa profilu dla tych ustawień:",
             "„%1” nie może być nazwą profilu: użyj od 1 do 40 znaków, bez / \\ : * ? \" < > | oraz bez "
             "spacji lub kropki na początku i na końcu.",
             "Profil „%1” już istnieje. Zastąpić jego ustawienia tymi?",
             "Ustawienia zapisano jako profil „%1”.",
             "Nie można zapisać profilu „%1”: %2",
             "Zacznij od profilu:",
             "Żaden profil nie zawiera jeszcze ustawień tego okna dla %1. Zapisz go poleceniem „Zapisz "
             "jako profil…” (prawy przycisk myszy).",
             "Nie można wczytać profilu „%1”: %2",
             "Nie ma jeszcze żadnego profilu. Zapisz go w oknie ustawień poleceniem „Zapisz jako "
             "profil…” (prawy przycisk myszy).",
    /* 13 */ "Profil olarak kaydet…",
             "Profilden başla…",
             "Bu ayarların profil adı:",
             "“%1” profil adı olamaz: 1 ile 40 arası karakter kullanın; / \\ : * ? \" < > | olmasın, "
             "başında veya sonunda boşluk ya da nokta olmasın.",
             "“%1” profili zaten var. Ayarları bunlarla değiştirilsin mi?",
             "Ayarlar “%1” profili olarak kaydedildi.",
             "“%1” profili kaydedilemiyor: %2",
             "Başlanacak profil:",
             "%1 için bu pencerenin ayarlarını içeren bir profil henüz yok. “Profil olarak kaydet…” (sağ "
             "tık) ile bir tane kaydedin.",
             "“%1” profili yüklenemiyor: %2",
             "Henüz profil yok. Bir ayar penceresinde “Profil olarak kaydet…” (sağ tık) ile bir tane "
             "kaydedin.",
    /* 14 */ "Зберегти як профіль…",
             "Почати з профілю…",
             "Назва профілю для цих налаштувань:",
             "«%1» не може бути назвою профілю: 1–40 символів, без / \\ : * ? \" < > |, без пробілу чи "
             "крапки на початку або в кінці.",
             "Профіль «%1» вже існує. Замінити його налаштування цими?",
             "Налаштування збережено як профіль «%1».",
             "Не вдається зберегти профіль «%1»: %2",
             "Почати з профілю:",
             "Ще жоден профіль не містить налаштувань цього вікна для %1. Збережіть його командою "
             "«Зберегти як профіль…» (клацання правою кнопкою).",
             "Не вдається завантажити профіль «%1»: %2",
             "Профілів ще немає. Збережіть профіль у вікні налаштувань командою «Зберегти як профіль…» "
             "(клацання правою кнопкою).",
    /* 15 */ "Сохранить как профиль…",
             "Начать с профиля…",
             "Имя профиля для этих настроек:",
             "«%1» не может быть именем профиля: 1–40 символов, без / \\ : * ? \" < > |, без пробела или "
             "точки в начале или в конце.",
             "Профиль «%1» уже существует. Заменить его настройки этими?",
             "Настройки сохранены как профиль «%1».",
             "Не удаётся сохранить профиль «%1»: %2",
             "Начать с профиля:",
             "Пока ни один профиль не содержит настроек этого окна для %1. Сохраните его командой "
             "«Сохранить как профиль…» (щелчок правой кнопкой).",
             "Не удаётся загрузить профиль «%1»: %2",
             "Профилей пока нет. Сохраните профиль в окне настроек командой «Сохранить как профиль…» "
             "(щелчок правой кнопкой).",
});
// clang-format on

// The text of `entry` in `language`.
[[nodiscard]] constexpr std::string_view ProfileWord(ProfileEntry entry, LanguageId language)
{
    return ProfileText.text(language, static_cast<std::size_t>(entry));
}

} // namespace tamb
