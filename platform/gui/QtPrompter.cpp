#include "platform/gui/QtPrompter.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace platform {
namespace {

struct BoxShape {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton;
    QMessageBox::StandardButton escapeButton;
};

BoxShape ShapeOf(BoxKind kind) {
    using B = QMessageBox;
    switch (kind) {
    case BoxKind::Critical:
        return {B::Critical, B::Ok, B::Ok, B::Ok};
    case BoxKind::Exclamation:
        return {B::Warning, B::Ok, B::Ok, B::Ok};
    case BoxKind::Question:
        return {B::Question, B::Yes | B::No, B::Yes, B::No};
    case BoxKind::Information:
        return {B::Information, B::Ok, B::Ok, B::Ok};
    case BoxKind::CriticalYesNo:
        return {B::Critical, B::Yes | B::No, B::Yes, B::No};
    case BoxKind::QuestionYesNoCancel:
        return {B::Question, B::Yes | B::No | B::Cancel, B::Yes, B::Cancel};
    case BoxKind::QuestionYesNoDefaultNo:
        return {B::Question, B::Yes | B::No, B::No, B::No};
    case BoxKind::ExclamationYesNo:
        return {B::Warning, B::Yes | B::No, B::Yes, B::No};
    }
    // An unknown kind still tells the user something rather than nothing.
    return {B::Warning, B::Ok, B::Ok, B::Ok};
}

Answer AnswerOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        return Answer::None;
    }
}

// "*.dsg;*.dat" in the pair form, "*.dsg *.dat" in Qt's.
QString QtPatterns(const QString& patterns) {
    return patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' ')).trimmed();
}

// Qt's file dialog, whose save side asks about the name that will really be written: the
// request's default extension is added first (by the same rule as the returned name), and only
// then is an existing file of that name confirmed. Qt's own check would ask about "abc" while
// "abc.DSG" is the file replaced.
class FileDialog : public QFileDialog {
public:
    FileDialog(QWidget* parent, const FileDialogRequest& request, bool save)
        : QFileDialog(parent), request_(request), save_(save) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (!save_ || files.isEmpty() || QFileInfo(files.first()).isDir()) {
            QFileDialog::accept(); // a folder is opened, not chosen
            return;
        }
        const QString name = SaveFileName(request_, files.first());
        if (request_.confirmOverwrite && QFileInfo::exists(name)) {
            // Qt's own wording, translated as the dialog's own question would be.
            const auto answer = QMessageBox::warning(
                this, windowTitle(),
                tr("%1 already exists.\nDo you want to replace it?").arg(QFileInfo(name).fileName()),
                QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
            if (answer != QMessageBox::Yes)
                return; // the dialog stays open for another name
        }
        if (name != files.first())
            selectFile(name);
        QFileDialog::accept();
    }

private:
    const FileDialogRequest& request_;
    bool save_;
};

} // namespace

QtPrompter::QtPrompter(QWidget* parent) : parent_(parent) {}

Answer QtPrompter::Message(BoxKind kind, const QString& title, const QString& text) {
    const BoxShape shape = ShapeOf(kind);
    QMessageBox box(shape.icon, title, text, shape.buttons, parent_);
    box.setDefaultButton(shape.defaultButton);
    box.setEscapeButton(shape.escapeButton);
    const int clicked = box.exec();
    // Closing a box that only tells is still an acknowledgement.
    if (!(shape.buttons & (QMessageBox::Yes | QMessageBox::No)))
        return Answer::Ok;
    const Answer answer = AnswerOf(clicked);
    return answer == Answer::None ? AnswerOf(shape.escapeButton) : answer;
}

std::optional<QString> QtPrompter::Input(const QString& title, const QString& prompt, const QString& initial,
                                         bool masked) {
    QInputDialog dialog(parent_);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
    dialog.setTextValue(initial);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

std::optional<QStringList> QtPrompter::ToQtFilters(const QString& pairs) {
    QStringList filters;
    if (pairs.trimmed().isEmpty())
        return filters;
    const QStringList parts = pairs.split(QLatin1Char('|'));
    if (parts.size() % 2 != 0)
        return std::nullopt;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        const QString patterns = QtPatterns(parts.at(i + 1));
        if (patterns.isEmpty())
            return std::nullopt;
        // Descriptions often show the pattern already ("Design (*.dsg)"); Qt reads the
        // patterns from the last parentheses, so they are added only when missing.
        const QString shown = QStringLiteral("(%1)").arg(patterns);
        filters << (description.endsWith(shown) ? description
                                                : QStringLiteral("%1 %2").arg(description, shown).trimmed());
    }
    return filters;
}

std::optional<FileDialogResult> QtPrompter::OpenFile(const FileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<FileDialogResult> QtPrompter::SaveFile(const FileDialogRequest& request) {
    return RunFileDialog(request, true);
}

std::optional<FileDialogResult> QtPrompter::RunFileDialog(const FileDialogRequest& request, bool save) {
    auto filters = ToQtFilters(request.filter);
    if (!filters) {
        // A programming fault, but the user still gets a working dialog and is told.
        QMessageBox::warning(parent_, request.title,
                             QStringLiteral("The file type list \"%1\" is malformed; all files are shown.")
                                 .arg(request.filter));
        filters = QStringList{QStringLiteral("All files (*)")};
    }
    FileDialog dialog(parent_, request, save);
    dialog.setWindowTitle(request.title);
    dialog.setDirectory(request.initialFolder);
    // Qt's own dialog, so that it behaves the same on every desktop and offscreen in tests.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile
                            : (request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    // The save dialog asks about overwriting itself (FileDialog::accept), after the extension.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!filters->isEmpty()) {
        dialog.setNameFilters(*filters);
        const int index =
            request.filterIndex >= 1 && request.filterIndex <= filters->size() ? request.filterIndex : 1;
        dialog.selectNameFilter(filters->at(index - 1));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return std::nullopt;
    // An open dialog takes the name as chosen: a file without an extension is still a file the
    // user may mean.
    FileDialogResult result;
    result.path = QDir::cleanPath(save ? SaveFileName(request, chosen.first()) : chosen.first());
    const qsizetype selected = filters->indexOf(dialog.selectedNameFilter());
    result.filterIndex = selected >= 0 ? static_cast<int>(selected) + 1 : 1;
    return result;
}

} // namespace platform
