#include "PageMaintenance.h"

#include "DeviceText.h"
#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "ParamRelabel.h"
#include "Pars32H.h"
#include "ProtsH.h"
#include "SideFileButtons.h"
#include "ValueConversions.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

namespace {

using enum TCtlKind;
using enum TConv;

constexpr TText kThousandKm{"th.km", "тыс.км"};
constexpr int MaxCounter = 99;
constexpr int MaxEngineHours = 3000;
constexpr int NameEditChars = 18; // room for the 15 characters of a name and the frame

// One reminder line: its switch, its caption or the edit of its user-given name, its counter.
struct TCounterLine {
    TControlRow check;
    TText caption;    // empty when the user names the item
    TControlRow name; // the name's edit; no name for a line with a caption
    TControlRow counter;
};

// clang-format off
#define TO_CHECK(control, bit) {control, Check, {}, {}, 0, 0, 0, 0, Plain, {}, bit}
#define TO_NAME(control, field) {control, Text, {}, {}, 0, 0, 0, 0, Plain, {}, field}
#define TO_COUNTER(control) {control, Spin, {}, kThousandKm, 0, MaxCounter, 1, 0, Plain}
const TCounterLine kCounterLines[] = {
    {TO_CHECK("cbAirFiltCntK", "TOFlag_AirFiltCntK"),   {"Air filt.repl.", "Замена.возд.ф."},     {}, TO_COUNTER("seAirFiltCntK")},
    {TO_CHECK("cbKPPOilCntK", "TOFlag_KPPOilCntK"),     {"Gearbox oil repl.", "Замена мас.КПП"},  {}, TO_COUNTER("seKPPOilCntK")},
    {TO_CHECK("cbForsTOCntK", "TOFlag_ForsTOCntK"),     {}, TO_NAME("eForsTOCntK", "ForsTOName"),     TO_COUNTER("seForsTOCntK")},
    {TO_CHECK("cbGRMStrapCntK", "TOFlag_GRMStrapCntK"), {}, TO_NAME("eGRMStrapCntK", "GRMStrapName"), TO_COUNTER("seGRMStrapCntK")},
    {TO_CHECK("cbCoolLiqCntK", "TOFlag_CoolLiqCntK"),   {"Coolant repl.", "Замена охл.жидк."},    {}, TO_COUNTER("seCoolLiqCntK")},
    {TO_CHECK("cbEngOilCntK", "TOFlag_EngOilCntK"),     {"Engine oil repl.", "Замена масла дв."}, {}, TO_COUNTER("seEngOilCntK")},
    {TO_CHECK("cbCandleCntK", "TOFlag_CandleCntK"),     {}, TO_NAME("eCandleCntK", "CandleName"),     TO_COUNTER("seCandleCntK")},
};

// Models with a service counter count the next technical service in hundreds of km, shown
// as thousands with one decimal.
const TCounterLine kServiceCounterLine =
    {TO_CHECK("cbAirFiltCntK", "TOFlag_AirFiltCntK"), {"TS th.km", "ТО тыс.км"}, {},
     {"seAirFiltCntK", Spin, {}, kThousandKm, 0, 9.9, 0.1, 1, Mul10}};

struct TDateLine {
    TControlRow check;
    TText caption;
    TControlRow date;
};
const TDateLine kDateLines[] = {
    {TO_CHECK("cbTO", "TOFlag_TO"),       {"Next TS date", "Дата след.ТО"},            {"deTO", Date}},
    {TO_CHECK("cbOSAGO", "TOFlag_OSAGO"), {"Insurance payment date", "Дата опл.ОСАГО"}, {"deOSAGO", Date}},
};

const TControlRow kEngineHourRows[] = {
    TO_CHECK("cbMotoHour", "TOFlag_MotoHour"),
    {"seMotoHourLim", Spin, {"Engine hours", "Моточасы"}, {"h", "ч"}, 0, MaxEngineHours, 1, 0, Plain},
};
#undef TO_CHECK
#undef TO_NAME
#undef TO_COUNTER
// clang-format on

// Takes the characters the trip computer's code page has; the zero byte that ends a name
// and control characters are refused.
class TDeviceTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            const QString one(c);
            if (c.unicode() < u' ' || DecodeDeviceText(EncodeDeviceText(one)) != one)
                return Invalid;
        }
        return Acceptable;
    }
};

QString MarkName(const char* edit) {
    return QLatin1Char('l') + QString::fromLatin1(edit + 2) + QStringLiteral("Mark");
}

QLabel* UnitLabel(QWidget* box, const TControlRow& row) {
    return box->findChild<QLabel*>(QLatin1Char('l') + QString::fromLatin1(row.name + 2) +
                                   QStringLiteral("Unit"));
}

} // namespace

