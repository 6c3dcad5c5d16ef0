#include "ML_RS232_SetNumDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Room the window manager takes beside the caption: icon and buttons.
constexpr int TitleBarAllowance = 140;
} // namespace

TML_RS232_SetNumDlg::TML_RS232_SetNumDlg(const QString& caption, const QString& prompt,
                                         const QStringList& items, int current, QWidget* parent)
    : QDialog(parent), list_(new QComboBox(this)) {
    setObjectName(QStringLiteral("TML_RS232_SetNumDlg"));
    setWindowTitle(caption);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(list_);
    list_->setObjectName(QStringLiteral("cbPort"));
    list_->setEditable(false);
    list_->addItems(items);
    if (current >= 0 && current < items.size()) list_->setCurrentIndex(current);
    list_->setMinimumContentsLength(24);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    // Wide enough for the whole caption: the list alone would leave it cut short.
    QFont title = font(); // window managers often draw captions bold
    title.setBold(true);
    const int titleWidth = QFontMetrics(title).horizontalAdvance(caption);
    setMinimumWidth(std::max(minimumSizeHint().width(), titleWidth + TitleBarAllowance));
}

int TML_RS232_SetNumDlg::selectedIndex() const {
    return list_->currentIndex();
}
