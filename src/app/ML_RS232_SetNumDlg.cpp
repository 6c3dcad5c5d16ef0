#include "ML_RS232_SetNumDlg.h"

#include "DeviceModels.h"
#include "Language.h"
#include "PortSearch.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStandardItemModel>
#include <QThread>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Room the window manager takes beside the caption: icon and buttons.
constexpr int TitleBarAllowance = 140;
constexpr int ListCharacters = 48;
constexpr int VisibleListEntries = 16; // half the ports without scrolling

using portsearch::TAdapterInfo;
using portsearch::TProbeOutcome;

QString usbId(const TAdapterInfo& a) {
    if (a.vendorId < 0 || a.productId < 0) return {};
    return QStringLiteral("%1:%2")
        .arg(a.vendorId, 4, 16, QLatin1Char('0'))
        .arg(a.productId, 4, 16, QLatin1Char('0'));
}

QString entryText(const TPortChoice& port, const TAdapterInfo& adapter) {
    if (!port.present) return port.label + Tx(" \u2014 not connected", " \u2014 не подключён");
    return adapter.description.isEmpty() ? port.label
                                         : port.label + QStringLiteral("  ") + adapter.description;
}

QString detailsText(const TPortChoice& port, const TAdapterInfo& a) {
    if (!port.present)
        return Tx("Nothing is connected at %1.", "К %1 ничего не подключено.").arg(port.path);
    QStringList lines;
    QString device = port.path;
    if (!a.systemLocation.isEmpty() && a.systemLocation != port.path)
        device += QStringLiteral(" \u2192 ") + a.systemLocation;
    lines << Tx("Device: %1", "Устройство: %1").arg(device);
    if (a.isEmpty()) {
        lines << Tx("No adapter details (a built-in port or a pseudo-terminal).",
                    "Сведений об адаптере нет (встроенный порт или псевдотерминал).");
        return lines.join(QLatin1Char('\n'));
    }
    if (!a.description.isEmpty()) lines << Tx("Adapter: %1", "Адаптер: %1").arg(a.description);
    if (!a.manufacturer.isEmpty()) lines << Tx("Maker: %1", "Изготовитель: %1").arg(a.manufacturer);
    if (!a.serialNumber.isEmpty())
        lines << Tx("Serial number: %1", "Серийный номер: %1").arg(a.serialNumber);
    if (!usbId(a).isEmpty()) lines << Tx("USB ID: %1", "USB ID: %1").arg(usbId(a));
    return lines.join(QLatin1Char('\n'));
}

QString openFailure(TPortOpenResult r) {
    switch (r) {
    case TPortOpenResult::Busy:
        return Tx("in use by another program", "занят другой программой");
    case TPortOpenResult::NoPermission:
        return Tx("no permission", "нет прав");
    default:
        return Tx("gone", "пропал");
    }
}

QString deviceName(std::uint16_t version) {
    const QString type = QStringLiteral("0x%1").arg(
        QString::number(version, 16).toUpper().rightJustified(4, QLatin1Char('0')));
    const QString name = DeviceDesignation(version);
    return name.isEmpty()
               ? Tx("an unknown device type %1", "неизвестный тип устройства %1").arg(type)
               : QStringLiteral("%1 (%2)").arg(name, type);
}

} // namespace

