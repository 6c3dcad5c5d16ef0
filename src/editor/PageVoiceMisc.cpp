#include "PageVoiceMisc.h"

#include "DeviceModels.h"
#include "EditorLayout.h"

namespace {

using enum TCtlKind;
using enum TConv;

constexpr TText kSoundOff[] = {
    {"Yes", "Да"}, {"No", "Нет"}, {"Lock", "Замок"}, {"NoVoice", "ОтГол"}};
constexpr TText kHello[] = {{"On", "Вкл."}, {"Once a day", "Раз в сутки"}, {"Off", "Откл."}};

// clang-format off
constexpr TControlRow kVoiceRows[] = {
    // name                   kind   caption                                                  unit             min max step dec conversion
    {"seSoundVolume",         Spin,  {"Sound volume", "Громкость"},                           {},                0,  8,  1, 0, Plain},
    {"rgFlagSound",           Radio, {"Sound off", "Откл.звук"},                              {},                0,  0,  0, 0, Plain, kSoundOff},
    {"rgSayHelloMode",        Radio, {"Greeting", "Приветствие"},                             {},                0,  0,  0, 0, Plain, kHello},
    {"seSayParamPeriod",      Spin,  {"Period of auto.rep. of the sound of parameters (4=Off)", "Период автоповтора озвучки параметров (4=Откл.)"}, {}, 4, 99, 1, 0, Plain},
    {"seAlarmVelSecNoSayMax", Spin,  {"Thinning out reports of speeding(-1=N)", "Прореживание сообщений о превышении скорости (-1=Нет)"}, {"min", "мин"}, -1, 99, 1, 0, Plain},
    {"seSayEconomPeriod",     Spin,  {"Econometer period", "Период эконометра"},              {},                1, 20,  1, 0, Plain},
};

constexpr TControlRow kBeepRows[] = {
    {"cbSoundKeys",           Check, {"Sound on when key pressed", "Звук при нажатии кнопок"}, {},               0,  0,  0, 0, Plain},
    {"cbSoundLock",           Check, {"Sound on when lock on", "Звук при включении замка"},   {},                0,  0,  0, 0, Plain},
};

// The controls only the voice uses.
constexpr const char* kVoiceOnly[] = {"seSoundVolume", "rgSayHelloMode", "seSayParamPeriod"};
// clang-format on

} // namespace

void TPageVoiceMisc::Build(QWidget* page) {
    auto columns = MakeColumns(page, 1);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbVoiceMisc", {"Voice and sound", "Голос и звук"}, kVoiceRows);
    AddRowsGroup(b, columns[0], "gbVoiceBeeps", {"Beeps", "Звуковые сигналы"}, kBeepRows);
    columns[0]->addStretch();
}

void TPageVoiceMisc::ApplyRules() {
    for (const char* name : kVoiceOnly)
        Binder().SetShown(QString::fromUtf8(name), !Caps().CapNoVoice);
}
