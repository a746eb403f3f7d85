#include "shell/gui/DialogPrompter.h"

#include "editors/fInpPassword.h"
#include "editors/fSelTable.h"
#include "editors/fSelTableMulti.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"

namespace vokg {

DialogPrompter::DialogPrompter(QWidget* parent, hlpkit::CMethod& method, QString title)
    : platform::QtPrompter(parent), parent_(parent), method_(method), messenger_(*this, std::move(title)) {}

int DialogPrompter::ChooseTable(const platform::TableChoiceRequest& request) {
    if (request.tableCount != fSelTable::kDesignTables && request.tableCount != fSelTable::kMachineTables) {
        method_.ErrReg(hlpkit::InvalidCall,
                       QStringLiteral("%1: a data file has 8 or 16 tables, not %2")
                           .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall))
                           .arg(request.tableCount),
                       QStringLiteral("ChooseTable"));
        return fSelTable::kCancelled;
    }
    fSelTable dialog(request.tableCount, method_, parent_);
    dialog.SetTableNo(request.preset);
    dialog.SetFile(request.file);
    dialog.SetReadModelAtOnce(request.readModelAtOnce);
    dialog.exec();
    return dialog.TableNo();
}

QList<int> DialogPrompter::ChooseTables(int preselected) {
    fSelTableMulti dialog(messenger_, parent_);
    dialog.SetTableIndex(preselected);
    dialog.exec();
    return dialog.arTableIndex();
}

std::optional<platform::PasswordAuthor>
DialogPrompter::EditPasswordAuthor(const platform::PasswordAuthor& current) {
    fInpPassword dialog(messenger_, method_, parent_);
    dialog.SetPassword(current.password);
    dialog.SetAuthor(current.author);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return platform::PasswordAuthor{dialog.Password(), dialog.Author()};
}

} // namespace vokg
