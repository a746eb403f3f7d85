#include "editors/rules/EntryVerdict.h"

#include "shell/messages/Messages.h"

namespace vokg {

QString EntryVerdict::MessageText() const {
    if (Accepted())
        return {};
    return message != 0 ? ComposeMessage(message, {d1, d2}) : text;
}

void EntryVerdict::Tell(Messenger& messenger) const {
    if (Accepted())
        return;
    if (message != 0)
        messenger.ShowMsg(message, platform::BoxKind::Exclamation, d1, d2);
    else
        messenger.ShowText(text, platform::BoxKind::Exclamation);
}

} // namespace vokg
