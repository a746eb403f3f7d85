#include "export/ModelSourceExport.h"

#include "export/TemplateIndex.h"
#include "export/WorkbookFile.h"
#include "hlpkit/RunError.h"
#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "platform/AnsiCodec.h"
#include "platform/FileOps.h"
#include "platform/Prompter.h"
#include "shell/messages/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <array>
#include <utility>

namespace vokg {
namespace {

constexpr platform::BoxKind kExclamation = platform::BoxKind::Exclamation;
constexpr int kTemplateMissing = 81;
constexpr int kKeywordMissing = 82;
constexpr int kPlaceholderMissing = 86;
constexpr int kSignalMissing = 87;
constexpr int kNewFileMissing = 88;
constexpr int kModelMissing = 85;
constexpr int kFolderMissing = 90;

// The feed arrays in the order the firmware source is filled (not the order of the stored layout:
// the long arrays come as XYLM, XGA, YGA, P1X, P1Y, ZLM).
constexpr std::array<const char*, 22> kFeedKeys{
    "X_P1_A", "X_P1_B", "X_T1_A", "X_T1_B", "X_P2_A", "X_P2_B", "X_T2_A", "X_T2_B",
    "Y_P1_A", "Y_P1_B", "Y_T1_A", "Y_T1_B", "Y_P2_A", "Y_P2_B", "Y_T2_A", "Y_T2_B",
    "XYLM",   "XGA",    "YGA",    "P1X",    "P1Y",    "ZLM",
};
constexpr int kOtherValues = 7;

QString Placeholder() {
    return QString::fromUtf16(ModelSourceExport::kPlaceholder);
}

QString DigitalKey(const CDigital& digital) {
    return u'[' + digital.digital() + u']';
}

QString BlockKey(const CCustom& row) {
    return (row.INOUT() != 0 ? QStringLiteral("gst_out_") : QStringLiteral("gst_inp_")) + row.Location() +
           u'_';
}

QString FeedKey(const char* key) {
    return QString::fromLatin1(key);
}

// The folder part of a path as typed; empty when it names no folder.
QString FolderPart(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    if (slash < 0)
        return {};
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

// One fill: the line array, its index and what happened, for the length of one create.
class ModelSourceExport::Run {
public:
    Run(ModelSourceExport& owner, QStringList lines) : owner_(owner), lines_(std::move(lines)) {}

    bool UpdateKeyword(const QString& search, const QString& replacement) {
        return Operation(QStringLiteral("UpdateKeyword"), [&] {
            for (QString& line : lines_)
                if (line.contains(search, Qt::CaseSensitive))
                    line.replace(search, replacement, Qt::CaseSensitive);
            return true;
        });
    }

    // Every text the fill will look for, indexed once after the keywords are in.
    bool Index() {
        return Operation(QStringLiteral("UpdateParam"), [&] {
            QStringList keys;
            for (const CMode& mode : owner_.modes_)
                for (const CDigital& digital : mode.Digits())
                    keys.append(DigitalKey(digital));
            for (const CCustom& row : owner_.customs_)
                keys.append(BlockKey(row));
            for (const char* key : kFeedKeys)
                keys.append(COkuris::CIdentifier(FeedKey(key)));
            for (int value = 0; value < kOtherValues; ++value)
                keys.append(COkuris::OtherValueCIdentifier(value));
            index_.emplace(keys, lines_);
            return true;
        });
    }

    bool UpdateParam() {
        return Operation(QStringLiteral("UpdateParam"), [&] {
            for (const CMode& mode : owner_.modes_)
                for (const CDigital& digital : mode.Digits())
                    if (!UpdateThisDigital(DigitalKey(digital), digital.UserValue()))
                        return false;
            return true;
        });
    }

    bool UpdateCustomize() {
        return Operation(QStringLiteral("UpdateCustomize"), [&] {
            for (const CCustom& row : owner_.customs_) {
                const QString key = BlockKey(row);
                const qsizetype name = index_->FirstFrom(key, 0);
                if (name < 0) {
                    Warn(kSignalMissing, row.Location());
                    continue;
                }
                // Line name + 4 of an output block is the template's own; it is never written.
                const std::array<std::pair<int, qint32>, 8> output{{{1, row.Kino()},
                                                                    {2, row.Logic()},
                                                                    {3, row.Dosa()},
                                                                    {5, row.OnDelayTime()},
                                                                    {6, row.ZenpaTime()},
                                                                    {7, row.ChoppingOnTime()},
                                                                    {8, row.ChoppingOffTime()},
                                                                    {9, row.OffDelayTime()}}};
                const qsizetype settings = row.INOUT() != 0 ? 8 : 3;
                for (qsizetype setting = 0; setting < settings; ++setting) {
                    const auto [offset, value] = output[std::size_t(setting)];
                    if (name + offset >= lines_.size())
                        throw hlpkit::RunError(
                            hlpkit::SubscriptOutOfRange,
                            QStringLiteral(
                                "%1: the block of the signal %2 at line %3 ends with the template; "
                                "it needs %4 lines after its name")
                                .arg(hlpkit::StandardErrorText(hlpkit::SubscriptOutOfRange), row.Location())
                                .arg(name + 1)
                                .arg(row.INOUT() != 0 ? 9 : 3));
                    if (!SetLineValue(value, name + offset))
                        return false;
                }
            }
            return true;
        });
    }

    bool UpdateOkuriParam() {
        return Operation(QStringLiteral("UpdateOkuriParam"), [&] {
            for (const char* feedKey : kFeedKeys) {
                qsizetype found = -1;
                QString before;
                const auto finder = [&](const QString& identifier) {
                    found = index_->FirstFrom(identifier, 0);
                    if (found >= 0)
                        before = lines_.at(found);
                    return found;
                };
                const QString key = FeedKey(feedKey);
                if (!owner_.okuris_.WriteOkuriParam_zrdlModel(key, lines_, finder)) {
                    // The feed data showed its message itself; the result says which one it was.
                    if (found < 0)
                        Record(kKeywordMissing, COkuris::CIdentifier(key));
                    else if (!before.contains(Placeholder(), Qt::CaseSensitive))
                        Record(kPlaceholderMissing, before);
                    else
                        Record(0, QStringLiteral("WriteOkuriParam_zrdlModel"));
                    return false;
                }
                index_->LineChanged(found, before, lines_.at(found));
            }
            for (int value = 0; value < kOtherValues; ++value)
                if (!UpdateThisDigital(COkuris::OtherValueCIdentifier(value),
                                       owner_.okuris_.GetValue(COkuris::OtherValueCaption(value))))
                    return false;
            return true;
        });
    }

    // The n-th call for a key fills the n-th line holding it: the search goes on after the line
    // the previous call for that key filled.
    bool UpdateThisDigital(const QString& key, qint64 value) {
        return Operation(QStringLiteral("UpdateThisDigital"), [&] {
            const auto previous = lastFilled_.constFind(key);
            const qsizetype start = previous == lastFilled_.constEnd() ? 0 : *previous + 1;
            const qsizetype line = index_->FirstFrom(key, start);
            if (line < 0) {
                Failed(kKeywordMissing, key);
                return false;
            }
            if (!SetLineValue(value, line))
                return false;
            lastFilled_.insert(key, line);
            return true;
        });
    }

    bool SetLineValue(qint64 value, qsizetype line) {
        const QString before = lines_.at(line);
        if (!before.contains(Placeholder(), Qt::CaseSensitive)) {
            Failed(kPlaceholderMissing, before);
            return false;
        }
        lines_[line].replace(Placeholder(), QString::number(value), Qt::CaseSensitive);
        index_->LineChanged(line, before, lines_.at(line));
        return true;
    }

    ModelSourceResult Finish(bool succeeded) {
        result_.succeeded = succeeded;
        if (succeeded)
            result_.lines = std::move(lines_);
        return std::move(result_);
    }

private:
    template <class Body> bool Operation(const QString& name, Body&& body) {
        const bool done = hlpkit::Guarded(owner_.context_.method, name, false, std::forward<Body>(body));
        if (!done && !result_.failure)
            result_.failure = ModelSourceNotice{0, name};
        return done;
    }

    void Failed(int message, const QString& detail) {
        owner_.context_.messenger.ShowMsg(message, kExclamation, detail);
        Record(message, detail);
    }

    void Record(int message, const QString& detail) {
        if (!result_.failure)
            result_.failure = ModelSourceNotice{message, detail};
    }

    void Warn(int message, const QString& detail) {
        owner_.context_.messenger.ShowMsg(message, kExclamation, detail);
        result_.warnings.append(ModelSourceNotice{message, detail});
    }

    ModelSourceExport& owner_;
    QStringList lines_;
    std::optional<TemplateIndex> index_;
    QHash<QString, qsizetype> lastFilled_;
    ModelSourceResult result_;
};

ModelSourceExport::ModelSourceExport(const CModes& modes, const CCustoms& customs, COkuris& okuris,
                                     ModelContext context)
    : modes_(modes), customs_(customs), okuris_(okuris), context_(context) {}

std::optional<ModelSourceCheck> ModelSourceExport::CheckInputs(const QString& templatePath,
                                                               const QString& newFileText,
                                                               const QString& modelName) {
    if (templatePath.isEmpty() || !QFileInfo(templatePath).isFile())
        return ModelSourceCheck{kTemplateMissing, ModelSourceBox::Template};
    if (newFileText.trimmed().isEmpty())
        return ModelSourceCheck{kNewFileMissing, ModelSourceBox::NewFile};
    // The folder of the text as it will be written, spaces and all.
    const QString folder = FolderPart(newFileText);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return ModelSourceCheck{kFolderMissing, ModelSourceBox::NewFile};
    if (modelName.trimmed().isEmpty())
        return ModelSourceCheck{kModelMissing, ModelSourceBox::Model};
    return std::nullopt;
}

QString ModelSourceExport::OutputPath(const QString& newFileText, const QString& modelName) {
    QString path = newFileText;
    return path.replace(QString::fromUtf16(kModelKeyword), modelName, Qt::CaseSensitive);
}

ModelSourceTemplate ModelSourceExport::SplitLines(const QByteArray& bytes) {
    ModelSourceTemplate read;
    qsizetype start = 0;
    while (true) {
        const qsizetype end = bytes.indexOf('\n', start);
        QByteArray line = bytes.mid(start, end < 0 ? -1 : end - start);
        // LF is never the second byte of a double-byte character, so the bytes split where the
        // text does.
        if (end >= 0 && line.endsWith('\r'))
            line.chop(1);
        read.lines.append(platform::AnsiCodec::Decode(line));
        read.bytes.append(std::move(line));
        if (end < 0)
            break;
        start = end + 1;
    }
    return read;
}

std::optional<ModelSourceTemplate> ModelSourceExport::ReadAllData(const QString& path) {
    std::optional<ModelSourceTemplate> read;
    hlpkit::Guarded(context_.method, QStringLiteral("ReadAllData"), false, [&] {
        const QByteArray bytes = hlpkit::ReadFileOrRaise(path);
        read = SplitLines(bytes);
        return true;
    });
    return read;
}

ModelSourceResult ModelSourceExport::Fill(const ModelSourceRequest& request) {
    Run run(*this, request.lines);
    const bool succeeded = run.UpdateKeyword(QString::fromUtf16(kModelKeyword), request.modelName) &&
                           run.UpdateKeyword(QString::fromUtf16(kSectionKeyword), request.sectionNumber) &&
                           run.Index() && run.UpdateParam() && run.UpdateCustomize() &&
                           run.UpdateOkuriParam();
    return run.Finish(succeeded);
}

QByteArray ModelSourceExport::ComposeOutput(const QStringList& filled, const ModelSourceTemplate& original) {
    QByteArray out;
    for (qsizetype line = 0; line < filled.size(); ++line) {
        const QString& text = filled.at(line);
        const bool asRead = line < original.lines.size() && text == original.lines.at(line);
        if (asRead) {
            out += original.bytes.at(line);
        } else {
            // A filled line is written from its text: its other bytes must come out as they were read.
            if (line < original.lines.size() &&
                platform::AnsiCodec::EncodeStrict(original.lines.at(line)) != original.bytes.at(line))
                throw hlpkit::RunError(
                    hlpkit::InvalidCall,
                    QStringLiteral("%1: line %2 of the template is not code page 932 text, so it cannot be "
                                   "filled without changing its other bytes: %3")
                        .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall))
                        .arg(line + 1)
                        .arg(original.lines.at(line)));
            const std::optional<QByteArray> bytes = platform::AnsiCodec::EncodeStrict(text);
            if (!bytes)
                throw hlpkit::RunError(
                    hlpkit::InvalidCall,
                    QStringLiteral("%1: line %2 of the new file has a character that code page 932 cannot "
                                   "hold: %3")
                        .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall))
                        .arg(line + 1)
                        .arg(text));
            out += *bytes;
        }
        out += "\r\n";
    }
    return out;
}

