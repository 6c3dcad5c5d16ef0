#include "SettingDescriptions.h"

#include "Errors.h"
#include "SettingPages.h"
#include "SettingRows.h"
#include "ValueConversions.h"

#include <QByteArray>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>

namespace {

constexpr int DateNumberMax = 0xFFFF;

// All groups joined once, in tab order of their pages (a page's rows keep their order).
const std::vector<TSettingDesc>& AllRows() {
    static const std::vector<TSettingDesc> rows = [] {
        std::vector<TSettingDesc> v;
        for (auto group :
             {settingrows::CorrRows(), settingrows::SourceRows(), settingrows::LimitRows(),
              settingrows::DisplayRows(), settingrows::SoundRows(), settingrows::AverageRows(),
              settingrows::ParkRows(), settingrows::FuelRows(), settingrows::MaintenanceRows()})
            v.insert(v.end(), group.begin(), group.end());
        std::stable_sort(v.begin(), v.end(), [](const TSettingDesc& a, const TSettingDesc& b) {
            return SettingPageOrder(a.page) < SettingPageOrder(b.page);
        });
        return v;
    }();
    return rows;
}

bool IsPlainWord(const FieldDef& f) {
    switch (f.type) {
    case FieldType::U8:
    case FieldType::U16:
    case FieldType::U32:
    case FieldType::U64:
        return !f.isBitField();
    default:
        return false;
    }
}

using TElementKey = std::tuple<const FieldDef*, int, int>; // field, element, bit

// Every element of every setting, by the field element (and bit) it lives in.
const std::map<TElementKey, std::vector<TSettingElement>>& ElementIndex() {
    static const auto index = [] {
        std::map<TElementKey, std::vector<TSettingElement>> m;
        for (const TSettingDesc& s : AllRows())
            for (int k = 0; k < s.count; ++k) {
                const TFieldRef ref = SettingField(s, k);
                if (ref.field) m[{ref.field, ref.index, ref.bit}].push_back({&s, k});
            }
        return m;
    }();
    return index;
}

QString WithoutAccelerators(QString text) {
    static const QRegularExpression marks(QStringLiteral("&(?!&)"));
    return text.remove(marks);
}

// The user's decimal separator, no digit grouping: as the editor's spin edits write them.
QLocale NumberLocale() {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

QString NumberText(const TSettingDesc& s, double shown) {
    return NumberLocale().toString(shown, 'f', s.decimals);
}

bool IsNumberText(const QString& text) {
    bool ok = false;
    NumberLocale().toDouble(text, &ok);
    return ok;
}

} // namespace

std::span<const TSettingDesc> SettingDescriptions() {
    return AllRows();
}

const TSettingDesc* FindSetting(std::string_view name) {
    // Names are string literals of the row tables, so the views stay valid.
    static const std::unordered_map<std::string_view, const TSettingDesc*> index = [] {
        std::unordered_map<std::string_view, const TSettingDesc*> m;
        for (const TSettingDesc& s : AllRows())
            m.emplace(s.name, &s);
        return m;
    }();
    auto it = index.find(name);
    return it == index.end() ? nullptr : it->second;
}

const TSettingDesc& SettingByName(std::string_view name) {
    if (const TSettingDesc* s = FindSetting(name)) return *s;
    throw TError(QStringLiteral("Unknown setting \"%1\"")
                     .arg(QString::fromUtf8(name.data(), qsizetype(name.size()))));
}

QString ControlBaseName(const QString& controlName) {
    int i = 0;
    while (i < controlName.size() && controlName[i].isLower())
        ++i;
    return controlName.mid(i);
}

TFieldRef ResolveSettingName(std::string_view name) {
    const QByteArray base =
        ControlBaseName(QString::fromUtf8(name.data(), qsizetype(name.size()))).toUtf8();
    if (const FieldDef* f = FindField(base.toStdString())) return {f, 0, -1};
    // A trailing number: an element of an array field, or a bit of a plain word.
    qsizetype digits = base.size();
    while (digits > 0 && base[digits - 1] >= '0' && base[digits - 1] <= '9')
        --digits;
    if (digits == base.size() || digits == 0) return {};
    const int n = base.mid(digits).toInt();
    QByteArray stem = base.left(digits);
    if (stem.endsWith('_')) stem.chop(1);
    const FieldDef* f = FindField(stem.toStdString());
    if (!f) return {};
    if (n < f->elementCount() && f->elementCount() > 1) return {f, n, -1};
    if (f->elementCount() == 1 && IsPlainWord(*f) && n < 8 * FieldTypeWidth(f->type))
        return {f, 0, n};
    return {};
}

TFieldRef SettingField(const TSettingDesc& s, int k) {
    if (k < 0 || k >= s.count) return {};
    if (!s.field) return k == 0 ? ResolveSettingName(s.name) : TFieldRef{};
    const FieldDef* f = FindField(s.field);
    if (!f) return {};
    if (s.bits) {
        if (!IsPlainWord(*f) || s.index >= f->elementCount() || k >= 8 * FieldTypeWidth(f->type))
            return {};
        return {f, s.index, k};
    }
    // A byte range's elements are its bytes, as a comparison names them.
    const int elements = f->type == FieldType::Bytes ? FieldByteSize(*f) : f->elementCount();
    if (s.index + k >= elements) return {};
    return {f, s.index + k, -1};
}

std::vector<TSettingElement> SettingsOf(const FieldDef& field, int index, int bit,
                                        const TSettingContext& c) {
    const auto& all = ElementIndex();
    auto it = all.find({&field, index, bit});
    if (it == all.end()) return {};
    std::vector<TSettingElement> found = it->second;
    std::stable_partition(found.begin(), found.end(),
                          [&c](const TSettingElement& e) { return SettingOffered(*e.setting, c); });
    return found;
}

bool SettingOffered(const TSettingDesc& s, const TSettingContext& c) {
    return (!s.offered || s.offered(c)) && SettingPageOffered(s.page ? s.page : "", c);
}

QString SettingCaption(const TSettingDesc& s, const TSettingContext& c, int k) {
    if (s.elementCaption && s.count > 1) return s.elementCaption(c, k);
    if (s.captionOf)
        if (QString own = s.captionOf(c); !own.isEmpty()) return own;
    return s.caption.text();
}

QString SettingUnit(const TSettingDesc& s) {
    return s.unit.en ? s.unit.text() : QString();
}

QStringList SettingItems(const TSettingDesc& s, const TSettingContext& c) {
    QStringList items;
    if (s.itemsOf) {
        items = s.itemsOf(c);
    } else {
        for (const TText& t : s.items)
            items << t.text();
    }
    if (s.kind == TSettingKind::List && s.max > 0)
        for (int n = int(s.min); n <= int(s.max); ++n)
            items << QString::number(n);
    return items;
}

QString SettingShownText(const TSettingDesc& s, const TSettingContext& c, double stored, int k) {
    if (s.valueText) return s.valueText(c, k, stored);
    switch (s.kind) {
    case TSettingKind::Number:
        return NumberText(s, StoredToShown(s.conv, stored));
    case TSettingKind::Flag:
        return stored != 0 ? Tx("yes", "да") : Tx("no", "нет");
    case TSettingKind::List: {
        const QStringList items = SettingItems(s, c);
        if (s.conv == TConv::ItemNumber) {
            const QString number = QString::number(std::int64_t(stored));
            return items.contains(number) ? number : QString::number(stored);
        }
        const double index = StoredToShown(s.conv, stored);
        if (index >= 0 && index < items.size()) return WithoutAccelerators(items[int(index)]);
        return QString::number(stored);
    }
    case TSettingKind::Date: {
        if (stored >= 1 && stored <= DateNumberMax) {
            const CalendarDay day = DayNumberToCalendarDay(std::uint32_t(stored));
            if (day.exact) return day.date.toString(QStringLiteral("dd.MM.yy"));
        }
        return QString::number(stored);
    }
    case TSettingKind::Time:
        return MinutesToText(std::uint16_t(std::int64_t(stored)));
    case TSettingKind::Text:
    case TSettingKind::Table:
        break;
    }
    return QString::number(stored);
}

QString SettingValueText(const TSettingDesc& s, const TSettingContext& c, double stored, int k) {
    const QString shown = SettingShownText(s, c, stored, k);
    const QString unit = SettingUnit(s);
    // A unit goes with a number: "7 days", but "Man." alone.
    if (unit.isEmpty() || s.kind == TSettingKind::Time || !IsNumberText(shown)) return shown;
    return shown + QLatin1Char(' ') + unit;
}

QString SettingRangeText(const TSettingDesc& s, const TSettingContext& c) {
    const QString unit = SettingUnit(s);
    const QString tail = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
    switch (s.kind) {
    case TSettingKind::Number:
        return NumberText(s, s.min) + QStringLiteral(" .. ") + NumberText(s, s.max) + tail;
    case TSettingKind::Flag:
        return Tx("yes / no", "да / нет");
    case TSettingKind::List: {
        QStringList items;
        for (const TText& t : s.items)
            items << WithoutAccelerators(t.text());
        if (s.itemsOf) items = s.itemsOf(c);
        if (s.max > 0) items << QStringLiteral("%1 .. %2").arg(s.min).arg(s.max) + tail;
        return items.join(QStringLiteral(", "));
    }
    case TSettingKind::Date:
        return QStringLiteral("01.01.00 .. 31.12.99");
    case TSettingKind::Time:
        return QStringLiteral("00:00 .. 23:59");
    case TSettingKind::Text: {
        const TFieldRef ref = SettingField(s);
        return ref.field ? Tx("at most %1 characters", "не более %1 символов")
                               .arg(FieldByteSize(*ref.field) - 1)
                         : QString();
    }
    case TSettingKind::Table:
        break;
    }
    return {};
}
