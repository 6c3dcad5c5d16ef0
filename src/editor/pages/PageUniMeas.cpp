#include "PageUniMeas.h"

#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "ParamRelabel.h"
#include "Pars32H.h"
#include "Prompt.h"

#include <QFontDatabase>
#include <QLabel>

namespace {

using enum TCtlKind;

// clang-format off
// Captions stand in the table's heading and first column, not beside each edit.
constexpr TControlRow kPointRows[] = {
    // kind  setting        name     element label
    {Spin, "UniMeasDat0",  nullptr, 0,      TRowLabel::Bare},
    {Spin, "UniMeasADC0",  nullptr, 0,      TRowLabel::Bare},
    {Spin, "UniMeasDat1",  nullptr, 0,      TRowLabel::Bare},
    {Spin, "UniMeasADC1",  nullptr, 0,      TRowLabel::Bare},
};

constexpr TControlRow kTrimRows[] = {
    {Radio, "TrimMeth", "sgTrimMeth"},
};

// What the input measures decides the caption of the temperature the device shows.
constexpr TControlRow kTemperRows[] = {
    {Radio, "AirWaterShow"},
};
// clang-format on

constexpr TText kPointNames[] = {{"Min", "Мин"}, {"Max", "Макс"}};

// Character columns of the heading "  #           Data             ADC".
constexpr int HeadNumberChars = 12;
constexpr int HeadDataChars = 17;

} // namespace

void TPageUniMeas::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    TControlBinder& b = Binder();
    QGridLayout* grid =
        AddGroup(b, columns[0], "gbUniMeas", {"Universal input", "Универсальный вход"});
    QWidget* box = grid->parentWidget();

    // The heading is one fixed-pitch line; the columns below are sized to stand under it.
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    auto* head = b.Caption(new QLabel(box), {"  #           Data             ADC",
                                             "  #           Показания        АЦП"});
    head->setObjectName(QStringLiteral("lUniMeasHead"));
    head->setFont(fixed);
    grid->addWidget(head, 0, 0, 1, 3);
    const QFontMetrics fm(fixed);
    grid->setHorizontalSpacing(0);
    grid->setColumnMinimumWidth(0, fm.horizontalAdvance(QString(HeadNumberChars, u' ')));
    grid->setColumnMinimumWidth(1, fm.horizontalAdvance(QString(HeadDataChars, u' ')));
    grid->setColumnStretch(3, 1);
    for (int point = 0; point < 2; ++point) {
        auto* name = b.Caption(new QLabel(box), kPointNames[point]);
        name->setObjectName(QStringLiteral("lUniMeasPoint%1").arg(point));
        grid->addWidget(name, point + 1, 0);
        grid->addWidget(b.Create(kPointRows[2 * point], box), point + 1, 1, Qt::AlignLeft);
        grid->addWidget(b.Create(kPointRows[2 * point + 1], box), point + 1, 2, Qt::AlignLeft);
    }
    AddRowsGroup(b, columns[1], "gbTrimSource", {"Trim source", "Источник трима"}, kTrimRows);
    AddRowsGroup(b, columns[1], "gbAirWaterShow", {"Temperature caption", "Подпись температуры"},
                 kTemperRows);
    b.OnCommitted("rgAirWaterShow", [this] { rgAirWaterShowClick(); });
    for (int which = 0; which < 2; ++which)
        b.SetValidator(QStringLiteral("seUniMeasADC%1").arg(which),
                       [this, which](double reading) { return seUniMeasADCExit(which, reading); });
    for (auto* column : columns)
        column->addStretch();
}

void TPageUniMeas::rgAirWaterShowClick() {
    RelabelMeasPars(Model());
    Frame().RefreshVisiblePage(); // previews and lists show the new caption
}

bool TPageUniMeas::seUniMeasADCExit(int which, double reading) {
    if (std::int64_t(reading) != Model().Get("UniMeasADC", 1 - which)) return true;
    ShowError(
        Tx("Min and Max ADC Values should differ.", "Значения АЦП Мин и Макс должны различаться."));
    return false;
}
