#include "model/COkuris.h"

#include "hlpkit/RunError.h"
#include "model/FeedLayout.h"
#include "model/TableFile.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

namespace vokg {
namespace {

// The first 25 entries of an axis array have a pitch-view twin; entries 25..30 do not.
constexpr int kPitchedEntries = feed::kPitchEntries / 2;

// The widest range a caller may pass for an entry: a signed or an unsigned 16-bit number.
constexpr int kLowestValue = -32768;
constexpr int kHighestValue = 65535;

QString KeyText(std::string_view key) {
    return QString::fromLatin1(key.data(), qsizetype(key.size()));
}

QString Placeholder() {
    return QStringLiteral(u"[値]");
}

// The stored word of a value held in memory: negatives become their 16-bit pattern.
int WordPattern(int value) {
    return value & 0xFFFF;
}

void PutEntry(QByteArray& block, int offset, bool wide, int value) {
    if (wide)
        PutWord(block, offset, value);
    else
        PutByte(block, offset, value);
}

int EntryAt(const QByteArray& table, int offset, bool wide) {
    return wide ? WordAt(table, offset) : ByteAt(table, offset);
}

} // namespace

COkuris::COkuris(ModelContext context) : context_(context), arrays_(EmptyArrays()) {}

COkuris::Arrays COkuris::EmptyArrays() {
    Arrays arrays;
    for (QList<int>& axis : arrays.axis)
        axis = QList<int>(feed::kAxisEntries, 0);
    for (QList<int>& longArray : arrays.longs)
        longArray = QList<int>(feed::kLongEntries, 0);
    arrays.other = QList<int>(feed::kOtherValueCount, 0);
    for (QList<int>& pitch : arrays.pitch)
        pitch = QList<int>(feed::kPitchEntries, 0);
    return arrays;
}

COkuris::Arrays COkuris::ParseFeedTable(const QByteArray& table) {
    Arrays arrays = EmptyArrays();
    const int base = feed::kTableOffset;
    for (std::size_t a = 0; a < feed::kAxisArrays.size(); ++a) {
        const feed::ArrayLayout& layout = feed::kAxisArrays[a];
        for (int k = 0; k < layout.count; ++k)
            arrays.axis[a][k] = EntryAt(table, base + layout.offset + k * (layout.wide ? 2 : 1), layout.wide);
    }
    for (std::size_t l = 0; l < feed::kLongArrays.size(); ++l) {
        const feed::ArrayLayout& layout = feed::kLongArrays[l];
        for (int k = 0; k < layout.count; ++k)
            arrays.longs[l][k] =
                EntryAt(table, base + layout.offset + k * (layout.wide ? 2 : 1), layout.wide);
    }
    for (int i = 0; i < feed::kOtherValueCount; ++i)
        arrays.other[i] = WordAt(table, base + feed::kOtherValuesOffset + 2 * i);
    for (std::size_t p = 0; p < feed::kPitchArrays.size(); ++p)
        for (int r = 0; r < feed::kPitchEntries; ++r)
            arrays.pitch[p][r] = ByteAt(table, base + feed::PitchOffset(int(p), r));
    return arrays;
}

bool COkuris::ReadData(const QString& path, qint64 position) {
    return hlpkit::Guarded(context_.method, QStringLiteral("ReadData"), false, [&] {
        // Everything is read into fresh arrays first, so a short or unreadable file leaves
        // the previous table intact.
        Arrays fresh = ParseFeedTable(ReadTableBytes(path, position));
        arrays_ = std::move(fresh);
        position_ = position;
        hasData_ = true;
        return true;
    });
}

int COkuris::AxisEntry(int axis, int entry) const {
    const int held = arrays_.axis[std::size_t(axis)][entry];
    if (entry >= kPitchedEntries)
        return held;
    const int pitch = axis / 2;
    const int row = 2 * entry + axis % 2;
    if (!arrays_.pitchChanged[std::size_t(pitch)].test(std::size_t(row)))
        return held;
    const int pitchValue = arrays_.pitch[std::size_t(pitch)][row];
    if (!feed::kAxisArrays[std::size_t(axis)].wide)
        return pitchValue;
    // A pitch value that is no byte cannot be merged into the word; the save reports it.
    if (pitchValue < 0 || pitchValue > 255)
        return held;
    return (held & 0xFF00) | pitchValue;
}

int COkuris::PitchEntry(int pitch, int row) const {
    if (arrays_.pitchChanged[std::size_t(pitch)].test(std::size_t(row)))
        return arrays_.pitch[std::size_t(pitch)][row];
    const feed::PitchSource source = feed::PitchSourceOf(pitch, row);
    const int held = arrays_.axis[std::size_t(source.axis)][source.entry];
    return feed::kAxisArrays[std::size_t(source.axis)].wide ? (held & 0xFF) : held;
}

std::optional<COkuris::Target> COkuris::FindTarget(const QString& key) const {
    if (key.isEmpty())
        return std::nullopt;
    for (std::size_t a = 0; a < feed::kAxisArrays.size(); ++a)
        if (key == KeyText(feed::kAxisArrays[a].key))
            return Target{Group::Axis, int(a)};
    for (std::size_t l = 0; l < feed::kLongArrays.size(); ++l)
        if (key == KeyText(feed::kLongArrays[l].key))
            return Target{Group::Long, int(l)};
    for (std::size_t p = 0; p < feed::kPitchArrays.size(); ++p)
        if (key == KeyText(feed::kPitchArrays[p].key))
            return Target{Group::Pitch, int(p)};
    if (key == OtherValuesKey())
        return Target{Group::Other, 0};
    return std::nullopt;
}

QList<int> COkuris::ArrayOf(const Target& target) const {
    switch (target.group) {
    case Group::Axis: {
        QList<int> entries(feed::kAxisEntries);
        for (int k = 0; k < feed::kAxisEntries; ++k)
            entries[k] = AxisEntry(target.index, k);
        return entries;
    }
    case Group::Long:
        return arrays_.longs[std::size_t(target.index)];
    case Group::Other:
        return arrays_.other;
    case Group::Pitch: {
        QList<int> entries(feed::kPitchEntries);
        for (int r = 0; r < feed::kPitchEntries; ++r)
            entries[r] = PitchEntry(target.index, r);
        return entries;
    }
    }
    return {};
}

QList<int> COkuris::GetArray(const QString& key) {
    const std::optional<Target> target = FindTarget(key);
    if (!target) {
        context_.messenger.ShowMsg(msg::UnknownValue, platform::BoxKind::Exclamation, key);
        return {};
    }
    currentFeedKey_ = key;
    return ArrayOf(*target);
}

bool COkuris::SetArray(const QString& key, int index, int value) {
    const std::optional<Target> target = FindTarget(key);
    if (!target) {
        context_.messenger.ShowMsg(msg::UnknownValue, platform::BoxKind::Exclamation, key);
        return false;
    }
    // The other values ignore an index past the seventh, as the feed editor expects.
    if (target->group == Group::Other && (index < 0 || index >= feed::kOtherValueCount))
        return false;
    return hlpkit::Guarded(context_.method, QStringLiteral("SetArray"), false, [&] {
        if (value < kLowestValue || value > kHighestValue)
            hlpkit::Raise(hlpkit::Overflow);
        const auto checkIndex = [&](int count) {
            if (index < 0 || index >= count)
                hlpkit::Raise(hlpkit::SubscriptOutOfRange);
        };
        switch (target->group) {
        case Group::Axis: {
            checkIndex(feed::kAxisEntries);
            const bool wide = feed::kAxisArrays[std::size_t(target->index)].wide;
            arrays_.axis[std::size_t(target->index)][index] = wide ? WordPattern(value) : value;
            break;
        }
        case Group::Long: {
            checkIndex(feed::kLongEntries);
            const bool wide = feed::kLongArrays[std::size_t(target->index)].wide;
            arrays_.longs[std::size_t(target->index)][index] = wide ? WordPattern(value) : value;
            break;
        }
        case Group::Other:
            arrays_.other[index] = WordPattern(value);
            break;
        case Group::Pitch: {
            checkIndex(feed::kPitchEntries);
            // Writing back the value this view shows now is no edit; only a change claims the
            // byte from the axis array. "Now" includes an edit made through the axis array: a
            // value equal to the byte as first read, set after the axis entry changed, is a
            // change back and must reach the file.
            if (PitchEntry(target->index, index) != value) {
                arrays_.pitch[std::size_t(target->index)][index] = value;
                arrays_.pitchChanged[std::size_t(target->index)].set(std::size_t(index));
            }
            break;
        }
        }
        return true;
    });
}

int COkuris::GetValue(const QString& caption) {
    for (int i = 0; i < feed::kOtherValueCount; ++i) {
        const QString known = OtherValueCaption(i);
        if (!known.isEmpty() && caption == known)
            return arrays_.other[i];
    }
    context_.messenger.ShowMsg(msg::UnknownValue, platform::BoxKind::Exclamation, caption);
    return 0;
}

QByteArray COkuris::BuildFeedTable(const QByteArray& current) const {
    QByteArray block = current;
    bool written = true;
    const auto writer = [&](const char* name, auto&& body) {
        if (written)
            written = hlpkit::Guarded(context_.method, QString::fromLatin1(name), false, [&] {
                body();
                return true;
            });
    };
    for (std::size_t a = 0; a < feed::kAxisArrays.size(); ++a) {
        const feed::ArrayLayout& layout = feed::kAxisArrays[a];
        writer(layout.wide ? "SaveByBigEndian" : "SaveByByte", [&] {
            for (int k = 0; k < layout.count; ++k) {
                // A single byte changed through the pitch view is the pitch writer's to check
                // and write; a word keeps its high byte from here.
                if (!layout.wide && k < kPitchedEntries &&
                    arrays_.pitchChanged[a / 2].test(std::size_t(2 * k + int(a % 2))))
                    continue;
                PutEntry(block, layout.offset + k * (layout.wide ? 2 : 1), layout.wide, AxisEntry(int(a), k));
            }
        });
    }
    for (std::size_t l = 0; l < feed::kLongArrays.size(); ++l) {
        const feed::ArrayLayout& layout = feed::kLongArrays[l];
        writer(layout.wide ? "SaveByBigEndian" : "SaveByByte", [&] {
            for (int k = 0; k < layout.count; ++k)
                PutEntry(block, layout.offset + k * (layout.wide ? 2 : 1), layout.wide, arrays_.longs[l][k]);
        });
    }
    writer("SaveByBigEndian", [&] {
        for (int i = 0; i < feed::kOtherValueCount; ++i)
            PutWord(block, feed::kOtherValuesOffset + 2 * i, arrays_.other[i]);
    });
    // The pitch view goes last, byte by byte over what the axis arrays just wrote.
    static constexpr std::array<const char*, 8> kPitchWriters{"SaveByte1", "SaveByte2", "SaveByte3",
                                                              "SaveByte4", "SaveByte5", "SaveByte6",
                                                              "SaveByte7", "SaveByte8"};
    for (std::size_t p = 0; p < feed::kPitchArrays.size(); ++p)
        writer(kPitchWriters[p], [&] {
            for (int r = 0; r < feed::kPitchEntries; ++r)
                PutByte(block, feed::PitchOffset(int(p), r), PitchEntry(int(p), r));
        });
    return written ? block : QByteArray();
}

bool COkuris::SaveData(QByteArray& fileImage, qint64 position) {
    std::optional<qint64> start;
    const bool placed = hlpkit::Guarded(context_.method, QStringLiteral("SaveData"), false, [&] {
        // An object that never read a table holds only zeros; saving it would wipe a table.
        if (!hasData_)
            hlpkit::Raise(hlpkit::InvalidCall);
        const qint64 first = TableOffset(position) + feed::kTableOffset;
        if (position < 1 || first + feed::kTableLength > fileImage.size())
            hlpkit::Raise(hlpkit::SubscriptOutOfRange);
        start = first;
        return true;
    });
    if (!placed)
        return false;
    // Built aside and copied in only when every writer succeeded, so a failed save leaves the
    // caller's image exactly as it was.
    const QByteArray block = BuildFeedTable(fileImage.mid(*start, feed::kTableLength));
    if (block.size() != feed::kTableLength)
        return false;
    fileImage.replace(*start, feed::kTableLength, block);
    return true;
}

bool COkuris::WriteOkuriParam_zrdlModel(const QString& key, QStringList& lines) {
    return WriteOkuriParam_zrdlModel(key, lines, [&lines](const QString& identifier) {
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (lines.at(i).contains(identifier, Qt::CaseSensitive))
                return i;
        return qsizetype(-1);
    });
}

bool COkuris::WriteOkuriParam_zrdlModel(const QString& key, QStringList& lines,
                                        const LineFinder& firstLineHolding) {
    const QString identifier = CIdentifier(key);
    // Without an identifier every line would match the empty text and the first template line
    // would be filled with nothing; refuse instead.
    if (identifier.isEmpty()) {
        context_.messenger.ShowMsg(msg::UnknownValue, platform::BoxKind::Exclamation, key);
        return false;
    }
    return hlpkit::Guarded(context_.method, QStringLiteral("WriteOkuriParam_zrdlModel"), false, [&] {
        const qsizetype found = firstLineHolding(identifier);
        if (found < 0) {
            context_.messenger.ShowMsg(msg::KeywordMissing, platform::BoxKind::Exclamation, identifier);
            return false;
        }
        if (found >= lines.size())
            hlpkit::Raise(hlpkit::SubscriptOutOfRange);
        QString line = lines.at(found);
        if (!line.contains(Placeholder(), Qt::CaseSensitive)) {
            context_.messenger.ShowMsg(msg::PlaceholderMissing, platform::BoxKind::Exclamation, line);
            return false;
        }
        line.replace(Placeholder(), CreateOkuriString_int(GetArray(key)), Qt::CaseSensitive);
        lines[found] = line;
        return true;
    });
}

QString COkuris::CreateOkuriString_int(const QList<int>& entries) {
    QStringList texts;
    texts.reserve(entries.size());
    for (int entry : entries)
        texts.append(QString::number(entry));
    return texts.join(QStringLiteral(", "));
}

QString COkuris::CreateOkuriString_byte(const QByteArray& entries) {
    QStringList texts;
    texts.reserve(entries.size());
    for (char entry : entries)
        texts.append(QString::number(static_cast<unsigned char>(entry)));
    return texts.join(QStringLiteral(", "));
}

QString COkuris::CIdentifier(const QString& key) {
    for (const feed::ArrayLayout& layout : feed::kAxisArrays)
        if (key == KeyText(layout.key))
            return KeyText(layout.cIdentifier);
    for (const feed::ArrayLayout& layout : feed::kLongArrays)
        if (key == KeyText(layout.key))
            return KeyText(layout.cIdentifier);
    return {};
}

QString COkuris::OtherValueCIdentifier(int index) {
    if (index < 0 || index >= feed::kOtherValueCount)
        return {};
    return KeyText(feed::kOtherValueIdentifiers[std::size_t(index)]);
}

QStringList COkuris::AxisKeys() {
    QStringList keys;
    for (const feed::ArrayLayout& layout : feed::kAxisArrays)
        keys.append(KeyText(layout.key));
    return keys;
}

QStringList COkuris::LongKeys() {
    QStringList keys;
    for (const feed::ArrayLayout& layout : feed::kLongArrays)
        keys.append(KeyText(layout.key));
    return keys;
}

QStringList COkuris::PitchKeys() {
    QStringList keys;
    for (const feed::PitchLayout& layout : feed::kPitchArrays)
        keys.append(KeyText(layout.key));
    return keys;
}

QString COkuris::OtherValuesKey() {
    return LoadMsg(feed::kOtherGroupKeyId);
}

QString COkuris::OtherValueCaption(int index) {
    if (index < 0 || index >= feed::kOtherValueCount)
        return {};
    return LoadMsg(feed::kFirstOtherCaptionId + index);
}

} // namespace vokg
