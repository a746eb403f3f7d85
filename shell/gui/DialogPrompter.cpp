#include "shell/gui/DialogPrompter.h"

#include "editors/fInpChoppingDuty.h"
#include "editors/fInpPassword.h"
#include "editors/fSelCus.h"
#include "editors/fSelTable.h"
#include "editors/fSelTableMulti.h"
#include "editors/rules/SelCusRules.h"
#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"

namespace vokg {

DialogPrompter::DialogPrompter(QWidget* parent, hlpkit::CMethod& method, QString title)
    : platform::QtPrompter(parent), parent_(parent), method_(method), messenger_(*this, std::move(title)) {}

DialogPrompter::~DialogPrompter() {
    delete dutyDialog_.data();
}

void DialogPrompter::SetFunctionTables(const CCusSelections* inputs, const CCusSelections* outputs,
                                       QRect* place, std::function<void(const QRect&)> placeChanged) {
    inputFunctions_ = inputs;
    outputFunctions_ = outputs;
    treePlace_ = place;
    treePlaceChanged_ = std::move(placeChanged);
}

int DialogPrompter::ChooseFunction(const platform::FunctionChoiceRequest& request) {
    SelCusRules rules(messenger_, method_);
    rules.SetINOUT(request.inout);
    rules.SetColSel(request.inout == 0 ? inputFunctions_ : outputFunctions_);
    rules.SetOrgValue(request.current);
    QRect unplaced;
    QRect& place = treePlace_ != nullptr ? *treePlace_ : unplaced;
    fSelCus dialog(rules, method_, place, parent_);
    dialog.exec();
    if (treePlaceChanged_)
        treePlaceChanged_(place);
    return rules.RetValue();
}

platform::ChoppingTimes DialogPrompter::EditChoppingDuty(const platform::ChoppingTimes& current) {
    if (dutyDialog_.isNull())
        dutyDialog_ = new fInpChoppingDuty(messenger_, method_, parent_);
    dutyDialog_->SetChoppingOnTime(current.onTime);
    dutyDialog_->SetChoppingOffTime(current.offTime);
    dutyDialog_->exec();
    return {dutyDialog_->ChoppingOnTime(), dutyDialog_->ChoppingOffTime()};
}

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
