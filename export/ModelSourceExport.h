#pragma once

#include "model/ModelContext.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace vokg {

class CCustoms;
class CModes;
class COkuris;
class TemplateIndex;

// A template as read: its lines decoded from code page 932, and the bytes each line was read
// from (without its line end), so that a line the fill leaves alone is written back byte for
// byte whatever its bytes are.
struct ModelSourceTemplate {
    QStringList lines;
    QList<QByteArray> bytes;
};

// What the firmware source is made of: the template's lines, the machine model name that
// replaces "[機種]" (as typed: not trimmed) and the section number that replaces
// "[セクション番号]" (may be empty).
struct ModelSourceRequest {
    QStringList lines;
    QString modelName;
    QString sectionNumber;
};

// One message the fill showed: its number (82 keyword missing, 86 placeholder missing, 87 signal
// block missing) and its detail (the key, the template line, the signal name). A failure
// reported through the error log instead has number 0 and the reporting procedure as detail.
struct ModelSourceNotice {
    int message = 0;
    QString detail;
    bool operator==(const ModelSourceNotice&) const = default;
};

struct ModelSourceResult {
    bool succeeded = false;
    QStringList lines; // the filled template, when succeeded
    std::optional<ModelSourceNotice> failure;
    QList<ModelSourceNotice> warnings; // the signals without a block, in customize order
};

// The create checks in their order; the box is where the window puts the focus.
enum class ModelSourceBox { Template, NewFile, Model };
struct ModelSourceCheck {
    int message;
    ModelSourceBox box;
};

// The firmware C source written from a hand-made template: every "[値]" of the line that holds
// a digital's "[name]", of the lines after a signal's "gst_inp_"/"gst_out_" name and of the
// lines naming a feed array or value gets the user value of the open table; everything else is
// copied unchanged. It reads the shared user objects only and changes none of them. Messages
// go through the model context's messenger as they happen and come back in the result;
// unexpected failures are reported through ErrReg under the step's name.
//
// The digitals are found in time linear in the template and the number of keys (TemplateIndex),
// with exactly the lines a search from the top for each key would find, with one mend: the n-th
// digital of a name (the same name in several modes) fills the n-th line holding its key, so
// that the second no longer finds the line the first already filled.
class ModelSourceExport {
public:
    static constexpr auto kPlaceholder = u"[値]";
    static constexpr auto kModelKeyword = u"[機種]";
    static constexpr auto kSectionKeyword = u"[セクション番号]";

    ModelSourceExport(const CModes& modes, const CCustoms& customs, COkuris& okuris, ModelContext context);

    // The checks of the create, in order: the template file exists (81), the new file box is
    // not blank (88), its folder exists (90), the model name is not blank (85). The first that
    // fails, or nothing.
    static std::optional<ModelSourceCheck> CheckInputs(const QString& templatePath,
                                                       const QString& newFileText, const QString& modelName);

    // The file written: the new file box's text with every "[機種]" replaced by the model name.
    static QString OutputPath(const QString& newFileText, const QString& modelName);

    // Reads the template (ErrReg "ReadAllData" when it cannot). Lines end at LF; one CR before
    // it belongs to the line end, so a template saved with CR LF and one saved with LF give the
    // same lines, the empty line after a final line break included.
    std::optional<ModelSourceTemplate> ReadAllData(const QString& path);
    static ModelSourceTemplate SplitLines(const QByteArray& bytes);

    // Fills the template: keywords, parameters, customize, feed; stops at the first failure.
    ModelSourceResult Fill(const ModelSourceRequest& request);

    // The output bytes: every line followed by CR LF in code page 932; a line the fill left as
    // it was keeps the bytes it was read from. Throws RunError when a filled line cannot be
    // written as code page 932 without changing the rest of it.
    static QByteArray ComposeOutput(const QStringList& filled, const ModelSourceTemplate& original);

    // Writes the bytes beside `path` and renames them over it, so a failed write leaves any old
    // file whole. Never over one of `filesInUse` (the open data files) or a file the user may
    // not write. ErrReg "Write_zrdl_Modelc" on failure.
    bool Write_zrdl_Modelc(const QString& path, const QByteArray& bytes, const QStringList& filesInUse = {});

    // Steps 5 to 11 of the create after the checks: read, fill, write. The written file is
    // OutputPath(newFileText, modelName). Succeeded is set only once the file is written.
    ModelSourceResult Create(const QString& templatePath, const QString& newFileText,
                             const QString& modelName, const QString& sectionNumber,
                             const QStringList& filesInUse = {});

    // The text of the template rules box, lines joined by line breaks.
    static QString RuleText();

private:
    class Run;

    const CModes& modes_;
    const CCustoms& customs_;
    COkuris& okuris_;
    ModelContext context_;
};

} // namespace vokg
