#include "shell/messages/FormUnload.h"

#include "shell/messages/MessageIds.h"
#include "shell/messages/Messages.h"

namespace vokg {

namespace {}

QString ReadOnlyDataQuestion() {
    return QStringLiteral("The changes cannot be saved: a machine data file (*.dat) is read only.\n\n"
                          "Do you go on without saving them ?");
}

QString ReadOnlyDataRefusal() {
    return QStringLiteral("A machine data file (*.dat) is read only: it is never written.");
}

bool AskGoOnWithoutSaving(Messenger& messenger) {
    // No is the default: staying loses nothing.
    return messenger.ShowText(ReadOnlyDataQuestion(), platform::BoxKind::QuestionYesNoDefaultNo) ==
           platform::Answer::Yes;
}

FormUnloadDecision AskFormUnload(Messenger& messenger, const FormUnloadRequest& request) {
    if (request.mainWindowBusy || !request.changed)
        return FormUnloadDecision::Close;
    if (!request.canSave)
        return AskGoOnWithoutSaving(messenger) ? FormUnloadDecision::Drop : FormUnloadDecision::Stay;
    const platform::BoxKind kind = platform::BoxKind::QuestionYesNoCancel;
    switch (messenger.ShowMsg(msg::SaveChangesQuestion, kind, request.caption)) {
    case platform::Answer::Yes:
        return FormUnloadDecision::Save;
    case platform::Answer::No:
        return FormUnloadDecision::Drop;
    default:
        return FormUnloadDecision::Stay;
    }
}

FormUnloadResult Form_Unload(Messenger& messenger, const FormUnloadRequest& request) {
    switch (AskFormUnload(messenger, request)) {
    case FormUnloadDecision::Close:
        return FormUnloadResult::Close;
    case FormUnloadDecision::Save:
        return request.save && request.save() ? FormUnloadResult::CloseAfterSave : FormUnloadResult::Cancel;
    case FormUnloadDecision::Drop:
        return FormUnloadResult::CloseWithoutSaving;
    case FormUnloadDecision::Stay:
        break;
    }
    return FormUnloadResult::Cancel;
}

} // namespace vokg
