#include "FieldTable.h"

#include "Errors.h"
#include "FieldRows.h"

#include <algorithm>
#include <array>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::array<int, SectionCountMax> kRecordSizes = {164, 28, 64,  420, 128, 84,
                                                           860, 40, 288, 60,  664};

// All groups joined once, in section order (rows of one section keep their table order).
const std::vector<FieldDef>& AllRows() {
    static const std::vector<FieldDef> rows = [] {
        std::vector<FieldDef> v;
        for (auto group :
             {fieldrows::TotalsRows(), fieldrows::FuelRows(), fieldrows::MaintenanceRows(),
              fieldrows::MethodsRows(), fieldrows::PricesJournalsRows(), fieldrows::DisplayRows(),
              fieldrows::FaultsRows()})
            v.insert(v.end(), group.begin(), group.end());
        std::stable_sort(v.begin(), v.end(), [](const FieldDef& a, const FieldDef& b) {
            return a.section < b.section;
        });
        return v;
    }();
    return rows;
}

} // namespace

int FieldTypeWidth(FieldType t) {
    switch (t) {
    case FieldType::U8:
    case FieldType::S8:
    case FieldType::Text:
    case FieldType::Bytes:
        return 1;
    case FieldType::U16:
    case FieldType::S16:
        return 2;
    case FieldType::U32:
    case FieldType::S32:
    case FieldType::F32:
        return 4;
    case FieldType::U64:
        return 8;
    }
    return 1;
}

int FieldByteSize(const FieldDef& f) {
    return FieldTypeWidth(f.type) * f.count;
}

int SectionRecordSize(int section) {
    if (section < 1 || section > SectionCountMax) throw ERangeError();
    return kRecordSizes[section - 1];
}

std::span<const FieldDef> FieldTable() {
    return AllRows();
}

const FieldDef* FindField(std::string_view name) {
    // Names are string literals of the row tables, so the views stay valid.
    static const std::unordered_map<std::string_view, const FieldDef*> index = [] {
        std::unordered_map<std::string_view, const FieldDef*> m;
        for (const FieldDef& f : AllRows())
            m.emplace(f.name, &f);
        return m;
    }();
    auto it = index.find(name);
    return it == index.end() ? nullptr : it->second;
}

const FieldDef& FieldByName(std::string_view name) {
    if (const FieldDef* f = FindField(name)) return *f;
    throw TError(QStringLiteral("Unknown settings field \"%1\"")
                     .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
}
