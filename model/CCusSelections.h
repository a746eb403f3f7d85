#pragma once

#include "model/CCusSelection.h"
#include "model/KeyedCollection.h"
#include "model/ModelContext.h"

#include <QHash>
#include <QSet>
#include <QString>

namespace vokg {

// The functions of one function table, keyed by the decimal text of their value, with the
// name → value dictionary (names compare case-sensitively) and the set of values.
class CCusSelections {
public:
    explicit CCusSelections(ModelContext context) : context_(context) {}

    // "" for an unknown name, else the Category of the function with that name.
    QString CategoryByDigital(const QString& name) const;
    const QHash<QString, qint16>& dicDigital() const { return dicDigital_; }
    const QSet<QString>& dicValue() const { return dicValue_; }

    // Reads a function table (Set06.e or Set07.e) from `path`; names are trimmed of spaces.
    // A failure is reported under "ReadSet6_7_8_9e" and gives false; earlier functions stay.
    bool ReadSet6_7_8_9e(const QString& path);

    // Category is LoadMsg(262). Throws RunError 457 when the value or the name is already taken;
    // nothing is added then.
    CCusSelection& Add(const QString& name, qint16 value, const QString& advice);

    CCusSelection* Item(qsizetype index) const { return items_.At(index); }
    CCusSelection* Item(const QString& valueText) const { return items_.Find(valueText); }
    qsizetype Count() const { return items_.Count(); }
    // Removes the function from the collection and from both dictionaries.
    bool Remove(qsizetype index);
    bool Remove(const QString& valueText);
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // -1 for an unknown name.
    qint16 ValueByDigital(const QString& name) const;
    // "-1" for an unknown value.
    QString CategoryByValue(qint16 value) const;

private:
    ModelContext context_;
    KeyedCollection<CCusSelection> items_;
    QHash<QString, qint16> dicDigital_;
    QSet<QString> dicValue_;
};

} // namespace vokg
