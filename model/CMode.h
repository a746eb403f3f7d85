#pragma once

#include "model/CDigitals.h"
#include "model/ModelContext.h"

#include <QString>

namespace vokg {

// One parameter mode of Set01.e with its digitals.
class CMode {
public:
    CMode(ModelContext context, QString modeName) : modeName_(std::move(modeName)), digits_(context) {}

    CDigitals& Digits() { return digits_; }
    const CDigitals& Digits() const { return digits_; }
    const QString& ModeName() const { return modeName_; }
    void SetModeName(const QString& name) { modeName_ = name; }

private:
    QString modeName_;
    CDigitals digits_;
};

} // namespace vokg
