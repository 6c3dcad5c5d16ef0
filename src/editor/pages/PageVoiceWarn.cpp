#include "PageVoiceWarn.h"

#include "EditorLayout.h"
#include "MK_SetParamsH.h"
#include "Pars32H.h"
#include "RadioGroup.h"

#include <QLabel>
#include <QRadioButton>

namespace {

constexpr int FirstVoiceChoice = 3; // choices 3 and 4 need voice output
constexpr int SideLightsChoice = 2; // "by the side lights" of the brightness and scheme switches

constexpr TText kNoVoice{"no voice output on this device model",
                         "на этой модели нет голосового вывода"};
constexpr TText kNoLights{"no side-light input on this device model",
                          "на этой модели нет входа габаритов"};

struct TWarnGroup {
    const char* name; // objectName of the group box
    TText title;
    int column;
};

// clang-format off
constexpr TWarnGroup kGroups[] = {
    {"gbapSupply",    {"Battery and speed", "АКБ и скорость"},  0},
    {"gbapFuel",      {"Fuel", "Топливо"},                      0},
    {"gbapReminders", {"Reminders", "Напоминания"},             0},
    {"gbapEngine",    {"Engine and gearbox", "Двигатель и КПП"}, 1},
    {"gbapHybrid",    {"Hybrid and trim", "Гибрид и трим"},     1},
};
constexpr int ColumnCount = 2;

// Where each warning stands; what it is (its sound byte, caption and when it is offered)
// is its setting "Alarm" + stem.
struct TWarnRow {
    const char* stem; // groups "rgap<stem>_F" and "rgap<stem>_N", label "lap<stem>"
    bool repeated;    // has the repeated-warning group
    int group;        // place in kGroups
};

constexpr TWarnRow kRows[] = {
    // stem                    repeated group
    {"UAccHigh",              true,  0},
    {"UAccLow",               true,  0},
    {"Vel",                   true,  0},
    {"Rev",                   true,  0},
    {"100",                   true,  0},
    {"100Down",               true,  0},
    {"Tank",                  true,  1},
    {"TankFull",              false, 1},
    {"InjTime",               false, 1},
    {"Econom",                true,  1},
    {"TO",                    false, 2},
    {"Error",                 false, 2},
    {"Holo",                  true,  2},
    {"Gabar",                 false, 2},
    {"Lights",                false, 2},
    {"LiqTempHigh",           true,  3},
    {"EngTemperHigh",         true,  3},
    {"LiqTempReady",          false, 3},
    {"TemperOilEngHigh",      true,  3},
    {"TemperOilAKPPHigh",     true,  3},
    {"CVTFDeterior",          false, 3},
    {"RetarderOilTemperHigh", true,  3},
    {"SFilter",               false, 3},
    {"WaterInFuel",           true,  3},
    {"HVBTemperHigh",         true,  4},
    {"InvTemperHigh",         true,  4},
    {"TrimLow",               true,  4},
    {"TrimHigh",              true,  4},
};
// clang-format on

const TSettingDesc& SettingOf(const TWarnRow& row) {
    return SettingByName(QByteArray("Alarm").append(row.stem).toStdString());
}

// Another row sounds the same warning byte (the protocol decides which one is shown).
bool SharesItsByte(const TWarnRow& row) {
    for (const TWarnRow& other : kRows)
        if (&other != &row && SettingOf(other).index == SettingOf(row).index) return true;
    return false;
}

QString GroupName(const TWarnRow& row, bool repeated) {
    return QStringLiteral("rgap%1_%2").arg(QString::fromUtf8(row.stem), repeated ? "N" : "F");
}

QString LabelName(const TWarnRow& row) {
    return QStringLiteral("lap") + QString::fromUtf8(row.stem);
}

QStringList Groups(const TWarnRow& row) {
    QStringList names{GroupName(row, false)};
    if (row.repeated) names << GroupName(row, true);
    return names;
}

} // namespace

void TPageVoiceWarn::Build(QWidget* page) {
    TControlBinder& b = Binder();
    const std::vector<QVBoxLayout*> columns = MakeColumns(page, ColumnCount);
    for (int g = 0; g < int(std::size(kGroups)); ++g) {
        const TWarnGroup& group = kGroups[g];
        QGridLayout* grid =
            AddGroup(b, columns[std::size_t(group.column)], group.name, group.title);
        QWidget* box = grid->parentWidget();
        int r = 0;
        // A heading over each column of choices, once at the top of each page column.
        if (g == 0 || kGroups[g - 1].column != group.column) {
            const QString column = QString::number(group.column);
            auto heading = [&](const char* name, TText text, TText tip, int at) {
                auto* l = b.Caption(new QLabel(box), text);
                l->setObjectName(QString::fromUtf8(name) + column);
                l->setToolTip(tip.text());
                grid->addWidget(l, r, at);
            };
            heading("lapFirst", {"First", "Первое"},
                    {"Sound of the first warning", "Звук первого предупреждения"}, 1);
            heading("lapRepeated", {"Repeated", "Повторные"},
                    {"Sound of the repeated warnings", "Звук повторных предупреждений"}, 2);
            ++r;
        }
        for (const TWarnRow& row : kRows) {
            if (row.group != g) continue;
            auto* label = new QLabel(box); // worded by its setting (ApplyAvailability)
            label->setObjectName(LabelName(row));
            grid->addWidget(label, r, 0);
            const QByteArray first = GroupName(row, false).toUtf8();
            const QByteArray repeated = GroupName(row, true).toUtf8();
            const TControlRow control{.kind = TCtlKind::SoundPair,
                                      .setting = SettingOf(row).name,
                                      .name = first.constData(),
                                      .label = TRowLabel::Bare,
                                      .partner = row.repeated ? repeated.constData() : nullptr};
            label->setBuddy(b.Create(control, box));
            int at = 1;
            for (const QString& name : Groups(row))
                grid->addWidget(b.Control(name), r, at++, Qt::AlignLeft);
            ++r;
        }
    }
    for (QVBoxLayout* column : columns)
        column->addStretch();
}

void TPageVoiceWarn::ApplyAvailability() {
    const TSettingContext context = SettingContextOf(Model());
    const bool noVoice = context.caps.CapNoVoice;
    TControlBinder& b = Binder();
    for (const TWarnRow& row : kRows) {
        const TSettingDesc& setting = SettingOf(row);
        const bool shown = SettingOffered(setting, context);
        auto* label = Find<QLabel>(LabelName(row));
        label->setText(SettingCaption(setting, context));
        label->setVisible(shown);
        b.SetShown(GroupName(row, false), shown);
        for (const QString& name : Groups(row)) {
            auto* group = static_cast<TRadioGroup*>(b.Control(name));
            for (int c = FirstVoiceChoice; c < group->count(); ++c) {
                group->setItemEnabled(c, !noVoice);
                group->button(c)->setToolTip(noVoice ? kNoVoice.text() : QString());
            }
        }
        // Two rows share a byte: the one shown now shows it as stored.
        if (shown && SharesItsByte(row)) b.Load(GroupName(row, false));
    }
    // The display's brightness and colour scheme cannot follow side lights the model lacks.
    for (const char* name : {"rgIntenseMeth", "rgColorMeth"})
        if (auto* group = Frame().findChild<TRadioGroup*>(QString::fromUtf8(name));
            group && group->button(SideLightsChoice)) {
            group->setItemEnabled(SideLightsChoice, !context.caps.CapNoLights);
            group->button(SideLightsChoice)
                ->setToolTip(context.caps.CapNoLights ? kNoLights.text() : QString());
        }
    UpdateGroupVisibility(Widget());
}
