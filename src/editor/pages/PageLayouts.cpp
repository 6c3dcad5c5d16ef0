#include "PageLayouts.h"

#include "ControlBinder.h"
#include "EditorLayout.h"
#include "MeasParsH.h"
#include "Pars32H.h"
#include "SettingsScreens.h"

#include <QCheckBox>
#include <QLabel>

namespace {

using enum TCtlKind;
using enum TScreenKind;

constexpr int X1BoxRows = 10; // the x1 boxes fill columns of ten

// clang-format off
constexpr TPreviewRow kParams4_1[] = {
    // name          kind screen caption
    {"pbDigit4_1",   X4,  0,     {"Display 1", "Дисплей 1"}},
    {"pbDigit4_2",   X4,  1,     {"Display 2", "Дисплей 2"}},
    {"pbDigit4_3",   X4,  2,     {"Display 3", "Дисплей 3"}},
};
constexpr TPreviewRow kParams4_2[] = {
    {"pbDigit4_4",   X4,  3,     {"Display 4", "Дисплей 4"}},
    {"pbDigit4_5",   X4,  4,     {"Display 5", "Дисплей 5"}},
    {"pbDigit4_6",   X4,  5,     {"Display 6", "Дисплей 6"}},
};
constexpr TPreviewRow kParams9[] = {
    {"pbDigit9_1",   X9,  0,     {"Display 1", "Дисплей 1"}},
    {"pbDigit9_2",   X9,  1,     {"Display 2", "Дисплей 2"}},
    {"pbDigit9_3",   X9,  2,     {"Display 3", "Дисплей 3"}},
};
constexpr TPreviewRow kParams6[] = {
    {"pbDigit6_1",   X6,  0,     {"Display 1", "Дисплей 1"}},
    {"pbDigit6_2",   X6,  1,     {"Display 2", "Дисплей 2"}},
};
constexpr TPreviewRow kInfoPanel[] = {
    {"pbDig1",       X1,  0,     {"The bar at the bottom of the one-value screens", "Нижняя панель дисплеев х1"}},
};

constexpr TControlRow kShow4_1[] = {
    // kind   setting
    {Check, "ShowDisp_4_0"},
    {Check, "ShowDisp_4_1"},
    {Check, "ShowDisp_4_2"},
};
constexpr TControlRow kShow4_2[] = {
    {Check, "ShowDisp_4_3"},
    {Check, "ShowDisp_4_4"},
    {Check, "ShowDisp_4_5"},
};
constexpr TControlRow kShow9[] = {
    {Check, "ShowDisp_9_0"},
    {Check, "ShowDisp_9_1"},
    {Check, "ShowDisp_9_2"},
};
constexpr TControlRow kShow6[] = {
    {Check, "ShowDisp_6_0"},
    {Check, "ShowDisp_6_1"},
};

constexpr TLayoutDef kLayout4_1{kParams4_1, kShow4_1, "gbShowDisp4_1", "pmDig4", 3};
constexpr TLayoutDef kLayout4_2{kParams4_2, kShow4_2, "gbShowDisp4_2", "pmDig4", 3};
constexpr TLayoutDef kLayout9{kParams9, kShow9, "gbShowDisp9", "pmDig9", 3};
constexpr TLayoutDef kLayout6{kParams6, kShow6, "gbShowDisp6", "pmDig6", 2};
constexpr TLayoutDef kLayoutInfoPanel{kInfoPanel, {}, nullptr, "pmDig1", 1};
// clang-format on

constexpr TText kX1Hint{"The device shows a one-value screen for each parameter checked. "
                        "The list is the chosen protocol's.",
                        "Устройство показывает дисплей х1 для каждого отмеченного параметра. "
                        "Список зависит от выбранного протокола."};

} // namespace

TPageParams4_1::TPageParams4_1(TMK_SetParamsDlg& frame) : TLayoutPage(frame, kLayout4_1) {}
TPageParams4_2::TPageParams4_2(TMK_SetParamsDlg& frame) : TLayoutPage(frame, kLayout4_2) {}
TPageParams9::TPageParams9(TMK_SetParamsDlg& frame) : TLayoutPage(frame, kLayout9) {}
TPageParams6::TPageParams6(TMK_SetParamsDlg& frame) : TLayoutPage(frame, kLayout6) {}
TPageInfoPanel::TPageInfoPanel(TMK_SetParamsDlg& frame) : TLayoutPage(frame, kLayoutInfoPanel) {}

void TPageParams1::Build(QWidget* page) {
    TControlBinder& b = Binder();
    auto columns = MakeColumns(page, 1);
    auto* hint = b.Caption(new QLabel(page), kX1Hint);
    hint->setObjectName(QStringLiteral("lParams1Hint"));
    hint->setWordWrap(true);
    columns[0]->addWidget(hint);
    QGridLayout* grid = AddGroup(b, columns[0], "gbShowDisp1", SettingByName("ShowDisp_1").caption);
    // Rows built here: the binder keeps its own copy of each name.
    for (int n = 0; n < BoxCount; ++n) {
        const QByteArray name = "cbShowDisp_1_" + QByteArray::number(n);
        // The caption is the protocol's parameter, set by ShowBoxes.
        const TControlRow row{Check, "ShowDisp_1", name.constData(), n, TRowLabel::Bare};
        auto* box = static_cast<QCheckBox*>(b.Create(row, grid->parentWidget()));
        grid->addWidget(box, n % X1BoxRows, n / X1BoxRows);
        boxes_.push_back(box);
    }
    columns[0]->addStretch(1);
}

void TPageParams1::Load() {
    TEditorPage::Load();
    ShowBoxes();
}

void TPageParams1::ShowBoxes() {
    const std::vector<std::uint8_t> offered = OfferedCodes(Model());
    for (int n = 0; n < BoxCount; ++n) {
        QCheckBox* box = boxes_[std::size_t(n)];
        const bool shown = std::size_t(n) < offered.size();
        Binder().SetShown(box->objectName(), shown);
        if (!shown) {
            box->setChecked(false);
            continue;
        }
        const std::uint8_t code = offered[std::size_t(n)];
        const TMeasParBase* param = Model().MeasPars.Find(code);
        box->setText(param ? param->Name : QStringLiteral("#%1").arg(code));
        box->setToolTip(param ? param->NameUnit : QString());
        Binder().Load(box->objectName());
    }
}
