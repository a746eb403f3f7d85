#pragma once

#include "model/CSelections.h"
#include "model/ModelContext.h"

#include <QString>

namespace vokg {

// One parameter: its definition from Set02.e, its choices from Set03.e, and the values of the
// user and the comparison table. Values are whole numbers, also for selection digitals.
class CDigital {
public:
    explicit CDigital(ModelContext context) : context_(context) {}

    // Sets UserValue from a typed text. NUM and other types: the lenient number, rounded half to
    // even (a number beyond 32 bits is reported under "UpdateUserValue" and changes nothing).
    // SEL: the value of the first choice whose text equals `value`; no such choice shows
    // "UpdateUserValue:cannot find selection ->" + value and changes nothing.
    // True when UserValue was set.
    bool UpdateUserValue(const QString& value);
    // What UpdateUserValue shows for a text that is none of the choices.
    static QString SelectionNotFoundText(const QString& value);

    qint32 RamAddress() const { return ramAddress_; }
    void SetRamAddress(qint32 address) { ramAddress_ = address; }
    qint32 RamSize() const { return ramSize_; }
    void SetRamSize(qint32 size) { ramSize_ = size; }
    CSelections& Selections() { return selections_; }
    const CSelections& Selections() const { return selections_; }
    const QString& digital() const { return name_; }
    void SetDigital(const QString& name) { name_ = name; }
    const QString& Advice() const { return advice_; }
    void SetAdvice(const QString& advice) { advice_ = advice; }
    const QString& Max() const { return max_; }
    void SetMax(const QString& max) { max_ = max; }
    const QString& MaxString() const { return maxString_; }
    void SetMaxString(const QString& name) { maxString_ = name; }
    const QString& Min() const { return min_; }
    void SetMin(const QString& min) { min_ = min; }
    const QString& MinString() const { return minString_; }
    void SetMinString(const QString& name) { minString_ = name; }
    const QString& Unit() const { return unit_; }
    void SetUnit(const QString& unit) { unit_ = unit; }
    const QString& InputType() const { return inputType_; }
    void SetInputType(const QString& type) { inputType_ = type; }
    const QString& DetailAdvice() const { return detailAdvice_; }
    void SetDetailAdvice(const QString& text) { detailAdvice_ = text; }
    qint32 CmpValue() const { return cmpValue_; }
    void SetCmpValue(qint32 value) { cmpValue_ = value; }
    qint32 UserValue() const { return userValue_; }
    void SetUserValue(qint32 value) { userValue_ = value; }

    // A digital whose lower bound in Set02.e is a negative number holds a two's complement field:
    // 1 byte -128..127, 2 bytes -32768..32767. Every other digital holds an unsigned field.
    bool IsSignedField() const { return signedField_; }
    void SetSignedField(bool isSigned) { signedField_ = isSigned; }

    // The range of the field in the data file, by RamSize and IsSignedField.
    qint32 FieldMinimum() const;
    qint32 FieldMaximum() const;

private:
    ModelContext context_;
    qint32 ramAddress_ = 0;
    qint32 ramSize_ = 0;
    CSelections selections_;
    QString name_;
    QString advice_;
    QString max_;
    QString maxString_;
    QString min_;
    QString minString_;
    QString unit_;
    QString inputType_;
    QString detailAdvice_;
    qint32 cmpValue_ = 0;
    qint32 userValue_ = 0;
    bool signedField_ = false;
};

} // namespace vokg
