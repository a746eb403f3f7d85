#pragma once

#include "platform/Prompter.h"

#include <QPointer>
#include <QStringList>

class QWidget;

namespace platform {

// The prompter that shows real Qt dialogs, modal to `parent`.
class QtPrompter : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr);

    Answer Message(BoxKind kind, const QString& title, const QString& text) override;
    std::optional<QString> Input(const QString& title, const QString& prompt, const QString& initial,
                                 bool masked) override;
    std::optional<FileDialogResult> OpenFile(const FileDialogRequest& request) override;
    std::optional<FileDialogResult> SaveFile(const FileDialogRequest& request) override;

    // "Design file|*.dsg|All|*.*" pairs in Qt's form: "Design file (*.dsg)", "All (*.*)".
    // std::nullopt when the text has an odd number of parts, so a typo in a filter is seen
    // instead of turning into a dialog that shows the wrong files.
    static std::optional<QStringList> ToQtFilters(const QString& pairs);

private:
    std::optional<FileDialogResult> RunFileDialog(const FileDialogRequest& request, bool save);

    QPointer<QWidget> parent_;
};

} // namespace platform
