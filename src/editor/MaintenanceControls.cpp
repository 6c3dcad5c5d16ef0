#include "MaintenanceControls.h"

#include "DeviceText.h"
#include "Errors.h"
#include "Language.h"
#include "Pars32H.h"
#include "Prompt.h"
#include "ValueConversions.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QValidator>

namespace {

constexpr int NameBytes = 16; // the field, its zero byte included
constexpr char32_t FirstPrintable = 0x20;

// Accepts the characters the device's code page has (a name of the trip computer's own
// screen), refuses control characters and the zero byte that ends the name.
class TDeviceTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input) {
            const QString one(c);
            if (c.unicode() < FirstPrintable || DecodeDeviceText(EncodeDeviceText(one)) != one)
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

TDeviceTextEdit::TDeviceTextEdit(TMK& model, const char* field, const QString& name,
                                 const bool& refreshing, QWidget* parent)
    : QObject(parent), model_(model), field_(field), refreshing_(refreshing),
      edit_(new QLineEdit(parent)) {
    edit_->setObjectName(name);
    edit_->setMaxLength(NameBytes - 1);
    edit_->setValidator(new TDeviceTextValidator(edit_));
    connect(edit_, &QLineEdit::editingFinished, this, [this] { Commit(); });
}

void TDeviceTextEdit::Load() {
    edit_->setText(model_.GetText(field_));
    last_ = edit_->text(); // a stored name without its zero shows cut to the edit's length
}

bool TDeviceTextEdit::Commit() {
    if (refreshing_ || edit_->text() == last_) return true;
    try {
        model_.SetText(field_, edit_->text());
    } catch (const TError& e) {
        ShowError(e.message());
        Load();
        return false;
    }
    last_ = edit_->text();
    return true;
}

TDayNumberEdit::TDayNumberEdit(TMK& model, const char* field, const QString& name,
                               const bool& refreshing, QWidget* parent)
    : QObject(parent), model_(model), field_(field), refreshing_(refreshing),
      edit_(new QDateEdit(parent)), mark_(new QLabel(parent)) {
    edit_->setObjectName(name);
    // Two-digit years, and only those the stored day number can hold: no date typed can
    // be incomplete or out of range.
    edit_->setDisplayFormat(QStringLiteral("dd.MM.yy"));
    edit_->setDateRange(QDate(DayNumberBaseYear, 1, 1), QDate(DayNumberLastYear, 12, 31));
    edit_->setCalendarPopup(true);
    edit_->setLocale(EnglishVersion ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                    : QLocale(QLocale::Russian, QLocale::Russia));
    edit_->calendarWidget()->setWindowTitle(Tx("Date selection", "Выбор даты"));
    edit_->calendarWidget()->setGridVisible(true);
    mark_->setObjectName(QLatin1Char('l') + name.mid(2) + QStringLiteral("Mark"));
    mark_->setText(Tx("no valid date stored", "записана неверная дата"));
    mark_->setStyleSheet(QStringLiteral("color: #c00000;"));
    mark_->hide();
    connect(edit_, &QDateEdit::dateChanged, this, &TDayNumberEdit::Changed);
}

void TDayNumberEdit::Load() {
    const auto stored = std::uint32_t(model_.Get(field_));
    const CalendarDay day = DayNumberToCalendarDay(stored);
    loading_ = true;
    edit_->setDate(day.date);
    loading_ = false;
    mark_->setVisible(!day.exact);
    mark_->setToolTip(day.exact
                          ? QString()
                          : Tx("Stored day number: %1", "Записанный номер дня: %1").arg(stored));
}

// Every date the edit can show is complete and in range, so each change is stored at once.
void TDayNumberEdit::Changed(const QDate& date) {
    if (loading_ || refreshing_) return;
    model_.Set(field_, 0, CalendarDayToDayNumber(date));
    mark_->hide();
}
