#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstdint>
#include <vector>

namespace vokg {

// Which lines of a template hold which keys, kept up to date while the template is filled.
//
// The fill asks, for thousands of keys, "the first line at or after line s that contains this
// text". Asked of the lines one by one that costs keys × lines; here every key is looked for in
// one pass over the template (all keys at once, a trie with failure links), so a key that is a
// part of another key ("[A]" in "[A]B]", "gst_out_O1_" in "gst_out_O1_0") or that sits in a
// comment is found exactly where a plain substring test finds it. A line the fill rewrites is
// looked at again, old and new text, because a value written into it can make or break a key.
class TemplateIndex {
public:
    // `keys` are every text that will be asked for (repeats are one key).
    TemplateIndex(const QStringList& keys, const QStringList& lines);

    // The index of the first line at or after `start` whose text contains `key`, or -1. A key
    // that was not given to the constructor throws std::logic_error: answering from a stale or
    // missing list would be a wrong answer, not a slow one.
    qsizetype FirstFrom(const QString& key, qsizetype start) const;

    // Line `line` read `before` and now reads `after`.
    void LineChanged(qsizetype line, QStringView before, QStringView after);

private:
    struct Node {
        int fail = 0;
        int key = -1;      // the key that ends here
        int keyBelow = -1; // the nearest node on the failure chain where a key ends
    };

    int Child(int node, char16_t character) const;
    int Step(int node, char16_t character) const;
    // The keys contained in `text`, each once, in no particular order.
    void KeysIn(QStringView text, std::vector<int>& found) const;
    void AddLine(int key, qsizetype line);
    void RemoveLine(int key, qsizetype line);

    QHash<QString, int> keyIds_;
    std::vector<Node> nodes_;
    // The children of node n below the root: childStart_[n] .. childStart_[n + 1] in the two
    // edge arrays, sorted by character. Kept together so that a walk stays in the cache.
    std::vector<int> childStart_;
    std::vector<char16_t> edgeCharacter_;
    std::vector<int> edgeTarget_;
    std::vector<int> rootChildren_;               // every character's child of the root
    std::vector<std::vector<qsizetype>> linesOf_; // per key, ascending line numbers
    int emptyKey_ = -1;                           // the empty text is in every line
    qsizetype lineCount_ = 0;
    mutable std::vector<std::uint64_t> seen_; // per key: the pass that last found it
    mutable std::uint64_t pass_ = 0;
};

} // namespace vokg
