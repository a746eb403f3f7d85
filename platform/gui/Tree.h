#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

class QAbstractItemModel;
class QTreeView;

namespace platform {

class TreeModel;

// What the tree tells its window. Nodes are given by their node index (the order they were
// added in).
struct TreeEvents {
    // A node was double-clicked.
    std::function<void(int node)> DblClick;
    // The selected node changed, by the user or by the program.
    std::function<void()> SelectionChanged;
};

// The tree control of the program's dialogs: nodes added under a relative key with a text, a
// picture of the tree's image list and a picture for the selected state, expanded and selected
// by the program, in the manner of the grid (a façade over its own model and a QTreeView).
class Tree : public QWidget {
    Q_OBJECT

public:
    explicit Tree(QWidget* parent = nullptr);
    ~Tree() override;

    TreeEvents& Events() { return events_; }

    // The image list: pictures by key.
    void SetImage(const QString& key, const QPixmap& picture);
    // Lines between the nodes, from the root too; the indentation of a level in pixels.
    void SetRootLines(bool on);
    void SetIndentation(int pixels);

    // Adds a node under the node keyed `relativeKey` (empty: a root node); its node index.
    // A key already taken or an unknown relative throws hlpkit::RunError (457, 5).
    int Add(const QString& relativeKey, const QString& key, const QString& text, const QString& image,
            const QString& selectedImage = {});
    void Clear();
    int Count() const;
    QString Key(int node) const;
    QString Text(int node) const;
    int Children(int node) const;
    std::optional<int> Parent(int node) const;
    // -1 when no node has the key.
    int IndexOfKey(const QString& key) const;
    void SetForeColor(int node, const QColor& color);
    QColor ForeColor(int node) const;

    void Expand(int node, bool expanded = true);
    bool IsExpanded(int node) const;
    // Every node whose key is in `keys` opens.
    void ExpandRoot(const QStringList& keys);

    std::optional<int> SelectedNode() const;
    // Selects the node (none: no node is selected) and makes it the current one.
    void SetSelectedNode(std::optional<int> node);
    // Opens the node's parents and scrolls it into view.
    void EnsureVisible(int node);
    // The node's rectangle in the tree's own coordinates; none while it is not shown.
    std::optional<QRect> NodeRect(int node) const;

    QTreeView* View() const { return view_; }
    QAbstractItemModel* ItemModel() const;

private:
    void CheckNode(int node) const;

    TreeEvents events_;
    TreeModel* model_ = nullptr;
    QTreeView* view_ = nullptr;
};

} // namespace platform
