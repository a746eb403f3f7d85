#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QHash>
#include <QPixmap>
#include <QString>

#include <vector>

namespace platform {

// One node of the tree control, as the program adds it.
struct TreeNode {
    QString key; // unique within the tree
    QString text;
    QString image;         // key of the picture in the tree's image list
    QString selectedImage; // the picture while the node is selected; empty: `image`
    QColor foreColor;      // invalid: the view's text colour
    int parent = -1;       // node index of the parent, -1 for a root node
    std::vector<int> children;
};

// The tree's nodes in the order they were added (the node order of the program's calls) and
// the item model a view shows them through. A node's TAB separates its name from its
// description; the view shows the two apart.
class TreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    explicit TreeModel(QObject* parent = nullptr);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Adds a node under the node keyed `relativeKey` (empty: at the root) and returns its node
    // index. A key already taken throws hlpkit::RunError 457 and an unknown relative key
    // RunError 5 (invalid call), each naming the key; nothing is added then.
    int Add(const QString& relativeKey, const QString& key, const QString& text, const QString& image,
            const QString& selectedImage);
    void Clear();

    int Count() const { return int(nodes_.size()); }
    const TreeNode& Node(int node) const { return nodes_.at(size_t(node)); }
    // The node index of a key; -1 when no node has it.
    int IndexOfKey(const QString& key) const { return keys_.value(key, -1); }
    void SetForeColor(int node, const QColor& color);

    QModelIndex IndexOf(int node) const;
    int NodeOf(const QModelIndex& index) const;

    void SetImage(const QString& key, const QPixmap& picture);
    QPixmap Image(const QString& key) const { return images_.value(key); }
    // The node whose pictures show it selected.
    void SetSelectedNode(int node);

private:
    std::vector<TreeNode> nodes_;
    std::vector<int> roots_;
    QHash<QString, int> keys_;
    QHash<QString, QPixmap> images_;
    int selected_ = -1;
};

} // namespace platform
