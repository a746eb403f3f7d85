#include "model/CModes.h"

#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "model/AccessModes.h"
#include "model/DefinitionFile.h"
#include "model/TableFile.h"

#include <QDir>
#include <QHash>
#include <QVarLengthArray>

#include <optional>
#include <utility>
#include <vector>

namespace vokg {
namespace {

constexpr int kKishuNameOffset = 0;
constexpr int kDataVersionOffset = HeaderField::kSize;

// The table at `position` of a whole file image, checked to lie inside it.
QByteArray TableOf(const QByteArray& fileImage, qint64 position) {
    if (position < 1 || TableOffset(position) + kTableSize > fileImage.size())
        throw hlpkit::RunError(hlpkit::SubscriptOutOfRange,
                               QStringLiteral("%1: no whole table at position %2 of a %3-byte file")
                                   .arg(hlpkit::StandardErrorText(hlpkit::SubscriptOutOfRange))
                                   .arg(position)
                                   .arg(fileImage.size()));
    return fileImage.mid(TableOffset(position), kTableSize);
}

qint32 DecodeValue(const QByteArray& table, const CDigital& digital) {
    // Two's complement for signed fields: what SaveOneTable writes for a negative value reads back.
    if (digital.RamSize() == 1) {
        const int byte = ByteAt(table, digital.RamAddress());
        return digital.IsSignedField() && byte >= 0x80 ? byte - 0x100 : byte;
    }
    const int word = WordAt(table, digital.RamAddress());
    return digital.IsSignedField() && word >= 0x8000 ? word - 0x10000 : word;
}

void EncodeValue(QByteArray& table, const CDigital& digital) {
    const qint32 value = digital.UserValue();
    if (value < digital.FieldMinimum() || value > digital.FieldMaximum())
        throw hlpkit::RunError(hlpkit::Overflow,
                               QStringLiteral("%1: %2 = %3 does not fit its %4-byte field (%5 to %6)")
                                   .arg(hlpkit::StandardErrorText(hlpkit::Overflow), digital.digital())
                                   .arg(value)
                                   .arg(digital.RamSize())
                                   .arg(digital.FieldMinimum())
                                   .arg(digital.FieldMaximum()));
    const int pattern = value < 0 ? value + (digital.RamSize() == 1 ? 0x100 : 0x10000) : value;
    if (digital.RamSize() == 1)
        PutByte(table, digital.RamAddress(), pattern);
    else
        PutWord(table, digital.RamAddress(), pattern);
}

bool HasDataField(const CDigital& digital) {
    return digital.RamSize() == 1 || digital.RamSize() == 2;
}

} // namespace

qsizetype CModes::AllDititalCount() const {
    qsizetype count = 0;
    for (const CMode& mode : items_)
        count += mode.Digits().Count();
    return count;
}

qsizetype CModes::CountThisDititalCount(int kind) const {
    qsizetype count = 0;
    for (const CMode& mode : items_) {
        if ((kind == 0 && IsSpecialMode(mode.ModeName())) ||
            (kind == 1 && IsManufacturerMode(mode.ModeName())))
            count += mode.Digits().Count();
    }
    return count;
}

qsizetype CModes::DifDititalCount() const {
    qsizetype count = 0;
    for (const CMode& mode : items_) {
        for (const CDigital& digital : mode.Digits()) {
            if (digital.CmpValue() != digital.UserValue())
                ++count;
        }
    }
    return count;
}

bool CModes::ReadSet01e(const QString& folder) {
    return hlpkit::Guarded(context_.method, QStringLiteral("ReadSet01e"), false, [&] {
        const DefinitionFile table = DefinitionFile::Open(QDir(folder).filePath(QStringLiteral("Set01.e")));
        for (qsizetype line = 0; line < table.LineCount(); ++line) {
            const QStringList fields = table.Fields(line, 1);
            if (items_.Contains(fields[0]))
                throw table.LineError(hlpkit::DuplicateKey, line,
                                      QStringLiteral("the mode \"%1\" is defined twice").arg(fields[0]));
            Add(fields[0]);
        }
        return true;
    });
}

bool CModes::ReadSet02e(const QString& folder) {
    return hlpkit::Guarded(context_.method, QStringLiteral("ReadSet02e"), false, [&] {
        const DefinitionFile table = DefinitionFile::Open(QDir(folder).filePath(QStringLiteral("Set02.e")));
        for (qsizetype line = 0; line < table.LineCount(); ++line) {
            const QStringList fields = table.Fields(line, 10);
            CMode* mode = items_.Find(fields[0]);
            if (!mode)
                throw table.LineError(hlpkit::InvalidCall, line,
                                      QStringLiteral("Set01.e has no mode \"%1\"").arg(fields[0]));
            if (mode->Digits().Find(fields[1]))
                throw table.LineError(hlpkit::DuplicateKey, line,
                                      QStringLiteral("the digital \"%1\" is defined twice in the mode \"%2\"")
                                          .arg(fields[1], fields[0]));
            const qint32 address = table.Int32Field(line, fields, 8);
            const qint32 size = table.Int32Field(line, fields, 9);
            // A value that is never read nor written would show 0 and drop every edit without a
            // word; a definition table with such a row is refused when it is loaded.
            if (size != 1 && size != 2)
                throw table.LineError(hlpkit::InvalidCall, line,
                                      QStringLiteral("the size of \"%1\" is %2; it must be 1 or 2 bytes")
                                          .arg(fields[1])
                                          .arg(size));
            if (address < 0 || address > kTableSize - size)
                throw table.LineError(
                    hlpkit::SubscriptOutOfRange, line,
                    QStringLiteral("the address %1 of \"%2\" lies outside the %3-byte table")
                        .arg(address)
                        .arg(fields[1])
                        .arg(kTableSize));
            QString detail = fields[7];
            detail.replace(QStringLiteral("<RETURN>"), QStringLiteral("\r\n"));
            mode->Digits().Add(fields[1], fields[2], fields[3], fields[4], fields[5], fields[6], detail,
                               address, size);
        }
        return true;
    });
}

bool CModes::ReadSet03e(const QString& folder) {
    return hlpkit::Guarded(context_.method, QStringLiteral("ReadSet03e"), false, [&] {
        const DefinitionFile table = DefinitionFile::Open(QDir(folder).filePath(QStringLiteral("Set03.e")));
        for (qsizetype line = 0; line < table.LineCount(); ++line) {
            const QStringList fields = table.Fields(line, 4);
            CMode* mode = items_.Find(fields[0]);
            if (!mode)
                throw table.LineError(hlpkit::InvalidCall, line,
                                      QStringLiteral("Set01.e has no mode \"%1\"").arg(fields[0]));
            CDigital* digital = mode->Digits().Find(fields[1]);
            if (!digital)
                throw table.LineError(
                    hlpkit::InvalidCall, line,
                    QStringLiteral("the mode \"%1\" has no digital \"%2\"").arg(fields[0], fields[1]));
            if (digital->Selections().Item(fields[2]))
                throw table.LineError(
                    hlpkit::DuplicateKey, line,
                    QStringLiteral("\"%1\" is a choice of \"%2\" twice").arg(fields[2], fields[1]));
            digital->Selections().Add(fields[2], table.Int32Field(line, fields, 3));
        }
        return true;
    });
}

CMode& CModes::Add(const QString& modeName) {
    return items_.Append(modeName, std::make_unique<CMode>(context_, modeName));
}

bool CModes::ReadDataDigitals(FileKind kind, const QString& path, qint64 position,
                              const OpeningState& opening) {
    QByteArray table;
    const bool tableRead = hlpkit::Guarded(context_.method, QStringLiteral("ReadDataDigitals"), false, [&] {
        if (kind != FileKind::User && kind != FileKind::Comparison)
            throw hlpkit::RunError(hlpkit::InvalidCall,
                                   QStringLiteral("%1: kind %2 is neither 0 (user) nor 1 "
                                                  "(comparison)")
                                       .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall))
                                       .arg(static_cast<int>(kind)));
        table = ReadTableBytes(path, position);
        return true;
    });
    if (!tableRead)
        return false;

    enum class HeaderSide { None, User, Comparison };
    HeaderSide side = HeaderSide::None;
    if (opening.openingUser)
        side = kind == FileKind::User ? HeaderSide::User : HeaderSide::None;
    else if (opening.openingComparison)
        side = HeaderSide::Comparison;
    std::optional<Header> header;
    if (side != HeaderSide::None) {
        header = hlpkit::Guarded(
            context_.method,
            side == HeaderSide::User ? QStringLiteral("ReadHeader") : QStringLiteral("ReadHeader2"),
            std::optional<Header>{}, [&]() -> std::optional<Header> {
                const QByteArrayView bytes(table);
                return Header{HeaderField::FromStored(bytes.sliced(kKishuNameOffset, HeaderField::kSize)),
                              HeaderField::FromStored(bytes.sliced(kDataVersionOffset, HeaderField::kSize))};
            });
        if (!header)
            return false;
    }

    // Every value is decoded before any is stored, so a failed read changes nothing.
    std::vector<qint32> values;
    values.reserve(std::size_t(AllDititalCount()));
    const bool valuesRead = hlpkit::Guarded(context_.method, QStringLiteral("ReadDataDigitals"), false, [&] {
        for (const CMode& mode : items_) {
            for (const CDigital& digital : mode.Digits()) {
                const qint32 current =
                    kind == FileKind::Comparison ? digital.CmpValue() : digital.UserValue();
                values.push_back(HasDataField(digital) ? DecodeValue(table, digital) : current);
            }
        }
        return true;
    });
    if (!valuesRead)
        return false;

    auto value = values.cbegin();
    for (CMode& mode : items_) {
        for (CDigital& digital : mode.Digits()) {
            if (kind == FileKind::Comparison)
                digital.SetCmpValue(*value++);
            else
                digital.SetUserValue(*value++);
        }
    }
    if (side == HeaderSide::User) {
        userHeader_ = *header;
    } else if (side == HeaderSide::Comparison) {
        kishuName2_ = header->kishuName.Text();
        dataVersion2_ = header->dataVersion.Text();
    }
    UpdateMaxMin();
    return true;
}

