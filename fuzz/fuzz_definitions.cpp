// One definition table of any of the seven kinds, the kind taken from the first byte: Set01.e to
// Set03.e into the parameter vocabulary, Set04.e and Set05.e into the signal rows, Set06.e and
// Set07.e into a function table. The tables a kind builds on are the sample machine's.
//
// A table that loads loads the same a second time, holds only what a save can write (sizes 1 or
// 2, addresses inside the table, keys unique) and reports nothing. A refused table is reported,
// and what the tables before it built is left as it was (the records of the refused table read
// before its failing line stay, as the start-up ends at the refusal anyway).

#include "fuzz/FuzzSupport.h"

#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/TableFile.h"
#include "model/TableLayout.h"

#include <QDir>

#include <optional>

using fuzzing::Harness;
using fuzzing::Require;
using namespace vokg;

namespace {

struct Loaded {
    bool ok = false;
    QByteArray before; // what the tables it builds on made
    QByteArray after;
    QByteArray prerequisite; // what the tables it builds on made, seen after the read
};

// The modes and digitals without the choices Set03.e adds, and the modes alone.
QByteArray ModeNames(const CModes& modes) {
    QByteArray names;
    for (const CMode& mode : modes)
        names += mode.ModeName().toUtf8() + '\n';
    return names;
}

QByteArray DigitalsWithoutChoices(const CModes& modes) {
    QByteArray bytes;
    for (const CMode& mode : modes) {
        bytes += mode.ModeName().toUtf8() + '\n';
        for (const CDigital& digital : mode.Digits())
            bytes += (digital.digital() + QLatin1Char('|') + digital.Min() + QLatin1Char('|') +
                      digital.Max() + QLatin1Char('|') + QString::number(digital.RamAddress()) +
                      QLatin1Char('|') + QString::number(digital.RamSize()))
                         .toUtf8() +
                     '\n';
    }
    return bytes;
}

void CheckSavable(const CModes& modes) {
    for (const CMode& mode : modes) {
        for (const CDigital& digital : mode.Digits()) {
            Require(digital.RamSize() == 1 || digital.RamSize() == 2, "a loaded digital has 1 or 2 bytes",
                    digital.digital());
            Require(digital.RamAddress() >= 0 && digital.RamAddress() + digital.RamSize() <= kTableSize,
                    "a loaded digital lies inside the table", digital.digital());
        }
    }
}

Loaded LoadModes(int kind, const QString& folder) {
    Harness& harness = fuzzing::TheHarness();
    CModes modes(harness.Context());
    const QString samples = Harness::SampleDefinitions();
    Require(kind < 2 || modes.ReadSet01e(samples), "the sample Set01.e loads");
    Require(kind < 3 || modes.ReadSet02e(samples), "the sample Set02.e loads");
    Require(harness.TakeReports() == 0, "the samples load without a report");
    Loaded loaded;
    loaded.before = kind == 2 ? ModeNames(modes) : DigitalsWithoutChoices(modes);
    loaded.ok = kind == 1   ? modes.ReadSet01e(folder)
                : kind == 2 ? modes.ReadSet02e(folder)
                            : modes.ReadSet03e(folder);
    loaded.prerequisite = kind == 2 ? ModeNames(modes) : DigitalsWithoutChoices(modes);
    if (kind == 1)
        loaded.before = loaded.prerequisite = {};
    if (loaded.ok)
        CheckSavable(modes);
    loaded.after = fuzzing::Fingerprint(modes);
    return loaded;
}

Loaded LoadCustoms(int kind, const QString& folder) {
    Harness& harness = fuzzing::TheHarness();
    CCustoms customs(harness.Context());
    Require(kind < 5 || customs.ReadSet04e(Harness::SampleDefinitions()), "the sample Set04.e loads");
    Require(harness.TakeReports() == 0, "the samples load without a report");
    Loaded loaded;
    loaded.before = fuzzing::Fingerprint(customs);
    loaded.ok = kind == 4 ? customs.ReadSet04e(folder) : customs.ReadSet05e(folder);
    // The rows read before are the first rows still, unchanged.
    loaded.prerequisite = fuzzing::Fingerprint(customs).left(loaded.before.size());
    if (loaded.ok) {
        CModes none(harness.Context());
        const std::optional<LayoutClash> clash = TableLayout::FindClash(none, customs);
        (void)clash; // a clash is the start-up's refusal; finding it must not fail
        for (const CCustom& row : customs) {
            for (const qint32 address : {row.KinoAdrs(), row.LogicAdrs(), row.DosaAdrs()})
                Require(address >= 0 && address < kTableSize, "a loaded signal byte lies inside the table",
                        row.Location());
            if (row.INOUT() == 1) {
                for (const qint32 address :
                     {row.OnDelayTimeAdrs(), row.OffDelayTimeAdrs(), row.ChoppingOnTimeAdrs(),
                      row.ChoppingOffTimeAdrs(), row.ZenpaTimeAdrs()})
                    Require(address >= 0 && address + 2 <= kTableSize,
                            "a loaded signal word lies inside the table", row.Location());
            }
        }
    }
    loaded.after = fuzzing::Fingerprint(customs);
    return loaded;
}

Loaded LoadFunctions(const QString& path) {
    CCusSelections functions(fuzzing::TheHarness().Context());
    Loaded loaded;
    loaded.ok = functions.ReadSet6_7_8_9e(path);
    if (loaded.ok) {
        Require(functions.dicDigital().size() == functions.Count() &&
                    functions.dicValue().size() == functions.Count(),
                "every loaded function has one name and one value");
        for (const CCusSelection& function : functions)
            Require(functions.ValueByDigital(function.Ditigal()) == function.Value(),
                    "a function's name finds its value", function.Ditigal());
    }
    loaded.after = fuzzing::Fingerprint(functions);
    return loaded;
}

Loaded Load(int kind, const QString& folder) {
    const QString name = QStringLiteral("Set%1.e").arg(kind, 2, 10, QLatin1Char('0'));
    if (kind <= 3)
        return LoadModes(kind, folder);
    if (kind <= 5)
        return LoadCustoms(kind, folder);
    return LoadFunctions(QDir(folder).filePath(name));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::TheHarness();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Harness& harness = fuzzing::TheHarness();
    const int kind = data[0] % 7 + 1;
    const QString name = QStringLiteral("Set%1.e").arg(kind, 2, 10, QLatin1Char('0'));
    harness.WriteScratch(name, QByteArray(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
    const QString folder = harness.scratch.path();

    const Loaded first = Load(kind, folder);
    const int reports = harness.TakeReports();
    if (first.ok) {
        Require(reports == 0, "a table that loads reports nothing");
        const Loaded second = Load(kind, folder);
        Require(second.ok && second.after == first.after, "a table that loads loads the same a second time");
    } else {
        Require(reports >= 1, "a refused table is reported");
        Require(first.prerequisite == first.before, "a refused table leaves what the tables before it built");
    }
    harness.TakeReports();
    return 0;
}
