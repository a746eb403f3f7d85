#include "model/CDigital.h"

#include "hlpkit/RunError.h"
#include "model/LenientNumber.h"
#include "shell/messages/Messages.h"

namespace vokg {

bool CDigital::UpdateUserValue(const QString& value) {
    if (inputType_ != u"SEL") {
        const std::optional<qint32> number =
            hlpkit::Guarded(context_.method, QStringLiteral("UpdateUserValue"), std::optional<qint32>{},
                            [&]() -> std::optional<qint32> { return LenientInt32(value); });
        if (!number)
            return false;
        userValue_ = *number;
        return true;
    }
    for (const CSelection& choice : selections_) {
        if (choice.Selection() == value) {
            userValue_ = choice.Value();
            return true;
        }
    }
    context_.messenger.ShowText(SelectionNotFoundText(value), platform::BoxKind::Exclamation);
    return false;
}

QString CDigital::SelectionNotFoundText(const QString& value) {
    return QStringLiteral("UpdateUserValue:cannot find selection ->") + value;
}

qint32 CDigital::FieldMinimum() const {
    if (!signedField_)
        return 0;
    return ramSize_ == 1 ? -128 : -32768;
}

qint32 CDigital::FieldMaximum() const {
    if (ramSize_ == 1)
        return signedField_ ? 127 : 255;
    return signedField_ ? 32767 : 65535;
}

} // namespace vokg