TML_RS232_SetNumDlg::TML_RS232_SetNumDlg(const QString& caption, const QString& prompt,
                                         const std::vector<TPortChoice>& ports, int current,
                                         QWidget* parent)
    : QDialog(parent), ports_(ports), list_(new QComboBox(this)), detailsLabel_(new QLabel(this)),
      find_(new QPushButton(this)), progress_(new QProgressBar(this)), status_(new QLabel(this)) {
    setObjectName(QStringLiteral("TML_RS232_SetNumDlg"));
    setWindowTitle(caption);
    auto* label = new QLabel(prompt, this);
    label->setBuddy(list_);

    std::vector<QString> paths;
    for (const TPortChoice& p : ports_)
        paths.push_back(p.path);
    const std::vector<TAdapterInfo> adapters = portsearch::DescribeAdapters(paths);
    const bool havePaths = std::any_of(ports_.begin(), ports_.end(),
                                       [](const TPortChoice& p) { return !p.path.isEmpty(); });

    list_->setObjectName(QStringLiteral("cbPort"));
    list_->setEditable(false);
    auto* model = qobject_cast<QStandardItemModel*>(list_->model());
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        list_->addItem(entryText(ports_[i], adapters[i]));
        details_.push_back(havePaths ? detailsText(ports_[i], adapters[i]) : QString());
        if (!ports_[i].present && model) model->item(int(i))->setEnabled(false);
    }
    // The port in use when it is there, else the first present one.
    int shown = current >= 0 && current < int(ports_.size()) && ports_[std::size_t(current)].present
                    ? current
                    : -1;
    for (std::size_t i = 0; shown < 0 && i < ports_.size(); ++i)
        if (ports_[i].present) shown = int(i);
    if (shown >= 0) list_->setCurrentIndex(shown);
    list_->setMinimumContentsLength(ListCharacters);
    list_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list_->setMaxVisibleItems(VisibleListEntries);

    detailsLabel_->setObjectName(QStringLiteral("lPortDetails"));
    detailsLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    detailsLabel_->setVisible(havePaths);
    connect(list_, &QComboBox::currentIndexChanged, this, &TML_RS232_SetNumDlg::showDetails);

    find_->setObjectName(QStringLiteral("bFindDevice"));
    find_->setAutoDefault(false);
    find_->setVisible(havePaths);
    connect(find_, &QPushButton::clicked, this, &TML_RS232_SetNumDlg::findDevice);
    progress_->setObjectName(QStringLiteral("pbSearch"));
    progress_->setTextVisible(false);
    // Keeps its room while hidden, so the button keeps its own size beside it.
    QSizePolicy keepRoom = progress_->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepRoom);
    progress_->setVisible(false);
    status_->setObjectName(QStringLiteral("lSearch"));
    status_->setWordWrap(true);
    status_->setVisible(false);
    setSearchButtonText();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TML_RS232_SetNumDlg::reject);

    auto* search = new QHBoxLayout;
    search->addWidget(find_);
    search->addWidget(progress_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    layout->addWidget(detailsLabel_);
    layout->addLayout(search);
    layout->addWidget(status_);
    layout->addStretch(1);
    layout->addWidget(buttons);
    showDetails();
    // Wide enough for the whole caption: the list alone would leave it cut short.
    QFont title = font(); // window managers often draw captions bold
    title.setBold(true);
    const int titleWidth = QFontMetrics(title).horizontalAdvance(caption);
    setMinimumWidth(std::max(minimumSizeHint().width(), titleWidth + TitleBarAllowance));
}

TML_RS232_SetNumDlg::~TML_RS232_SetNumDlg() {
    stopSearch();
}

int TML_RS232_SetNumDlg::selectedIndex() const {
    const int i = list_->currentIndex();
    return i >= 0 && i < int(ports_.size()) && ports_[std::size_t(i)].present ? i : -1;
}

void TML_RS232_SetNumDlg::showDetails() {
    const int i = list_->currentIndex();
    detailsLabel_->setText(i >= 0 && i < int(details_.size()) ? details_[std::size_t(i)]
                                                              : QString());
}

void TML_RS232_SetNumDlg::setSearchButtonText() {
    find_->setText(searching() ? Tx("Stop search", "Остановить поиск")
                               : Tx("Find the device", "Найти устройство"));
}

void TML_RS232_SetNumDlg::findDevice() {
    if (searching())
        stop_ = true; // the worker reports back when it has let go of the port
    else
        startSearch();
}

