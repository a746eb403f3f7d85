#include "model/TableLayout.h"

#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CDigitals.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/CSelectTable.h"
#include "model/FeedLayout.h"
#include "model/HeaderField.h"
#include "model/TableFile.h"

#include <QStringList>

#include <array>
#include <vector>

namespace vokg {
namespace {

struct Owner {
    QString file; // empty for the fixed parts of a table
    QString row;
    int first;
    int size;
};

QString Bytes(int first, int size) {
    return size == 1 ? QStringLiteral("byte %1").arg(first)
                     : QStringLiteral("bytes %1-%2").arg(first).arg(first + size - 1);
}

QString Describe(const Owner& owner) {
    const QString where = Bytes(owner.first, owner.size);
    return owner.file.isEmpty() ? QStringLiteral("%1 (%2)").arg(owner.row, where)
                                : QStringLiteral("%1 %2 (%3)").arg(owner.file, owner.row, where);
}

class ByteOwners {
public:
    ByteOwners() { owner_.fill(-1); }

    // Claims the bytes of a field; the clash with the field that holds one of them already.
    std::optional<LayoutClash> Claim(Owner field) {
        const int index = int(owners_.size());
        owners_.push_back(std::move(field));
        const Owner& claimed = owners_.back();
        for (int byte = claimed.first; byte < claimed.first + claimed.size; ++byte) {
            if (byte < 0 || byte >= kTableSize)
                continue; // the readers refuse an address outside the table themselves
            if (owner_[std::size_t(byte)] >= 0) {
                const Owner& earlier = owners_[std::size_t(owner_[std::size_t(byte)])];
                return LayoutClash{
                    claimed.file, QStringLiteral("%1 overlaps %2").arg(Describe(claimed), Describe(earlier))};
            }
            owner_[std::size_t(byte)] = index;
        }
        return std::nullopt;
    }

private:
    std::array<int, kTableSize> owner_;
    std::vector<Owner> owners_;
};

} // namespace

std::optional<LayoutClash> TableLayout::FindClash(const CModes& modes, const CCustoms& customs) {
    ByteOwners owners;
    const std::array<Owner, 5> fixed{{
        {QString(), QStringLiteral("the model name"), 0, HeaderField::kSize},
        {QString(), QStringLiteral("the data version"), HeaderField::kSize, HeaderField::kSize},
        {QString(), QStringLiteral("the author field"), CSelectTable::kAuthorOffset,
         CSelectTable::kAuthorFieldLength},
        {QString(), QStringLiteral("the password field"),
         CSelectTable::kAuthorOffset + CSelectTable::kAuthorFieldLength, CSelectTable::kPasswordFieldLength},
        {QString(), QStringLiteral("the feed table"), feed::kTableOffset, feed::kTableLength},
    }};
    for (const Owner& part : fixed)
        if (auto clash = owners.Claim(part))
            return clash;

    const QString digitals = QStringLiteral("Set02.e");
    for (const CMode& mode : modes)
        for (const CDigital& digital : mode.Digits())
            if (auto clash = owners.Claim(
                    {digitals, QStringLiteral("digital \"%1/%2\"").arg(mode.ModeName(), digital.digital()),
                     digital.RamAddress(), digital.RamSize()}))
                return clash;

    for (const CCustom& row : customs) {
        const QString file = row.INOUT() == 1 ? QStringLiteral("Set05.e") : QStringLiteral("Set04.e");
        struct Field {
            const char* what;
            qint32 address;
            int size;
        };
        std::vector<Field> fields{
            {"function", row.KinoAdrs(), 1}, {"logic", row.LogicAdrs(), 1}, {"operation", row.DosaAdrs(), 1}};
        if (row.INOUT() == 1) {
            fields.push_back({"ON delay time", row.OnDelayTimeAdrs(), 2});
            fields.push_back({"OFF delay time", row.OffDelayTimeAdrs(), 2});
            fields.push_back({"chopping ON time", row.ChoppingOnTimeAdrs(), 2});
            fields.push_back({"chopping OFF time", row.ChoppingOffTimeAdrs(), 2});
            fields.push_back({"full-wave time", row.ZenpaTimeAdrs(), 2});
        }
        for (const Field& field : fields)
            if (auto clash = owners.Claim(
                    {file, QStringLiteral("signal \"%1\" %2").arg(row.Location(), QLatin1String(field.what)),
                     field.address, field.size}))
                return clash;
    }
    return std::nullopt;
}

} // namespace vokg
