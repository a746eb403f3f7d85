#include "model/CCustoms.h"

#include "hlpkit/RunError.h"
#include "model/DefinitionFile.h"
#include "model/TableFile.h"
#include "shell/messages/Messages.h"

#include <QDir>

#include <array>
#include <vector>

namespace vokg {
namespace {

struct DutyCode {
    const char16_t* code;
    qint32 onTime;
    qint32 offTime;
    const char16_t* ratio;
};

constexpr std::array<DutyCode, 8> kDutyCodes{{
    {u"ALL", 1, 0, u"100%"},
    {u"66L", 80, 40, u"8ms=ON, 4ms=OFF, 66%"},
    {u"66H", 40, 20, u"4ms=ON, 2ms=OFF, 66%"},
    {u"50L", 40, 40, u"4ms=ON, 4ms=OFF, 50%"},
    {u"50H", 20, 20, u"2ms=ON, 2ms=OFF, 50%"},
    {u"33", 20, 40, u"2ms=ON, 4ms=OFF, 33%"},
    {u"17", 20, 100, u"2ms=ON, 10ms=OFF, 17%"},
    {u"8", 20, 220, u"2ms=ON, 22ms=OFF, 8%"},
}};

constexpr int kAllInputs = 475;
constexpr int kAllOutputs = 476;
constexpr int kInputWord = 487;
constexpr int kOutputWord = 488;
constexpr int kDutyWord = 263;
constexpr int kAllWaveWord = 303;

// The settings of one row as a table holds them; staged so that a read commits all or nothing.
struct RowSettings {
    qint32 kino = 0;
    qint32 logic = 0;
    qint32 dosa = 0;
    qint32 onDelay = 0;
    qint32 offDelay = 0;
    qint32 choppingOn = 0;
    qint32 choppingOff = 0;
    qint32 zenpa = 0;
};

QByteArray TableOf(const QByteArray& fileImage, qint64 position) {
    if (position < 1 || TableOffset(position) + kTableSize > fileImage.size())
        throw hlpkit::RunError(hlpkit::SubscriptOutOfRange,
                               QStringLiteral("%1: no whole table at position %2 of a %3-byte file")
                                   .arg(hlpkit::StandardErrorText(hlpkit::SubscriptOutOfRange))
                                   .arg(position)
                                   .arg(fileImage.size()));
    return fileImage.mid(TableOffset(position), kTableSize);
}

void CheckedPut(QByteArray& table, const CCustom& row, const char* what, qint32 address, qint32 value,
                int size) {
    const qint32 maximum = size == 1 ? 255 : 65535;
    if (value < 0 || value > maximum)
        throw hlpkit::RunError(hlpkit::Overflow, QStringLiteral("%1: %2 of %3 is %4; it must lie in 0 to %5")
                                                     .arg(hlpkit::StandardErrorText(hlpkit::Overflow),
                                                          QLatin1StringView(what), row.Location())
                                                     .arg(value)
                                                     .arg(maximum));
    if (size == 1)
        PutByte(table, address, value);
    else
        PutWord(table, address, value);
}

// The addresses of a signal row (fields 3 onward): fields 3-5 name bytes, fields 6-10 two-byte
// words; each must lie inside the table.
std::vector<qint32> SignalAddresses(const DefinitionFile& table, qsizetype line, const QStringList& fields,
                                    int fieldCount) {
    std::vector<qint32> addresses;
    for (int field = 3; field < fieldCount; ++field) {
        const qint32 address = table.Int32Field(line, fields, field);
        const qint32 lastStart = kTableSize - (field < 6 ? 1 : 2);
        if (address < 0 || address > lastStart)
            throw table.LineError(hlpkit::SubscriptOutOfRange, line,
                                  QStringLiteral("the address in field %1 lies outside the %2-byte table")
                                      .arg(field)
                                      .arg(kTableSize));
        addresses.push_back(address);
    }
    return addresses;
}

} // namespace

qsizetype CCustoms::CountRow(const QString& group) const {
    qsizetype count = 0;
    for (const CCustom& row : items_) {
        if (Included(group, row.Category()))
            ++count;
    }
    return count;
}

QString CCustoms::GetDutyInfo2(int index) {
    if (index < 0 || index >= int(kDutyCodes.size()))
        return QStringLiteral("????");
    const QString ratio = QString::fromUtf16(kDutyCodes[std::size_t(index)].ratio);
    return ratio + LoadMsg(index == 0 ? kAllWaveWord : kDutyWord);
}

bool CCustoms::Included(const QString& group, const QString& category) {
    if (group == LoadMsg(kAllInputs))
        return category.toUpper().contains(LoadMsg(kInputWord));
    if (group == LoadMsg(kAllOutputs))
        return category.toUpper().contains(LoadMsg(kOutputWord));
    return group == category;
}

CCustom& CCustoms::Add(const QString& location, const QString&, const QString& category, qint32 kinoAdrs,
                       qint32 logicAdrs, qint32 dosaAdrs, qint32 onDelayTimeAdrs, qint32 offDelayTimeAdrs,
                       qint32 choppingOnTimeAdrs, qint32 choppingOffTimeAdrs, qint32 zenpaTimeAdrs) {
    auto row = std::make_unique<CCustom>();
    row->SetLocation(location);
    row->SetCategory(category);
    row->SetINOUT(1);
    row->SetKinoAdrs(kinoAdrs);
    row->SetLogicAdrs(logicAdrs);
    row->SetDosaAdrs(dosaAdrs);
    row->SetOnDelayTimeAdrs(onDelayTimeAdrs);
    row->SetOffDelayTimeAdrs(offDelayTimeAdrs);
    row->SetChoppingOnTimeAdrs(choppingOnTimeAdrs);
    row->SetChoppingOffTimeAdrs(choppingOffTimeAdrs);
    row->SetZenpaTimeAdrs(zenpaTimeAdrs);
    return items_.Append(location, std::move(row));
}

CCustom& CCustoms::AddInput(const QString& location, const QString&, const QString& category, qint32 kinoAdrs,
                            qint32 logicAdrs, qint32 dosaAdrs) {
    auto row = std::make_unique<CCustom>();
    row->SetLocation(location);
    row->SetCategory(category);
    row->SetINOUT(0);
    row->SetKinoAdrs(kinoAdrs);
    row->SetLogicAdrs(logicAdrs);
    row->SetDosaAdrs(dosaAdrs);
    return items_.Append(location, std::move(row));
}

bool CCustoms::ReadDataCustomize(const QString& path, qint64 position) {
    std::vector<RowSettings> staged;
    const bool read = hlpkit::Guarded(context_.method, QStringLiteral("ReadData"), false, [&] {
        const QByteArray table = ReadTableBytes(path, position);
        staged.reserve(std::size_t(items_.Count()));
        for (const CCustom& row : items_) {
            RowSettings settings{row.Kino(),
                                 row.Logic(),
                                 row.Dosa(),
                                 row.OnDelayTime(),
                                 row.OffDelayTime(),
                                 row.ChoppingOnTime(),
                                 row.ChoppingOffTime(),
                                 row.ZenpaTime()};
            settings.kino = ByteAt(table, row.KinoAdrs());
            settings.logic = ByteAt(table, row.LogicAdrs());
            settings.dosa = ByteAt(table, row.DosaAdrs());
            // Times are read for exactly the rows whose times are saved (INOUT 1): a row whose
            // category lacks the word "OUTPUT" must not carry another table's times into a save.
            if (row.INOUT() == 1) {
                settings.onDelay = WordAt(table, row.OnDelayTimeAdrs());
                settings.offDelay = WordAt(table, row.OffDelayTimeAdrs());
                settings.choppingOn = WordAt(table, row.ChoppingOnTimeAdrs());
                settings.choppingOff = WordAt(table, row.ChoppingOffTimeAdrs());
                settings.zenpa = WordAt(table, row.ZenpaTimeAdrs());
            }
            staged.push_back(settings);
        }
        return true;
    });
    if (!read)
        return false;
    auto settings = staged.cbegin();
    for (CCustom& row : items_) {
        row.SetKino(settings->kino);
        row.SetLogic(settings->logic);
        row.SetDosa(settings->dosa);
        row.SetOnDelayTime(settings->onDelay);
        row.SetOffDelayTime(settings->offDelay);
        row.SetChoppingOnTime(settings->choppingOn);
        row.SetChoppingOffTime(settings->choppingOff);
        row.SetZenpaTime(settings->zenpa);
        ++settings;
    }
    return true;
}

bool CCustoms::SaveCustomTable(QByteArray& fileImage, qint64 position) {
    return hlpkit::Guarded(context_.method, QStringLiteral("SaveCustomTable"), false, [&] {
        QByteArray table = TableOf(fileImage, position);
        for (const CCustom& row : items_) {
            CheckedPut(table, row, "the function", row.KinoAdrs(), row.Kino(), 1);
            CheckedPut(table, row, "the logic", row.LogicAdrs(), row.Logic(), 1);
            CheckedPut(table, row, "the operation", row.DosaAdrs(), row.Dosa(), 1);
            // Every time word, the chopping times included, is an unsigned 16-bit field:
            // whatever a table held reads and saves back unchanged.
            if (row.INOUT() == 1) {
                CheckedPut(table, row, "the ON delay time", row.OnDelayTimeAdrs(), row.OnDelayTime(), 2);
                CheckedPut(table, row, "the OFF delay time", row.OffDelayTimeAdrs(), row.OffDelayTime(), 2);
                CheckedPut(table, row, "the chopping ON time", row.ChoppingOnTimeAdrs(), row.ChoppingOnTime(),
                           2);
                CheckedPut(table, row, "the chopping OFF time", row.ChoppingOffTimeAdrs(),
                           row.ChoppingOffTime(), 2);
                CheckedPut(table, row, "the full-wave time", row.ZenpaTimeAdrs(), row.ZenpaTime(), 2);
            }
        }
        fileImage.replace(TableOffset(position), kTableSize, table);
        return true;
    });
}

bool CCustoms::ReadSet04e(const QString& folder) {
    return hlpkit::Guarded(context_.method, QStringLiteral("ReadSet04e"), false, [&] {
        const DefinitionFile table = DefinitionFile::Open(QDir(folder).filePath(QStringLiteral("Set04.e")));
        for (qsizetype line = 0; line < table.LineCount(); ++line) {
            const QStringList fields = table.Fields(line, 6);
            if (items_.Contains(fields[0]))
                throw table.LineError(hlpkit::DuplicateKey, line,
                                      QStringLiteral("the signal \"%1\" is defined twice").arg(fields[0]));
            const std::vector<qint32> addresses = SignalAddresses(table, line, fields, 6);
            AddInput(fields[0], fields[1], fields[2], addresses[0], addresses[1], addresses[2]);
        }
        return true;
    });
}

bool CCustoms::ReadSet05e(const QString& folder) {
    return hlpkit::Guarded(context_.method, QStringLiteral("ReadSet05e"), false, [&] {
        const DefinitionFile table = DefinitionFile::Open(QDir(folder).filePath(QStringLiteral("Set05.e")));
        for (qsizetype line = 0; line < table.LineCount(); ++line) {
            const QStringList fields = table.Fields(line, 11);
            if (items_.Contains(fields[0]))
                throw table.LineError(hlpkit::DuplicateKey, line,
                                      QStringLiteral("the signal \"%1\" is defined twice").arg(fields[0]));
            const std::vector<qint32> addresses = SignalAddresses(table, line, fields, 11);
            Add(fields[0], fields[1], fields[2], addresses[0], addresses[1], addresses[2], addresses[3],
                addresses[4], addresses[5], addresses[6], addresses[7]);
        }
        return true;
    });
}

void CCustoms::GetDutyInfo(int direction, const CCustom& row, qint32& onTime, qint32& offTime,
                           QString& code) {
    if (direction == 0) {
        for (const DutyCode& duty : kDutyCodes) {
            if (code == QStringView(duty.code)) {
                onTime = duty.onTime;
                offTime = duty.offTime;
                return;
            }
        }
        if (code == u"-") {
            onTime = 0;
            offTime = 0;
        } else if (code == u"MANUAL") {
            onTime = row.ChoppingOnTime();
            offTime = row.ChoppingOffTime();
        }
    } else if (direction == 1) {
        for (const DutyCode& duty : kDutyCodes) {
            if (duty.onTime == onTime && duty.offTime == offTime) {
                code = QString::fromUtf16(duty.code);
                return;
            }
        }
        code = QStringLiteral("MANUAL");
    }
}

bool CCustoms::DoesDiff(const CCustom& rowA, const CCustom& rowB) {
    return rowA.Kino() != rowB.Kino() || rowA.Logic() != rowB.Logic() || rowA.Dosa() != rowB.Dosa() ||
           rowA.OnDelayTime() != rowB.OnDelayTime() || rowA.OffDelayTime() != rowB.OffDelayTime() ||
           rowA.ZenpaTime() != rowB.ZenpaTime() || rowA.ChoppingOffTime() != rowB.ChoppingOffTime() ||
           rowA.ChoppingOnTime() != rowB.ChoppingOnTime();
}

bool CCustoms::MustWrite(const QSet<QString>& selectedGroups, bool onlyDifferences, bool comparisonPresent,
                         const CCustom& comparisonRow, const CCustom& userRow) {
    if (!selectedGroups.contains(userRow.Category()))
        return false;
    if (!onlyDifferences || !comparisonPresent)
        return true;
    return DoesDiff(comparisonRow, userRow);
}

} // namespace vokg
