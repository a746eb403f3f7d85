#pragma once

#include "model/CDigital.h"
#include "model/KeyedCollection.h"
#include "model/ModelContext.h"

namespace vokg {

// The digitals of one mode in Set02.e order, keyed by digital name.
class CDigitals {
public:
    explicit CDigitals(ModelContext context) : context_(context) {}

    // Creates and adds a digital. A NUM digital whose bound is not numeric keeps that text in
    // MinString/MaxString too (a bound by name, resolved by CModes::UpdateMaxMin); a lower bound
    // that is a negative number makes the field signed. Throws RunError 457 for a taken name.
    CDigital& Add(const QString& digital, const QString& inputType, const QString& unit, const QString& min,
                  const QString& max, const QString& advice, const QString& detailAdvice, qint32 ramAddress,
                  qint32 ramSize);

    // A missing index or key is reported as "CDigitals Item vntIndexKey=<key>" and yields nullptr.
    CDigital* Item(qsizetype index) const;
    CDigital* Item(const QString& key) const;
    // The same lookup for callers that only ask: nullptr, nothing reported.
    CDigital* Find(const QString& key) const { return items_.Find(key); }

    qsizetype Count() const { return items_.Count(); }
    bool Remove(qsizetype index) { return items_.Remove(index); }
    bool Remove(const QString& key) { return items_.Remove(key); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    void ReportMissing(const QString& key, int code) const;

    ModelContext context_;
    KeyedCollection<CDigital> items_;
};

} // namespace vokg
