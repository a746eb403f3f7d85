#include "fuzz/FuzzSupport.h"

#include "model/CCusSelections.h"
#include "model/CCustoms.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace fuzzing {

void Broken(const char* invariant, const QString& detail) {
    std::fprintf(stderr, "broken invariant: %s\n%s\n", invariant, detail.toLocal8Bit().constData());
    std::abort();
}

platform::Answer SilentPrompter::Message(platform::BoxKind kind, const QString&, const QString&) {
    ++messages;
    return platform::BoxKindAsks(kind) ? platform::Answer::Cancel : platform::Answer::Ok;
}

namespace {
int reports = 0;
} // namespace

Harness::Harness() {
    Require(scratch.isValid(), "a scratch folder can be made");
    // Err.log goes into a folder that does not exist, so a million refusals write nothing; the
    // reports are still counted.
    hlpkit::CMethod::SetLogFolder(scratch.filePath(QStringLiteral("no-log/none")));
    hlpkit::CMethod::SetErrorBox([](const QString&, const QString&) { ++reports; });
}

int Harness::TakeReports() {
    const int taken = reports;
    reports = 0;
    return taken;
}

QString Harness::WriteScratch(const QString& name, const QByteArray& bytes) const {
    const QString path = scratch.filePath(name);
    QFile file(path);
    Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
            "the scratch file is written", path);
    return path;
}

QString Harness::SampleDefinitions() {
    return SourceFile(QStringLiteral("data/definitions"));
}

QString Harness::SourceFile(const QString& relative) {
    return QDir(QStringLiteral(VOKG_SOURCE_DIR)).filePath(relative);
}

Harness& TheHarness() {
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static const std::unique_ptr<QCoreApplication> application =
        QCoreApplication::instance() ? nullptr : std::make_unique<QCoreApplication>(argc, argv);
    static Harness harness;
    return harness;
}

QByteArray Fingerprint(const vokg::CModes& modes) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << modes.KishuName() << modes.DataVersion() << modes.KishuName2() << modes.DataVersion2();
    for (const vokg::CMode& mode : modes) {
        out << mode.ModeName();
        for (const vokg::CDigital& digital : mode.Digits()) {
            out << digital.digital() << digital.Advice() << digital.Min() << digital.Max()
                << digital.MinString() << digital.MaxString() << digital.Unit() << digital.InputType()
                << digital.DetailAdvice() << digital.RamAddress() << digital.RamSize() << digital.UserValue()
                << digital.CmpValue();
            for (const vokg::CSelection& choice : digital.Selections())
                out << choice.Selection() << choice.Value();
        }
    }
    return bytes;
}

QByteArray Fingerprint(const vokg::CCustoms& customs) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const vokg::CCustom& row : customs)
        out << row.Location() << row.Category() << row.INOUT() << row.Kino() << row.Logic() << row.Dosa()
            << row.OnDelayTime() << row.OffDelayTime() << row.ChoppingOnTime() << row.ChoppingOffTime()
            << row.ZenpaTime() << row.KinoAdrs() << row.LogicAdrs() << row.DosaAdrs() << row.OnDelayTimeAdrs()
            << row.OffDelayTimeAdrs() << row.ChoppingOnTimeAdrs() << row.ChoppingOffTimeAdrs()
            << row.ZenpaTimeAdrs();
    return bytes;
}

QByteArray Fingerprint(const vokg::CCusSelections& selections) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const vokg::CCusSelection& function : selections)
        out << function.Ditigal() << function.Value() << function.Advice() << function.Category();
    out << qint64(selections.dicDigital().size()) << qint64(selections.dicValue().size());
    return bytes;
}

QByteArray Fingerprint(vokg::COkuris& okuris) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << okuris.HasData() << okuris.Position();
    if (!okuris.HasData())
        return bytes;
    QStringList keys = vokg::COkuris::AxisKeys() + vokg::COkuris::LongKeys() + vokg::COkuris::PitchKeys();
    keys.append(vokg::COkuris::OtherValuesKey());
    for (const QString& key : keys)
        out << key << okuris.GetArray(key);
    return bytes;
}

QByteArray Fingerprint(const vokg::CSelectTable& record) {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const vokg::CSelectTable::Record& user = record.UserRecord();
    out << user.author << user.password << user.storedAuthor.has_value()
        << user.storedAuthor.value_or(QByteArray()) << user.storedPassword.has_value()
        << user.storedPassword.value_or(QByteArray()) << record.Author2() << record.Password2();
    return bytes;
}

} // namespace fuzzing
