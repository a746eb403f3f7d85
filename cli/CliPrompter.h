#pragma once

#include "platform/Prompter.h"

#include <QStringList>

namespace vokg::cli {

// The command-line face of the prompter: every message the program would show goes to standard
// error, in the order it would be shown; questions are answered from what the command line gave.
class CliPrompter : public platform::Prompter {
public:
    platform::Answer Message(platform::BoxKind kind, const QString& title, const QString& text) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& initial,
                                 bool masked) override;
    std::optional<platform::FileDialogResult> OpenFile(const platform::FileDialogRequest& request) override;
    std::optional<platform::FileDialogResult> SaveFile(const platform::FileDialogRequest& request) override;

    // Answers for the input boxes, used in order; none left means the box is cancelled.
    void QueueInput(const QString& text) { inputs_.append(text); }
    void ClearInputs() { inputs_.clear(); }

    // The answer of the save-destination dialog.
    void QueueTables(QList<int> tables) { tables_ = std::move(tables); }
    QList<int> ChooseTables(int) override { return tables_; }

    // The texts shown so far.
    const QStringList& Shown() const { return shown_; }

private:
    QStringList inputs_;
    QList<int> tables_;
    QStringList shown_;
};

} // namespace vokg::cli