bool ModelSourceExport::Write_zrdl_Modelc(const QString& path, const QByteArray& bytes,
                                          const QStringList& filesInUse) {
    return hlpkit::Guarded(context_.method, QStringLiteral("Write_zrdl_Modelc"), false, [&] {
        const QString reason =
            QStringLiteral("%1: %2 ").arg(hlpkit::StandardErrorText(hlpkit::PermissionDenied), path);
        switch (CheckWorkbookTarget(path, filesInUse)) {
        case WorkbookTarget::Allowed:
            break;
        case WorkbookTarget::FileInUse:
            throw hlpkit::RunError(
                hlpkit::PermissionDenied,
                reason + QStringLiteral("is a data file in use; no C source is written over it"));
        case WorkbookTarget::NotWritable:
            throw hlpkit::RunError(hlpkit::PermissionDenied, reason + QStringLiteral("may not be written"));
        }
        // Written beside the old file and renamed over it: until the rename the old file is whole.
        // Unbuffered, so that a short write (a full disk) shows in what write returns: a buffered
        // save file flushed at commit can report success for a file cut short.
        namespace io = platform::fileops;
        io::NewFile file(path);
        if (!io::Open(file, QIODevice::WriteOnly | QIODevice::Unbuffered))
            throw hlpkit::RunError(
                QFileInfo(QFileInfo(path).absolutePath()).isDir() ? hlpkit::PermissionDenied
                                                                  : hlpkit::PathNotFound,
                QStringLiteral("%1: %2 cannot be written: %3")
                    .arg(hlpkit::StandardErrorText(hlpkit::PathFileAccessError), path, file.ErrorString()));
        if (!io::WriteAll(file.Device(), bytes) || !io::Commit(file))
            throw hlpkit::RunError(
                hlpkit::PathFileAccessError,
                QStringLiteral("%1: %2 cannot be written: %3")
                    .arg(hlpkit::StandardErrorText(hlpkit::PathFileAccessError), path, file.ErrorString()));
        return true;
    });
}

