// The display pages: colour schemes, which screens the device shows and what each place of
// them holds, the hot menus, and the display options.

#include "ColorSchemeLayout.h"
#include "HotMenuLists.h"
#include "MeasParsH.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "SettingRows.h"

#include <algorithm>

namespace settingrows {

namespace {

constexpr TText kDayNight[] = {{"Day", "День"}, {"Night", "Ночь"}};
// Both switching groups: by hand, by the time of day, by the side lights.
constexpr TText kSwitching[] = {{"Manual", "Руч."}, {"Time", "Время"}, {"Side lights", "Габар."}};
constexpr TText kRates[] = {{"1", "1"}, {"2", "2"}, {"3", "3"}, {"4", "4"}};
constexpr TText kBarScales[] = {{"Max.", "Макс."}, {"Limits", "Границы"}};
constexpr TText kHhMm{"hh:mm", "чч:мм"};

// ---- colour schemes ----------------------------------------------------------------------

// clang-format off
constexpr TText kRoleNames[] = {
    {"Color 1", "Цвет 1"}, {"Background 1", "Фон 1"}, {"Color 2", "Цвет 2"},
    {"Background 2", "Фон 2"}, {"Frame", "Рамка"}, {"Active item color", "Цвет активного пункта"},
    {"Active item background", "Фон активного пункта"},
    {"Hot item num.color", "Цвет номера горячего пункта"}, {"Bott.panel", "Нижн.панель"},
};
// clang-format on

QString SchemeName(int scheme) {
    return scheme == 0 ? Tx("Day scheme", "Дневная схема") : Tx("Night scheme", "Ночная схема");
}

// Palette bytes: two of each RGB565 word.
template <int Scheme> QString PaletteByte(const TSettingContext&, int k) {
    return Tx("%1, color #%2", "%1, цвет #%2").arg(SchemeName(Scheme)).arg(k / 2);
}
template <int Scheme> QString RoleByte(const TSettingContext&, int k) {
    if (k < RoleCount) return SchemeName(Scheme) + QStringLiteral(", ") + kRoleNames[k].text();
    return Tx("%1, byte %2", "%1, байт %2").arg(SchemeName(Scheme)).arg(FirstRoleOffset + k);
}
QString ByteHex(const TSettingContext&, int, double stored) {
    return QStringLiteral("0x%1")
        .arg(int(stored), 2, 16, QLatin1Char('0'))
        .toUpper()
        .replace(QStringLiteral("0X"), QStringLiteral("0x"));
}
QString RoleValue(const TSettingContext&, int k, double stored) {
    if (k >= RoleCount) return QString::number(stored);
    return Tx("color #%1", "цвет #%1").arg(int(stored));
}

// ---- screens -----------------------------------------------------------------------------

bool Offered(const TSettingContext& c, std::uint8_t code) {
    return !c.prot ||
           std::find(c.prot->Params.begin(), c.prot->Params.end(), code) != c.prot->Params.end();
}

// A place code as the layout pages word it.
QString PlaceValue(const TSettingContext& c, int, double stored) {
    const auto code = std::uint8_t(stored);
    if (code == 0) return Tx("Empty place", "Пустое место");
    const TMeasParBase* param = c.model.MeasPars.Find(code);
    const QString name = !param                      ? QStringLiteral("?")
                         : param->NameUnit.isEmpty() ? param->Name
                                                     : param->NameUnit;
    if (param && Offered(c, code)) return name;
    return Tx("%1: code %2, which this device's protocol does not offer",
              "%1: код %2, которого нет в списке протокола устройства")
        .arg(name)
        .arg(code);
}

template <int Places, int FirstScreen> QString PlaceOf(const TSettingContext&, int k) {
    return Tx("Display %1, place %2", "Дисплей %1, место %2")
        .arg(FirstScreen + k / Places + 1)
        .arg(k % Places + 1);
}
QString BarPlace(const TSettingContext&, int k) {
    return Tx("The bar at the bottom of the one-value screens, place %1",
              "Нижняя панель дисплеев х1, место %1")
        .arg(k + 1);
}

// The x1 boxes: one for each parameter of the protocol's list; none past it.
QString OneValueScreen(const TSettingContext& c, int k) {
    if (!c.prot || k >= c.prot->ParamCount()) return {};
    const TMeasParBase* param = c.model.MeasPars.Find(c.prot->Params[std::size_t(k)]);
    return Tx("One-value screen: %1", "Дисплей х1: %1")
        .arg(param ? param->Name : QStringLiteral("#%1").arg(c.prot->Params[std::size_t(k)]));
}

// ---- hot menus ---------------------------------------------------------------------------

QString MenuItemValue(const TSettingContext& c, int, double stored) {
    const auto code = std::uint16_t(stored);
    if (code == 0) return Tx("(empty)", "(пусто)");
    const QString caption = HotMenuCaption(c.model.MenuItems, code);
    return caption.isEmpty() ? QStringLiteral("#%1").arg(code) : caption.simplified();
}
constexpr TText kHotMenus[] = {{"Hot menu: parameters", "Горячее меню: параметры"},
                               {"Hot menu: averages", "Горячее меню: средние"},
                               {"Hot menu: parking radar", "Горячее меню: парктроник"}};
// Named with their menu: the three menus' items share one page and one list of changes.
template <int Menu> QString MenuSlot(const TSettingContext&, int k) {
    return Tx("%1, item %2", "%1, пункт %2").arg(kHotMenus[Menu].text()).arg(k + 1);
}

#define PLACES(setting, en, ru, field_, first, n, page_, caption_, control_)                       \
    {                                                                                              \
        .name = setting, .kind = Table, .caption = {en, ru}, .page = page_, .field = field_,       \
        .index = first, .count = n, .control = control_, .elementCaption = caption_,               \
        .valueText = PlaceValue                                                                    \
    }

#define SCREEN_BOX(setting, en, ru, label_, page_)                                                 \
    {                                                                                              \
        .name = setting, .kind = Flag, .caption = {en, ru}, .page = page_, .label = {              \
            label_,                                                                                \
            label_                                                                                 \
        }                                                                                          \
    }

#define HOT_MENU(setting, menu, control_, rule)                                                    \
    {                                                                                              \
        .name = setting, .kind = Table, .caption = kHotMenus[menu], .page = "tsHotMenu",           \
        .offered = rule, .field = "HotMenu", .index = (menu)*HotMenuSlots, .count = HotMenuSlots,  \
        .control = control_, .elementCaption = MenuSlot<menu>, .valueText = MenuItemValue          \
    }

#define SCHEME_BYTES(setting, en, ru, first, n, caption_, value_, control_)                        \
    {                                                                                              \
        .name = setting, .kind = Table, .caption = {en, ru}, .page = "tsColor",                    \
        .field = "ColorScheme", .index = first, .count = n, .control = control_,                   \
        .elementCaption = caption_, .valueText = value_                                            \
    }

constexpr int PaletteBytes = 2 * PaletteColourCount;
constexpr int RoleBytes = SchemeRecordSize - PaletteBytes;

// clang-format off
const TSettingDesc kRows[] = {
    SCHEME_BYTES("DayPalette", "Palette of the day scheme", "Палитра дневной схемы", 0, PaletteBytes, PaletteByte<0>, ByteHex, "sgPalette"),
    SCHEME_BYTES("DayRoles", "Colors of the day scheme's screens", "Цвета экранов дневной схемы", PaletteBytes, RoleBytes, RoleByte<0>, RoleValue, "sgDigit"),
    SCHEME_BYTES("NightPalette", "Palette of the night scheme", "Палитра ночной схемы", SchemeRecordSize, PaletteBytes, PaletteByte<1>, ByteHex, "sgPalette"),
    SCHEME_BYTES("NightRoles", "Colors of the night scheme's screens", "Цвета экранов ночной схемы", SchemeRecordSize + PaletteBytes, RoleBytes, RoleByte<1>, RoleValue, "sgDigit"),
    {"ActiveColorScheme", List, {"Scheme in manual mode", "Цветовая схема в руч. режиме"}, {}, 0, 0, 0, 0, Plain, kDayNight, "tsColor", nullptr},

    {.name = "ShowDisp_1", .kind = Flag, .caption = {"One-value screens shown", "Показывать дисплеи х1"},
     .page = "tsParams1", .field = "ShowDisp_1", .count = 40, .bits = true, .control = "cbShowDisp_1_0",
     .elementCaption = OneValueScreen},

    SCREEN_BOX("ShowDisp_4_0", "Display 1 shown", "Показывать дисплей 1", "#1", "tsParams4_1"),
    SCREEN_BOX("ShowDisp_4_1", "Display 2 shown", "Показывать дисплей 2", "#2", "tsParams4_1"),
    SCREEN_BOX("ShowDisp_4_2", "Display 3 shown", "Показывать дисплей 3", "#3", "tsParams4_1"),
    PLACES("Digit4_1", "Places of displays 1..3", "Места дисплеев 1 .. 3", "Digit4", 0, 12, "tsParams4_1", (PlaceOf<4, 0>), "pbDigit4_1"),
    SCREEN_BOX("ShowDisp_4_3", "Display 4 shown", "Показывать дисплей 4", "#4", "tsParams4_2"),
    SCREEN_BOX("ShowDisp_4_4", "Display 5 shown", "Показывать дисплей 5", "#5", "tsParams4_2"),
    SCREEN_BOX("ShowDisp_4_5", "Display 6 shown", "Показывать дисплей 6", "#6", "tsParams4_2"),
    PLACES("Digit4_2", "Places of displays 4..6", "Места дисплеев 4 .. 6", "Digit4", 12, 12, "tsParams4_2", (PlaceOf<4, 3>), "pbDigit4_4"),
    SCREEN_BOX("ShowDisp_9_0", "Display 1 shown", "Показывать дисплей 1", "#1", "tsParams9"),
    SCREEN_BOX("ShowDisp_9_1", "Display 2 shown", "Показывать дисплей 2", "#2", "tsParams9"),
    SCREEN_BOX("ShowDisp_9_2", "Display 3 shown", "Показывать дисплей 3", "#3", "tsParams9"),
    PLACES("Digit9", "Places of the nine-value displays", "Места дисплеев х9", "Digit9", 0, 27, "tsParams9", (PlaceOf<9, 0>), "pbDigit9_1"),
    SCREEN_BOX("ShowDisp_6_0", "Display 1 shown", "Показывать дисплей 1", "#1", "tsParams6"),
    SCREEN_BOX("ShowDisp_6_1", "Display 2 shown", "Показывать дисплей 2", "#2", "tsParams6"),
    PLACES("Digit6", "Places of the six-value displays", "Места дисплеев х6", "Digit6", 0, 12, "tsParams6", (PlaceOf<6, 0>), "pbDigit6_1"),

    HOT_MENU("HotMenuParams", 0, "sghmParams", nullptr),
    HOT_MENU("HotMenuAver", 1, "sghmAver", nullptr),
    HOT_MENU("HotMenuPark", 2, "sghmPark", offer::Park),

    PLACES("Dig1", "Places of the bottom panel", "Места нижней панели", "Dig1", 0, 4, "tsInfoPanel", BarPlace, "pbDig1"),

    // name                 kind    caption                                                                               unit               min max step dec conversion items       page        offered
    {"DispSpeed",           List,   {"Information output rate, times/s", "Скорость вывода информации, раз/сек"},          {},                 0,  0,  0,  0, Plain, kRates,     "tsDivers", nullptr},
    {"DispShowTitle",       Flag,   {"Show the title screen", "Заставка показывать"},                                     {},                 0,  0,  0,  0, Plain, {},         "tsDivers", nullptr},
    {"ShowDispName",        Flag,   {"Show screen names", "Подпись дисп. показывать"},                                    {},                 0,  0,  0,  0, Plain, {},         "tsDivers", nullptr},
    {"DispShowPBMeth",      List,   {"Progress bar", "Прогрессбар"},                                                      {},                 0,  0,  0,  0, Plain, kBarScales, "tsDivers", nullptr},
    {"ExpPBLim",            Number, {"Instant consumption bar, full scale", "Шкала прогрессбара мгнов. расхода"},         {"l/h", "л/ч"},     3, 99,  1,  0, Plain, {},         "tsDivers", nullptr},
    {"ColorMeth",           List,   {"Color scheme control", "Управление цветовой схемой"},                               {},                 0,  0,  0,  0, Plain, kSwitching, "tsDivers", nullptr},
    {"IntenseMeth",         List,   {"Display brightness control", "Управление яркостью дисплея"},                        {},                 0,  0,  0,  0, Plain, kSwitching, "tsDivers", nullptr},
    {"IntenseDayTime",      Time,   {"DAY brightness from", "Время вкл. ДНЕВНОЙ яркости"},                                kHhMm,              0,  0,  0,  0, Plain, {},         "tsDivers", nullptr},
    {"IntenseNightTime",    Time,   {"NIGHT brightness from", "Время вкл. НОЧНОЙ яркости"},                               kHhMm,              0,  0,  0,  0, Plain, {},         "tsDivers", nullptr},
    {"Intense0",            Number, {"Backlight brightness (Day)", "Яркость подсветки (День)"},                           {},                 0,  4,  1,  0, Plain, {},         "tsDivers", nullptr},
    {"Intense1",            Number, {"Backlight brightness (Night)", "Яркость подсветки (Ночь)"},                         {},                 0,  4,  1,  0, Plain, {},         "tsDivers", nullptr},
};
// clang-format on

#undef PLACES
#undef SCREEN_BOX
#undef HOT_MENU
#undef SCHEME_BYTES

} // namespace

std::span<const TSettingDesc> DisplayRows() {
    return kRows;
}

} // namespace settingrows
