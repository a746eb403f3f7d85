#pragma once

#include "hlpkit/RunError.h"

#include <QHash>
#include <QString>

#include <memory>
#include <vector>

namespace vokg {

// The ordered keyed collection behind CModes, CDigitals, CSelections, CCustoms and
// CCusSelections: insertion order for enumeration and 1-based indexes, a hash index for keys.
// Keys compare without regard to letter case, as the definition tables were always checked:
// two signals "I1" and "i1" are one key.
// A key that hashes and compares without regard to letter case, without making a folded copy:
// the definition tables are read at every start, and copying every key cost as much as the rest.
struct CaselessKey {
    QString text;
    friend bool operator==(const CaselessKey& a, const CaselessKey& b) {
        return a.text.compare(b.text, Qt::CaseInsensitive) == 0;
    }
    friend size_t qHash(const CaselessKey& key, size_t seed = 0) {
        size_t hash = seed ^ 0x9e3779b97f4a7c15ULL;
        for (const QChar ch : key.text) {
            char16_t unit = ch.unicode();
            if (unit >= u'A' && unit <= u'Z')
                unit = char16_t(unit + (u'a' - u'A'));
            else if (unit >= 0x80)
                unit = ch.toCaseFolded().unicode();
            hash = (hash ^ unit) * 0x100000001b3ULL;
        }
        return hash;
    }
};

template <class T> class KeyedCollection {
public:
    // Enumerates the items themselves (not their owning pointers) in insertion order.
    class Iterator {
    public:
        using Base = typename std::vector<std::unique_ptr<T>>::const_iterator;
        explicit Iterator(Base base) : base_(base) {}
        T& operator*() const { return **base_; }
        T* operator->() const { return base_->get(); }
        Iterator& operator++() {
            ++base_;
            return *this;
        }
        bool operator==(const Iterator& other) const { return base_ == other.base_; }
        bool operator!=(const Iterator& other) const { return base_ != other.base_; }

    private:
        Base base_;
    };

    qsizetype Count() const { return qsizetype(items_.size()); }
    bool Contains(const QString& key) const { return index_.contains(CaselessKey{key}); }

    // nullptr when no item has the key.
    T* Find(const QString& key) const {
        const auto found = index_.constFind(CaselessKey{key});
        return found == index_.cend() ? nullptr : items_[std::size_t(found.value())].get();
    }

    // 1-based; nullptr outside 1..Count.
    T* At(qsizetype index) const {
        return index >= 1 && index <= Count() ? items_[std::size_t(index - 1)].get() : nullptr;
    }

    // Throws RunError 457 when the key is already taken; the collection is then unchanged.
    T& Append(const QString& key, std::unique_ptr<T> item) {
        if (index_.contains(CaselessKey{key}))
            throw hlpkit::RunError(hlpkit::DuplicateKey, DuplicateKeyText(key));
        index_.insert(CaselessKey{key}, Count());
        keys_.push_back(key);
        items_.push_back(std::move(item));
        return *items_.back();
    }

    bool Remove(qsizetype index) {
        if (index < 1 || index > Count())
            return false;
        items_.erase(items_.begin() + (index - 1));
        keys_.erase(keys_.begin() + (index - 1));
        Reindex();
        return true;
    }

    bool Remove(const QString& key) {
        const auto found = index_.constFind(CaselessKey{key});
        return found != index_.cend() && Remove(found.value() + 1);
    }

    Iterator begin() const { return Iterator(items_.cbegin()); }
    Iterator end() const { return Iterator(items_.cend()); }

    static QString DuplicateKeyText(const QString& key) {
        return QStringLiteral("%1: \"%2\"").arg(hlpkit::StandardErrorText(hlpkit::DuplicateKey), key);
    }

private:
    void Reindex() {
        index_.clear();
        for (std::size_t i = 0; i < keys_.size(); ++i)
            index_.insert(CaselessKey{keys_[i]}, qsizetype(i));
    }

    std::vector<std::unique_ptr<T>> items_;
    std::vector<QString> keys_;
    QHash<CaselessKey, qsizetype> index_;
};

} // namespace vokg
