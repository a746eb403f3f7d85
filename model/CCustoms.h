#pragma once

#include "model/CCustom.h"
#include "model/KeyedCollection.h"
#include "model/ModelContext.h"

#include <QByteArray>
#include <QSet>
#include <QString>

namespace vokg {

// The signal rows of Set04.e (inputs) then Set05.e (outputs), keyed by Location without regard
// to letter case, with the customize settings of one table.
class CCustoms {
public:
    explicit CCustoms(ModelContext context) : context_(context) {}

    // Rows of a group (see Included).
    qsizetype CountRow(const QString& group) const;

    // Description of duty index 0-7 ("100%all wave output", "8ms=ON, 4ms=OFF, 66%duty", ...);
    // "????" for any other index.
    static QString GetDutyInfo2(int index);

    // "All inputs"/"All outputs" take every category holding the word "INPUT"/"OUTPUT" in any
    // letter case; any other group takes the category equal to it.
    static bool Included(const QString& group, const QString& category);

    // Output and input rows. Throw RunError 457 for a Location already taken (letter case aside).
    CCustom& Add(const QString& location, const QString& text, const QString& category, qint32 kinoAdrs,
                 qint32 logicAdrs, qint32 dosaAdrs, qint32 onDelayTimeAdrs, qint32 offDelayTimeAdrs,
                 qint32 choppingOnTimeAdrs, qint32 choppingOffTimeAdrs, qint32 zenpaTimeAdrs);
    CCustom& AddInput(const QString& location, const QString& text, const QString& category, qint32 kinoAdrs,
                      qint32 logicAdrs, qint32 dosaAdrs);

    CCustom* Item(qsizetype index) const { return items_.At(index); }
    CCustom* Item(const QString& location) const { return items_.Find(location); }
    qsizetype Count() const { return items_.Count(); }
    bool Remove(qsizetype index) { return items_.Remove(index); }
    bool Remove(const QString& location) { return items_.Remove(location); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Reads every row's settings from the table at `position` of the file at `path`: function,
    // logic and operation bytes, and for output rows (INOUT 1) the five time words. All or
    // nothing: a failure (reported under "ReadData") leaves every row as it was.
    bool ReadDataCustomize(const QString& path, qint64 position);

    // Writes every row's settings into the table at `position` of `fileImage` (the whole new
    // file); times 0-65535. A value outside its field fails (reported under "SaveCustomTable")
    // and leaves `fileImage` exactly as it was.
    bool SaveCustomTable(QByteArray& fileImage, qint64 position);

    bool ReadSet04e(const QString& folder);
    bool ReadSet05e(const QString& folder);

    // Direction 0: duty code → times ("-" gives 0/0, "MANUAL" the row's own times, an unknown code
    // changes nothing). Direction 1: times → the first code whose times match, else "MANUAL".
    static void GetDutyInfo(int direction, const CCustom& row, qint32& onTime, qint32& offTime,
                            QString& code);

    // True when any setting differs: Kino, Logic, Dosa, then the five times.
    static bool DoesDiff(const CCustom& rowA, const CCustom& rowB);

    // Whether the sheet export prints the user row.
    static bool MustWrite(const QSet<QString>& selectedGroups, bool onlyDifferences, bool comparisonPresent,
                          const CCustom& comparisonRow, const CCustom& userRow);

private:
    ModelContext context_;
    KeyedCollection<CCustom> items_;
};

} // namespace vokg
