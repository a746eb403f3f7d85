#include "model/CDigitals.h"

#include "hlpkit/CMethod.h"
#include "model/LenientNumber.h"

namespace vokg {

CDigital& CDigitals::Add(const QString& digital, const QString& inputType, const QString& unit,
                         const QString& min, const QString& max, const QString& advice,
                         const QString& detailAdvice, qint32 ramAddress, qint32 ramSize) {
    auto item = std::make_unique<CDigital>(context_);
    item->SetDigital(digital);
    item->SetInputType(inputType);
    item->SetUnit(unit);
    item->SetMin(min);
    item->SetMax(max);
    const bool isNumeric = inputType == u"NUM";
    if (isNumeric && !IsNumeric(min))
        item->SetMinString(min);
    if (isNumeric && !IsNumeric(max))
        item->SetMaxString(max);
    item->SetAdvice(advice);
    item->SetDetailAdvice(detailAdvice);
    item->SetRamAddress(ramAddress);
    item->SetRamSize(ramSize);
    // Only a lower bound that is itself a negative number can let a value below 0 through the
    // editor; such a digital is stored in two's complement so that what is saved reads back.
    item->SetSignedField(IsNumeric(min) && LenientValue(min) < 0);
    return items_.Append(digital, std::move(item));
}

CDigital* CDigitals::Item(qsizetype index) const {
    CDigital* item = items_.At(index);
    if (!item)
        ReportMissing(QString::number(index), hlpkit::SubscriptOutOfRange);
    return item;
}

CDigital* CDigitals::Item(const QString& key) const {
    CDigital* item = items_.Find(key);
    if (!item)
        ReportMissing(key, hlpkit::InvalidCall);
    return item;
}

void CDigitals::ReportMissing(const QString& key, int code) const {
    context_.method.ErrReg(code, hlpkit::StandardErrorText(code),
                           QStringLiteral("CDigitals Item vntIndexKey=") + key);
}

} // namespace vokg