void TPageMaintenance::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    TControlBinder& b = Binder();
    BuildCounters(AddGroup(b, columns[0], "gbTOCounters",
                           {"Reminders by mileage", "Напоминания по пробегу"}));
    BuildDates(AddGroup(b, columns[1], "gbTODates", {"Reminders by date", "Напоминания по дате"}));

    QGridLayout* hours = AddGroup(b, columns[1], "gbTOMotoHour",
                                  {"Reminder by engine hours", "Напоминание по моточасам"});
    QWidget* box = hours->parentWidget();
    hours->addWidget(b.Create(kEngineHourRows[0], box), 0, 0);
    hours->addWidget(b.Create(kEngineHourRows[1], box), 0, 2);
    hours->addWidget(b.Label(QStringLiteral("seMotoHourLim")), 0, 1);
    hours->addWidget(UnitLabel(box, kEngineHourRows[1]), 0, 3);

    // The buttons stand in a plain column: the page's label columns are lined up by grid.
    auto* fileBox = b.Caption(new QGroupBox, {"TS settings file", "Файл настроек ТО"});
    fileBox->setObjectName(QStringLiteral("gbTOFile"));
    auto* file = new QVBoxLayout(fileBox);
    auto* save = b.Caption(new QPushButton(fileBox), MaintenanceSideFile.saveCaption);
    auto* load = b.Caption(new QPushButton(fileBox), MaintenanceSideFile.loadCaption);
    save->setObjectName(QStringLiteral("bTOSave"));
    load->setObjectName(QStringLiteral("bTOLoad"));
    file->addWidget(save);
    file->addWidget(load);
    columns[1]->addWidget(fileBox);
    for (QPushButton* button : {save, load})
        button->setAutoDefault(false);
    QObject::connect(save, &QPushButton::clicked, page, [this] { bTOSaveClick(); });
    QObject::connect(load, &QPushButton::clicked, page, [this] { bTOLoadClick(); });
    for (auto* column : columns)
        column->addStretch();
}

void TPageMaintenance::BuildCounters(QGridLayout* grid) {
    TControlBinder& b = Binder();
    QWidget* box = grid->parentWidget();
    int r = 0;
    for (const TCounterLine& plain : kCounterLines) {
        const TCounterLine& line =
            &plain == &kCounterLines[0] && Caps().CapTSCounter ? kServiceCounterLine : plain;
        grid->addWidget(b.Create(line.check, box), r, 0);
        QWidget* counter = b.Create(line.counter, box);
        if (line.name.name) {
            auto* name = static_cast<QLineEdit*>(b.Create(line.name, box));
            name->setValidator(new TDeviceTextValidator(name));
            name->setMinimumWidth(name->fontMetrics().averageCharWidth() * NameEditChars);
            grid->addWidget(name, r, 1);
        } else {
            auto* caption = b.Caption(new QLabel(box), line.caption);
            caption->setObjectName(QLatin1Char('l') + QString::fromLatin1(line.counter.name + 2));
            caption->setBuddy(counter);
            grid->addWidget(caption, r, 1);
        }
        grid->addWidget(counter, r, 2);
        grid->addWidget(UnitLabel(box, line.counter), r, 3);
        ++r;
    }
}

void TPageMaintenance::BuildDates(QGridLayout* grid) {
    TControlBinder& b = Binder();
    QWidget* box = grid->parentWidget();
    int r = 0;
    for (const TDateLine& line : kDateLines) {
        auto* date = static_cast<QDateEdit*>(b.Create(line.date, box));
        // The calendar in the user's language.
        date->setLocale(EnglishVersion ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                       : QLocale(QLocale::Russian, QLocale::Russia));
        date->calendarWidget()->setWindowTitle(Tx("Date selection", "Выбор даты"));
        date->calendarWidget()->setGridVisible(true);
        auto* caption = b.Caption(new QLabel(box), line.caption);
        caption->setObjectName(QLatin1Char('l') + QString::fromLatin1(line.date.name + 2));
        caption->setBuddy(date);
        auto* mark = b.Caption(new QLabel(box), {"no valid date stored", "записана неверная дата"});
        mark->setObjectName(MarkName(line.date.name));
        mark->setStyleSheet(QStringLiteral("color: #c00000;"));
        mark->hide();
        grid->addWidget(b.Create(line.check, box), r, 0);
        grid->addWidget(caption, r, 1);
        grid->addWidget(date, r, 2);
        grid->addWidget(mark, r, 3);
        const char* edit = line.date.name;
        b.OnCommitted(QString::fromLatin1(edit), [this, edit] { ShowDateMark(edit, edit + 2); });
        ++r;
    }
}

void TPageMaintenance::ShowDateMark(const char* edit, const char* field) {
    const auto stored = std::uint32_t(Model().Get(field));
    const bool exact = DayNumberToCalendarDay(stored).exact;
    auto* mark = Find<QLabel>(MarkName(edit));
    mark->setVisible(!exact);
    mark->setToolTip(exact ? QString()
                           : Tx("Stored day number: %1", "Записанный номер дня: %1").arg(stored));
}

void TPageMaintenance::Load() {
    TEditorPage::Load();
    for (const TDateLine& line : kDateLines)
        ShowDateMark(line.date.name, line.date.name + 2);
}

void TPageMaintenance::bTOSaveClick() {
    SaveSideFile(MaintenanceSideFile, Model());
}

void TPageMaintenance::bTOLoadClick() {
    if (!LoadSideFile(MaintenanceSideFile, Model())) return;
    // The file also holds the unit selection, the universal input and the temperature
    // caption: every page shows the loaded values at once.
    RelabelMeasPars(Model());
    const bool wasRefreshing = Frame().Refreshing;
    Frame().Refreshing = true;
    Frame().LoadPages();
    Frame().Refreshing = wasRefreshing;
}
