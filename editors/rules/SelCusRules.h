#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

namespace hlpkit {
class CMethod;
}

namespace vokg {

class CCusSelections;
class Messenger;

// What the function tree decides, without a window: the nodes shown for a function table, the
// node of the original function, selecting, cancelling and finding. The fSelCus window binds
// its tree to these; the node indexes are the tree's node order.
class SelCusRules {
public:
    struct Node {
        QString key;       // "key" + category for a group, "key" + value for a function
        QString parentKey; // empty for a group
        QString text;      // the category, or name TAB description
        QString image;     // "keyParent", "keyRArrowRed" (input) or "keyRArrowBlue" (output)
        QString selectedImage;
        qint32 value = 0; // functions only
        QString name;     // functions only: the function name
        bool isGroup = false;
    };

    SelCusRules(Messenger& messenger, hlpkit::CMethod& method) : messenger_(messenger), method_(method) {}

    // The inputs of the dialog: the function table shown, the signal direction (0 input,
    // 1 output) and the current function value.
    void SetColSel(const CCusSelections* functions) { functions_ = functions; }
    void SetINOUT(int inout) { inout_ = inout; }
    int INOUT() const { return inout_; }
    void SetOrgValue(qint32 value) { orgValue_ = value; }
    qint32 OrgValue() const { return orgValue_; }
    // The chosen value; the original one until a function is selected.
    qint32 RetValue() const { return retValue_; }

    // The groups first (one per category, Create_ParentKey), then one function node each, in
    // table order (Create_Child).
    const QList<Node>& BuildNodes();
    const QList<Node>& Nodes() const { return nodes_; }
    // The keys of the group nodes, which open expanded.
    QStringList ParentKeys() const;

    // The first function node whose name equals `name`, both upper-cased; none when no name does.
    std::optional<int> FindNode(const QString& name) const;
    // The node of the original value's function; none for a value the table lacks.
    std::optional<int> SelectOriginalNode() const;

    // Select (the button, or a double click on a function): nothing selected is message 59, a
    // group message 58, and the dialog stays (false); a function becomes the result (true).
    bool Select(std::optional<int> node);
    // Cancel, and every other way of closing: the original value.
    void Cancel() { retValue_ = orgValue_; }
    // Find: asks for a name until one is given or the question is cancelled; the node to select,
    // or none (cancelled, or message 79 for a name no function has).
    std::optional<int> Find();

private:
    Messenger& messenger_;
    hlpkit::CMethod& method_;
    const CCusSelections* functions_ = nullptr;
    int inout_ = 0;
    qint32 orgValue_ = 0;
    qint32 retValue_ = 0;
    QList<Node> nodes_;
};

} // namespace vokg
