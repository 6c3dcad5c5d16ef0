// Captions and choice texts of the protocol sub-type selectors.

#include "Language.h"
#include "ProtEntryDefs.h"

#include <span>

namespace prot {
namespace {

struct CaptionRow {
    Caption id;
    TText text;
};

// clang-format off
constexpr CaptionRow Captions[] = {
    {Caption::Type,          {"Type", "Тип"}},
    {Caption::ObdType,       {"OBD type", "Тип ОБД"}},
    {Caption::ProtocolType,  {"Protocol type", "Тип протокола"}},
    {Caption::OsType,        {"OS type", "Тип ДК"}},
    {Caption::Os2Type,       {"OS2 type", "Тип ДК2"}},
    {Caption::CoolantVar,    {"T Coolant var.", "Вариант ТОЖ"}},
    {Caption::CoolAirVar,    {"T Cool/InAir var.", "Вариант ТОЖ/ТВВ"}},
    {Caption::ISregVar,      {"ISreg var.", "Вариант ШД"}},
    {Caption::FaultsType,    {"Faults type", "Тип ошибок"}},
    {Caption::ThrottleType,  {"Throttle type", "Тип дросселя"}},
    {Caption::FaultsRequest, {"Faults request", "Запрос ошибок"}},
    {Caption::EngineType,    {"Engine type", "Тип двигателя"}},
    {Caption::FanChannel,    {"Fan control channel", "Канал включения вентилятора"}},
    {Caption::ExpenseCalc,   {"Expense calculation", "Расчет расхода"}},
    {Caption::CanRate,       {"CAN req/sec", "Опрос CAN раз/сек"}},
    {Caption::AtOilTemper,   {"AT oil temper.", "Темп. масла АКПП"}},
    {Caption::Engine,        {"Engine", "Двигатель"}},
};

constexpr TText No{"No", "Нет"};
constexpr TText Fan3Texts[] = {{"1", "1"}, {"2", "2"}, {"1+2", "1+2"}};
constexpr TText Fan5Texts[] = {{"1", "1"}, {"2", "2"}, {"1+2", "1+2"}, {"3", "3"}, {"4", "4"}};
constexpr TText AtJatcoTexts[] = {No, {"Jatco", "Jatco"}, {"ZF 2180", "ZF 2180"}, {"Niss5", "Niss5"}};
constexpr TText AtCaptivaTexts[] = {No, {"Captiva", "Captiva"}, {"Punch", "Punch"}};
constexpr TText Rates41Texts[] = {{"4", "4"}, {"1", "1"}};
constexpr TText AtToyotaTexts[] = {No, {"Toy1", "Toy1"}, {"Toy2", "Toy2"}, {"Toy3", "Toy3"},
                                   {"Toy4", "Toy4"}, {"U660E", "U660E"}};
constexpr TText CanExpenseTexts[] = {{"1", "1"}, {"2", "2"}, {"Cruis", "Круиз"}, {"4", "4"},
                                     {"5D", "5D"}, {"DustD", "DustD"}};
constexpr TText AutoManTexts[] = {{"Auto", "Авто"}, {"Man.", "Руч."}};
constexpr TText ExpenseCruisTexts[] = {{"1", "1"}, {"Cruis", "Круиз"}};
constexpr TText TobdProtocolTexts[] = {{"MAP1", "MAP1"}, {"MAP2", "MAP2"}, {"VAF", "VAF"}};
constexpr TText TobdCoolantTexts[] = {{"fr92", "с 92"}, {"up92", "до 92"}};
constexpr TText TobdISregTexts[] = {{"ISreg", "ШД"}, {"EMV", "ЭМК"}};
constexpr TText SsYongDieselTexts[] = {{"K20E3", "K20E3"}, {"K20E4", "K20E4"}, {"R27E3", "R27E3"},
                                       {"R27E4", "R27E4"}, {"R27  ", "R27  "}};
constexpr TText Os2Texts[] = {{"Lambda", "Lambda"}, {"FrntO2", "O2 Пер"}};
constexpr TText PetrolDieselTexts[] = {{"Petrol", "Бензин"}, {"Diesel", "Дизель"}};
constexpr TText Type12Texts[] = {{"1", "1"}, {"2", "2"}};
constexpr TText Type21Texts[] = {{"2", "2"}, {"1", "1"}};
// clang-format on

struct ChoiceRow {
    Choices id;
    std::span<const TText> texts;
};

constexpr ChoiceRow ChoiceSets[] = {
    {Choices::Fan3, Fan3Texts},
    {Choices::Fan5, Fan5Texts},
    {Choices::AtJatco, AtJatcoTexts},
    {Choices::AtCaptiva, AtCaptivaTexts},
    {Choices::Rates41, Rates41Texts},
    {Choices::AtToyota, AtToyotaTexts},
    {Choices::CanExpense, CanExpenseTexts},
    {Choices::AutoMan, AutoManTexts},
    {Choices::ExpenseCruis, ExpenseCruisTexts},
    {Choices::TobdProtocol, TobdProtocolTexts},
    {Choices::TobdCoolant, TobdCoolantTexts},
    {Choices::TobdISreg, TobdISregTexts},
    {Choices::SsYongDiesel, SsYongDieselTexts},
    {Choices::Os2, Os2Texts},
    {Choices::PetrolDiesel, PetrolDieselTexts},
    {Choices::Type12, Type12Texts},
    {Choices::Type21, Type21Texts},
};

// The long gearbox / vehicle preset: "No" and fifty variants. The variants between the
// named ones are shown by their number until their names are known.
constexpr int AtLongCount = 51;
struct NamedVariant {
    int index;
    const char* name;
};
constexpr NamedVariant AtLongNamed[] = {
    {1, "Paj.Sport"}, {2, "Outlndr"}, {3, "Niss1"}, {4, "Captiva"},
    {48, "Skoda"},    {49, "Skoda2"}, {50, "Suz4"},
};

QStringList AtLongTexts() {
    QStringList texts;
    texts << No.text();
    for (int i = 1; i < AtLongCount; ++i)
        texts << Tx("Var.", "Вар.") + QString::number(i);
    for (const NamedVariant& v : AtLongNamed)
        texts[v.index] = QString::fromLatin1(v.name);
    return texts;
}

} // namespace

QString CaptionText(Caption c) {
    for (const CaptionRow& row : Captions)
        if (row.id == c) return row.text.text();
    return {};
}

QStringList ChoiceTexts(Choices c) {
    if (c == Choices::AtLong) return AtLongTexts();
    QStringList texts;
    for (const ChoiceRow& row : ChoiceSets)
        if (row.id == c)
            for (const TText& t : row.texts)
                texts << t.text();
    return texts;
}

} // namespace prot