ModelSourceResult ModelSourceExport::Create(const QString& templatePath, const QString& newFileText,
                                            const QString& modelName, const QString& sectionNumber,
                                            const QStringList& filesInUse) {
    const std::optional<ModelSourceTemplate> read = ReadAllData(templatePath);
    if (!read) {
        ModelSourceResult failed;
        failed.failure = ModelSourceNotice{0, QStringLiteral("ReadAllData")};
        return failed;
    }
    ModelSourceResult result = Fill(ModelSourceRequest{read->lines, modelName, sectionNumber});
    if (!result.succeeded)
        return result;
    const QString output = OutputPath(newFileText, modelName);
    QByteArray bytes;
    const bool written = hlpkit::Guarded(context_.method, QStringLiteral("Write_zrdl_Modelc"), false,
                                         [&] {
                                             bytes = ComposeOutput(result.lines, *read);
                                             return true;
                                         }) &&
                         Write_zrdl_Modelc(output, bytes, filesInUse);
    if (!written) {
        result.succeeded = false;
        result.failure = ModelSourceNotice{0, QStringLiteral("Write_zrdl_Modelc")};
    }
    return result;
}

QString ModelSourceExport::RuleText() {
    return QStringList{
        QStringLiteral("自動編集のため、ひな形のzrdl_Mode.cに次の文字を埋め込んでください"),
        QString(),
        QStringLiteral("・機種"),
        QStringLiteral("   [機種]"),
        QString(),
        QStringLiteral("・パラメータ"),
        QStringLiteral("   値をセットする部分 = [値]"),
        QStringLiteral("   コメント欄のデジタル値を[]で囲む 【例】[WIP]"),
        QString(),
        QStringLiteral("カスタマイズ"),
        QStringLiteral("   値をセットする部分 = [値]"),
        QStringLiteral("   入力：信号名にgst_inp_をつける 【例】gst_inp_I1"),
        QStringLiteral("   出力：信号名にgst_out_をつける 【例】gst_out_O1"),
    }
        .join(u'\n');
}

} // namespace vokg
