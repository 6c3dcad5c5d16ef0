#include "VehiclesDlg.h"

#include "CompareDlg.h"
#include "DeviceModels.h"
#include "Errors.h"
#include "HandlerGuard.h"
#include "Language.h"
#include "SettingsComparison.h"
#include "SettingsFile.h"
#include "VehicleEditDlg.h"
#include "VehicleStore.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTableView>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int PreferredWidth = 1040;
constexpr int PreferredHeight = 560;
constexpr int IdRole = Qt::UserRole + 1;
constexpr int SearchRole = Qt::UserRole + 2; // what the search field looks in: name and notes

QTableView* makeTable(QWidget* parent, const char* name, QAbstractItemModel* model) {
    auto* view = new QTableView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setStretchLastSection(true);
    view->setWordWrap(false);
    return view;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QString deviceText(std::uint16_t type) {
    return type == 0 ? QString() : DeviceTypeText(type);
}

QString timeText(const QDateTime& t) {
    return t.isValid() ? QLocale().toString(t.toLocalTime(), QLocale::ShortFormat) : QString();
}

TSettingsSide sideOf(const QString& file) {
    if (!QFileInfo::exists(file))
        throw TError(Tx("The file %1 of this event is no longer there.",
                        "Файла %1 этого события больше нет.")
                         .arg(QDir::toNativeSeparators(file)));
    TMK m;
    LoadSettingsFile(m, file);
    return {m.SettingsImage, m.DeviceVersion};
}

} // namespace

// Filters the vehicles by a piece of their name or notes. A new search redoes the whole list
// in one layout change: the proxy's own filter change takes the rows out range by range, and
// with some hundreds of vehicles in no order of the search that cost tens of milliseconds a
// key.
class TVehicleSearchModel : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void Search(const QString& text) {
        if (text == needle_) return;
        needle_ = text;
        invalidate();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override {
        return needle_.isEmpty() || sourceModel()
                                        ->index(row, 0, parent)
                                        .data(SearchRole)
                                        .toString()
                                        .contains(needle_, Qt::CaseInsensitive);
    }

private:
    QString needle_;
};

