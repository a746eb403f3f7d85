#include "export/TemplateIndex.h"

#include <algorithm>
#include <deque>
#include <map>
#include <stdexcept>

namespace vokg {
namespace {

constexpr int kRoot = 0;
constexpr std::size_t kCharacters = 0x10000;

} // namespace

TemplateIndex::TemplateIndex(const QStringList& keys, const QStringList& lines)
    : nodes_(1), rootChildren_(kCharacters, kRoot), lineCount_(lines.size()) {
    // The trie, built with a map per node; turned into the flat edge arrays below.
    std::vector<std::map<char16_t, int>> childrenOf(1);
    std::vector<char16_t> edgeOf(1, 0); // the character on the edge into each node
    for (const QString& key : keys) {
        if (keyIds_.contains(key))
            continue;
        const int id = int(keyIds_.size());
        keyIds_.insert(key, id);
        if (key.isEmpty()) {
            emptyKey_ = id;
            continue;
        }
        int node = kRoot;
        for (const QChar character : key) {
            auto& children = childrenOf[std::size_t(node)];
            const auto found = children.find(character.unicode());
            if (found != children.end()) {
                node = found->second;
                continue;
            }
            const int next = int(nodes_.size());
            nodes_.emplace_back();
            childrenOf.emplace_back();
            edgeOf.push_back(character.unicode());
            childrenOf[std::size_t(node)].emplace(character.unicode(), next);
            if (node == kRoot)
                rootChildren_[character.unicode()] = next;
            node = next;
        }
        nodes_[std::size_t(node)].key = id;
    }
    childStart_.reserve(nodes_.size() + 1);
    for (const auto& children : childrenOf) {
        childStart_.push_back(int(edgeTarget_.size()));
        for (const auto& [character, child] : children) {
            edgeCharacter_.push_back(character);
            edgeTarget_.push_back(child);
        }
    }
    childStart_.push_back(int(edgeTarget_.size()));

    // Failure links breadth first: a node's link is the longest proper suffix of its text that
    // is also a path from the root, so the walk never has to step back in the line.
    std::deque<int> queue;
    for (const auto& [character, child] : childrenOf[kRoot])
        queue.push_back(child);
    while (!queue.empty()) {
        const int node = queue.front();
        queue.pop_front();
        for (const auto& [character, child] : childrenOf[std::size_t(node)]) {
            const int fail =
                node == kRoot ? kRoot : Step(nodes_[std::size_t(node)].fail, edgeOf[std::size_t(child)]);
            Node& entry = nodes_[std::size_t(child)];
            entry.fail = fail;
            entry.keyBelow = nodes_[std::size_t(fail)].key >= 0 ? fail : nodes_[std::size_t(fail)].keyBelow;
            queue.push_back(child);
        }
    }

    linesOf_.resize(std::size_t(keyIds_.size()));
    seen_.assign(std::size_t(keyIds_.size()), 0);
    std::vector<int> found;
    for (qsizetype line = 0; line < lines.size(); ++line) {
        KeysIn(lines.at(line), found);
        // Lines are visited in order, so every list stays ascending without sorting.
        for (const int key : found)
            linesOf_[std::size_t(key)].push_back(line);
    }
}

int TemplateIndex::Child(int node, char16_t character) const {
    if (node == kRoot)
        return rootChildren_[character];
    const auto begin = edgeCharacter_.begin() + childStart_[std::size_t(node)];
    const auto end = edgeCharacter_.begin() + childStart_[std::size_t(node) + 1];
    const auto found = std::lower_bound(begin, end, character);
    return found == end || *found != character ? kRoot
                                               : edgeTarget_[std::size_t(found - edgeCharacter_.begin())];
}

int TemplateIndex::Step(int node, char16_t character) const {
    while (node != kRoot) {
        const int next = Child(node, character);
        if (next != kRoot)
            return next;
        node = nodes_[std::size_t(node)].fail;
    }
    return rootChildren_[character];
}

void TemplateIndex::KeysIn(QStringView text, std::vector<int>& found) const {
    found.clear();
    ++pass_;
    int node = kRoot;
    for (const QChar character : text) {
        node = Step(node, character.unicode());
        int match = nodes_[std::size_t(node)].key >= 0 ? node : nodes_[std::size_t(node)].keyBelow;
        while (match > kRoot) {
            const int key = nodes_[std::size_t(match)].key;
            // Everything further down this chain was listed when this key was first met in
            // this pass, so the walk may stop here: each key costs its first sighting only.
            if (seen_[std::size_t(key)] == pass_)
                break;
            seen_[std::size_t(key)] = pass_;
            found.push_back(key);
            match = nodes_[std::size_t(match)].keyBelow;
        }
    }
}

qsizetype TemplateIndex::FirstFrom(const QString& key, qsizetype start) const {
    const auto id = keyIds_.constFind(key);
    if (id == keyIds_.constEnd())
        throw std::logic_error("the template index was not built for the key " + key.toStdString());
    start = std::max<qsizetype>(start, 0);
    if (*id == emptyKey_)
        return start < lineCount_ ? start : -1;
    const std::vector<qsizetype>& lines = linesOf_[std::size_t(*id)];
    const auto found = std::lower_bound(lines.begin(), lines.end(), start);
    return found == lines.end() ? -1 : *found;
}

void TemplateIndex::LineChanged(qsizetype line, QStringView before, QStringView after) {
    std::vector<int> old;
    std::vector<int> now;
    KeysIn(before, old);
    KeysIn(after, now);
    std::sort(old.begin(), old.end());
    std::sort(now.begin(), now.end());
    std::vector<int> lost;
    std::vector<int> gained;
    std::set_difference(old.begin(), old.end(), now.begin(), now.end(), std::back_inserter(lost));
    std::set_difference(now.begin(), now.end(), old.begin(), old.end(), std::back_inserter(gained));
    for (const int key : lost)
        RemoveLine(key, line);
    for (const int key : gained)
        AddLine(key, line);
}

void TemplateIndex::AddLine(int key, qsizetype line) {
    std::vector<qsizetype>& lines = linesOf_[std::size_t(key)];
    const auto at = std::lower_bound(lines.begin(), lines.end(), line);
    if (at == lines.end() || *at != line)
        lines.insert(at, line);
}

void TemplateIndex::RemoveLine(int key, qsizetype line) {
    std::vector<qsizetype>& lines = linesOf_[std::size_t(key)];
    const auto at = std::lower_bound(lines.begin(), lines.end(), line);
    if (at != lines.end() && *at == line)
        lines.erase(at);
}

} // namespace vokg
