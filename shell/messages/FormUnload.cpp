#include "shell/messages/FormUnload.h"

#include "shell/messages/Messages.h"

namespace vokg {

namespace {
constexpr int kSaveChangesQuestion = 13;
}

FormUnloadResult Form_Unload(Messenger& messenger, const FormUnloadRequest& request) {
    if (request.mainWindowBusy || !request.changed)
        return FormUnloadResult::Close;
    const int kind = static_cast<int>(platform::BoxKind::QuestionYesNoCancel);
    switch (messenger.ShowMsg(kSaveChangesQuestion, kind, request.caption)) {
    case platform::Answer::Yes:
        return request.save && request.save() ? FormUnloadResult::CloseAfterSave : FormUnloadResult::Cancel;
    case platform::Answer::No:
        return FormUnloadResult::CloseWithoutSaving;
    default:
        return FormUnloadResult::Cancel;
    }
}

} // namespace vokg
