#include "PagePark.h"

#include "EditorLayout.h"

#include <QLabel>

namespace {

using enum TCtlKind;

constexpr auto Bare = TRowLabel::Bare;

// One line of the two-channel grid: its caption, the rear and the front control; the unit
// is the settings'.
struct TParkPair {
    const char* label; // objectName of the caption
    TText caption;
    TControlRow rear;
    TControlRow front;
};

// clang-format off
constexpr TParkPair kPairs[] = {
    {"lParkUse", {"Radar used", "Радар используется"},
        {Check, "ParkUse0",           nullptr, 0, Bare}, {Check, "ParkUse1",           nullptr, 0, Bare}},
    {"lParkProbesQntReal", {"Number of sensors", "Количество датчиков"},
        {Spin,  "ParkProbesQntReal0", nullptr, 0, Bare}, {Spin,  "ParkProbesQntReal1", nullptr, 0, Bare}},
    {"lParkSense", {"Sensitivity", "Чувствительность"},
        {Spin,  "ParkSense0",         nullptr, 0, Bare}, {Spin,  "ParkSense1",         nullptr, 0, Bare}},
    {"lParkSpeed", {"Response speed", "Скорость реакции"},
        {Spin,  "ParkSpeed0",         nullptr, 0, Bare}, {Spin,  "ParkSpeed1",         nullptr, 0, Bare}},
    {"lParkMinLeng", {"Alarm distance", "Дистанция тревоги"},
        {Spin,  "ParkMinLeng0",       nullptr, 0, Bare}, {Spin,  "ParkMinLeng1",       nullptr, 0, Bare}},
    {"lParkStopVel", {"ParkStop / parking speed", "Скорость ParkStop / парковки"},
        {Spin,  "ParkStopVel0",       nullptr, 0, Bare}, {Spin,  "ParkStopVel1",       nullptr, 0, Bare}},
    {"lParkStopLeng", {"ParkStop / parking distance", "Дистанция ParkStop / парковки"},
        {Spin,  "ParkStopLeng0",      nullptr, 0, Bare}, {Spin,  "ParkStopLeng1",      nullptr, 0, Bare}},
};

constexpr TControlRow kSharedRows[] = {
    {Radio, "ParkBeepType"},
    {Spin,  "ParkStopLengBeep"},
    {Radio, "ParkForwConstOff"},
    {Spin,  "ParkFarkopLen"},
};
// clang-format on

} // namespace

void TPagePark::Build(QWidget* page) {
    auto columns = MakeColumns(page, 2);
    TControlBinder& b = Binder();
    QGridLayout* grid = AddGroup(b, columns[0], "gbParkRadars", {"Radars", "Радары"});
    QWidget* box = grid->parentWidget();
    auto heading = [&](const char* name, TText text, int column) {
        auto* l = b.Caption(new QLabel(box), text);
        l->setObjectName(QString::fromUtf8(name));
        grid->addWidget(l, 0, column, Qt::AlignLeft);
    };
    heading("lParkRear", {"Rear", "Задний"}, 1);
    heading("lParkFront", {"Front", "Передний"}, 2);
    int r = 1;
    for (const TParkPair& p : kPairs) {
        auto* l = b.Caption(new QLabel(box), p.caption);
        l->setObjectName(QString::fromUtf8(p.label));
        grid->addWidget(l, r, 0);
        grid->addWidget(b.Create(p.rear, box), r, 1, Qt::AlignLeft);
        grid->addWidget(b.Create(p.front, box), r, 2, Qt::AlignLeft);
        if (const TSettingDesc& rear = SettingByName(p.rear.setting); rear.unit.en) {
            auto* u = b.Caption(new QLabel(box), rear.unit);
            u->setObjectName(QString::fromUtf8(p.label) + QStringLiteral("Unit"));
            grid->addWidget(u, r, 3);
        }
        ++r;
    }
    AddRowsGroup(b, columns[1], "gbParkShared", {"Warning", "Предупреждение"}, kSharedRows);
    for (auto* column : columns)
        column->addStretch();
}
