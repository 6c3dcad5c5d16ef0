#include "PageVoiceMisc.h"

#include "DeviceModels.h"
#include "EditorLayout.h"

namespace {

using enum TCtlKind;

// clang-format off
constexpr TControlRow kVoiceRows[] = {
    // kind   setting
    {Spin,  "SoundVolume"},
    {Radio, "FlagSound"},
    {Radio, "SayHelloMode"},
    {Spin,  "SayParamPeriod"},
    {Spin,  "AlarmVelSecNoSayMax"},
    {Spin,  "SayEconomPeriod"},
};

constexpr TControlRow kBeepRows[] = {
    {Check, "SoundKeys"},
    {Check, "SoundLock"},
};
// clang-format on

} // namespace

void TPageVoiceMisc::Build(QWidget* page) {
    auto columns = MakeColumns(page, 1);
    TControlBinder& b = Binder();
    AddRowsGroup(b, columns[0], "gbVoiceMisc", {"Voice and sound", "Голос и звук"}, kVoiceRows);
    AddRowsGroup(b, columns[0], "gbVoiceBeeps", {"Beeps", "Звуковые сигналы"}, kBeepRows);
    columns[0]->addStretch();
}
