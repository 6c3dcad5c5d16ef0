#include "LayoutPage.h"

#include "ControlBinder.h"
#include "HandlerGuard.h"
#include "MK_SetParamsH.h"
#include "MeasParsH.h"
#include "Pars32H.h"
#include "PlacePreview.h"
#include "SettingsScreens.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int PreviewSpacing = 12; // px between the previews of a page
constexpr std::uint8_t EmptyCode = 0;

constexpr TText kHint{"Right-click a place on a screen to choose the parameter it shows. From "
                      "the keyboard: the arrow keys choose the place, the context-menu key "
                      "opens the list.",
                      "Чтобы выбрать параметр, нажмите ПРАВУЮ кнопку мыши на нужном месте "
                      "дисплея. С клавиатуры: стрелки выбирают место, клавиша контекстного "
                      "меню открывает список."};
constexpr TText kScreensShown{"Screens shown", "Показывать дисплеи"};
constexpr TText kEmptyItem{"(empty)", "(пусто)"};
constexpr TText kNotOffered{"%1: code %2, which this device's protocol does not offer",
                            "%1: код %2, которого нет в списке протокола устройства"};

bool Offered(const std::vector<std::uint8_t>& offered, std::uint8_t code) {
    return std::find(offered.begin(), offered.end(), code) != offered.end();
}

} // namespace

const char* LayoutFieldOf(TScreenKind kind) {
    switch (kind) {
    case TScreenKind::X1:
        return "Dig1";
    case TScreenKind::X4:
        return "Digit4";
    case TScreenKind::X6:
        return "Digit6";
    case TScreenKind::X9:
        return "Digit9";
    case TScreenKind::Averages:
    case TScreenKind::Menu:
        break;
    }
    return nullptr;
}

TLayoutPage::TLayoutPage(TMK_SetParamsDlg& frame, const TLayoutDef& def)
    : TEditorPage(frame), def_(def) {}

TLayoutPage::~TLayoutPage() = default;

void TLayoutPage::Build(QWidget* page) {
    TControlBinder& b = Binder();
    auto* layout = new QVBoxLayout(page);
    auto* hint = b.Caption(new QLabel(page), kHint);
    hint->setObjectName(QLatin1Char('l') + page->objectName().mid(2) + QStringLiteral("Hint"));
    hint->setWordWrap(true);
    layout->addWidget(hint);

    if (!def_.screenBoxes.empty()) {
        auto* group = b.Caption(new QGroupBox(page), kScreensShown);
        group->setObjectName(QString::fromUtf8(def_.boxGroup));
        auto* row = new QHBoxLayout(group);
        for (const TControlRow& box : def_.screenBoxes)
            row->addWidget(b.Create(box, group));
        row->addStretch(1);
        layout->addWidget(group);
    }

    auto* grid = new QGridLayout;
    grid->setSpacing(PreviewSpacing);
    for (const TPreviewRow& row : def_.previews) {
        const int i = int(previews_.size());
        auto* cell = new QVBoxLayout;
        auto* preview =
            b.AccessibleName(new TPlacePreview(row.name, row.kind, row.screen, page), row.caption);
        auto* label = b.Caption(new QLabel(page), row.caption);
        label->setObjectName(QLatin1Char('l') + preview->objectName().mid(2));
        label->setBuddy(preview);
        cell->addWidget(label);
        cell->addWidget(preview);
        grid->addLayout(cell, i / def_.columns, i % def_.columns);
        previews_.push_back(preview);
        preview->SetPlaceDescriber(
            [this, preview](int place) { return Describe(*preview, place); });
        QObject::connect(preview, &TPlacePreview::PlaceMenuRequested, page,
                         Guarded([this, preview](int place, QPoint at) {
                             pbDigitMouseDown(preview, place, at);
                         }));
    }
    for (int c = 0; c < def_.columns; ++c)
        grid->setColumnStretch(c, 1);
    layout->addLayout(grid);
    layout->addStretch(1);

    menu_ = new QMenu(page);
    menu_->setObjectName(QString::fromUtf8(def_.menu));
}

void TLayoutPage::Load() {
    TEditorPage::Load();
    ShowScreens();
}