bool CModes::SaveOneTable(QByteArray& fileImage, qint64 position) {
    QByteArray table;
    if (!hlpkit::Guarded(context_.method, QStringLiteral("SaveOneTable"), false, [&] {
            table = TableOf(fileImage, position);
            return true;
        }))
        return false;
    if (!hlpkit::Guarded(context_.method, QStringLiteral("SaveHedder"), false, [&] {
            // Both fields are made before either is written, so a refused text changes nothing.
            const QByteArray kishuName = userHeader_.kishuName.Stored(QStringLiteral("machine model name"));
            const QByteArray dataVersion = userHeader_.dataVersion.Stored(QStringLiteral("data version"));
            table.replace(kKishuNameOffset, HeaderField::kSize, kishuName);
            table.replace(kDataVersionOffset, HeaderField::kSize, dataVersion);
            return true;
        }))
        return false;
    if (!hlpkit::Guarded(context_.method, QStringLiteral("SaveOneTable"), false, [&] {
            for (const CMode& mode : items_) {
                for (const CDigital& digital : mode.Digits()) {
                    if (HasDataField(digital))
                        EncodeValue(table, digital);
                }
            }
            return true;
        }))
        return false;
    // Only a complete table reaches the caller's image.
    fileImage.replace(TableOffset(position), kTableSize, table);
    return true;
}

