#pragma once

#include "platform/gui/QtPrompter.h"
#include "shell/messages/Messages.h"

#include <QPointer>
#include <QRect>
#include <QString>

#include <functional>

class QWidget;

namespace hlpkit {
class CMethod;
}

namespace vokg {

class CCusSelections;
class fInpChoppingDuty;

// The program's prompter: the Qt message, input and file boxes, plus the program's own
// table, save-destination and password dialogs, each shown modally over `parent`.
class DialogPrompter : public platform::QtPrompter {
public:
    // `title` heads the message boxes the dialogs show (the executable's base name).
    DialogPrompter(QWidget* parent, hlpkit::CMethod& method, QString title);

    // fSelTable with 8 or 16 tables: the chosen table, or -1 when cancelled (also for a
    // table count the data files do not have, after logging it under "ChooseTable").
    int ChooseTable(const platform::TableChoiceRequest& request) override;

    // fSelTableMulti: the ticked tables in ascending order; empty when cancelled.
    QList<int> ChooseTables(int preselected) override;

    // fInpPassword: the new password and author, or std::nullopt when cancelled.
    std::optional<platform::PasswordAuthor>
    EditPasswordAuthor(const platform::PasswordAuthor& current) override;

    // The function tables of the function tree, and where the tree's window was left (twips;
    // `placeChanged` stores a new place in the settings).
    void SetFunctionTables(const CCusSelections* inputs, const CCusSelections* outputs, QRect* place,
                           std::function<void(const QRect&)> placeChanged);
    // fSelCus: the chosen function value, the current one when cancelled.
    int ChooseFunction(const platform::FunctionChoiceRequest& request) override;
    // fInpChoppingDuty, one instance for the whole run: the accepted times, else the given ones.
    platform::ChoppingTimes EditChoppingDuty(const platform::ChoppingTimes& current) override;

    ~DialogPrompter() override;

private:
    QPointer<QWidget> parent_;
    hlpkit::CMethod& method_;
    Messenger messenger_;
    const CCusSelections* inputFunctions_ = nullptr;
    const CCusSelections* outputFunctions_ = nullptr;
    QRect* treePlace_ = nullptr;
    std::function<void(const QRect&)> treePlaceChanged_;
    QPointer<fInpChoppingDuty> dutyDialog_;
};

} // namespace vokg
