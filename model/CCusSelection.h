#pragma once

#include <QString>

namespace vokg {

// One function a signal may carry (Set06.e inputs, Set07.e outputs).
class CCusSelection {
public:
    const QString& Advice() const { return advice_; }
    void SetAdvice(const QString& advice) { advice_ = advice; }
    // The function's name (mnemonic).
    const QString& Ditigal() const { return ditigal_; }
    void SetDitigal(const QString& name) { ditigal_ = name; }
    // The function byte stored in the data file.
    qint16 Value() const { return value_; }
    void SetValue(qint16 value) { value_ = value; }
    const QString& Category() const { return category_; }
    void SetCategory(const QString& category) { category_ = category; }

private:
    QString advice_;
    QString ditigal_;
    qint16 value_ = 0;
    QString category_;
};

} // namespace vokg
