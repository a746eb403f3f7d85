#include "tests/support/ScriptedPrompter.h"

#include <QFileInfo>
#include <QTest>

namespace testsupport {

void ScriptedPrompter::Unscripted(const QString& what, const QString& text) {
    unexpected_.append(what + QStringLiteral(": ") + text);
    const QByteArray message = QStringLiteral("the program asked a question the test did not script (%1): %2")
                                   .arg(what, text)
                                   .toUtf8();
    QTest::qFail(message.constData(), __FILE__, __LINE__);
}

platform::Answer ScriptedPrompter::Message(platform::BoxKind kind, const QString& title,
                                           const QString& text) {
    prompts_.append({QStringLiteral("message"), static_cast<int>(kind), title, text});
    if (!platform::BoxKindAsks(kind))
        return platform::Answer::Ok;
    if (answers_.empty()) {
        Unscripted(QStringLiteral("message"), text);
        return platform::Answer::Cancel;
    }
    const platform::Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompter::Input(const QString& title, const QString& prompt, const QString&,
                                               bool masked) {
    prompts_.append({masked ? QStringLiteral("masked-input") : QStringLiteral("input"), 0, title, prompt});
    if (inputs_.empty()) {
        Unscripted(QStringLiteral("input"), prompt);
        return std::nullopt;
    }
    auto text = inputs_.front();
    inputs_.pop_front();
    return text;
}

std::optional<platform::FileDialogResult>
ScriptedPrompter::OpenFile(const platform::FileDialogRequest& request) {
    prompts_.append({QStringLiteral("open"), 0, request.title, request.initialFolder});
    if (files_.empty()) {
        Unscripted(QStringLiteral("open"), request.title);
        return std::nullopt;
    }
    auto file = files_.front();
    files_.pop_front();
    return file;
}

std::optional<platform::FileDialogResult>
ScriptedPrompter::SaveFile(const platform::FileDialogRequest& request) {
    prompts_.append({QStringLiteral("save"), 0, request.title, request.fileName});
    // As the real dialog does: the default extension is added first, then replacing an existing
    // file of that name is asked (an "overwrite" prompt answered from the answer queue); any
    // answer but Yes keeps the dialog open for the next queued file.
    for (;;) {
        if (files_.empty()) {
            Unscripted(QStringLiteral("save"), request.title);
            return std::nullopt;
        }
        auto file = files_.front();
        files_.pop_front();
        if (!file)
            return file;
        file->path = platform::SaveFileName(request, file->path);
        if (!request.confirmOverwrite || !QFileInfo(file->path).isFile())
            return file;
        prompts_.append({QStringLiteral("overwrite"), 0, request.title, file->path});
        if (answers_.empty()) {
            Unscripted(QStringLiteral("overwrite"), file->path);
            return std::nullopt;
        }
        const platform::Answer answer = answers_.front();
        answers_.pop_front();
        if (answer == platform::Answer::Yes)
            return file;
    }
}

int ScriptedPrompter::ChooseTable(const platform::TableChoiceRequest& request) {
    prompts_.append({QStringLiteral("table"), request.tableCount, QString(), request.file});
    if (tables_.empty()) {
        Unscripted(QStringLiteral("table"), request.file);
        return -1;
    }
    const int table = tables_.front();
    tables_.pop_front();
    return table;
}

QList<int> ScriptedPrompter::ChooseTables(int preselected) {
    prompts_.append({QStringLiteral("tables"), preselected, QString(), QString()});
    if (tableLists_.empty()) {
        Unscripted(QStringLiteral("tables"), QString::number(preselected));
        return {};
    }
    QList<int> tables = tableLists_.front();
    tableLists_.pop_front();
    return tables;
}

std::optional<platform::PasswordAuthor>
ScriptedPrompter::EditPasswordAuthor(const platform::PasswordAuthor& current) {
    prompts_.append({QStringLiteral("password-author"), 0, current.password, current.author});
    if (passwords_.empty()) {
        Unscripted(QStringLiteral("password-author"), current.password);
        return std::nullopt;
    }
    auto answer = passwords_.front();
    passwords_.pop_front();
    return answer;
}

int ScriptedPrompter::ChooseFunction(const platform::FunctionChoiceRequest& request) {
    prompts_.append({QStringLiteral("function"), request.inout, QString(), QString::number(request.current)});
    if (functions_.empty()) {
        Unscripted(QStringLiteral("function"), QString::number(request.current));
        return request.current;
    }
    const std::optional<int> answer = functions_.front();
    functions_.pop_front();
    return answer.value_or(request.current);
}

platform::ChoppingTimes ScriptedPrompter::EditChoppingDuty(const platform::ChoppingTimes& current) {
    prompts_.append({QStringLiteral("duty"), 0, QString(),
                     QStringLiteral("%1,%2").arg(current.onTime).arg(current.offTime)});
    if (duties_.empty()) {
        Unscripted(QStringLiteral("duty"), QStringLiteral("%1,%2").arg(current.onTime).arg(current.offTime));
        return current;
    }
    const std::optional<platform::ChoppingTimes> answer = duties_.front();
    duties_.pop_front();
    return answer.value_or(current);
}

QStringList ScriptedPrompter::MessageTexts() const {
    QStringList texts;
    for (const Prompt& prompt : prompts_)
        if (prompt.what == QLatin1String("message"))
            texts.append(prompt.text);
    return texts;
}

void ScriptedPrompter::Clear() {
    prompts_.clear();
}

} // namespace testsupport
