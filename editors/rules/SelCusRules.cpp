#include "editors/rules/SelCusRules.h"

#include "hlpkit/RunError.h"
#include "model/CCusSelections.h"
#include "shell/messages/Messages.h"

namespace vokg {
namespace {

constexpr int kNoSelection = 59;   // "Select again."
constexpr int kGroupSelected = 58; // "You cannnot select category!"
constexpr int kInputName = 24;     // "Input value!"
constexpr int kNameNotFound = 79;  // "[name]" and "Value not found."
constexpr int kFindTitle = 119;    // "&Find"
constexpr int kFindPrompt = 108;   // "Input digital value to find"

} // namespace

const QList<SelCusRules::Node>& SelCusRules::BuildNodes() {
    hlpkit::Guarded(method_, QStringLiteral("Create_Child"), false, [&] {
        nodes_.clear();
        if (functions_ == nullptr)
            return true;
        // Create_ParentKey: one group per category, in the order the categories first occur.
        QStringList categories;
        for (const CCusSelection& function : *functions_)
            if (!categories.contains(function.Category()))
                categories.append(function.Category());
        for (const QString& category : categories) {
            Node group;
            group.key = QStringLiteral("key") + category;
            group.text = category;
            group.image = QStringLiteral("keyParent");
            group.selectedImage = group.image;
            group.isGroup = true;
            nodes_.append(group);
        }
        for (const CCusSelection& function : *functions_) {
            Node child;
            child.key = QStringLiteral("key") + QString::number(function.Value());
            child.parentKey = QStringLiteral("key") + function.Category();
            child.text = function.Ditigal() + QLatin1Char('\t') + function.Advice();
            child.image = inout_ == 0 ? QStringLiteral("keyRArrowRed") : QStringLiteral("keyRArrowBlue");
            child.selectedImage = QStringLiteral("keyRArrow2");
            child.value = function.Value();
            child.name = function.Ditigal();
            nodes_.append(child);
        }
        return true;
    });
    retValue_ = orgValue_;
    return nodes_;
}

QStringList SelCusRules::ParentKeys() const {
    QStringList keys;
    for (const Node& node : nodes_)
        if (node.isGroup)
            keys.append(node.key);
    return keys;
}

std::optional<int> SelCusRules::FindNode(const QString& name) const {
    // Both sides upper-cased: a function whose name holds a small letter can be found too.
    const QString wanted = name.toUpper();
    for (int index = 0; index < nodes_.size(); ++index)
        if (!nodes_[index].isGroup && nodes_[index].name.toUpper() == wanted)
            return index;
    return std::nullopt;
}

std::optional<int> SelCusRules::SelectOriginalNode() const {
    if (functions_ == nullptr)
        return std::nullopt;
    const CCusSelection* original = functions_->Item(QString::number(orgValue_));
    if (original == nullptr)
        return std::nullopt;
    // By value, not by name: two names differing only in letter case stay apart.
    for (int index = 0; index < nodes_.size(); ++index)
        if (!nodes_[index].isGroup && nodes_[index].value == orgValue_)
            return index;
    return std::nullopt;
}

bool SelCusRules::Select(std::optional<int> node) {
    if (!node || *node < 0 || *node >= nodes_.size()) {
        messenger_.ShowMsg(kNoSelection, platform::BoxKind::Exclamation);
        return false;
    }
    const Node& chosen = nodes_[*node];
    if (chosen.isGroup) {
        messenger_.ShowMsg(kGroupSelected, platform::BoxKind::Exclamation);
        return false;
    }
    retValue_ = chosen.value;
    return true;
}

std::optional<int> SelCusRules::Find() {
    return hlpkit::Guarded(
        method_, QStringLiteral("btnFind_Click"), std::optional<int>(), [&]() -> std::optional<int> {
            for (;;) {
                const std::optional<QString> text =
                    messenger_.Prompter().Input(LoadMsg(kFindTitle), LoadMsg(kFindPrompt), QString(), false);
                if (!text)
                    return std::nullopt;
                if (text->isEmpty()) {
                    messenger_.ShowMsg(kInputName, platform::BoxKind::Exclamation);
                    continue;
                }
                if (const std::optional<int> found = FindNode(text->toUpper()))
                    return found;
                messenger_.ShowMsg(kNameNotFound, platform::BoxKind::Exclamation, *text);
                return std::nullopt;
            }
        });
}

} // namespace vokg