TVehiclesDlg::TVehiclesDlg(TVehicleStore& store, std::optional<qint64> currentVehicle,
                           std::optional<TSettingsCopy> current, const QStringList& notices,
                           QWidget* parent)
    : QDialog(parent), store_(store), currentVehicle_(currentVehicle), current_(std::move(current)),
      search_(new QLineEdit(this)), vehicles_(new QStandardItemModel(this)),
      filtered_(new TVehicleSearchModel(this)), eventModel_(new QStandardItemModel(this)),
      currentLabel_(new QLabel(this)) {
    setObjectName(QStringLiteral("VehiclesDlg"));
    setWindowTitle(Tx("Vehicles", "Автомобили"));

    auto* notice = new QLabel(notices.join(QLatin1Char('\n')), this);
    notice->setObjectName(QStringLiteral("lVehicleNotices"));
    notice->setWordWrap(true);
    notice->setVisible(!notices.isEmpty());
    currentLabel_->setObjectName(QStringLiteral("lCurrentVehicle"));

    search_->setObjectName(QStringLiteral("eVehicleSearch"));
    search_->setPlaceholderText(
        Tx("Find a vehicle: name, notes", "Найти автомобиль: имя, заметки"));
    search_->setClearButtonEnabled(true);
    filtered_->setSourceModel(vehicles_);
    vehicleView_ = makeTable(this, "tvVehicles", filtered_);
    vehicleView_->setSelectionMode(QAbstractItemView::SingleSelection);
    eventView_ = makeTable(this, "tvEvents", eventModel_);
    eventView_->setSelectionMode(QAbstractItemView::ExtendedSelection);

    auto* add = makeButton(this, "bNewVehicle", Tx("New…", "Новый…"));
    edit_ = makeButton(this, "bEditVehicle", Tx("Edit…", "Изменить…"));
    makeCurrent_ = makeButton(this, "bMakeCurrent", Tx("Make current", "Сделать текущим"));
    open_ = makeButton(this, "bOpenEvent", Tx("Open", "Открыть"));
    compareCurrent_ =
        makeButton(this, "bCompareCurrent", Tx("Compare with current", "Сравнить с текущими"));
    compareTwo_ = makeButton(this, "bCompareTwo", Tx("Compare the two", "Сравнить два"));
    restore_ = makeButton(this, "bRestore", Tx("Restore…", "Восстановить…"));
    showFolder_ = makeButton(this, "bShowInFolder", Tx("Show in folder", "Показать в папке"));
    open_->setToolTip(Tx("Load these settings, as Step 1 loads a file",
                         "Загрузить эти настройки, как Шаг 1 загружает файл"));
    compareTwo_->setToolTip(Tx("Choose two events with Ctrl", "Выберите два события с Ctrl"));
    restore_->setToolTip(Tx("Load these settings and write them to the device (Step 4)",
                            "Загрузить эти настройки и записать их в МК (Шаг 4)"));

    const std::pair<QPushButton*, void (TVehiclesDlg::*)()> handlers[] = {
        {add, &TVehiclesDlg::NewClicked},
        {edit_, &TVehiclesDlg::EditClicked},
        {makeCurrent_, &TVehiclesDlg::MakeCurrentClicked},
        {open_, &TVehiclesDlg::OpenClicked},
        {compareCurrent_, &TVehiclesDlg::CompareWithCurrentClicked},
        {compareTwo_, &TVehiclesDlg::CompareTwoClicked},
        {restore_, &TVehiclesDlg::RestoreClicked},
        {showFolder_, &TVehiclesDlg::ShowInFolderClicked},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QPushButton::clicked, this,
                Guarded([this, handler = handler] { (this->*handler)(); }));
    connect(search_, &QLineEdit::textChanged, this, [this](const QString& text) {
        filtered_->Search(text.trimmed());
        if (!vehicleView_->selectionModel()->hasSelection() && filtered_->rowCount() > 0)
            ChooseVehicleRow(0);
        loadEvents();
    });
    connect(vehicleView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { loadEvents(); });
    connect(vehicleView_, &QTableView::doubleClicked, this,
            Guarded([this] { MakeCurrentClicked(); }));
    connect(eventView_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { updateButtons(); });
    connect(eventView_, &QTableView::doubleClicked, this, Guarded([this] { OpenClicked(); }));

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(search_);
    leftLayout->addWidget(vehicleView_, 1);
    auto* vehicleButtons = new QHBoxLayout;
    for (QPushButton* b : {add, edit_, makeCurrent_})
        vehicleButtons->addWidget(b);
    vehicleButtons->addStretch(1);
    leftLayout->addLayout(vehicleButtons);

    auto* right = new QWidget(this);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(eventView_, 1);
    auto* eventButtons = new QHBoxLayout;
    for (QPushButton* b : {open_, compareCurrent_, compareTwo_, restore_, showFolder_})
        eventButtons->addWidget(b);
    eventButtons->addStretch(1);
    rightLayout->addLayout(eventButtons);

    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(right);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 3);
    split->setSizes({PreferredWidth / 3, PreferredWidth * 2 / 3});

    auto* close = new QDialogButtonBox(this);
    close->addButton(Tx("Close", "Закрыть"), QDialogButtonBox::RejectRole);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice);
    layout->addWidget(currentLabel_);
    layout->addWidget(split, 1);
    layout->addWidget(close);
    resize(PreferredWidth, PreferredHeight);

    loadVehicles(currentVehicle_);
    search_->setFocus();
}

