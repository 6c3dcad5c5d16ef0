// What the settings sheet says, as XHTML that both QTextDocument (for the PDF) and a
// browser read.

#include "SettingsSheet.h"

#include "AddSystems.h"
#include "DeviceModels.h"
#include "FieldAccess.h"
#include "HotMenuLists.h"
#include "Language.h"
#include "Pars32H.h"
#include "ScreenRenderer.h"
#include "SettingDescriptions.h"
#include "SettingPages.h"
#include "SettingsScreens.h"
#include "TareTable.h"

#include <QLocale>

namespace {

// clang-format off
constexpr TText kTitle{"Settings sheet", "Лист настроек"};
constexpr TText kDevice{"Device", "Устройство"};
constexpr TText kSettingsVersion{"Settings version", "Версия настроек"};
constexpr TText kSource{"Settings", "Настройки"};
constexpr TText kPrinted{"Printed", "Напечатано"};
constexpr TText kSetting{"Setting", "Настройка"};
constexpr TText kValue{"Value", "Значение"};
constexpr TText kTare{"Tare table", "Таблица тарировки"};
constexpr TText kPoint{"Point", "Точка"};
constexpr TText kLitres{"litres", "литры"};
constexpr TText kUnits{"sensor units", "уе"};
constexpr TText kReminders{"Maintenance reminders", "Напоминания о ТО"};
constexpr TText kReminder{"Reminder", "Напоминание"};
constexpr TText kOn{"On", "Вкл."};
constexpr TText kWhen{"At", "Когда"};
constexpr TText kHotMenus{"Hot menus", "Горячие меню"};
constexpr TText kScreens{"Screens of the device (day scheme)", "Экраны устройства (дневная схема)"};
constexpr TText kUnitsPolled{"Units polled", "Опрашиваемые блоки"};
constexpr TText kNone{"none", "нет"};
// clang-format on

// A reminder line: the counter or date, and its switch.
struct TReminderRow {
    const char* value;
    const char* flag;
};
constexpr TReminderRow kReminderRows[] = {
    {"AirFiltCntK", "TOFlag_AirFiltCntK"},
    {"TSCounter", "TOFlag_AirFiltCntK"},
    {"KPPOilCntK", "TOFlag_KPPOilCntK"},
    {"ForsTOCntK", "TOFlag_ForsTOCntK"},
    {"GRMStrapCntK", "TOFlag_GRMStrapCntK"},
    {"CoolLiqCntK", "TOFlag_CoolLiqCntK"},
    {"EngOilCntK", "TOFlag_EngOilCntK"},
    {"CandleCntK", "TOFlag_CandleCntK"},
    {"TO", "TOFlag_TO"},
    {"OSAGO", "TOFlag_OSAGO"},
    {"MotoHourLim", "TOFlag_MotoHour"},
};

struct TScreenSet {
    TScreenKind kind;
    TText caption;
};
constexpr TScreenSet kScreenSets[] = {
    {TScreenKind::X4, {"Displays x 4", "Дисплеи х4"}},
    {TScreenKind::X9, {"Displays x 9", "Дисплеи х9"}},
    {TScreenKind::X6, {"Displays x 6", "Дисплей х6"}},
};
// The pictures are drawn at the device's 320 x 240 and shown at three quarters, so that two
// fit side by side on an A4 page.
constexpr int ScreenWidth = 240;
constexpr int ScreenHeight = 180;
constexpr int ScreensPerRow = 2;

QString Escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString Row(const QString& a, const QString& b) {
    return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(Escaped(a), Escaped(b));
}

QString Heading(int level, const QString& text) {
    return QStringLiteral("<h%1>%2</h%1>\n").arg(level).arg(Escaped(text));
}

// The value a setting's element holds, as the editor shows it.
QString ShownValue(const TMK& m, const TSettingContext& c, const TSettingDesc& s, int k) {
    const TFieldRef ref = SettingField(s, k);
    const QByteArray& record = m.Section(ref.field->section);
    if (ref.field->type == FieldType::Text) return ReadFieldText(record, *ref.field);
    const double stored = ref.bit >= 0
                              ? double((ReadFieldInt(record, *ref.field, ref.index) >> ref.bit) & 1)
                              : ReadFieldNumber(record, *ref.field, ref.index);
    return SettingValueText(s, c, stored, k);
}

// Every offered setting, page by page; the tables, screens and lists come in sections of
// their own.
QString SettingsPages(const TMK& m, const TSettingContext& c) {
    QString html, page;
    for (const TSettingDesc& s : SettingDescriptions()) {
        if (s.kind == TSettingKind::Table || !SettingOffered(s, c)) continue;
        for (int k = 0; k < s.count; ++k) {
            const QString caption = SettingCaption(s, c, k);
            if (caption.isEmpty()) continue;
            if (const QString path = SettingPagePath(s.page); path != page) {
                if (!page.isEmpty()) html += QStringLiteral("</table>\n");
                page = path;
                html +=
                    Heading(2, page) +
                    QStringLiteral("<table class=\"settings\"><tr><th>%1</th><th>%2</th></tr>\n")
                        .arg(Escaped(kSetting.text()), Escaped(kValue.text()));
            }
            html += Row(caption, ShownValue(m, c, s, k));
        }
    }
    if (!page.isEmpty()) html += QStringLiteral("</table>\n");
    return html;
}

QString UnitsPolled(const TMK& m) {
    QStringList names;
    const TBlockList list = BuildBlockList(m.Prots); // Entries() lives as long as the list
    for (const TBlockListEntry& e : list.Entries())
        if (UnitSelected(m.Section(5), e.Code)) names << e.Name;
    return Heading(2, kUnitsPolled.text()) +
           QStringLiteral("<p>%1</p>\n")
               .arg(Escaped(names.isEmpty() ? kNone.text() : names.join(QStringLiteral(", "))));
}

QString TareTable(const TMK& m) {
    QString html =
        Heading(2, kTare.text()) +
        QStringLiteral("<table class=\"tare\"><tr><th>%1</th><th>%2</th><th>%3</th></tr>\n")
            .arg(Escaped(kPoint.text()), Escaped(kLitres.text()), Escaped(kUnits.text()));
    int point = 0;
    for (const TareRowTexts& row : TareRows(m.Section(4)))
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(++point)
                    .arg(Escaped(row.litres), Escaped(row.units));
    return html + QStringLiteral("</table>\n");
}

QString Reminders(const TMK& m, const TSettingContext& c) {
    QString html =
        Heading(2, kReminders.text()) +
        QStringLiteral("<table class=\"settings\"><tr><th>%1</th><th>%2</th><th>%3</th></tr>\n")
            .arg(Escaped(kReminder.text()), Escaped(kOn.text()), Escaped(kWhen.text()));
    for (const TReminderRow& r : kReminderRows) {
        const TSettingDesc& value = SettingByName(r.value);
        if (!SettingOffered(value, c)) continue;
        const TSettingDesc& flag = SettingByName(r.flag);
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td></tr>\n")
                    .arg(Escaped(SettingCaption(value, c)), Escaped(ShownValue(m, c, flag, 0)),
                         Escaped(ShownValue(m, c, value, 0)));
    }
    return html + QStringLiteral("</table>\n");
}

QString HotMenus(const TMK& m, const TSettingContext& c) {
    QString html = Heading(2, kHotMenus.text());
    for (const char* name : {"HotMenuParams", "HotMenuAver", "HotMenuPark"}) {
        const TSettingDesc& s = SettingByName(name);
        if (!SettingOffered(s, c)) continue;
        html += Heading(3, s.caption.text()) + QStringLiteral("<ol>\n");
        for (int k = 0; k < s.count; ++k) {
            const QString item = ShownValue(m, c, s, k);
            if (SettingField(s, k).field && ReadFieldInt(m.Section(9), *SettingField(s, k).field,
                                                         SettingField(s, k).index) != 0)
                html += QStringLiteral("<li>%1</li>\n").arg(Escaped(item));
        }
        html += QStringLiteral("</ol>\n");
    }
    return html;
}

// The display pages as pictures, two side by side.
QString Screens(const TMK& m, std::map<QString, QImage>& images) {
    TScreenRenderer renderer(SchemeColours(m, 0), m.MeasPars, DisplayOptionsOf(m));
    if (m.Prots.Current()) renderer.SetOfferedCodes(OfferedCodes(m));
    // The pictures start a page of their own, so none is parted from its heading.
    QString html = QStringLiteral("<h2 style=\"page-break-before: always\">%1</h2>\n")
                       .arg(Escaped(kScreens.text()));
    auto picture = [&](const QString& name, const TScreenContent& content, const QString& caption) {
        images[name] = renderer.Render(content);
        return QStringLiteral("<td>%1<br/><img src=\"%2\" width=\"%3\" height=\"%4\" "
                              "alt=\"%1\"/></td>")
            .arg(Escaped(caption), name)
            .arg(ScreenWidth)
            .arg(ScreenHeight);
    };
    for (const TScreenSet& set : kScreenSets) {
        // The nine-value screens start a page, so the x4 ones above keep theirs whole.
        const bool newPage = set.kind == TScreenKind::X9;
        html +=
            QStringLiteral("<h3%1>%2</h3>\n<table class=\"screens\">")
                .arg(newPage ? QStringLiteral(" style=\"page-break-before: always\"") : QString(),
                     Escaped(set.caption.text()));
        const int count = ScreenCount(m, set.kind);
        for (int n = 0; n < count; ++n) {
            if (n % ScreensPerRow == 0) html += QStringLiteral("<tr>");
            html += picture(QStringLiteral("screen-%1-%2").arg(int(set.kind)).arg(n + 1),
                            ScreenFromSettings(m, set.kind, n),
                            Tx("Display %1", "Дисплей %1").arg(n + 1));
            if (n % ScreensPerRow == ScreensPerRow - 1 || n == count - 1)
                html += QStringLiteral("</tr>");
        }
        html += QStringLiteral("</table>\n");
    }
    if (ScreenCount(m, TScreenKind::X1) > 0) {
        const TSettingPage* panel = FindSettingPage("tsInfoPanel");
        // On a page of its own: a heading at the foot of the x6 page would lose its picture.
        html += QStringLiteral("<h3 style=\"page-break-before: always\">%1</h3>\n")
                    .arg(Escaped(panel->caption.text())) +
                QStringLiteral("<table class=\"screens\"><tr>") +
                picture(QStringLiteral("screen-panel"), ScreenFromSettings(m, TScreenKind::X1, 0),
                        QString()) +
                QStringLiteral("</tr></table>\n");
    }
    return html;
}

constexpr const char* kStyle =
    "body { font-family: 'DejaVu Sans', sans-serif; font-size: 10pt; }"
    "h1 { font-size: 16pt; } h2 { font-size: 13pt; margin-top: 14pt; } h3 { font-size: 11pt; }"
    "table { border-collapse: collapse; } td, th { border: 1px solid #999; padding: 2px 6px; }"
    "th { background: #e8e8e8; text-align: left; } table.screens td { border: none; }";

} // namespace

