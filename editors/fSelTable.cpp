#include "editors/fSelTable.h"

#include "editors/HeaderText.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "shell/messages/Messages.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace vokg {
namespace {

constexpr int kCaption = 1468;          // "Select table"
constexpr int kReadModel = 1543;        // "&Read model"
constexpr int kModelNameHeading = 1544; // "Model name"
constexpr int kDataVersionHeading = 1545;
constexpr int kOk = 1122;
constexpr int kCancel = 1123;

// Tables are shown in blocks of eight rows side by side, so the 16-table dialog stays short
// enough for a small screen.
constexpr int kRowsPerBlock = 8;
constexpr int kColumnsPerBlock = 3;

} // namespace

fSelTable::fSelTable(int tableCount, hlpkit::CMethod& method, QWidget* parent)
    : QDialog(parent), method_(method), tableCount_(tableCount) {
    if (tableCount != kDesignTables && tableCount != kMachineTables)
        throw std::invalid_argument("fSelTable: a data file has 8 or 16 tables");

    setWindowTitle(ResourceText(kCaption));
    setObjectName(tableCount == kDesignTables ? QStringLiteral("fSelTable8") : QStringLiteral("fSelTable16"));

    auto* grid = new QGridLayout;
    options_ = new QButtonGroup(this);
    const int blocks = (tableCount + kRowsPerBlock - 1) / kRowsPerBlock;
    for (int block = 0; block < blocks; ++block) {
        const int column = block * kColumnsPerBlock;
        auto* nameHeading = new QLabel(ResourceText(kModelNameHeading));
        nameHeading->setObjectName(QStringLiteral("LabelKishuMei"));
        auto* versionHeading = new QLabel(ResourceText(kDataVersionHeading));
        versionHeading->setObjectName(QStringLiteral("LabelDataVersion"));
        grid->addWidget(nameHeading, 0, column + 1);
        grid->addWidget(versionHeading, 0, column + 2);
    }
    for (int table = 1; table <= tableCount; ++table) {
        const int row = (table - 1) % kRowsPerBlock + 1;
        const int column = (table - 1) / kRowsPerBlock * kColumnsPerBlock;

        auto* option = new QRadioButton(QStringLiteral("Table %1").arg(table));
        option->setObjectName(QStringLiteral("ops%1").arg(table));
        options_->addButton(option, table);
        ops_.append(option);

        auto* kishu = new QLabel;
        kishu->setObjectName(QStringLiteral("lblKishuMei%1").arg(table));
        kishu->setFrameShape(QFrame::Panel);
        kishu->setFrameShadow(QFrame::Sunken);
        kishu->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('W')) * HeaderText::kFieldSize);
        auto* version = new QLabel;
        version->setObjectName(QStringLiteral("lblDataVersion%1").arg(table));
        version->setFrameShape(QFrame::Panel);
        version->setFrameShadow(QFrame::Sunken);
        version->setMinimumWidth(kishu->minimumWidth());
        lblKishuMei_.append(kishu);
        lblDataVersion_.append(version);

        grid->addWidget(option, row, column);
        grid->addWidget(kishu, row, column + 1);
        grid->addWidget(version, row, column + 2);
    }

    readModelButton_ = new QPushButton(ResourceText(kReadModel));
    readModelButton_->setObjectName(QStringLiteral("btnReadKishu"));
    okButton_ = new QPushButton(ResourceText(kOk));
    okButton_->setObjectName(QStringLiteral("BTN1"));
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton(ResourceText(kCancel));
    cancelButton_->setObjectName(QStringLiteral("BTN2"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(readModelButton_);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(options_, &QButtonGroup::idToggled, this, [this](int table, bool checked) {
        if (!checked)
            return;
        tableNo_ = table;
        okButton_->setEnabled(true);
    });
    connect(readModelButton_, &QPushButton::clicked, this, [this] { DispInfo(); });
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void fSelTable::SetTableNo(int tableNo) {
    tableNo_ = tableNo;
    if (loaded_)
        Load();
}

QRadioButton* fSelTable::OptionButton(int table) const {
    return table >= 1 && table <= tableCount_ ? ops_.at(table - 1) : nullptr;
}

QString fSelTable::ShownKishuName(int table) const {
    return table >= 1 && table <= tableCount_ ? lblKishuMei_.at(table - 1)->text() : QString();
}

QString fSelTable::ShownDataVersion(int table) const {
    return table >= 1 && table <= tableCount_ ? lblDataVersion_.at(table - 1)->text() : QString();
}

void fSelTable::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (loaded_)
        return;
    loaded_ = true;
    Load();
    ClearLabels();
    if (readModelAtOnce_)
        DispInfo();
}

void fSelTable::Load() {
    // A preset outside the file's tables selects nothing, and OK waits for a real choice
    // instead of handing back a table the file does not have.
    QRadioButton* preset = OptionButton(tableNo_);
    if (preset != nullptr) {
        preset->setChecked(true);
    } else {
        options_->setExclusive(false);
        for (QRadioButton* option : ops_)
            option->setChecked(false);
        options_->setExclusive(true);
    }
    okButton_->setEnabled(preset != nullptr);
}

void fSelTable::ClearLabels() {
    for (QLabel* label : lblKishuMei_)
        label->clear();
    for (QLabel* label : lblDataVersion_)
        label->clear();
}

bool fSelTable::DispInfo() {
    readModelButton_->setEnabled(false);
    const bool read = hlpkit::Guarded(method_, QStringLiteral("DispInfo"), false, [&] {
        HeaderText headers(file_);
        for (int table = 1; table <= tableCount_; ++table) {
            const HeaderText::Header header = headers.Read(table);
            lblKishuMei_.at(table - 1)->setText(header.kishuName);
            lblDataVersion_.at(table - 1)->setText(header.dataVersion);
        }
        return true;
    });
    readModelButton_->setEnabled(true);
    return read;
}

void fSelTable::done(int result) {
    if (result != QDialog::Accepted)
        tableNo_ = kCancelled;
    QDialog::done(result);
}

} // namespace vokg
