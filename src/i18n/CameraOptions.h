#pragma once

#include "i18n/LocalisedTable.h"

namespace tamb {

// Option lists shared by the camera-settings dialogs; the entry index is the value stored. Rows in LanguageId order.

// clang-format off
inline constexpr auto CameraModeOptions = MakeLocalisedTable<3>("CameraModeOptions", {
    /*  1 */ "拍照", "录像", "拍照+录像",
    /*  2 */ "Camera", "Video", "Camera+Video",
    /*  3 */ "Foto-Kamera", "Video-Kamera", "Foto+Video",
    /*  4 */ "Kamera", "Video", "Kamera+Video",
    /*  5 */ "Foto", "Video", "Foto e Video",
    /*  6 */ "Photo", "Video", "Photo+Video",
    /*  7 */ "Camera", "Video", "Camera+Video",
    /*  8 */ "Slika", "Video", "Slika+Video",
    /*  9 */ "Foto", "Video", "Foto+Video",
    /* 10 */ "静止画", "動画", "静止画+動画",
    /* 11 */ "Foto", "Video", "Foto+Video",
    /* 12 */ "Zdjęcia", "Wideo", "Zdjęcia+Wideo",
    /* 13 */ "kamera", "Vidyo", "kamera+vidyo",
    /* 14 */ "Фото", "Видео", "Фото+Видео",
    /* 15 */ "Фото", "Видео", "Фото+Видео",
});

inline constexpr auto PictureCountOptions = MakeLocalisedTable<3>("PictureCountOptions", {
    /*  1 */ "01 张", "02 张", "03 张",
    /*  2 */ "01 Photo", "02 Photo", "03 Photo",
    /*  3 */ "01 Foto", "02 Foto", "03 Foto",
    /*  4 */ "01 kuvaa", "02 kuvaa", "03 kuvaa",
    /*  5 */ "01 Foto", "02 Foto", "03 Foto",
    /*  6 */ "01 Photo", "02 Photo", "03 Photo",
    /*  7 */ "01 Fenykep", "02 Fenykep", "03 Fenykep",
    /*  8 */ "1 slika", "2 sliki", "3 slike",
    /*  9 */ "01 Foto", "02 Foto", "03 Foto",
    /* 10 */ "01 写真", "02 写真", "03 写真",
    /* 11 */ "01 foto", "02 foto", "03 foto",
    /* 12 */ "01 zdjęcie", "02 zdjęcie", "03 zdjęcie",
    /* 13 */ "01 Fotoğraf", "02 Fotoğraf", "03 Fotoğraf",
    /* 14 */ "01 аркушів", "02 аркушів", "03 аркушів",
    /* 15 */ "01 фото", "02 фото", "03 фото",
});

// On/off list whose entry 0 is On; the index is stored unchanged.
inline constexpr auto OnOffOptions = MakeLocalisedTable<2>("OnOffOptions", {
    /*  1 */ "开", "关闭",
    /*  2 */ "On", "Off",
    /*  3 */ "Ein", "Aus",
    /*  4 */ "paalla", "pois",
    /*  5 */ "ON", "OFF",
    /*  6 */ "Marche", "Arret",
    /*  7 */ "Be", "Ki",
    /*  8 */ "Vklop", "Izklop",
    /*  9 */ "Zapnuto", "Vypnuto",
    /* 10 */ "オン", "オフ",
    /* 11 */ "FAIP", "NE",
    /* 12 */ "Wł.", "Wył.",
    /* 13 */ "açık", "kapama",
    /* 14 */ "Вкл", "Выкл",
    /* 15 */ "Вкл", "Выкл",
});

inline constexpr auto SensitivityOptions = MakeLocalisedTable<4>("SensitivityOptions", {
    /*  1 */ "正常", "高", "低", "关闭",
    /*  2 */ "Normal", "High", "Low", "Off",
    /*  3 */ "Normal", "High", "Low", "Aus",
    /*  4 */ "normaali", "korkea", "matala", "pois",
    /*  5 */ "Normale", "Alta", "Bassa", "OFF",
    /*  6 */ "Normal", "High", "Low", "Arret",
    /*  7 */ "Normul", "Magas", "Alacsony", "Ki",
    /*  8 */ "Normalna", "Visoka", "Nizka", "Izklop",
    /*  9 */ "Normalni", "Vsoka", "Nizka", "Vypnuto",
    /* 10 */ "中", "高", "低", "オフ",
    /* 11 */ "Normalus", "Aukstas", "Zemas", "NE",
    /* 12 */ "Normalna", "Wysoka", "Niska", "Wył.",
    /* 13 */ "Normal", "yüksek", "düşük", "kapama",
    /* 14 */ "Средний", "Высокий", "Низкий", "Выкл",
    /* 15 */ "Нормал.", "Высокая", "Низкая", "Выкл",
});

inline constexpr auto IntervalUnitOptions = MakeLocalisedTable<2>("IntervalUnitOptions", {
    /*  1 */ "秒钟", "分钟",
    /*  2 */ "Second", "Minute",
    /*  3 */ "Sekunden", "Minute",
    /*  4 */ "Sekuntia", "Minuutin",
    /*  5 */ "Sec", "Min",
    /*  6 */ "Secondes", "Minute",
    /*  7 */ "Sec", "Min",
    /*  8 */ "Sek", "Min",
    /*  9 */ "Sek", "Min",
    /* 10 */ "秒", "分",
    /* 11 */ "Sec", "Min",
    /* 12 */ "Sek.", "Min.",
    /* 13 */ "saniye", "dakika",
    /* 14 */ "Сек", "Мин",
    /* 15 */ "Сек", "Мин",
});

// On/off list whose entry 0 is Off: the texts of OnOffOptions in reverse order.
inline constexpr auto OffOnOptions = MakeLocalisedTable<2>("OffOnOptions", {
    /*  1 */ "关闭", "开",
    /*  2 */ "Off", "On",
    /*  3 */ "Aus", "Ein",
    /*  4 */ "pois", "paalla",
    /*  5 */ "OFF", "ON",
    /*  6 */ "Arret", "Marche",
    /*  7 */ "Ki", "Be",
    /*  8 */ "Izklop", "Vklop",
    /*  9 */ "Vypnuto", "Zapnuto",
    /* 10 */ "オフ", "オン",
    /* 11 */ "NE", "FAIP",
    /* 12 */ "Wył.", "Wł.",
    /* 13 */ "kapama", "açık",
    /* 14 */ "Выкл", "Вкл",
    /* 15 */ "Выкл", "Вкл",
});

inline constexpr auto DateFormatOptions = MakeLocalisedTable<3>("DateFormatOptions", {
    /*  1 */ "年月日", "月日年", "日月年",
    /*  2 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /*  3 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /*  4 */ "VVKKPP", "KKPPVV", "PPKKVV",
    /*  5 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /*  6 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /*  7 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /*  8 */ "LLMMDD", "MMDDLL", "DDMMLL",
    /*  9 */ "RRMMDD", "MMDDRR", "DDMMRR",
    /* 10 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /* 11 */ "MMmmdd", "mmddMM", "ddmmMM",
    /* 12 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /* 13 */ "YYMMDD", "MMDDYY", "DDMMYY",
    /* 14 */ "ГГ/ММ/ДД", "ММ/ДД/ГГ", "ДД/ММ/ГГ",
    /* 15 */ "YYMMDD", "MMDDYY", "DDMMYY",
});
// clang-format on

} // namespace tamb