TSheetDocument BuildSettingsSheet(const TMK& m, const TSheetSource& source) {
    const TSettingContext c = SettingContextOf(m);
    TSheetDocument sheet;
    QString body = Heading(1, kTitle.text()) + QStringLiteral("<table class=\"info\">\n") +
                   Row(kDevice.text(), DeviceTypeText(m.DeviceVersion)) +
                   Row(kSettingsVersion.text(), QString::number(m.SettingsVersion())) +
                   Row(kSource.text(), source.origin) +
                   Row(kPrinted.text(), QLocale().toString(source.printed, QLocale::ShortFormat)) +
                   QStringLiteral("</table>\n");
    body += SettingsPages(m, c);
    if (SettingPageOffered("tsBlocks", c)) body += UnitsPolled(m);
    body += TareTable(m);
    body += Reminders(m, c);
    body += HotMenus(m, c);
    body += Screens(m, sheet.images);
    sheet.html =
        QStringLiteral("<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\">"
                       "<head><meta charset=\"utf-8\"/><title>%1</title>"
                       "<style type=\"text/css\">%2</style></head>\n<body>\n%3</body></html>\n")
            .arg(Escaped(kTitle.text() + QStringLiteral(" — ") + DeviceTypeText(m.DeviceVersion)),
                 QString::fromLatin1(kStyle), body);
    return sheet;
}
