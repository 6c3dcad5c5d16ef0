#include "VehicleEditDlg.h"

#include "Language.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
constexpr int NotesLines = 4;
constexpr int PreferredWidth = 420;
} // namespace

TVehicleEditDlg::TVehicleEditDlg(const QString& title, const QString& name, const QString& notes,
                                 QWidget* parent)
    : QDialog(parent), name_(new QLineEdit(name, this)), notes_(new QPlainTextEdit(notes, this)) {
    setObjectName(QStringLiteral("VehicleEditDlg"));
    setWindowTitle(title);
    name_->setObjectName(QStringLiteral("eVehicleName"));
    name_->setPlaceholderText(
        Tx("the plate, for example А123ВС 77", "например, госномер А123ВС 77"));
    notes_->setObjectName(QStringLiteral("eVehicleNotes"));
    notes_->setPlaceholderText(Tx("customer, VIN, phone", "владелец, VIN, телефон"));
    notes_->setTabChangesFocus(true);
    notes_->setFixedHeight(notes_->fontMetrics().lineSpacing() * NotesLines + 12);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(Tx("OK", "OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(Tx("Cancel", "Отмена"));
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    // A vehicle without a name cannot be found again.
    ok->setEnabled(!name.trimmed().isEmpty());
    connect(name_, &QLineEdit::textChanged, ok,
            [ok](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* form = new QFormLayout(this);
    form->addRow(Tx("Name:", "Имя:"), name_);
    form->addRow(Tx("Notes:", "Заметки:"), notes_);
    form->addRow(buttons);
    resize(PreferredWidth, sizeHint().height());
}

QString TVehicleEditDlg::Name() const {
    return name_->text().trimmed();
}

QString TVehicleEditDlg::Notes() const {
    return notes_->toPlainText().trimmed();
}