void TML_RS232_SetNumDlg::startSearch() {
    searched_.clear();
    skipped_.clear();
    std::vector<QString> paths;
    for (std::size_t i = 0; i < ports_.size(); ++i) {
        if (!ports_[i].present || ports_[i].path.isEmpty()) continue;
        searched_.push_back(int(i));
        paths.push_back(ports_[i].path);
    }
    status_->setVisible(true);
    if (paths.empty()) {
        status_->setText(Tx("No port is connected.", "Ни один порт не подключён."));
        return;
    }
    stop_ = false;
    progress_->setRange(0, int(paths.size()));
    progress_->setValue(0);
    progress_->setVisible(true);
    list_->setEnabled(false);
    if (auto* ok = findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok))
        ok->setEnabled(false);

    // The worker only reads the paths and the stop flag; everything it has to say comes back
    // as queued calls, run on this window's thread.
    thread_ = QThread::create([this, paths] {
        const int steps = int(paths.size());
        const auto result = portsearch::FindDevice(
            paths, stop_,
            [this, steps](int step) {
                QMetaObject::invokeMethod(
                    this,
                    [this, step, steps] {
                        searchProbing(searched_[std::size_t(step)], step, steps);
                    },
                    Qt::QueuedConnection);
            },
            [this](int step, const portsearch::TProbeResult& r) {
                QMetaObject::invokeMethod(
                    this,
                    [this, step, r] {
                        searchProbed(searched_[std::size_t(step)], int(r.outcome),
                                     int(r.openResult));
                    },
                    Qt::QueuedConnection);
            });
        QMetaObject::invokeMethod(
            this,
            [this, step = result.found, version = unsigned(result.version),
             stopped = result.stopped] {
                searchDone(step < 0 ? -1 : searched_[std::size_t(step)], version, stopped);
            },
            Qt::QueuedConnection);
    });
    thread_->start();
    setSearchButtonText();
}

void TML_RS232_SetNumDlg::stopSearch() {
    if (!thread_) return;
    stop_ = true;
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}

void TML_RS232_SetNumDlg::searchProbing(int portIndex, int step, int steps) {
    const TPortChoice& p = ports_[std::size_t(portIndex)];
    progress_->setValue(step);
    status_->setText(Tx("Asking %1 (%2 of %3)...", "Опрос %1 (%2 из %3)...")
                         .arg(p.label)
                         .arg(step + 1)
                         .arg(steps));
}

void TML_RS232_SetNumDlg::searchProbed(int portIndex, int outcome, int openResult) {
    progress_->setValue(progress_->value() + 1);
    if (TProbeOutcome(outcome) == TProbeOutcome::NotOpened)
        skipped_ << QStringLiteral("%1 (%2)").arg(ports_[std::size_t(portIndex)].name,
                                                  openFailure(TPortOpenResult(openResult)));
}

void TML_RS232_SetNumDlg::searchDone(int found, unsigned version, bool stopped) {
    stopSearch();
    setSearchButtonText();
    progress_->setVisible(false);
    list_->setEnabled(true);
    QPushButton* ok = findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok->setEnabled(true);
    QString text;
    if (found >= 0) {
        list_->setCurrentIndex(found);
        text = Tx("%1: the device answered, %2.", "%1: ответило устройство %2.")
                   .arg(ports_[std::size_t(found)].name, deviceName(std::uint16_t(version)));
        ok->setFocus();
    } else if (stopped) {
        text = Tx("Search stopped.", "Поиск остановлен.");
    } else {
        text = Tx("No device answered on the %1 connected ports.",
                  "Ни на одном из подключённых портов (%1) устройство не ответило.")
                   .arg(searched_.size());
    }
    if (!skipped_.isEmpty())
        text += QLatin1Char(' ') + Tx("Could not be opened: %1.", "Не удалось открыть: %1.")
                                       .arg(skipped_.join(QStringLiteral(", ")));
    status_->setText(text);
}

void TML_RS232_SetNumDlg::reject() {
    stopSearch();
    QDialog::reject();
}
