#pragma once

#include "platform/Prompter.h"

#include <QList>
#include <QString>

#include <deque>
#include <optional>

namespace testsupport {

// A prompter that records every prompt and answers from queues. A question its queues do not hold
// an answer for fails the running test (and is answered Cancel so that nothing hangs): a test
// scripts every question it expects, a cancel included, so a question the program should not
// have asked never passes unseen.
class ScriptedPrompter : public platform::Prompter {
public:
    struct Prompt {
        QString what; // "message", "input", "open", "save", "overwrite" (text: the file replaced)
        int kind = 0; // box kind for messages
        QString title;
        QString text;
    };

    platform::Answer Message(platform::BoxKind kind, const QString& title, const QString& text) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& initial,
                                 bool masked) override;
    std::optional<platform::FileDialogResult> OpenFile(const platform::FileDialogRequest& request) override;
    std::optional<platform::FileDialogResult> SaveFile(const platform::FileDialogRequest& request) override;
    int ChooseTable(const platform::TableChoiceRequest& request) override;
    QList<int> ChooseTables(int preselected) override;
    std::optional<platform::PasswordAuthor>
    EditPasswordAuthor(const platform::PasswordAuthor& current) override;
    int ChooseFunction(const platform::FunctionChoiceRequest& request) override;
    platform::ChoppingTimes EditChoppingDuty(const platform::ChoppingTimes& current) override;

    // Answers of the program's dialogs; "cancelled" is queued as -1, {} and std::nullopt.
    void QueueTable(int table) { tables_.push_back(table); }
    void QueueTables(QList<int> tables) { tableLists_.push_back(std::move(tables)); }
    void QueuePasswordAuthor(std::optional<platform::PasswordAuthor> answer) {
        passwords_.push_back(std::move(answer));
    }

    // The function tree's answer: a value, or std::nullopt for Cancel (the current value).
    void QueueFunction(std::optional<int> value) { functions_.push_back(value); }
    // The duty dialog's answer: the accepted times, or std::nullopt for closing it unaccepted.
    void QueueChoppingDuty(std::optional<platform::ChoppingTimes> times) { duties_.push_back(times); }

    void QueueAnswer(platform::Answer answer) { answers_.push_back(answer); }
    void QueueInput(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
    void QueueFile(std::optional<platform::FileDialogResult> file) { files_.push_back(std::move(file)); }

    const QList<Prompt>& Prompts() const { return prompts_; }
    // The questions asked without a scripted answer (each has failed the test already).
    const QStringList& Unexpected() const { return unexpected_; }
    QStringList MessageTexts() const;
    void Clear();

private:
    // Records the question and fails the running test.
    void Unscripted(const QString& what, const QString& text);

    QList<Prompt> prompts_;
    QStringList unexpected_;
    std::deque<platform::Answer> answers_;
    std::deque<std::optional<QString>> inputs_;
    std::deque<std::optional<platform::FileDialogResult>> files_;
    std::deque<int> tables_;
    std::deque<QList<int>> tableLists_;
    std::deque<std::optional<platform::PasswordAuthor>> passwords_;
    std::deque<std::optional<int>> functions_;
    std::deque<std::optional<platform::ChoppingTimes>> duties_;
};

} // namespace testsupport
