#include "platform/gui/Tree.h"

#include "hlpkit/RunError.h"
#include "platform/gui/TreeModel.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace platform {

Tree::Tree(QWidget* parent) : QWidget(parent) {
    model_ = new TreeModel(this);
    view_ = new QTreeView(this);
    view_->setObjectName(QStringLiteral("TreeView"));
    view_->setModel(model_);
    view_->setHeaderHidden(true);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A double click chooses a node; it must not also fold or unfold it.
    view_->setExpandsOnDoubleClick(false);
    view_->setUniformRowHeights(true);
    view_->setIconSize(QSize(16, 16));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    setFocusProxy(view_);

    connect(view_, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        const int node = model_->NodeOf(index);
        if (node >= 0 && events_.DblClick)
            events_.DblClick(node);
    });
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const std::optional<int> node = SelectedNode();
        model_->SetSelectedNode(node.value_or(-1));
        if (events_.SelectionChanged)
            events_.SelectionChanged();
    });
}

Tree::~Tree() = default;

void Tree::CheckNode(int node) const {
    if (node < 0 || node >= model_->Count())
        throw hlpkit::RunError(hlpkit::SubscriptOutOfRange,
                               QStringLiteral("%1: node %2")
                                   .arg(hlpkit::StandardErrorText(hlpkit::SubscriptOutOfRange))
                                   .arg(node));
}

void Tree::SetImage(const QString& key, const QPixmap& picture) {
    model_->SetImage(key, picture);
}

void Tree::SetRootLines(bool on) {
    view_->setRootIsDecorated(on);
}

void Tree::SetIndentation(int pixels) {
    view_->setIndentation(pixels);
}

int Tree::Add(const QString& relativeKey, const QString& key, const QString& text, const QString& image,
              const QString& selectedImage) {
    return model_->Add(relativeKey, key, text, image, selectedImage);
}

void Tree::Clear() {
    model_->Clear();
}

int Tree::Count() const {
    return model_->Count();
}

QString Tree::Key(int node) const {
    CheckNode(node);
    return model_->Node(node).key;
}

QString Tree::Text(int node) const {
    CheckNode(node);
    return model_->Node(node).text;
}

int Tree::Children(int node) const {
    CheckNode(node);
    return int(model_->Node(node).children.size());
}

std::optional<int> Tree::Parent(int node) const {
    CheckNode(node);
    const int parent = model_->Node(node).parent;
    return parent < 0 ? std::nullopt : std::optional<int>(parent);
}

int Tree::IndexOfKey(const QString& key) const {
    return model_->IndexOfKey(key);
}

void Tree::SetForeColor(int node, const QColor& color) {
    CheckNode(node);
    model_->SetForeColor(node, color);
}

QColor Tree::ForeColor(int node) const {
    CheckNode(node);
    return model_->Node(node).foreColor;
}

void Tree::Expand(int node, bool expanded) {
    CheckNode(node);
    view_->setExpanded(model_->IndexOf(node), expanded);
}

bool Tree::IsExpanded(int node) const {
    CheckNode(node);
    return view_->isExpanded(model_->IndexOf(node));
}

void Tree::ExpandRoot(const QStringList& keys) {
    for (const QString& key : keys)
        if (const int node = model_->IndexOfKey(key); node >= 0)
            Expand(node, true);
}

std::optional<int> Tree::SelectedNode() const {
    const QModelIndexList selected = view_->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return std::nullopt;
    const int node = model_->NodeOf(selected.first());
    return node < 0 ? std::nullopt : std::optional<int>(node);
}

void Tree::SetSelectedNode(std::optional<int> node) {
    if (!node) {
        view_->selectionModel()->clearSelection();
        view_->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
        return;
    }
    CheckNode(*node);
    view_->selectionModel()->setCurrentIndex(model_->IndexOf(*node), QItemSelectionModel::ClearAndSelect);
}

void Tree::EnsureVisible(int node) {
    CheckNode(node);
    for (std::optional<int> parent = Parent(node); parent; parent = Parent(*parent))
        Expand(*parent, true);
    view_->scrollTo(model_->IndexOf(node));
}

std::optional<QRect> Tree::NodeRect(int node) const {
    CheckNode(node);
    const QRect rect = view_->visualRect(model_->IndexOf(node));
    if (rect.isEmpty())
        return std::nullopt;
    return QRect(view_->viewport()->mapTo(this, rect.topLeft()), rect.size());
}

QAbstractItemModel* Tree::ItemModel() const {
    return model_;
}

} // namespace platform
