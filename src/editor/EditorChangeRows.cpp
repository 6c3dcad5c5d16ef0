#include "EditorChangeRows.h"

#include "ControlBinder.h"
#include "Language.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"

#include <QWidget>
#include <algorithm>
#include <climits>

namespace {

constexpr int OtherGroup = INT_MAX; // after every page

struct TPlacedRow {
    int page; // tab order; OtherGroup after every page
    TChangeRow row;
};

QString bytesText(const TFieldChange& c) {
    return Tx("%1 of %2 bytes differ", "отличаются %1 из %2 байт")
        .arg(c.bytesDiffering)
        .arg(c.bytesTotal);
}

class TDescriber {
public:
    explicit TDescriber(TMK_SetParamsDlg& dlg) : dlg_(dlg), binder_(dlg.Binder()) {
        for (const QString& name : binder_.Names())
            if (binder_.FieldOf(name).field) names_.push_back(name);
    }

    void describe(const TFieldChange& c, std::vector<TPlacedRow>& out) const {
        if (!c.field || c.bytesTotal > 0) {
            out.push_back(other(c.name, {}, bytesText(c)));
            return;
        }
        if (!c.numeric) { // a text field
            const QString control = find(c.field, 0, -1);
            out.push_back(control.isEmpty() ? other(c.name, c.before, c.after)
                                            : placed(control, c.before, c.after));
            return;
        }
        if (const QString control = find(c.field, c.index, -1); !control.isEmpty()) {
            out.push_back(placed(control, binder_.ShownText(control, c.beforeValue),
                                 binder_.ShownText(control, c.afterValue)));
            return;
        }
        // A place of a screen, which a preview edits rather than a control.
        if (const auto text =
                dlg_.DescribeChange(c.field->name, c.index, c.beforeValue, c.afterValue)) {
            const TMK_SetParamsDlg::TPagePlace place = dlg_.PlaceOf(text->widget);
            out.push_back(place.order < 0 ? other(text->setting, text->before, text->after)
                                          : TPlacedRow{place.order,
                                                       {place.caption, text->setting, text->before,
                                                        text->after}});
            return;
        }
        // A word whose bits are check boxes: one row for each bit that changes.
        const auto before = std::uint64_t(std::int64_t(c.beforeValue));
        const auto after = std::uint64_t(std::int64_t(c.afterValue));
        std::uint64_t described = 0;
        for (int bit = 0; bit < 64; ++bit) {
            if (((before ^ after) >> bit & 1) == 0) continue;
            const QString control = find(c.field, c.index, bit);
            if (control.isEmpty()) continue;
            described |= std::uint64_t(1) << bit;
            out.push_back(placed(control, binder_.ShownText(control, double(before >> bit & 1)),
                                 binder_.ShownText(control, double(after >> bit & 1))));
        }
        if ((before ^ after) & ~described) out.push_back(other(c.name, c.before, c.after));
    }

private:
    QString find(const FieldDef* field, int index, int bit) const {
        for (const QString& name : names_) {
            const TFieldRef ref = binder_.FieldOf(name);
            if (ref.field == field && ref.index == index && ref.bit == bit) return name;
        }
        return {};
    }
    TPlacedRow placed(const QString& control, const QString& before, const QString& after) const {
        const TMK_SetParamsDlg::TPagePlace place = dlg_.PlaceOf(binder_.Control(control));
        if (place.order < 0) return other(binder_.CaptionOf(control), before, after);
        return {place.order, {place.caption, binder_.CaptionOf(control), before, after}};
    }
    static TPlacedRow other(const QString& setting, const QString& before, const QString& after) {
        return {OtherGroup, {Tx("Other settings", "Прочие настройки"), setting, before, after}};
    }

    TMK_SetParamsDlg& dlg_;
    TControlBinder& binder_;
    std::vector<QString> names_;
};

} // namespace

std::vector<TChangeRow> EditorChangeRows(const std::vector<TFieldChange>& changes,
                                         const QByteArray& writtenImage,
                                         std::uint16_t deviceVersion) {
    TMK scratch;
    scratch.DeviceVersion = deviceVersion;
    scratch.SettingsImage = writtenImage;
    scratch.ReadSections(1, SectionCountMax);
    std::vector<TChangeRow> rows;
    scratch.Edit([&] {
        TMK_SetParamsDlg dlg(scratch);
        dlg.FormShow();
        const TDescriber describer(dlg);
        std::vector<TPlacedRow> placed;
        for (const TFieldChange& c : changes)
            describer.describe(c, placed);
        std::stable_sort(placed.begin(), placed.end(),
                         [](const TPlacedRow& a, const TPlacedRow& b) { return a.page < b.page; });
        for (const TPlacedRow& p : placed)
            rows.push_back(p.row);
        return false; // the copy is thrown away
    });
    return rows;
}
