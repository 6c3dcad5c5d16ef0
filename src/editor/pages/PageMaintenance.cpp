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
#include <QScopedValueRollback>
#include <QValidator>

namespace {

using enum TCtlKind;

constexpr int NameEditChars = 18; // room for the 15 characters of a name and the frame
constexpr auto Bare = TRowLabel::Bare;

// One reminder line: its switch, the edit of its user-given name (or its caption beside the
// counter), its counter.
struct TCounterLine {
    TControlRow check;
    TControlRow name; // no setting: the counter's own caption stands in a label
    TControlRow counter;
};

// clang-format off
const TCounterLine kCounterLines[] = {
    {{Check, "TOFlag_AirFiltCntK", "cbAirFiltCntK", 0, Bare},   {},                                          {Spin, "AirFiltCntK"}},
    {{Check, "TOFlag_KPPOilCntK", "cbKPPOilCntK", 0, Bare},     {},                                          {Spin, "KPPOilCntK"}},
    {{Check, "TOFlag_ForsTOCntK", "cbForsTOCntK", 0, Bare},     {Text, "ForsTOName", "eForsTOCntK", 0, Bare},     {Spin, "ForsTOCntK", nullptr, 0, TRowLabel::UnitOnly}},
    {{Check, "TOFlag_GRMStrapCntK", "cbGRMStrapCntK", 0, Bare}, {Text, "GRMStrapName", "eGRMStrapCntK", 0, Bare}, {Spin, "GRMStrapCntK", nullptr, 0, TRowLabel::UnitOnly}},
    {{Check, "TOFlag_CoolLiqCntK", "cbCoolLiqCntK", 0, Bare},   {},                                          {Spin, "CoolLiqCntK"}},
    {{Check, "TOFlag_EngOilCntK", "cbEngOilCntK", 0, Bare},     {},                                          {Spin, "EngOilCntK"}},
    {{Check, "TOFlag_CandleCntK", "cbCandleCntK", 0, Bare},     {Text, "CandleName", "eCandleCntK", 0, Bare},     {Spin, "CandleCntK", nullptr, 0, TRowLabel::UnitOnly}},
};

// Models with a service counter count the next technical service in hundreds of km, shown
// as thousands with one decimal.
const TControlRow kServiceCounter{Spin, "TSCounter", "seAirFiltCntK"};

struct TDateLine {
    TControlRow check;
    TControlRow date;
};
const TDateLine kDateLines[] = {
    {{Check, "TOFlag_TO", "cbTO", 0, Bare},       {Date, "TO"}},
    {{Check, "TOFlag_OSAGO", "cbOSAGO", 0, Bare}, {Date, "OSAGO"}},
};

const TControlRow kEngineHourRows[] = {
    {Check, "TOFlag_MotoHour", "cbMotoHour", 0, Bare},
    {Spin, "MotoHourLim"},
};
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

QString MarkName(const TControlRow& date) {
    return QLatin1Char('l') + ControlBaseName(RowControlName(date)) + QStringLiteral("Mark");
}

QLabel* UnitLabel(QWidget* box, const TControlRow& row) {
    return box->findChild<QLabel*>(QLatin1Char('l') + ControlBaseName(RowControlName(row)) +
                                   QStringLiteral("Unit"));
}

QLabel* CaptionLabel(QWidget* box, const TControlRow& row) {
    return box->findChild<QLabel*>(QLatin1Char('l') + ControlBaseName(RowControlName(row)));
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
    for (const TCounterLine& line : kCounterLines) {
        const TControlRow& counterRow =
            &line == &kCounterLines[0] && Caps().CapTSCounter ? kServiceCounter : line.counter;
        grid->addWidget(b.Create(line.check, box), r, 0);
        QWidget* counter = b.Create(counterRow, box);
        if (line.name.setting) {
            auto* name = static_cast<QLineEdit*>(b.Create(line.name, box));
            name->setValidator(new TDeviceTextValidator(name));
            name->setMinimumWidth(name->fontMetrics().averageCharWidth() * NameEditChars);
            grid->addWidget(name, r, 1);
            // The counter and its switch are named after the item, for screen readers too.
            b.OnCommitted(name->objectName(), [this] {
                const QScopedValueRollback refreshing(Frame().Refreshing, true);
                Binder().RefreshDescribed();
            });
        } else {
            grid->addWidget(CaptionLabel(box, counterRow), r, 1);
        }
        grid->addWidget(counter, r, 2);
        grid->addWidget(UnitLabel(box, counterRow), r, 3);
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
        QLabel* caption = CaptionLabel(box, line.date);
        auto* mark = b.Caption(new QLabel(box), {"no valid date stored", "записана неверная дата"});
        mark->setObjectName(MarkName(line.date));
        mark->setStyleSheet(QStringLiteral("color: #c00000;"));
        mark->hide();
        grid->addWidget(b.Create(line.check, box), r, 0);
        grid->addWidget(caption, r, 1);
        grid->addWidget(date, r, 2);
        grid->addWidget(mark, r, 3);
        const TControlRow* row = &line.date;
        b.OnCommitted(RowControlName(*row), [this, row] { ShowDateMark(*row); });
        ++r;
    }
}

void TPageMaintenance::ShowDateMark(const TControlRow& date) {
    const auto stored = std::uint32_t(Model().Get(date.setting));
    const bool exact = DayNumberToCalendarDay(stored).exact;
    auto* mark = Find<QLabel>(MarkName(date));
    mark->setVisible(!exact);
    mark->setToolTip(exact ? QString()
                           : Tx("Stored day number: %1", "Записанный номер дня: %1").arg(stored));
}

void TPageMaintenance::Load() {
    TEditorPage::Load();
    for (const TDateLine& line : kDateLines)
        ShowDateMark(line.date);
}

void TPageMaintenance::bTOSaveClick() {
    SaveSideFile(MaintenanceSideFile, Model());
}

void TPageMaintenance::bTOLoadClick() {
    if (!LoadSideFile(MaintenanceSideFile, Model())) return;
    // The file also holds the unit selection, the universal input and the temperature
    // caption: every page shows the loaded values at once.
    RelabelMeasPars(Model());
    const QScopedValueRollback refreshing(Frame().Refreshing, true);
    Frame().LoadPages();
}
