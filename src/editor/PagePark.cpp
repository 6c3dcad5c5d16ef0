#include "PagePark.h"

#include "EditorLayout.h"

#include <QLabel>

namespace {

using enum TCtlKind;
using enum TConv;

constexpr TText kCm{"cm", "см"};

// One line of the two-channel grid: its caption and unit, the rear and the front control.
struct TParkPair {
    const char* label; // objectName of the caption
    TText caption;
    TText unit;
    TControlRow rear;
    TControlRow front;
};

// clang-format off
constexpr TParkPair kPairs[] = {
    {"lParkUse", {"Radar used", "Радар используется"}, {},
        {"cbParkUse0",          Check, {}, {},  0,   0,  0, 0, Plain},
        {"cbParkUse1",          Check, {}, {},  0,   0,  0, 0, Plain}},
    {"lParkProbesQntReal", {"Number of sensors", "Количество датчиков"}, {},
        {"seParkProbesQntReal0", Spin, {}, {},  2,   4,  1, 0, Plain},
        {"seParkProbesQntReal1", Spin, {}, {},  2,   4,  1, 0, Plain}},
    {"lParkSense", {"Sensitivity", "Чувствительность"}, {},
        {"seParkSense0",        Spin,  {}, {},  1,   7,  1, 0, Plain},
        {"seParkSense1",        Spin,  {}, {},  1,   7,  1, 0, Plain}},
    {"lParkSpeed", {"Response speed", "Скорость реакции"}, {},
        {"seParkSpeed0",        Spin,  {}, {},  1,   3,  1, 0, Plain},
        {"seParkSpeed1",        Spin,  {}, {},  1,   3,  1, 0, Plain}},
    {"lParkMinLeng", {"Alarm distance", "Дистанция тревоги"}, kCm,
        {"seParkMinLeng0",      Spin,  {}, {}, 30,  90, 10, 0, Div10},
        {"seParkMinLeng1",      Spin,  {}, {}, 30,  90, 10, 0, Div10}},
    {"lParkStopVel", {"ParkStop / parking speed", "Скорость ParkStop / парковки"}, {"km/h", "км/ч"},
        {"seParkStopVel0",      Spin,  {}, {},  0,  20,  1, 0, Plain},
        {"seParkStopVel1",      Spin,  {}, {},  0,  90,  1, 0, Plain}},
    {"lParkStopLeng", {"ParkStop / parking distance", "Дистанция ParkStop / парковки"}, kCm,
        {"seParkStopLeng0",     Spin,  {}, {}, 40, 250, 10, 0, Div10},
        {"seParkStopLeng1",     Spin,  {}, {}, 50, 250, 10, 0, Div10}},
};

constexpr TText kBeepTypes[] = {{"None", "Нет"}, {"Buzzer", "Zumm"}, {"Warning", "Пред."}, {"Voice", "Голос"}};
constexpr TText kFrontModes[] = {{"On", "Вкл"}, {"On for 3 s", "Вкл3с"}, {"With reverse gear", "ДвЗад"}};

constexpr TControlRow kSharedRows[] = {
    // name                 kind   caption                                               unit  min  max step dec conversion
    {"rgParkBeepType",      Radio, {"Warning", "Сигнал"},                                 {},    0,   0,  0, 0, Plain, kBeepTypes},
    {"seParkStopLengBeep",  Spin,  {"Stop buzz distance (rear)", "Дистанция сигнала стоп (задний)"}, kCm, 40, 250, 10, 0, Div10},
    {"rgParkForwConstOff",  Radio, {"Front radar", "Передний радар"},                     {},    0,   0,  0, 0, Plain, kFrontModes},
    {"seParkFarkopLen",     Spin,  {"Tow bar length", "Длина фаркопа"},                   kCm,   0,  50,  1, 0, Plain},
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
        if (p.unit.en) {
            auto* u = b.Caption(new QLabel(box), p.unit);
            u->setObjectName(QString::fromUtf8(p.label) + QStringLiteral("Unit"));
            grid->addWidget(u, r, 3);
        }
        ++r;
    }
    AddRowsGroup(b, columns[1], "gbParkShared", {"Warning", "Предупреждение"}, kSharedRows);
    for (auto* column : columns)
        column->addStretch();
}
