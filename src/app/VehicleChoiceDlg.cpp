#include "VehicleChoiceDlg.h"

#include "Language.h"
#include "VehicleEditDlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int PreferredWidth = 480;
constexpr int PreferredHeight = 380;
} // namespace

TVehicleChoiceDlg::TVehicleChoiceDlg(const TVehicleChoice& choice, QWidget* parent)
    : QDialog(parent), search_(new QLineEdit(this)), list_(new QListWidget(this)) {
    setObjectName(QStringLiteral("VehicleChoiceDlg"));
    setWindowTitle(Tx("Which car is this?", "Какой это автомобиль?"));
    auto* text = new QLabel(Tx("Choose the vehicle these settings were read from, so that the "
                               "read and what follows are kept in its history.",
                               "Выберите автомобиль, из МК которого считаны эти настройки, чтобы "
                               "чтение и дальнейшие действия сохранились в его истории."),
                            this);
    text->setWordWrap(true);
    search_->setObjectName(QStringLiteral("eVehicleSearch"));
    search_->setPlaceholderText(Tx("Find a vehicle", "Найти автомобиль"));
    search_->setClearButtonEnabled(true);
    list_->setObjectName(QStringLiteral("lbVehicles"));
    for (int i = 0; i < choice.vehicles.size(); ++i) {
        QString label = choice.vehicles[i];
        if (i < choice.reasons.size() && !choice.reasons[i].isEmpty())
            label += QStringLiteral(" — ") + choice.reasons[i];
        auto* item = new QListWidgetItem(label, list_);
        item->setData(Qt::UserRole, i);
        if (i < choice.reasons.size()) {
            QFont bold = item->font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    const int first = choice.current >= 0 ? choice.current : (choice.reasons.isEmpty() ? -1 : 0);
    if (first >= 0 && first < list_->count()) list_->setCurrentRow(first);

    auto* buttons = new QDialogButtonBox(this);
    choose_ =
        buttons->addButton(Tx("This vehicle", "Этот автомобиль"), QDialogButtonBox::AcceptRole);
    QPushButton* add =
        buttons->addButton(Tx("New vehicle…", "Новый автомобиль…"), QDialogButtonBox::ActionRole);
    QPushButton* later =
        buttons->addButton(Tx("Not now", "Не сейчас"), QDialogButtonBox::RejectRole);
    choose_->setObjectName(QStringLiteral("bThisVehicle"));
    add->setObjectName(QStringLiteral("bNewVehicle"));
    later->setObjectName(QStringLiteral("bNotNow"));
    choose_->setDefault(true);
    choose_->setEnabled(list_->currentItem() != nullptr);

    connect(search_, &QLineEdit::textChanged, this, &TVehicleChoiceDlg::filter);
    connect(list_, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem* item) { choose_->setEnabled(item && !item->isHidden()); });
    connect(list_, &QListWidget::itemActivated, this, [this] { choose(); });
    connect(choose_, &QPushButton::clicked, this, &TVehicleChoiceDlg::choose);
    connect(add, &QPushButton::clicked, this, &TVehicleChoiceDlg::newVehicle);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(search_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    resize(PreferredWidth, PreferredHeight);
    // With no vehicle yet the likely answer is a new one.
    if (list_->count() == 0) add->setFocus();
}

void TVehicleChoiceDlg::filter(const QString& text) {
    const QString needle = text.trimmed();
    QListWidgetItem* firstShown = nullptr;
    for (int i = 0; i < list_->count(); ++i) {
        QListWidgetItem* item = list_->item(i);
        item->setHidden(!needle.isEmpty() && !item->text().contains(needle, Qt::CaseInsensitive));
        if (!item->isHidden() && !firstShown) firstShown = item;
    }
    if (!list_->currentItem() || list_->currentItem()->isHidden())
        list_->setCurrentItem(firstShown);
    choose_->setEnabled(list_->currentItem() && !list_->currentItem()->isHidden());
}

void TVehicleChoiceDlg::choose() {
    QListWidgetItem* item = list_->currentItem();
    if (!item || item->isHidden()) return;
    answer_ = {};
    answer_.chosen = item->data(Qt::UserRole).toInt();
    accept();
}

void TVehicleChoiceDlg::newVehicle() {
    TVehicleEditDlg edit(Tx("New vehicle", "Новый автомобиль"), search_->text().trimmed(), {},
                         this);
    if (edit.exec() != QDialog::Accepted) return;
    answer_ = {};
    answer_.newName = edit.Name();
    answer_.newNotes = edit.Notes();
    accept();
}
