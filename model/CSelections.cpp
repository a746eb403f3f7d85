#include "model/CSelections.h"

namespace vokg {

CSelection& CSelections::Add(const QString& selection, qint32 value) {
    return items_.Append(selection, std::make_unique<CSelection>(selection, value));
}

QString CSelections::GetSelection(qint32 value) const {
    for (qsizetype index = items_.Count(); index >= 1; --index) {
        if (items_.At(index)->Value() == value)
            return items_.At(index)->Selection();
    }
    return QStringLiteral("?");
}

} // namespace vokg
