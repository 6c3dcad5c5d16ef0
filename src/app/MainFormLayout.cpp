// The main window's controls, their layout and their captions in both languages.

#include "DeviceModels.h"
#include "HandlerGuard.h"
#include "LinkThread.h"
#include "Main32HPars.h"
#include "MainFormTexts.h"
#include "Pars32H.h"
#include "QtTranslations.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace {

constexpr int MinimumContentWidth = 600; // the widest step text wraps to at most two lines
constexpr int InitialWidth = 920;        // the status line's four parts side by side
constexpr int ButtonPadding = 24; // beside a button's caption, so it does not touch the edges
constexpr int StatusPadding = 8;  // px either side of each part of the status line

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return l;
}

QPushButton* makeButton(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setMinimumHeight(b->sizeHint().height() + 6);
    return b;
}

// One step: a titled box with rows of an explaining text and the button it explains.
QGroupBox* makeStep(QWidget* parent, const char* name,
                    std::initializer_list<std::pair<QLabel*, QPushButton*>> rows) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    QFont title = box->font();
    title.setBold(true);
    box->setFont(title);
    // Set explicitly, so the box's bold title font does not reach its contents.
    QFont plain = title;
    plain.setBold(false);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(0, 1);
    int row = 0;
    for (auto [label, button] : rows) {
        label->setParent(box);
        button->setParent(box);
        label->setFont(plain);
        button->setFont(plain);
        grid->addWidget(label, row, 0, Qt::AlignVCenter);
        grid->addWidget(button, row, 1, Qt::AlignVCenter);
        ++row;
    }
    return box;
}

} // namespace

