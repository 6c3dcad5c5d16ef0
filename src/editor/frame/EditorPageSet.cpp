#include "EditorPageSet.h"

#include "HandlerGuard.h"
#include "MK_SetParamsH.h"

#include <QTabWidget>
#include <QVBoxLayout>

QTabWidget* TPageSet::MakeTabs(QWidget* page) {
    tabs_ = new QTabWidget(page);
    tabs_->setObjectName(QString::fromUtf8(Def().tabs));
    QObject::connect(tabs_, &QTabWidget::currentChanged, tabs_, Guarded([this] { TabChanged(); }));
    return tabs_;
}

void TPageSet::Build(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(MakeTabs(page));
}

void TPageSet::AddPage(TEditorPage* page) {
    pages_.push_back(page);
    tabs_->addTab(page->Widget(), QString());
}

TEditorPage* TPageSet::Visible() const {
    for (TEditorPage* p : pages_)
        if (p->Widget() == tabs_->currentWidget()) return p;
    return nullptr;
}

bool TPageSet::AnyPageShown() const {
    for (int i = 0; i < tabs_->count(); ++i)
        if (tabs_->isTabVisible(i)) return true;
    return false;
}

void TPageSet::Refresh() {
    if (TEditorPage* p = Visible()) p->Refresh();
}

void TPageSet::Activate(bool active) {
    active_ = active;
    visible_ = Visible();
    if (visible_) visible_->Activate(active);
    if (!active) visible_ = nullptr;
}

void TPageSet::TabChanged() {
    if (!active_) return;
    Frame().CommitShownEdits();
    if (visible_) visible_->Activate(false);
    visible_ = Visible();
    if (visible_) visible_->Activate(true);
}
