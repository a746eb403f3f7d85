#include "platform/gui/TreeModel.h"

#include "hlpkit/RunError.h"

#include <algorithm>

namespace platform {

TreeModel::TreeModel(QObject* parent) : QAbstractItemModel(parent) {}

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0)
        return {};
    if (!parent.isValid())
        return row < int(roots_.size()) ? createIndex(row, 0, quintptr(roots_[size_t(row)])) : QModelIndex();
    const int parentNode = NodeOf(parent);
    if (parentNode < 0)
        return {};
    const std::vector<int>& children = nodes_[size_t(parentNode)].children;
    return row < int(children.size()) ? createIndex(row, 0, quintptr(children[size_t(row)])) : QModelIndex();
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
    const int node = NodeOf(child);
    if (node < 0)
        return {};
    const int parentNode = nodes_[size_t(node)].parent;
    return parentNode < 0 ? QModelIndex() : IndexOf(parentNode);
}

int TreeModel::rowCount(const QModelIndex& parent) const {
    if (!parent.isValid())
        return int(roots_.size());
    if (parent.column() != 0)
        return 0;
    const int node = NodeOf(parent);
    return node < 0 ? 0 : int(nodes_[size_t(node)].children.size());
}

int TreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const {
    const int node = NodeOf(index);
    if (node < 0)
        return {};
    const TreeNode& item = nodes_[size_t(node)];
    switch (role) {
    case Qt::DisplayRole: {
        // Name and description apart, as the dialog's list columns show them.
        const qsizetype tab = item.text.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            return item.text;
        return item.text.left(tab).leftJustified(10, QLatin1Char(' ')) + QStringLiteral("  ") +
               item.text.mid(tab + 1);
    }
    case Qt::ToolTipRole:
        return item.text;
    case Qt::DecorationRole: {
        const QString& key =
            node == selected_ && !item.selectedImage.isEmpty() ? item.selectedImage : item.image;
        const QPixmap picture = images_.value(key);
        return picture.isNull() ? QVariant() : QVariant(picture);
    }
    case Qt::ForegroundRole:
        return item.foreColor.isValid() ? QVariant(item.foreColor) : QVariant();
    case Qt::UserRole:
        return item.key;
    default:
        return {};
    }
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
    if (NodeOf(index) < 0)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

int TreeModel::Add(const QString& relativeKey, const QString& key, const QString& text, const QString& image,
                   const QString& selectedImage) {
    if (keys_.contains(key))
        throw hlpkit::RunError(hlpkit::DuplicateKey,
                               hlpkit::StandardErrorText(hlpkit::DuplicateKey) + QStringLiteral(": ") + key);
    int parentNode = -1;
    if (!relativeKey.isEmpty()) {
        parentNode = IndexOfKey(relativeKey);
        if (parentNode < 0)
            throw hlpkit::RunError(hlpkit::InvalidCall,
                                   QStringLiteral("%1: no node is keyed %2")
                                       .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall), relativeKey));
    }
    const int node = int(nodes_.size());
    const int row = parentNode < 0 ? int(roots_.size()) : int(nodes_[size_t(parentNode)].children.size());
    beginInsertRows(parentNode < 0 ? QModelIndex() : IndexOf(parentNode), row, row);
    TreeNode added;
    added.key = key;
    added.text = text;
    added.image = image;
    added.selectedImage = selectedImage;
    added.parent = parentNode;
    nodes_.push_back(std::move(added));
    if (parentNode < 0)
        roots_.push_back(node);
    else
        nodes_[size_t(parentNode)].children.push_back(node);
    keys_.insert(key, node);
    endInsertRows();
    return node;
}

void TreeModel::Clear() {
    beginResetModel();
    nodes_.clear();
    roots_.clear();
    keys_.clear();
    selected_ = -1;
    endResetModel();
}

void TreeModel::SetForeColor(int node, const QColor& color) {
    if (node < 0 || node >= Count())
        return;
    nodes_[size_t(node)].foreColor = color;
    const QModelIndex at = IndexOf(node);
    emit dataChanged(at, at, {Qt::ForegroundRole});
}

QModelIndex TreeModel::IndexOf(int node) const {
    if (node < 0 || node >= Count())
        return {};
    const int parentNode = nodes_[size_t(node)].parent;
    const std::vector<int>& siblings = parentNode < 0 ? roots_ : nodes_[size_t(parentNode)].children;
    const auto at = std::find(siblings.begin(), siblings.end(), node);
    return createIndex(int(at - siblings.begin()), 0, quintptr(node));
}

int TreeModel::NodeOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return -1;
    const int node = int(index.internalId());
    return node >= 0 && node < Count() ? node : -1;
}

void TreeModel::SetImage(const QString& key, const QPixmap& picture) {
    images_.insert(key, picture);
    if (!nodes_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
}

void TreeModel::SetSelectedNode(int node) {
    const int was = selected_;
    selected_ = node;
    for (const int changed : {was, node}) {
        const QModelIndex at = IndexOf(changed);
        if (at.isValid())
            emit dataChanged(at, at, {Qt::DecorationRole});
    }
}

} // namespace platform
