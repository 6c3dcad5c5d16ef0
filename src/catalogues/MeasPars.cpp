#include "Language.h"
#include "MeasParDefs.h"
#include "MeasParsH.h"

#include <QLatin1StringView>
#include <cstdlib>

namespace {

// The order in which the editor lists the parameters (there is no parameter 40).
// clang-format off
constexpr std::uint8_t ListOrder[] = {
    12, 13, 16, 14, 15, 10, 8, 9, 7, 11, 17, 18, 19, 20, 33, 21, 25, 26, 27, 28, 29, 24, 31, 30,
    22, 23, 1, 5, 4, 2, 3, 6, 32, 34, 35, 36, 37, 38, 39, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50,
    51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64, 65,
};
// clang-format on

// Parameter 11 is the low-beam control flag on models that drive the low beam (the input
// otherwise measures the air temperature).
constexpr std::uint8_t SharedNumber = 11;
constexpr const char* LowBeamClass = "TLightsFlag";
constexpr const char* AirTemperClass = "TTemperAir";

constexpr std::uint8_t Flag1Numbers[] = {14, 65};

// Scale of the consumption per 100 km preview: 0 to 80.0 l/100 km.
constexpr int ExpenseKPreviewMax = 800;
constexpr int ExpenseKPreviewAltMax = 80;

QString U(const char* s) {
    return QString::fromUtf8(s);
}

std::unique_ptr<TMeasParBase> MakeParam(std::size_t row) {
    const meas::ParRow& r = meas::ParRows()[row];
    const meas::ParTexts& t = (EnglishVersion ? meas::EnglishTexts() : meas::RussianTexts())[row];

    std::unique_ptr<TMeasParBase> p;
    if (QLatin1StringView(r.className) == QLatin1StringView("TMomentaryExpenseK"))
        p = std::make_unique<TMomentaryExpenseK>();
    else
        p = std::make_unique<TMeasParBase>();

    p->ClassName = QString::fromLatin1(r.className);
    p->Number = r.number;
    p->Attr1 = r.attr1;
    p->Attr2 = r.attr2;
    p->Attr3 = r.attr3;
    p->DefaultValue = r.defaultValue;
    p->MinValue = r.minValue;
    p->MaxValue = r.maxValue;
    p->AltMin = r.altMin;
    p->AltMax = r.altMax;
    p->Width = r.width;
    p->Decimals = r.decimals;
    p->Name = r.name.text();
    p->DefaultText = QString::number(p->DefaultValue).rightJustified(p->Width, u' ');
    p->NameUnit = U(t.nameUnit);
    p->ShortName = U(t.shortName);
    p->ShortUnit = r.unit.text();
    p->MidName = U(t.midName);
    p->MidUnit = p->ShortUnit;
    p->MidNameUnit = U(t.midNameUnit);
    p->AltName = U(t.altName);
    p->AltUnit = U(t.altUnit);
    p->Caption = U(t.caption);
    for (std::uint8_t n : Flag1Numbers)
        p->Flag1 = p->Flag1 || n == r.number;
    return p;
}

// Row of a number in the parameter table; for 11 the kind the model has.
std::size_t RowOf(std::uint8_t number, const TDeviceCaps& caps) {
    const auto rows = meas::ParRows();
    const char* wanted = caps.CapLowBeam ? LowBeamClass : AirTemperClass;
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].number == number &&
            (number != SharedNumber ||
             QLatin1StringView(rows[i].className) == QLatin1StringView(wanted)))
            return i;
    return rows.size();
}

} // namespace

QString FormatScaled(int value, int decimals) {
    if (decimals <= 0) return QString::number(value);
    int scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const long long magnitude = std::llabs(static_cast<long long>(value));
    return QStringLiteral("%1%2.%3")
        .arg(value < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / scale)
        .arg(magnitude % scale, decimals, 10, QLatin1Char('0'));
}

void TMeasParBase::PrepareData() {
    MinText = FormatScaled(MinValue, Decimals);
    MaxText = FormatScaled(MaxValue, Decimals);
}

void TMomentaryExpenseK::PrepareData() {
    Flag2 = true;
    MaxValue = ExpenseKPreviewMax;
    AltMin = 0;
    AltMax = ExpenseKPreviewAltMax;
    TMeasParBase::PrepareData();
}

void TMeasParList::Build(const TDeviceCaps& caps) {
    items_.clear();
    for (std::uint8_t number : ListOrder) {
        const std::size_t row = RowOf(number, caps);
        if (row < meas::ParRows().size()) items_.push_back(MakeParam(row));
    }
}

TMeasParBase* TMeasParList::Find(int number) const {
    for (const auto& p : items_)
        if (p->Number == number) return p.get();
    return nullptr;
}
