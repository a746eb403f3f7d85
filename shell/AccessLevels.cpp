#include "shell/AccessLevels.h"

#include "hlpkit/RunError.h"
#include "model/CSelectTable.h"
#include "shell/App.h"
#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

namespace vokg {
namespace {} // namespace

AccessLevels::AccessLevels(App& app) : app_(app) {}

bool AccessLevels::ExactPassWord(int kind) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("ExactPassWord"), false, [&] {
        const QString title = ResourceText(kind == SpecialMode ? 1564 : 1565);
        const QString prompt = title + QStringLiteral("\n\n") + ResourceText(1126);
        const std::optional<QString> answer =
            app_.Prompter().Input(app_.Identity().baseName, prompt, QString(), true);
        if (!answer || answer->isEmpty())
            return false;
        const QString expected =
            QString::fromLatin1(kind == SpecialMode ? kSpecialPassword : kManufacturerPassword);
        return *answer == expected;
    });
}

bool AccessLevels::ExactTablePassword(FileKind kind, int table, const QString& path) {
    return hlpkit::Guarded(app_.Method(), QStringLiteral("ExactPassword"), false, [&] {
        CSelectTable& record = app_.SelectTable();
        const QString password = kind == FileKind::User ? record.Password() : record.Password2();
        if (password.isEmpty())
            return true;
        const RunState& state = app_.State();
        if (table >= 0 && table <= 8 && state.unlockedFlags[static_cast<size_t>(table)] &&
            path == state.unlockedPath)
            return true;
        for (;;) {
            const std::optional<QString> answer =
                app_.Prompter().Input(app_.Identity().baseName, ResourceText(1575), QString(), true);
            if (!answer) {
                if (kind == FileKind::User) {
                    record.SetPassword(QString());
                    record.SetAuthor(QString());
                } else {
                    record.SetPassword2(QString());
                    record.SetAuthor2(QString());
                }
                return false;
            }
            if (answer->toUpper() == password) {
                if (kind == FileKind::User)
                    RememberUnlockedTable(table, path);
                return true;
            }
            app_.Messages().ShowMsg(msg::PasswordNotExact, platform::BoxKind::Exclamation);
        }
    });
}

void AccessLevels::RememberUnlockedTable(int table, const QString& path) {
    RunState& state = app_.State();
    // Only design files, with 8 tables, carry passwords.
    if (table < 0 || table > 8)
        return;
    state.unlockedFlags.fill(false);
    state.unlockedTable = table;
    state.unlockedFlags[static_cast<size_t>(table)] = true;
    state.unlockedPath = path;
}

bool AccessLevels::InputPassword() {
    CSelectTable& record = app_.SelectTable();
    const platform::PasswordAuthor current{record.Password(), record.Author()};
    const std::optional<platform::PasswordAuthor> answer = app_.Prompter().EditPasswordAuthor(current);
    if (!answer)
        return false;
    const QString password = answer->password.trimmed();
    const QString author = answer->author.trimmed();
    const bool changed = password != current.password || author != current.author;
    record.SetPassword(password);
    record.SetAuthor(author);
    return changed;
}

} // namespace vokg