void TLayoutPage::Activate(bool active) {
    // The colour page may have changed the scheme, or the sources page the protocol.
    if (active) ShowScreens();
}

std::shared_ptr<const TScreenRenderer> TLayoutPage::MakeRenderer() {
    auto renderer = std::make_shared<TScreenRenderer>(SchemeColours(Model(), Frame().EditedScheme),
                                                      Model().MeasPars, DisplayOptionsOf(Model()));
    if (CurrentProt()) renderer->SetOfferedCodes(OfferedCodes(Model()));
    return renderer;
}

TScreenContent TLayoutPage::ContentOf(const TPlacePreview& preview) {
    if (preview.Kind() != TScreenKind::X1)
        return ScreenFromSettings(Model(), preview.Kind(), preview.ScreenNumber());
    // The bottom bar under the first one-value screen of the protocol's list.
    TScreenContent screen;
    screen.kind = TScreenKind::X1;
    for (int place = 0; place < PlaceCount(TScreenKind::X1); ++place)
        screen.codes.push_back(PlaceCode(preview, place));
    const std::vector<std::uint8_t> offered = OfferedCodes(Model());
    screen.mainCode = offered.empty() ? EmptyCode : offered.front();
    return screen;
}

void TLayoutPage::ShowScreens() {
    if (previews_.empty()) return;
    const std::shared_ptr<const TScreenRenderer> renderer = MakeRenderer();
    for (TPlacePreview* p : previews_)
        p->SetScreen(ContentOf(*p), renderer);
}

std::uint8_t TLayoutPage::PlaceCode(const TPlacePreview& preview, int place) {
    const int places = PlaceCount(preview.Kind());
    return std::uint8_t(
        Model().Get(LayoutFieldOf(preview.Kind()), preview.ScreenNumber() * places + place));
}

QString TLayoutPage::Describe(const TPlacePreview& preview, int place) {
    return CodeText(PlaceCode(preview, place));
}

QString TLayoutPage::CodeText(std::uint8_t code) {
    const QString words = PlaceCodeWords(Model().MeasPars, code);
    if (code == EmptyCode) return words;
    const bool offered = !CurrentProt() || Offered(OfferedCodes(Model()), code);
    if (Model().MeasPars.Find(code) && offered) return words;
    return kNotOffered.text().arg(words).arg(code);
}

void TLayoutPage::pbDigitMouseDown(const TPlacePreview* preview, int place, QPoint globalPos) {
    popupPreview_ = preview;
    popupPlace_ = place;
    BuildMenu();
    menu_->popup(globalPos);
}

void TLayoutPage::BuildMenu() {
    menu_->clear();
    const std::uint8_t stored = PlaceCode(*popupPreview_, popupPlace_);
    const std::vector<std::uint8_t> offered = OfferedCodes(Model());
    auto add = [this, stored](const QString& caption, std::uint8_t code) {
        QAction* item = menu_->addAction(caption);
        item->setData(code);
        item->setCheckable(true);
        item->setChecked(code == stored);
        QObject::connect(item, &QAction::triggered, menu_,
                         Guarded([this, code] { pmDigClick(code); }));
        return item;
    };
    // A code the list does not offer stays until another is chosen; the pop-up says so.
    const bool bar = popupPreview_->Kind() == TScreenKind::X1;
    if (!Offered(offered, stored) && !(bar && stored == EmptyCode)) {
        QAction* kept = add(Describe(*popupPreview_, popupPlace_), stored);
        kept->setEnabled(false);
        menu_->addSeparator();
    }
    for (std::uint8_t code : offered) {
        const TMeasParBase* param = Model().MeasPars.Find(code);
        add(param ? param->Name : QStringLiteral("#%1").arg(code), code);
    }
    // The bottom bar's places are empty on a new device; they can be emptied again.
    if (bar) {
        menu_->addSeparator();
        add(kEmptyItem.text(), EmptyCode);
    }
}

void TLayoutPage::pmDigClick(std::uint8_t code) {
    if (!popupPreview_) return;
    const int places = PlaceCount(popupPreview_->Kind());
    Model().Set(LayoutFieldOf(popupPreview_->Kind()),
                popupPreview_->ScreenNumber() * places + popupPlace_, code);
    Frame().RefreshVisiblePage();
}