void TMainForm::buildControls() {
    Label5 = makeLabel(this, "Label5");
    QFont warn = Label5->font();
    warn.setBold(true);
    warn.setPointSizeF(warn.pointSizeF() * 1.1);
    Label5->setFont(warn);
    QPalette red = Label5->palette();
    red.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    Label5->setPalette(red);

    bRS232 = makeButton(this, "bRS232");
    lPort = makeLabel(this, "lPort");
    bVehicles = makeButton(this, "bVehicles");

    Label2 = makeLabel(this, "Label2");
    bGetParams = makeButton(this, "bGetParams");
    Label6 = makeLabel(this, "Label6");
    bLoadParams = makeButton(this, "bLoadParams");
    Label3 = makeLabel(this, "Label3");
    bEditParams = makeButton(this, "bEditParams");
    Label7 = makeLabel(this, "Label7");
    bViewJournals = makeButton(this, "bViewJournals");
    Label4 = makeLabel(this, "Label4");
    bSaveParams = makeButton(this, "bSaveParams");
    Label8 = makeLabel(this, "Label8");
    bCompare = makeButton(this, "bCompare");
    Label9 = makeLabel(this, "Label9");
    bSheet = makeButton(this, "bSheet");
    Label1 = makeLabel(this, "Label1");
    bSetParams = makeButton(this, "bSetParams");

    GroupBox1 = makeStep(this, "GroupBox1", {{Label2, bGetParams}, {Label6, bLoadParams}});
    GroupBox2 = makeStep(this, "GroupBox2", {{Label3, bEditParams}});
    GroupBox5 = makeStep(this, "GroupBox5", {{Label7, bViewJournals}});
    GroupBox3 =
        makeStep(this, "GroupBox3", {{Label4, bSaveParams}, {Label8, bCompare}, {Label9, bSheet}});
    GroupBox4 = makeStep(this, "GroupBox4", {{Label1, bSetParams}});

    cbEnglishVersion = new QCheckBox(this);
    cbEnglishVersion->setObjectName(QStringLiteral("cbEnglishVersion"));

    auto* port = new QHBoxLayout;
    port->setSpacing(12);
    port->addWidget(bRS232);
    port->addWidget(lPort, 1);
    port->addWidget(bVehicles);

    // The status line runs along the window's bottom edge, outside the margins of the steps.
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    lDeviceStatus = new QLabel(StatusBar);
    lDeviceStatus->setObjectName(QStringLiteral("lDeviceStatus"));
    lSourceStatus = new QLabel(StatusBar);
    lSourceStatus->setObjectName(QStringLiteral("lSourceStatus"));
    lUnwrittenStatus = new QLabel(StatusBar);
    lUnwrittenStatus->setObjectName(QStringLiteral("lUnwrittenStatus"));
    lVehicleStatus = new QLabel(StatusBar);
    lVehicleStatus->setObjectName(QStringLiteral("lVehicleStatus"));
    QFont bold = lUnwrittenStatus->font();
    bold.setBold(true);
    lUnwrittenStatus->setFont(bold);
    for (QLabel* l : {lDeviceStatus, lSourceStatus, lUnwrittenStatus, lVehicleStatus})
        l->setContentsMargins(StatusPadding, 2, StatusPadding, 2);
    // A thin line above the status line and between its parts, as desktop programs draw it.
    StatusBar->setStyleSheet(
        QStringLiteral("QStatusBar { border-top: 1px solid palette(mid); }"
                       "QStatusBar::item { border: none; border-right: 1px solid palette(mid); }"));
    StatusBar->addWidget(lVehicleStatus);
    StatusBar->addWidget(lDeviceStatus);
    StatusBar->addWidget(lSourceStatus, 1);
    StatusBar->addPermanentWidget(lUnwrittenStatus);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* layout = new QVBoxLayout;
    outer->addLayout(layout, 1);
    outer->addWidget(StatusBar);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(Label5);
    layout->addLayout(port);
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox5, GroupBox3, GroupBox4})
        layout->addWidget(box);
    layout->addStretch(1);
    layout->addWidget(cbEnglishVersion, 0, Qt::AlignLeft);

    // Each handler shows what it throws at its own boundary.
    const std::pair<QAbstractButton*, void (TMainForm::*)()> handlers[] = {
        {bRS232, &TMainForm::bRS232Click},
        {bGetParams, &TMainForm::bGetParamsClick},
        {bLoadParams, &TMainForm::bLoadParamsClick},
        {bEditParams, &TMainForm::bEditParamsClick},
        {bViewJournals, &TMainForm::bViewJournalsClick},
        {bSaveParams, &TMainForm::bSaveParamsClick},
        {bSetParams, &TMainForm::bSetParamsClick},
        {bCompare, &TMainForm::bCompareClick},
        {bSheet, &TMainForm::bSheetClick},
        {bVehicles, &TMainForm::bVehiclesClick},
        {cbEnglishVersion, &TMainForm::cbEnglishVersionClick},
    };
    for (const auto& [button, handler] : handlers)
        connect(button, &QAbstractButton::clicked, this,
                Guarded([this, handler = handler] { (this->*handler)(); }));
}

