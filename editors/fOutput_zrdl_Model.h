#pragma once

#include "export/ModelSourceExport.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace hlpkit {
class CMethod;
}

namespace vokg {

class CCustoms;
class CModes;
class COkuris;
class EditorServices;
class Messenger;

// What the firmware-source dialog decides and does, without a window: its four boxes (loaded
// from the settings when it opens, stored when it closes), the template and new-file questions,
// the rules box, and the create with its checks in order. fOutput_zrdl_ModelDialog binds the
// window to it; the export itself is ModelSourceExport, which the command line calls too.
class fOutput_zrdl_Model {
public:
    // The file dialogs' filter and the new file's default extension.
    static constexpr auto kFilter = "c file|*.c";
    static constexpr auto kExtension = "c";

    fOutput_zrdl_Model(const CModes& modes, const CCustoms& customs, COkuris& okuris, Messenger& messenger,
                       hlpkit::CMethod& method, EditorServices& services);

    // The data files open now: the new file is never written over one of them.
    void SetFilesInUse(QStringList files) { filesInUse_ = std::move(files); }

    const QString& FileHinagata() const { return fileHinagata_; }
    void SetFileHinagata(const QString& path) { fileHinagata_ = path; }
    const QString& FileNew() const { return fileNew_; }
    void SetFileNew(const QString& path) { fileNew_ = path; }
    const QString& Kishu() const { return kishu_; }
    void SetKishu(const QString& model) { kishu_ = model; }
    const QString& SectionNo() const { return sectionNo_; }
    void SetSectionNo(const QString& section) { sectionNo_ = section; }

    // Form load: the four boxes from the settings. Unload: back into them (however it closes).
    void Load();
    void Unload();

    // The open question for a template (preset to the folder and name of `current`); empty when
    // cancelled. GetFileNew is the save question for the new file, which asks before replacing.
    QString GetFile(const QString& current);
    QString GetFileNew(const QString& current);
    // btnSpecifyHinagata, btnSpecifyNew: a chosen file goes into its box.
    void SpecifyHinagata();
    void SpecifyNew();

    // btnRule: the rules a template follows, in an information box.
    void ShowRules();

    // BTN 1: the checks in order (each shows its message and names the box for the focus), then
    // the export. True when the new file was written; the cancel button then reads "閉じる".
    struct CreateResult {
        bool written = false;
        std::optional<ModelSourceBox> focus; // the box whose check failed
    };
    CreateResult Create();

    // The caption of BTN 9: "キャンセル", "閉じる" after a file was written.
    const QString& CancelCaption() const { return cancelCaption_; }

private:
    const CModes& modes_;
    const CCustoms& customs_;
    COkuris& okuris_;
    Messenger& messenger_;
    hlpkit::CMethod& method_;
    EditorServices& services_;
    QStringList filesInUse_;

    QString fileHinagata_;
    QString fileNew_;
    QString kishu_;
    QString sectionNo_;
    QString cancelCaption_;
};

} // namespace vokg
