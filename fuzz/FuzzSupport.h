#pragma once

#include "hlpkit/CMethod.h"
#include "model/ModelContext.h"
#include "platform/Prompter.h"
#include "shell/messages/Messages.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace vokg {
class CCusSelections;
class CCustoms;
class CModes;
class COkuris;
class CSelectTable;
} // namespace vokg

namespace fuzzing {

// Ends the run with the broken invariant's text: libFuzzer keeps the input that did it.
[[noreturn]] void Broken(const char* invariant, const QString& detail = {});
inline void Require(bool holds, const char* invariant, const QString& detail = {}) {
    if (!holds)
        Broken(invariant, detail);
}

// A prompter that answers every question as a user who cancels, and counts what it was asked.
class SilentPrompter : public platform::Prompter {
public:
    platform::Answer Message(platform::BoxKind kind, const QString& title, const QString& text) override;
    std::optional<QString> Input(const QString&, const QString&, const QString&, bool) override {
        return std::nullopt;
    }
    std::optional<platform::FileDialogResult> OpenFile(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    std::optional<platform::FileDialogResult> SaveFile(const platform::FileDialogRequest&) override {
        return std::nullopt;
    }
    int messages = 0;
};

// What every target needs once: a Qt core application, the error log kept out of the way and
// counted, a scratch folder, and the model context.
class Harness {
public:
    Harness();
    vokg::ModelContext Context() { return {method, messenger}; }
    // Error reports since the last call.
    int TakeReports();
    // Writes `bytes` to `name` in the scratch folder and gives its path.
    QString WriteScratch(const QString& name, const QByteArray& bytes) const;
    QString ScratchPath(const QString& name) const { return scratch.filePath(name); }
    // The sample machine's definition tables (Set01.e ... Set07.e) of the source tree.
    static QString SampleDefinitions();
    static QString SourceFile(const QString& relative);

    QTemporaryDir scratch;
    hlpkit::CMethod method;
    SilentPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
};

// The process's one harness, made by the first call (from LLVMFuzzerInitialize).
Harness& TheHarness();

// Everything a read may change, as bytes, so that "as it was" is one comparison. The feed's
// current key is left out: looking at the arrays sets it.
QByteArray Fingerprint(const vokg::CModes& modes);
QByteArray Fingerprint(const vokg::CCustoms& customs);
QByteArray Fingerprint(const vokg::CCusSelections& selections);
QByteArray Fingerprint(vokg::COkuris& okuris);
QByteArray Fingerprint(const vokg::CSelectTable& record);

} // namespace fuzzing
