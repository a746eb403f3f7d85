// One table of a data file through every read of an open: the parameters and header
// (CModes::ReadDataDigitals), the signal settings (CCustoms), the feed table (COkuris) and the
// author and password (CSelectTable), over the sample machine's definitions.
//
// The first byte chooses the file: even, the rest padded or cut to one 8192-byte table; odd, the
// rest as it is (short and long files). Each read is all or nothing: a refused read leaves its
// object exactly as it was. When every read succeeds, the program's own saves of the untouched
// model into a copy of the file give the file back byte for byte, save the author and password
// fields, which a save stamps anew: those must read back as the same texts (or, kept as stored
// because they do not decode, as the same bytes).

#include "fuzz/FuzzSupport.h"

#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "model/TableFile.h"

#include <QDateTime>

#include <memory>

using fuzzing::Harness;
using fuzzing::Require;
using namespace vokg;

namespace {

struct Model {
    explicit Model(ModelContext context)
        : modes(context), customs(context), okuris(context), record(context) {}
    CModes modes;
    CCustoms customs;
    COkuris okuris;
    CSelectTable record;
};

std::unique_ptr<Model> model;

constexpr int kHeaderStart = CSelectTable::kAuthorOffset;
constexpr int kHeaderEnd =
    CSelectTable::kAuthorOffset + CSelectTable::kAuthorFieldLength + CSelectTable::kPasswordFieldLength;

// Reads with `read`; a refusal must leave `fingerprint` as it was.
template <typename Read, typename Print>
bool ReadAllOrNothing(const char* what, Read read, Print fingerprint) {
    const QByteArray before = fingerprint();
    const bool ok = read();
    if (!ok)
        Require(fingerprint() == before, "a refused read leaves the model as it was",
                QString::fromLatin1(what));
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    Harness& harness = fuzzing::TheHarness();
    model = std::make_unique<Model>(harness.Context());
    const QString samples = Harness::SampleDefinitions();
    Require(model->modes.ReadSet01e(samples) && model->modes.ReadSet02e(samples) &&
                model->modes.ReadSet03e(samples) && model->customs.ReadSet04e(samples) &&
                model->customs.ReadSet05e(samples),
            "the sample definitions load");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    Harness& harness = fuzzing::TheHarness();
    QByteArray file(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    if (data[0] % 2 == 0)
        file = file.leftJustified(kTableSize, '\0', true);
    const QString path = harness.WriteScratch(QStringLiteral("TABLE.DSG"), file);
    const qint64 position = TablePosition(1);
    const OpeningState opening{true, false};

    const bool digitals = ReadAllOrNothing(
        "ReadDataDigitals",
        [&] { return model->modes.ReadDataDigitals(FileKind::User, path, position, opening); },
        [&] { return fuzzing::Fingerprint(model->modes); });
    const bool customs = ReadAllOrNothing(
        "ReadDataCustomize", [&] { return model->customs.ReadDataCustomize(path, position); },
        [&] { return fuzzing::Fingerprint(model->customs); });
    const bool feed = ReadAllOrNothing(
        "ReadData (feed)", [&] { return model->okuris.ReadData(path, position); },
        [&] { return fuzzing::Fingerprint(model->okuris); });
    const bool header = ReadAllOrNothing(
        "ReadData (author, password)", [&] { return model->record.ReadData(path, position, 1); },
        [&] { return fuzzing::Fingerprint(model->record); });
    if (file.size() >= kTableSize)
        Require(digitals && customs && feed && header, "every read of a whole table succeeds");
    if (!(digitals && customs && feed && header)) {
        Require(harness.TakeReports() >= 1, "a refused read is reported");
        return 0;
    }
    harness.TakeReports();

    // The saves of the open table write into the whole file image as the save does.
    QByteArray image = file;
    const QDateTime stamp(QDate(2024, 5, 17), QTime(12, 34, 56));
    const bool saved =
        model->modes.SaveOneTable(image, position) && model->customs.SaveCustomTable(image, position) &&
        model->okuris.SaveData(image, position) && model->record.SaveHeader(image, true, position, stamp);
    Require(saved, "an untouched table that was read saves", QString::number(harness.TakeReports()));
    Require(image.size() == file.size(), "a save keeps the file's size");
    Require(image.left(kHeaderStart) == file.left(kHeaderStart) &&
                image.mid(kHeaderEnd) == file.mid(kHeaderEnd),
            "a save of the untouched model gives the bytes back");

    const QByteArray recordRead = fuzzing::Fingerprint(model->record);
    CSelectTable reread(harness.Context());
    const QString copy = harness.WriteScratch(QStringLiteral("SAVED.DSG"), image);
    Require(reread.ReadData(copy, position, 1), "the saved author and password read");
    Require(reread.Author() == model->record.Author() && reread.Password() == model->record.Password() &&
                reread.UserRecord().storedAuthor == model->record.UserRecord().storedAuthor &&
                reread.UserRecord().storedPassword == model->record.UserRecord().storedPassword,
            "the saved author and password read back as they were read",
            model->record.Author() + QLatin1Char('/') + reread.Author());
    Require(fuzzing::Fingerprint(model->record) == recordRead, "a save changes nothing in the model");
    harness.TakeReports();
    return 0;
}
