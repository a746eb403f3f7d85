#pragma once

#include "model/CSelection.h"
#include "model/KeyedCollection.h"

namespace vokg {

// The choices of one digital in Set03.e order, keyed by their text.
class CSelections {
public:
    // Throws RunError 457 when the text is already a choice of this digital.
    CSelection& Add(const QString& selection, qint32 value);

    // The text of the LAST choice with this value (later lines of Set03.e override earlier
    // ones), or "?" when no choice has it.
    QString GetSelection(qint32 value) const;

    CSelection* Item(qsizetype index) const { return items_.At(index); }
    CSelection* Item(const QString& key) const { return items_.Find(key); }
    qsizetype Count() const { return items_.Count(); }
    bool Remove(qsizetype index) { return items_.Remove(index); }
    bool Remove(const QString& key) { return items_.Remove(key); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    KeyedCollection<CSelection> items_;
};

} // namespace vokg
