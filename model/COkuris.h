#pragma once

#include "model/ModelContext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <bitset>
#include <functional>
#include <optional>

namespace vokg {

// One feed table (the X/Y stepping-motor settings) of one table of a data file: sixteen 31-entry
// axis arrays, six 201-entry long arrays, seven single values and eight 50-entry pitch arrays,
// each addressed by its key text.
//
// Values in memory: a word entry (and each of the seven values) is held as the unsigned word
// 0..65535 it is stored as, so every stored word reads and saves back unchanged; SetArray also
// accepts -32768..-1 and stores their 16-bit pattern. A byte entry and a pitch entry are held as
// given and must lie in 0..255 when the table is saved.
//
// The pitch arrays share their bytes with the axis arrays. Both views stay consistent: whatever
// a caller set through either view is what GetArray of either view returns and what SaveData
// writes. When a byte was changed through both views since the last read, the pitch view wins,
// as the pitch view is the later writer of the stored layout. Setting a pitch entry to the value
// GetArray of that view gives now is not a change, so a pitch editor writing back what it shows
// cannot undo an edit made through the axis array; any other value, the byte as first read
// included, is a change. (A pitch editor must therefore show the pitch view as it is when it
// writes back, not as it was when the editor opened.)
class COkuris {
public:
    explicit COkuris(ModelContext context);

    // Reads the feed table of the table at 1-based byte position `position`. All or nothing:
    // on any failure (logged under "ReadData") the object keeps what it held before.
    bool ReadData(const QString& path, qint64 position);

    // Writes the feed table into `fileImage` (the whole data file in memory) at the table at
    // `position`. Every value is checked before a byte is changed: on failure (logged under the
    // failing writer's name) the image is left exactly as it was.
    bool SaveData(QByteArray& fileImage, qint64 position);

    // A copy of the array named by `key`; the group key of the other values gives the seven
    // values. The key becomes the current feed key. An unknown key shows message 89 and gives an
    // empty list.
    QList<int> GetArray(const QString& key);

    // Stores `value` into entry `index` of the array named by `key`. With the group key of the
    // other values an index outside 0..6 does nothing. An unknown key shows message 89; an index
    // outside the array or a value outside -32768..65535 is logged under "SetArray". Returns
    // false when nothing was stored for one of those reasons.
    bool SetArray(const QString& key, int index, int value);

    // The other value whose caption (texts 521..527) is `caption`; message 89 and 0 otherwise.
    int GetValue(const QString& caption);

    // Fills the firmware template: in the first line containing the key's C identifier every
    // "[値]" becomes the array's values. Message 82 when no line holds the identifier, 86 when that
    // line has no placeholder, 89 for a key that is not one of the 22 arrays. `lines` changes only
    // on success.
    bool WriteOkuriParam_zrdlModel(const QString& key, QStringList& lines);
    // The same with the search handed in: `firstLineHolding` gives the index of the first line of
    // `lines` that contains the identifier, or -1. The C-source export keeps an index of its
    // template and answers from it instead of scanning every line for each array.
    using LineFinder = std::function<qsizetype(const QString& identifier)>;
    bool WriteOkuriParam_zrdlModel(const QString& key, QStringList& lines,
                                   const LineFinder& firstLineHolding);

    // The entries as decimal texts joined by ", ".
    static QString CreateOkuriString_int(const QList<int>& entries);
    static QString CreateOkuriString_byte(const QByteArray& entries);

    // The firmware name of an axis or long array (empty for any other key), and of other value
    // `index` (0..6).
    static QString CIdentifier(const QString& key);
    static QString OtherValueCIdentifier(int index);

    // The key texts, in the order of the stored layout.
    static QStringList AxisKeys();
    static QStringList LongKeys();
    static QStringList PitchKeys();
    static QString OtherValuesKey();             // the text of message 520
    static QString OtherValueCaption(int index); // the text of message 521 + index

    // The key of the most recent successful GetArray; the feed editor labels its rows by it.
    const QString& CurrentFeedKey() const { return currentFeedKey_; }

    // The table position of the last successful ReadData (0 before the first).
    qint64 Position() const { return position_; }

    // False until the first successful ReadData: an empty object has nothing to save.
    bool HasData() const { return hasData_; }

private:
    enum class Group { Axis, Long, Other, Pitch };
    struct Target {
        Group group;
        int index;
    };

    struct Arrays {
        std::array<QList<int>, 16> axis;
        std::array<QList<int>, 6> longs;
        QList<int> other;
        std::array<QList<int>, 8> pitch;
        // Pitch rows changed through the pitch view since the last read.
        std::array<std::bitset<50>, 8> pitchChanged;
    };

    std::optional<Target> FindTarget(const QString& key) const;
    QList<int> ArrayOf(const Target& target) const;
    int AxisEntry(int axis, int entry) const;
    int PitchEntry(int pitch, int row) const;
    static Arrays EmptyArrays();
    static Arrays ParseFeedTable(const QByteArray& table);
    QByteArray BuildFeedTable(const QByteArray& current) const;

    ModelContext context_;
    Arrays arrays_;
    QString currentFeedKey_;
    qint64 position_ = 0;
    bool hasData_ = false;
};

} // namespace vokg
