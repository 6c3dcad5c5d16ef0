#include "ParamRelabel.h"

#include "Language.h"
#include "MeasParsH.h"
#include "Pars32H.h"

namespace {

constexpr int ParTemperature = 11;
constexpr int ParForecast = 9;
constexpr int ParPitch = 55;
constexpr const char* TemperatureClass = "TTemperAir"; // models with a lights flag instead

// The lengths of a caption: name, name with unit, short, middle, middle with unit, and the
// combined caption (the name with unit when not given).
struct TCaptionSet {
    TText name, nameUnit, shortName, midName, midNameUnit;
    TText caption = {nullptr, nullptr};
};

void Apply(TMeasParBase& p, const TCaptionSet& c) {
    p.Name = c.name.text();
    p.NameUnit = c.nameUnit.text();
    p.Caption = c.caption.en ? c.caption.text() : p.NameUnit;
    p.ShortName = c.shortName.text();
    p.MidName = c.midName.text();
    p.AltName = p.MidName;
    p.MidNameUnit = c.midNameUnit.text();
}

// clang-format off
constexpr TCaptionSet kMileageForecast{
    {"Mileage progn", "Прогноз проб"}, {"Mileage progn,km", "Прогноз пробега,км"},
    {"MilePrgn", "Прогн.Пр"}, {"Mile.Progn.", "Прогн.проб."}, {"MilePrgn,km", "Прогн.Пр,км"}};
constexpr TCaptionSet kPowerReserve{
    {"Power res.", "Запас хода"}, {"Power res,km", "Запас хода,км"},
    {"PowerRes", "Запас Хд"}, {"PowerRes", "Запас Хд"}, {"PowerRes,km", "Запас Хд,km"}};
// Russian "Дифферент" on road vehicles, "Тангаж" on models with a power reserve.
constexpr TCaptionSet kPitchTrim{
    {"Pitch", "Дифферент"}, {"Pitch,deg", "Дифферент,гр."},
    {"Pitch", "Дифф."}, {"Pitch", "Дифферент"}, {"Pitch,deg", "Дифф.,гр"},
    {"Pitch,deg", "Дифферент,гр"}};
constexpr TCaptionSet kPitch{
    {"Pitch", "Тангаж"}, {"Pitch,deg", "Тангаж,гр"},
    {"Pitch", "Тангаж"}, {"Pitch", "Тангаж"}, {"Pitch,deg", "Тангаж,гр"}};
// clang-format on

// Temperature: long and short names; the unit suffix is the catalogue's own.
void RelabelTemperature(TMeasParBase& p, const TText& longName, const TText& shortName) {
    const QString suffix =
        p.NameUnit.startsWith(p.Name) ? p.NameUnit.mid(p.Name.size()) : QString();
    p.Name = longName.text();
    p.MidName = p.Name;
    p.AltName = p.Name;
    p.ShortName = shortName.text();
    p.NameUnit = p.Name + suffix;
    p.Caption = p.NameUnit;
    p.MidNameUnit = p.ShortName + suffix;
}

} // namespace

void RelabelMeasPars(TMeasParList& list, const TDeviceCaps& caps, int airWaterShow) {
    if (TMeasParBase* p = list.Find(ParTemperature); p && p->ClassName == TemperatureClass) {
        if (caps.CapVariator) {
            RelabelTemperature(*p, {"Tvariat", "Твариат"}, {"Tvar", "Твар"});
        } else if (caps.CapUniInput || caps.CapTrim) {
            const TText shortName = airWaterShow == 1   ? TText{"Twater", "Tводы"}
                                    : airWaterShow == 2 ? TText{"T eng.", "T дв."}
                                                        : TText{"T air", "Tвозд"};
            RelabelTemperature(*p, {"Tair/wat/eng", "Твоз/вод/дв"}, shortName);
        } else {
            RelabelTemperature(*p, {"T air", "Tвоздуха"}, {"T air", "Tвозд"});
        }
    }
    if (TMeasParBase* p = list.Find(ParForecast))
        Apply(*p, caps.CapPowerReserve ? kPowerReserve : kMileageForecast);
    if (TMeasParBase* p = list.Find(ParPitch))
        Apply(*p, caps.CapPowerReserve ? kPitch : kPitchTrim);
}

void RelabelMeasPars(TMK& model) {
    RelabelMeasPars(model.MeasPars, model.Caps(), int(model.Get("AirWaterShow")));
}