void TMainForm::setCaptions() {
    // The standard dialogs follow the language too; without Qt's translation they stay
    // English, which is no reason to stop.
    UseQtTranslations(EnglishVersion);
    for (const TCaption& c : MainFormCaptions()) {
        const QString text = c.text.text();
        if (c.control[0] == '\0') {
            setWindowTitle(text);
            continue;
        }
        QObject* w = findChild<QObject*>(QString::fromLatin1(c.control));
        if (auto* label = qobject_cast<QLabel*>(w))
            label->setText(text);
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            box->setTitle(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            button->setText(text);
    }
    updatePortLabel();
    updateStatus();
    for (QPushButton* b : {bRS232, bVehicles}) {
        b->setMinimumWidth(0);
        b->setMinimumWidth(b->sizeHint().width() + ButtonPadding);
    }

    // The step buttons share one width so that they line up under each other.
    const QList<QPushButton*> steps = {bGetParams,  bLoadParams, bEditParams, bViewJournals,
                                       bSaveParams, bCompare,    bSheet,      bSetParams};
    int width = 0;
    for (QPushButton* b : steps) {
        b->setMinimumWidth(0);
        width = std::max(width, b->sizeHint().width() + ButtonPadding);
    }
    for (QPushButton* b : steps)
        b->setMinimumWidth(width);
    fitMinimumSize();
}

void TMainForm::updatePortLabel() {
    if (!linkThread_ || !lPort) return;
    const TLinkState& link = linkThread_->State();
    QString text;
    if (link.portNumber <= 0)
        text = Tx("Port: none", "Порт: нет");
    else if (link.open)
        text = Tx("Port: %1", "Порт: %1").arg(link.portLabel);
    else
        text = Tx("Port: %1, not open", "Порт: %1, не открыт").arg(link.portLabel);
    lPort->setText(text);
}

void TMainForm::updateStatus() {
    if (!lDeviceStatus || !model_) return;
    // The caption of the window, marked while edits wait for Step 4.
    const QString title = MainFormCaptions().front().text.text();
    setWindowTitle(unwritten_ ? title + QStringLiteral(" *") : title);

    if (source_ == Source::None) {
        lDeviceStatus->setText(StatusTexts::NoSettings.text());
        lSourceStatus->clear();
    } else {
        const QString hex =
            QStringLiteral("0x%1").arg(model_->DeviceVersion, 4, 16, QLatin1Char('0'));
        const QString name = DeviceDesignation(model_->DeviceVersion);
        if (name.isEmpty()) // a type no model has: editor and journals go by the default model
            lDeviceStatus->setText(
                StatusTexts::UnknownDevice.text().arg(hex, DeviceDesignation(DefaultDeviceVersion),
                                                      QString::number(model_->SettingsVersion())));
        else
            lDeviceStatus->setText(StatusTexts::Device.text()
                                       .arg(QStringLiteral("%1 (%2)").arg(name, hex))
                                       .arg(model_->SettingsVersion()));
        const QString time = QLocale().toString(sourceTime_.time(), QStringLiteral("HH:mm"));
        switch (source_) {
        case Source::Device:
            lSourceStatus->setText(StatusTexts::FromDevice.text().arg(time));
            break;
        case Source::Written:
            lSourceStatus->setText(StatusTexts::WrittenAt.text().arg(time));
            break;
        case Source::File:
            lSourceStatus->setText(
                StatusTexts::FromFile.text().arg(QFileInfo(sourceFile_).fileName()));
            lSourceStatus->setToolTip(QDir::toNativeSeparators(sourceFile_));
            break;
        case Source::None:
            break;
        }
    }
    lUnwrittenStatus->setText(unwritten_ ? StatusTexts::Unwritten.text() : QString());
    lUnwrittenStatus->setVisible(unwritten_);
    lVehicleStatus->setText(vehicle_ ? StatusTexts::Vehicle.text().arg(vehicle_->name) : QString());
    lVehicleStatus->setVisible(vehicle_.has_value());
}

void TMainForm::setSource(Source source, const QString& file) {
    source_ = source;
    sourceTime_ = QDateTime::currentDateTime();
    sourceFile_ = file;
    lSourceStatus->setToolTip(QString());
    updateStatus();
}

void TMainForm::setUnwritten(bool unwritten) {
    unwritten_ = unwritten;
    updateStatus();
}

void TMainForm::fitMinimumSize() {
    // Word-wrapped texts need more height when narrow: the smallest window is the height
    // the layout needs at the smallest width, so no text is ever cut off.
    layout()->activate();
    const int w = std::max(MinimumContentWidth, layout()->minimumSize().width());
    setMinimumSize(w, neededHeight(w));
}

int TMainForm::neededHeight(int width) const {
    return std::max(layout()->minimumSize().height(),
                    hasHeightForWidth() ? heightForWidth(width) : 0);
}

void TMainForm::setInitialSize() {
    resize(InitialWidth, neededHeight(InitialWidth));
    // Until a placement has been saved, the window opens in the middle of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        QRect r(QPoint(0, 0), size());
        r.moveCenter(avail.center());
        move(std::max(r.left(), avail.left()), std::max(r.top(), avail.top()));
    }
}
