#include "editors/fPrint.h"

#include "editors/rules/PrintRules.h"
#include "hlpkit/CProperty.h"
#include "shell/messages/Messages.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vokg {
namespace {

constexpr int kCaption = 1116;     // "Print"
constexpr int kPrint = 1075;       // "&Print"
constexpr int kCreateExcel = 1109; // "Create &Excel file"
constexpr int kClose = 1110;       // "&Close"
constexpr int kSelectAll = 1111;   // "Select &all"
constexpr int kReleaseAll = 1112;  // "&Release all"
constexpr int kOnlyDif = 1113;     // "Print only &differences."
constexpr int kOverWrite = 1441;   // "Always Over&write"
constexpr int kWhatToPrint = 1115; // "What do you want to print?"

QPushButton* MakeButton(int resourceId, const QString& name) {
    auto* button = new QPushButton(ResourceText(resourceId));
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

fPrint::fPrint(PrintRules& print, QWidget* parent) : QDialog(parent), print_(print) {
    setObjectName(QStringLiteral("fPrint"));
    setWindowTitle(ResourceText(kCaption));

    lst_ = new QListWidget;
    lst_->setObjectName(QStringLiteral("lst"));
    lst_->setSelectionMode(QAbstractItemView::MultiSelection);
    btnSelectAll_ = MakeButton(kSelectAll, QStringLiteral("btnSel1"));
    btnReleaseAll_ = MakeButton(kReleaseAll, QStringLiteral("btnSel2"));
    chkDoesPrintOnlyDif_ = new QCheckBox(ResourceText(kOnlyDif));
    chkDoesPrintOnlyDif_->setObjectName(QStringLiteral("chkDoesPrintOnlyDif"));
    chkDoesOverWrite_ = new QCheckBox(ResourceText(kOverWrite));
    chkDoesOverWrite_->setObjectName(QStringLiteral("chkDoesOverWrite"));

    framePrint_ = new QGroupBox(ResourceText(kWhatToPrint));
    framePrint_->setObjectName(QStringLiteral("framePrint"));
    auto* selectButtons = new QHBoxLayout;
    selectButtons->addWidget(btnSelectAll_);
    selectButtons->addWidget(btnReleaseAll_);
    selectButtons->addStretch();
    auto* frameLayout = new QVBoxLayout(framePrint_);
    frameLayout->addWidget(lst_);
    frameLayout->addLayout(selectButtons);
    frameLayout->addWidget(chkDoesPrintOnlyDif_);

    btnPrint_ = MakeButton(kPrint, QStringLiteral("BTN1"));
    btnExcel_ = MakeButton(kCreateExcel, QStringLiteral("BTN2"));
    btnClose_ = MakeButton(kClose, QStringLiteral("BTN3"));
    auto* commands = new QVBoxLayout;
    commands->addWidget(btnPrint_);
    commands->addWidget(btnExcel_);
    commands->addWidget(chkDoesOverWrite_);
    commands->addStretch();
    commands->addWidget(btnClose_);

    auto* body = new QHBoxLayout;
    body->addWidget(framePrint_, 1);
    body->addLayout(commands);

    sBar_ = new QStatusBar;
    sBar_->setObjectName(QStringLiteral("sBar"));
    sBar_->setSizeGripEnabled(false);
    keyMsg_ = new QLabel;
    keyMsg_->setObjectName(QStringLiteral("keyMSG"));
    sBar_->addWidget(keyMsg_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(sBar_);

    print_.Load();
    for (const PrintRules::ListItem& item : print_.Items())
        lst_->addItem(item.text);
    ShowSelection();
    if (print_.CurrentIndex() >= 0) {
        const QSignalBlocker blocker(lst_);
        lst_->setCurrentRow(print_.CurrentIndex(), QItemSelectionModel::NoUpdate);
    }
    chkDoesPrintOnlyDif_->setEnabled(print_.OnlyDifEnabled());
    chkDoesPrintOnlyDif_->setChecked(print_.DoesPrintOnlyDif());
    chkDoesOverWrite_->setChecked(print_.DoesOverWrite());
    print_.SetStatusListener([this](const QString& text) { ShowStatus(text); });

    connect(lst_, &QListWidget::itemSelectionChanged, this, [this] { TakeSelection(); });
    connect(btnSelectAll_, &QPushButton::clicked, this, [this] {
        print_.SelectAll(true);
        ShowSelection();
    });
    connect(btnReleaseAll_, &QPushButton::clicked, this, [this] {
        print_.SelectAll(false);
        ShowSelection();
    });
    connect(chkDoesPrintOnlyDif_, &QCheckBox::toggled, this,
            [this](bool on) { print_.SetDoesPrintOnlyDif(on); });
    connect(chkDoesOverWrite_, &QCheckBox::toggled, this, [this](bool on) { print_.SetDoesOverWrite(on); });
    connect(btnPrint_, &QPushButton::clicked, this, [this] { Print(false); });
    connect(btnExcel_, &QPushButton::clicked, this, [this] { Print(true); });
    connect(btnClose_, &QPushButton::clicked, this, [this] {
        print_.CloseCommand();
        reject();
    });
}

fPrint::~fPrint() {
    print_.SetStatusListener({});
}

QPushButton* fPrint::Button(int index) const {
    switch (index) {
    case 1:
        return btnPrint_;
    case 2:
        return btnExcel_;
    case 3:
        return btnClose_;
    default:
        return nullptr;
    }
}

QPushButton* fPrint::SelectButton(int index) const {
    return index == 1 ? btnSelectAll_ : index == 2 ? btnReleaseAll_ : nullptr;
}

void fPrint::done(int result) {
    // Closing by the close box or Escape stores the choice as well as the Close button does.
    if (!unloaded_) {
        unloaded_ = true;
        print_.Unload();
    }
    QDialog::done(result);
}

void fPrint::ShowSelection() {
    showingSelection_ = true;
    const QList<PrintRules::ListItem>& items = print_.Items();
    for (int row = 0; row < lst_->count() && row < items.size(); ++row)
        lst_->item(row)->setSelected(items.at(row).selected);
    showingSelection_ = false;
}

void fPrint::TakeSelection() {
    if (showingSelection_)
        return;
    for (int row = 0; row < lst_->count(); ++row)
        print_.SetSelected(row, lst_->item(row)->isSelected());
}

void fPrint::Print(bool toFile) {
    TakeSelection();
    // The export runs to its end before the event loop turns again; a second click must not
    // queue a second sheet behind it.
    setEnabled(false);
    const bool done = print_.StartPrinting(toFile);
    setEnabled(true);
    if (done)
        accept();
}

void fPrint::ShowStatus(const QString& text) {
    keyMsg_->setText(text);
    keyMsg_->repaint();
}

bool fPrint::OpenExcelFile(const PrintRules& print, hlpkit::CProperty& property, Messenger& messenger,
                           QWidget* owner) {
    // The desktop shows the opened workbook maximised where it can.
    constexpr int kShowMaximized = 3;
    if (!print.DispExcel() || print.ExcelFile().isEmpty())
        return false;
    const int result = property.RunAssociatedApp(owner, print.ExcelFile(), kShowMaximized);
    if (result == hlpkit::CProperty::NoAssociation)
        messenger.ShowText(QStringLiteral("The workbook was saved as:\n\n%1\n\n"
                                          "No program is registered to open it.")
                               .arg(QDir::toNativeSeparators(print.ExcelFile())),
                           platform::BoxKind::Information);
    return result > 32;
}

} // namespace vokg