void TVehiclesDlg::loadVehicles(std::optional<qint64> select) {
    vehicles_->clear();
    vehicles_->setHorizontalHeaderLabels({Tx("Vehicle", "Автомобиль"), Tx("Notes", "Заметки"),
                                          Tx("Last event", "Последнее событие")});
    QString currentName;
    for (const TVehicle& v : store_.Vehicles()) {
        auto* name = new QStandardItem(v.name);
        name->setData(v.id, IdRole);
        name->setData(v.name + QLatin1Char('\n') + v.notes, SearchRole);
        // Notes on one line in the list; the whole text in the tip.
        auto* notes =
            new QStandardItem(QString(v.notes).replace(QLatin1Char('\n'), QStringLiteral("; ")));
        notes->setToolTip(v.notes);
        const QString last = v.lastKind ? timeText(v.lastEvent) + QStringLiteral(", ") +
                                              EventKindCaption(*v.lastKind)
                                        : QString();
        if (currentVehicle_ && v.id == *currentVehicle_) {
            currentName = v.name;
            QFont bold = name->font();
            bold.setBold(true);
            name->setFont(bold);
        }
        vehicles_->appendRow({name, notes, new QStandardItem(last)});
    }
    currentLabel_->setText(
        currentName.isEmpty()
            ? Tx("No current vehicle: reads and writes are kept in no history.",
                 "Текущего автомобиля нет: чтения и записи не сохраняются в "
                 "истории.")
            : Tx("Current vehicle: %1", "Текущий автомобиль: %1").arg(currentName));
    vehicleView_->resizeColumnsToContents();
    int row = filtered_->rowCount() > 0 ? 0 : -1;
    for (int r = 0; select && r < filtered_->rowCount(); ++r)
        if (filtered_->index(r, 0).data(IdRole).toLongLong() == *select) row = r;
    if (row >= 0) ChooseVehicleRow(row);
    loadEvents();
}

void TVehiclesDlg::ChooseVehicleRow(int row) {
    vehicleView_->selectRow(row);
}

std::optional<qint64> TVehiclesDlg::chosenVehicle() const {
    const QModelIndexList rows = vehicleView_->selectionModel()->selectedRows();
    if (rows.isEmpty()) return std::nullopt;
    return rows.first().data(IdRole).toLongLong();
}

void TVehiclesDlg::loadEvents() {
    eventModel_->clear();
    eventModel_->setHorizontalHeaderLabels({Tx("Time", "Время"), Tx("Event", "Событие"),
                                            Tx("Device", "МК"), Tx("Changes", "Изменения"),
                                            Tx("Settings version", "Версия настроек"),
                                            Tx("File", "Файл")});
    events_.clear();
    if (const std::optional<qint64> id = chosenVehicle()) {
        try {
            events_ = store_.Events(*id);
        } catch (const TError& e) {
            ShowError(e.message());
        }
    }
    for (const TVehicleEvent& e : events_) {
        auto* file = new QStandardItem(QFileInfo(e.file).fileName());
        file->setToolTip(QDir::toNativeSeparators(e.file) +
                         (e.backup.isEmpty() ? QString()
                                             : QStringLiteral("\n") +
                                                   Tx("Backup: %1", "Резервная копия: %1")
                                                       .arg(QDir::toNativeSeparators(e.backup))));
        // What a write changed, seen without hovering; every line in the tool tip.
        auto* changes =
            new QStandardItem(QString(e.changes).replace(QLatin1Char('\n'), QStringLiteral("; ")));
        if (!e.changes.isEmpty()) changes->setToolTip(e.changes);
        eventModel_->appendRow({new QStandardItem(timeText(e.time)),
                                new QStandardItem(EventKindCaption(e.kind)),
                                new QStandardItem(deviceText(e.deviceType)), changes,
                                new QStandardItem(QString::number(e.settingsVersion)), file});
    }
    eventView_->resizeColumnsToContents();
    // A file name or a long change list may not push the other columns out of sight.
    for (int column : {3, 5})
        eventView_->setColumnWidth(column, std::min(eventView_->columnWidth(column), 260));
    updateButtons();
}

std::vector<TVehicleEvent> TVehiclesDlg::ChosenEvents() const {
    std::vector<TVehicleEvent> chosen;
    QModelIndexList rows = eventView_->selectionModel()->selectedRows();
    // Newest first in the list: the higher row is the older event.
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() > b.row(); });
    for (const QModelIndex& i : rows)
        if (i.row() < int(events_.size())) chosen.push_back(events_[std::size_t(i.row())]);
    return chosen;
}

