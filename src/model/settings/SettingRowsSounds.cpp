// The sounds pages: the sound of each warning (one byte each: bits 0..2 the first warning's
// sound, bits 3..5 the repeated warnings'), and the voice and beep options.

#include "ProtocolWording.h"
#include "SettingRows.h"

namespace settingrows {

namespace {

constexpr int SoundBits = 3;
constexpr int SoundMask = (1 << SoundBits) - 1;
constexpr TText kSoundItems[] = {{"O", "О"}, {"N", "Н"}, {"B", "Б"}, {"M", "М"}, {"V", "Г"}};
constexpr TText kSoundOff[] = {
    {"Yes", "Да"}, {"No", "Нет"}, {"Lock", "Замок"}, {"NoVoice", "ОтГол"}};
constexpr TText kHello[] = {{"On", "Вкл."}, {"Once a day", "Раз в сутки"}, {"Off", "Откл."}};

QString SoundText(int choice) {
    return choice < int(std::size(kSoundItems)) ? kSoundItems[choice].text()
                                                : QString::number(choice);
}
// "first / repeated" as the two groups read; one sound where the warning has no repeats.
QString SoundPair(const TSettingContext&, int, double stored) {
    const int byte = int(stored);
    return SoundText(byte & SoundMask) + QStringLiteral(" / ") +
           SoundText((byte >> SoundBits) & SoundMask);
}
QString SoundSingle(const TSettingContext&, int, double stored) {
    return SoundText(int(stored) & SoundMask);
}

QString CoolantOverheat(const TSettingContext& c) {
    return CoolantWordingFor(c.prot).overheatRow.text();
}
QString EngineOverheat(const TSettingContext& c) {
    return CoolantWordingFor(c.prot).engineRow.text();
}
QString PumpOrWaterCaption(const TSettingContext& c) {
    return offer::EnginePump(c) ? Tx("Engine pump", "Помпа ДВС")
                                : Tx("Water in fuel", "Вода в топливе");
}

#define WARNING(stem, index_, en, ru, repeated, rule)                                              \
    {                                                                                              \
        .name = "Alarm" stem, .kind = List, .caption = {en, ru}, .items = kSoundItems,             \
        .page = "tsVoiceWarn", .offered = rule, .field = "AlarmSound", .index = index_,            \
        .control = "rgap" stem "_F", .valueText = repeated ? SoundPair : SoundSingle               \
    }
#define WARNING_WORDED(stem, index_, en, ru, repeated, rule, wording)                              \
    {                                                                                              \
        .name = "Alarm" stem, .kind = List, .caption = {en, ru}, .items = kSoundItems,             \
        .page = "tsVoiceWarn", .offered = rule, .field = "AlarmSound", .index = index_,            \
        .control = "rgap" stem "_F", .captionOf = wording,                                         \
        .valueText = repeated ? SoundPair : SoundSingle                                            \
    }

// clang-format off
const TSettingDesc kRows[] = {
    //      stem                     index caption                                   repeated rule
    WARNING("UAccHigh",               0, "High batt.volt.", "Высокое U АКБ",         true,  nullptr),
    WARNING("UAccLow",                1, "Low batt.volt.", "Низкое U АКБ",           true,  nullptr),
    WARNING("Vel",                    2, "High speed", "Превыш.скорость",            true,  nullptr),
    WARNING("Rev",                    3, "High eng.speed", "Превыш.обороты",         true,  nullptr),
    WARNING("100",                    7, "Acceleration", "Разгон",                   true,  offer::Timing),
    WARNING("100Down",                8, "Brakihg", "Торможение",                    true,  offer::Timing),
    WARNING("Tank",                   4, "Fuel rem.", "Остаток бака",                true,  nullptr),
    WARNING("TankFull",              13, "Full tank", "Полный бак",                  false, nullptr),
    WARNING("InjTime",               14, "%Inj/Exp", "%Впрыск/расход",               false, nullptr),
    WARNING("Econom",                11, "Econometer", "Эконометр",                  true,  nullptr),
    WARNING("TO",                     6, "Make TS", "Выполнить ТО",                  false, nullptr),
    WARNING("Error",                  9, "Fault", "Неисправность",                   false, offer::Ready),
    WARNING("Holo",                   5, "Glaze ice", "Гололед",                     true,  offer::AirAlgorithm),
    WARNING("Gabar",                 12, "PArk.lights", "Габариты",                  false, offer::Lights),
    WARNING("Lights",                16, "Low beam", "Ближн.Свет",                   false, offer::Lights),
    WARNING_WORDED("LiqTempHigh",    10, "Coolant overheat", "Перегрев ОЖ",          true,  offer::Coolant, CoolantOverheat),
    WARNING_WORDED("EngTemperHigh",  26, "Engine overheat", "Перегрев ДВС",          true,  nullptr, EngineOverheat),
    WARNING("LiqTempReady",          15, "Eng.heat.", "Прогрев ДВС",                 false, offer::Ready),
    WARNING("TemperOilEngHigh",      19, "Eng.oil overheat", "Перегрев масла ДВС",   true,  offer::EngOil),
    WARNING("TemperOilAKPPHigh",     18, "AT overheat", "Перегрев АКПП",             true,  offer::AtOil),
    WARNING("CVTFDeterior",          20, "AT iol deter.", "Износ масла АКПП",        false, offer::AtOil),
    WARNING("RetarderOilTemperHigh", 27, "Retard.overheat", "Перегрев ретардера",    true,  offer::Retarder),
    WARNING("SFilter",               17, "Diesel filter", "Сажевый фильтр",          false, offer::SootFilter),
    WARNING_WORDED("WaterInFuel",    17, "Water in fuel", "Вода в топливе",          true,  offer::PumpOrWater, PumpOrWaterCaption),
    WARNING("HVBTemperHigh",         21, "HVB overheat", "Перегрев ВВБ",             true,  offer::Hybrid),
    WARNING("InvTemperHigh",         22, "Inv.overheat", "Перегрев инвертора",       true,  offer::Hybrid),
    WARNING("TrimLow",               24, "Low trim", "Низкий трим",                  true,  offer::Trim),
    WARNING("TrimHigh",              25, "High trim", "Высокий трим",                true,  offer::Trim),

    // name                   kind    caption                                                                  unit        min max step dec conversion items     page           offered
    {"SoundVolume",           Number, {"Sound volume", "Громкость"},                                           {},          0,  8,  1,  0, Plain, {},        "tsVoiceMisc", offer::Voice},
    {"FlagSound",             List,   {"Sound off", "Откл.звук"},                                              {},          0,  0,  0,  0, Plain, kSoundOff, "tsVoiceMisc", nullptr},
    {"SayHelloMode",          List,   {"Hello", "Здравствуйте"},                                             {},          0,  0,  0,  0, Plain, kHello,    "tsVoiceMisc", offer::Voice},
    {"SayParamPeriod",        Number, {"Period of auto.rep. of the sound of parameters (4=Off)", "Период автоповтора озвучки параметров (4=Откл.)"}, {}, 4, 99, 1, 0, Plain, {}, "tsVoiceMisc", offer::Voice},
    {"AlarmVelSecNoSayMax",   Number, {"Thinning out reports of speeding(-1=N)", "Прореживание сообщений о превышении скорости (-1=Нет)"}, kMin, -1, 99, 1, 0, Plain, {}, "tsVoiceMisc", nullptr},
    {"SayEconomPeriod",       Number, {"Econometer period", "Период эконометра"},                              {},          1, 20,  1,  0, Plain, {},        "tsVoiceMisc", nullptr},
    {"SoundKeys",             Flag,   {"Sound on when key pressed", "Звук при нажатии кнопок"},                {},          0,  0,  0,  0, Plain, {},        "tsVoiceMisc", nullptr},
    {"SoundLock",             Flag,   {"Sound on when lock on", "Звук при включении замка"},                   {},          0,  0,  0,  0, Plain, {},        "tsVoiceMisc", nullptr},
};
// clang-format on

#undef WARNING
#undef WARNING_WORDED

} // namespace

std::span<const TSettingDesc> SoundRows() {
    return kRows;
}

} // namespace settingrows
