// The date edit (a day number as dd.mm.yy), the time edit (minutes as hours:minutes) and
// the text edit of a fixed-size device text.

#include "ControlAdapterKinds.h"
#include "Errors.h"
#include "Language.h"

#include "FieldTable.h"
#include "ValueConversions.h"

#include <QDateEdit>
#include <QLineEdit>
#include <algorithm>
#include <cstdint>

namespace {

// Two-digit years count from 2000.
constexpr int CenturyBase = 2000;
constexpr int LastYear = CenturyBase + 99;

// ---- date edit ---------------------------------------------------------------------------

class TDateAdapter final : public TValueAdapter {
public:
    TDateAdapter(const TSettingDesc& s, QWidget* parent)
        : TValueAdapter(new QDateEdit(parent), s.conv, false),
          edit_(static_cast<QDateEdit*>(Control())) {
        edit_->setDisplayFormat(QStringLiteral("dd.MM.yy"));
        edit_->setDateRange(QDate(CenturyBase, 1, 1), QDate(LastYear, 12, 31));
        edit_->setCalendarPopup(true);
    }
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        QObject::connect(edit_, &QDateEdit::editingFinished, context, std::move(commit));
    }

private:
    std::optional<double> Shown() const override {
        const QDate d = edit_->date();
        return DateToDayNumber(d.day(), d.month(), d.year() - CenturyBase);
    }
    // A stored number that is no date of the range shows the nearest day that is; it is
    // not written back unless the user picks a date.
    void Show(double shown) override {
        const double clamped = std::clamp(shown, 0.0, double(UINT32_MAX));
        edit_->setDate(DayNumberToCalendarDay(std::uint32_t(clamped)).date);
    }
    QDateEdit* edit_;
};

// ---- time edit ---------------------------------------------------------------------------

// "!90:00;1;_": an optional and a required hour digit, a colon, two required minute digits;
// an empty hour place reads as a leading blank.
const QString TimeMask = QStringLiteral("09:99;_");
constexpr int HoursPerDay = 24;
constexpr int MinutesPerHour = 60;
constexpr TText kNoTimeOfDay{"'%1' is not a time of day (hours 0..23, minutes 0..59)",
                             "'%1' — не время суток (часы 0..23, минуты 0..59)"};

class TTimeAdapter final : public TValueAdapter {
public:
    TTimeAdapter(const TSettingDesc& s, QWidget* parent)
        : TValueAdapter(new QLineEdit(parent), s.conv, false),
          edit_(static_cast<QLineEdit*>(Control())) {
        edit_->setInputMask(TimeMask);
        edit_->setMaximumWidth(edit_->fontMetrics().horizontalAdvance(QStringLiteral("000:000")) +
                               2 * edit_->fontMetrics().averageCharWidth());
    }
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        OnEditEnded(edit_, context, std::move(commit));
    }

private:
    // May throw: a blank or partial minute is no number.
    std::optional<double> Shown() const override {
        const QString shown = edit_->displayText();
        QString hours;
        for (QChar c : shown.left(2))
            if (c.isDigit()) hours += c;
        QString minutes = shown.mid(3, 2);
        minutes.replace(QLatin1Char('_'), QLatin1Char(' '));
        const std::uint16_t total =
            TextToMinutes(hours.rightJustified(2, QLatin1Char(' ')) + QLatin1Char(':') + minutes);
        // The conversion would carry 99:99 on to 6039 minutes, which the device takes for no
        // time of day; a time typed here must be one.
        if (hours.toInt() >= HoursPerDay || minutes.trimmed().toInt() >= MinutesPerHour)
            throw TError(kNoTimeOfDay.text().arg(shown));
        return total;
    }
    void Show(double shown) override {
        edit_->setText(MinutesToText(std::uint16_t(std::int64_t(shown))));
    }
    QLineEdit* edit_;
};

// ---- text edit ---------------------------------------------------------------------------

class TTextAdapter final : public TControlAdapter {
public:
    TTextAdapter(const TSettingDesc&, QWidget* parent)
        : TControlAdapter(new QLineEdit(parent)), edit_(static_cast<QLineEdit*>(Control())) {}
    void OnUserCommit(QObject* context, std::function<void()> commit) override {
        QObject::connect(edit_, &QLineEdit::editingFinished, context, std::move(commit));
    }
    void Load(const TBoundField& field) override {
        // One byte a character in the device's code page, and room for the closing zero.
        edit_->setMaxLength(FieldByteSize(*field.Ref().field) - 1);
        edit_->setText(field.Text());
        last_ = edit_->text();
    }
    bool Differs() const override { return edit_->text() != last_; }
    TCommitResult Commit(TBoundField& field, const TAcceptCheck&) override {
        const QString text = edit_->text();
        if (text == last_) return TCommitResult::Unchanged;
        field.SetText(text);
        last_ = text;
        return TCommitResult::Stored;
    }

private:
    QLineEdit* edit_;
    QString last_;
};

} // namespace

std::unique_ptr<TControlAdapter> MakeDateAdapter(const TControlRow&, const TSettingDesc& s,
                                                 QWidget* parent) {
    return std::make_unique<TDateAdapter>(s, parent);
}
std::unique_ptr<TControlAdapter> MakeTimeAdapter(const TControlRow&, const TSettingDesc& s,
                                                 QWidget* parent) {
    return std::make_unique<TTimeAdapter>(s, parent);
}
std::unique_ptr<TControlAdapter> MakeTextAdapter(const TControlRow&, const TSettingDesc& s,
                                                 QWidget* parent) {
    return std::make_unique<TTextAdapter>(s, parent);
}