void TVehiclesDlg::updateButtons() {
    const bool vehicle = chosenVehicle().has_value();
    edit_->setEnabled(vehicle);
    makeCurrent_->setEnabled(vehicle);
    const std::vector<TVehicleEvent> chosen = ChosenEvents();
    const bool one = chosen.size() == 1 && !chosen.front().file.isEmpty();
    open_->setEnabled(one);
    restore_->setEnabled(one);
    showFolder_->setEnabled(one);
    compareCurrent_->setEnabled(one && current_.has_value());
    compareTwo_->setEnabled(chosen.size() == 2);
}

QString TVehiclesDlg::eventName(const TVehicleEvent& e) const {
    return EventKindCaption(e.kind) + QStringLiteral(" ") + timeText(e.time);
}

void TVehiclesDlg::NewClicked() {
    TVehicleEditDlg dlg(Tx("New vehicle", "Новый автомобиль"), search_->text().trimmed(), {}, this);
    if (dlg.exec() != QDialog::Accepted) return;
    const TVehicle v = store_.AddVehicle(dlg.Name(), dlg.Notes());
    search_->clear();
    loadVehicles(v.id);
}

void TVehiclesDlg::EditClicked() {
    const std::optional<qint64> id = chosenVehicle();
    if (!id) return;
    const std::optional<TVehicle> v = store_.VehicleById(*id);
    if (!v) return;
    TVehicleEditDlg dlg(Tx("Edit the vehicle", "Изменить автомобиль"), v->name, v->notes, this);
    if (dlg.exec() != QDialog::Accepted) return;
    store_.UpdateVehicle(*id, dlg.Name(), dlg.Notes());
    loadVehicles(*id);
}

void TVehiclesDlg::MakeCurrentClicked() {
    currentVehicle_ = chosenVehicle();
    loadVehicles(currentVehicle_);
}

void TVehiclesDlg::OpenClicked() {
    const std::vector<TVehicleEvent> chosen = ChosenEvents();
    if (chosen.size() != 1) return;
    sideOf(chosen.front().file); // a file that is gone or damaged is said here, not later
    requested_ = chosen.front();
    action_ = Action::Open;
    accept();
}

void TVehiclesDlg::RestoreClicked() {
    const std::vector<TVehicleEvent> chosen = ChosenEvents();
    if (chosen.size() != 1) return;
    sideOf(chosen.front().file);
    requested_ = chosen.front();
    action_ = Action::Restore;
    accept();
}

void TVehiclesDlg::CompareWithCurrentClicked() {
    const std::vector<TVehicleEvent> chosen = ChosenEvents();
    if (chosen.size() != 1 || !current_) return;
    TCompareDlg dlg(
        CompareSettings({current_->image, current_->deviceVersion}, sideOf(chosen.front().file)),
        Tx("These settings", "Эти настройки"), eventName(chosen.front()), this);
    dlg.exec();
}

void TVehiclesDlg::CompareTwoClicked() {
    const std::vector<TVehicleEvent> chosen = ChosenEvents();
    if (chosen.size() != 2) return;
    // The older first: what changed from then to later.
    TCompareDlg dlg(CompareSettings(sideOf(chosen[0].file), sideOf(chosen[1].file)),
                    eventName(chosen[0]), eventName(chosen[1]), this);
    dlg.exec();
}

void TVehiclesDlg::ShowInFolderClicked() {
    const std::vector<TVehicleEvent> chosen = ChosenEvents();
    if (chosen.size() != 1) return;
    const QString folder = QFileInfo(chosen.front().file).absolutePath();
    if (!QFileInfo(folder).isDir())
        throw TError(Tx("The folder %1 is no longer there.", "Папки %1 больше нет.")
                         .arg(QDir::toNativeSeparators(folder)));
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(folder)))
        ShowInfo(Tx("No file manager could be started. The file is %1",
                    "Не удалось открыть файловый менеджер. Файл: %1")
                     .arg(QDir::toNativeSeparators(chosen.front().file)));
}
