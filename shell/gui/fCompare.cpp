#include "shell/gui/fCompare.h"
#include "shell/gui/DifferenceTree.h"

#include "shell/App.h"
#include "shell/DiffSession.h"
#include "shell/messages/ProgramSettings.h"
#include "shell/messages/SettingKeys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vokg {
using DifferenceTree::kDifferenceRole;

fCompare::fCompare(App& app, std::function<void(const TableDifference&)> openDifference, QWidget* parent)
    : QWidget(parent, Qt::Window), app_(app), openDifference_(std::move(openDifference)) {
    setObjectName(QStringLiteral("fCompare"));
    setWindowTitle(QStringLiteral("Compare files"));
    auto* layout = new QVBoxLayout(this);
    auto* files = new QGridLayout;
    layout->addLayout(files);
    const QStringList captions{QStringLiteral("First file"), QStringLiteral("Second file")};
    for (int side = 0; side < 2; ++side) {
        auto* box = new QLineEdit(this);
        box->setObjectName(side == 0 ? QStringLiteral("txtFileA") : QStringLiteral("txtFileB"));
        auto* browse = new QPushButton(QStringLiteral("..."), this);
        browse->setObjectName(side == 0 ? QStringLiteral("btnFileA") : QStringLiteral("btnFileB"));
        auto* table = new QComboBox(this);
        table->setObjectName(side == 0 ? QStringLiteral("cboTableA") : QStringLiteral("cboTableB"));
        files->addWidget(new QLabel(captions[side], this), side, 0);
        files->addWidget(box, side, 1);
        files->addWidget(browse, side, 2);
        files->addWidget(new QLabel(QStringLiteral("Table"), this), side, 3);
        files->addWidget(table, side, 4);
        (side == 0 ? fileA_ : fileB_) = box;
        (side == 0 ? browseA_ : browseB_) = browse;
        (side == 0 ? tableA_ : tableB_) = table;
        FillTables(side);
        connect(browse, &QPushButton::clicked, this, [this, side] { Browse(side); });
        connect(box, &QLineEdit::textChanged, this, [this, side] {
            FillTables(side);
            compare_->setEnabled(!fileA_->text().isEmpty() && !fileB_->text().isEmpty());
        });
    }
    files->setColumnStretch(1, 1);

    auto* commands = new QHBoxLayout;
    layout->addLayout(commands);
    allTables_ = new QCheckBox(QStringLiteral("Every table"), this);
    allTables_->setObjectName(QStringLiteral("chkAllTables"));
    connect(allTables_, &QCheckBox::toggled, this, [this](bool every) {
        tableA_->setEnabled(!every);
        tableB_->setEnabled(!every);
    });
    compare_ = new QPushButton(QStringLiteral("Compare"), this);
    compare_->setObjectName(QStringLiteral("btnCompare"));
    compare_->setEnabled(false);
    connect(compare_, &QPushButton::clicked, this, [this] { CompareFiles(); });
    filter_ = new QLineEdit(this);
    filter_->setObjectName(QStringLiteral("txtFilter"));
    filter_->setPlaceholderText(QStringLiteral("Filter"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    commands->addWidget(allTables_);
    commands->addWidget(compare_);
    commands->addSpacing(12);
    commands->addWidget(new QLabel(QStringLiteral("Show lines with"), this));
    commands->addWidget(filter_, 1);

    tree_ = new QTreeWidget(this);
    tree_->setObjectName(QStringLiteral("tvwDifferences"));
    tree_->setHeaderHidden(true);
    tree_->setColumnCount(1);
    tree_->setUniformRowHeights(true);
    connect(tree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        const QVariant index = item->data(0, kDifferenceRole);
        if (index.isValid() && openDifference_)
            openDifference_(differences_.at(index.toInt()));
    });
    layout->addWidget(tree_, 1);
    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("lblCount"));
    layout->addWidget(count_);
    resize(760, 520);
}

fCompare::~fCompare() = default;

void fCompare::FillTables(int side) {
    QComboBox* box = TableBox(side);
    const int count = TableDiff::TableCount(FileBox(side)->text());
    if (box->count() == count)
        return;
    const int chosen = box->currentIndex();
    box->clear();
    for (int table = 1; table <= count; ++table)
        box->addItem(QString::number(table), table);
    box->setCurrentIndex(chosen >= 0 && chosen < count ? chosen : 0);
}

void fCompare::Browse(int side) {
    platform::FileDialogRequest request;
    request.title = side == 0 ? QStringLiteral("Compare files: first file")
                              : QStringLiteral("Compare files: second file");
    request.filter = QStringLiteral("dsg file|*.dsg|VOKG dat file|VOKG*.dat");
    request.mustExist = true;
    const QString current = FileBox(side)->text();
    request.fileName = current;
    request.initialFolder =
        current.isEmpty() ? app_.Settings().Get(Setting::StdReadingPath) : QFileInfo(current).absolutePath();
    const std::optional<platform::FileDialogResult> chosen = app_.Prompter().OpenFile(request);
    if (chosen && !chosen->path.isEmpty())
        FileBox(side)->setText(chosen->path);
}

bool fCompare::CompareFiles() {
    differences_.clear();
    ShowDifferences();
    if (!session_)
        session_ =
            std::make_unique<DiffSession>(app_.Prompter(), app_.Identity().folder, app_.Identity().baseName);
    const std::optional<QList<TableDifference>> found =
        session_->Compare(fileA_->text(), tableA_->currentData().toInt(), fileB_->text(),
                          tableB_->currentData().toInt(), allTables_->isChecked());
    if (!found) {
        count_->setText(QStringLiteral("The files could not be compared."));
        return false;
    }
    differences_ = *found;
    ShowDifferences();
    return true;
}

void fCompare::ShowDifferences() {
    DifferenceTree::Fill(tree_, differences_, [this](int table) {
        return table != 0 ? QStringLiteral("Table %1").arg(table)
                          : QStringLiteral("Table %1 : table %2")
                                .arg(tableA_->currentText(), tableB_->currentText());
    });
    ApplyFilter();
}

void fCompare::ApplyFilter() {
    const int shown = DifferenceTree::Filter(tree_, filter_->text().trimmed());
    const int total = static_cast<int>(differences_.size());
    if (total == shown)
        count_->setText(
            DifferenceTree::Counted(total, QStringLiteral("difference"), QStringLiteral("differences")));
    else
        count_->setText(QStringLiteral("%1 of %2 differences shown").arg(shown).arg(total));
}

QStringList fCompare::Lines() const {
    QStringList lines;
    for (const TableDifference& difference : differences_)
        lines.append(difference.Line());
    return lines;
}

QStringList fCompare::VisibleLines() const {
    return DifferenceTree::VisibleLines(tree_);
}

QTreeWidgetItem* fCompare::ItemOfLine(const QString& line) const {
    for (QTreeWidgetItemIterator it(tree_); *it; ++it)
        if ((*it)->data(0, kDifferenceRole).isValid() && (*it)->text(0) == line)
            return *it;
    return nullptr;
}

} // namespace vokg