qint32 CModes::GetUserValueByName(const QString& name) const {
    for (const CMode& mode : items_) {
        for (const CDigital& digital : mode.Digits()) {
            if (digital.digital() == name)
                return digital.UserValue();
        }
    }
    return 0;
}

void CModes::UpdateMaxMin() {
    // Runs after every table read, so it must not index all names each time: bounds given by
    // name are few, so collect those names first and look each up by one ordered scan.
    struct Bound {
        CDigital* digital;
        bool isMin;
        qsizetype name;
    };
    QVarLengthArray<Bound, 32> bounds;
    QVarLengthArray<QString, 16> names;
    auto nameIndex = [&names](const QString& name) {
        for (qsizetype i = 0; i < names.size(); ++i)
            if (names[i] == name)
                return i;
        names.append(name);
        return names.size() - 1;
    };
    for (CMode& mode : items_) {
        for (CDigital& digital : mode.Digits()) {
            if (digital.MinString().isEmpty() && digital.MaxString().isEmpty())
                continue;
            if (digital.InputType() != u"NUM")
                continue;
            if (!digital.MinString().isEmpty())
                bounds.append({&digital, true, nameIndex(digital.MinString())});
            if (!digital.MaxString().isEmpty())
                bounds.append({&digital, false, nameIndex(digital.MaxString())});
        }
    }
    if (bounds.isEmpty())
        return;
    // The first digital of each name, in mode then digital order; a name nobody has reads 0.
    QVarLengthArray<std::optional<qint32>, 16> values(names.size());
    qsizetype found = 0;
    for (const CMode& mode : items_) {
        for (const CDigital& digital : mode.Digits()) {
            for (qsizetype i = 0; i < names.size(); ++i) {
                if (!values[i] && digital.digital() == names[i]) {
                    values[i] = digital.UserValue();
                    ++found;
                }
            }
            if (found == names.size())
                break;
        }
        if (found == names.size())
            break;
    }
    for (const Bound& bound : bounds) {
        const QString text = QString::number(values[bound.name].value_or(0));
        if (bound.isMin)
            bound.digital->SetMin(text);
        else
            bound.digital->SetMax(text);
    }
}

} // namespace vokg
