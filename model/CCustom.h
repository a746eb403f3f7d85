#pragma once

#include <QString>

namespace vokg {

// One input or output signal: where its settings lie in a table (from Set04.e/Set05.e) and
// the settings of the open table. Times are in units of 0.1 ms.
class CCustom {
public:
    const QString& Category() const { return category_; }
    void SetCategory(const QString& category) { category_ = category; }
    qint32 ChoppingOnTimeAdrs() const { return choppingOnTimeAdrs_; }
    void SetChoppingOnTimeAdrs(qint32 address) { choppingOnTimeAdrs_ = address; }
    qint32 ChoppingOffTimeAdrs() const { return choppingOffTimeAdrs_; }
    void SetChoppingOffTimeAdrs(qint32 address) { choppingOffTimeAdrs_ = address; }
    // 0 = input, 1 = output.
    qint32 INOUT() const { return inout_; }
    void SetINOUT(qint32 inout) { inout_ = inout; }
    qint32 ZenpaTime() const { return zenpaTime_; }
    void SetZenpaTime(qint32 time) { zenpaTime_ = time; }
    qint32 OffDelayTime() const { return offDelayTime_; }
    void SetOffDelayTime(qint32 time) { offDelayTime_ = time; }
    qint32 OnDelayTime() const { return onDelayTime_; }
    void SetOnDelayTime(qint32 time) { onDelayTime_ = time; }
    qint32 ChoppingOnTime() const { return choppingOnTime_; }
    void SetChoppingOnTime(qint32 time) { choppingOnTime_ = time; }
    qint32 ChoppingOffTime() const { return choppingOffTime_; }
    void SetChoppingOffTime(qint32 time) { choppingOffTime_ = time; }
    // 0 = USUAL, 1 = ALT.
    qint32 Dosa() const { return dosa_; }
    void SetDosa(qint32 dosa) { dosa_ = dosa; }
    // 0 = USUAL, 1 = REV.
    qint32 Logic() const { return logic_; }
    void SetLogic(qint32 logic) { logic_ = logic; }
    // A function value of the input or output function table, by INOUT.
    qint32 Kino() const { return kino_; }
    void SetKino(qint32 kino) { kino_ = kino; }
    const QString& Location() const { return location_; }
    void SetLocation(const QString& location) { location_ = location; }
    qint32 ZenpaTimeAdrs() const { return zenpaTimeAdrs_; }
    void SetZenpaTimeAdrs(qint32 address) { zenpaTimeAdrs_ = address; }
    qint32 OffDelayTimeAdrs() const { return offDelayTimeAdrs_; }
    void SetOffDelayTimeAdrs(qint32 address) { offDelayTimeAdrs_ = address; }
    qint32 OnDelayTimeAdrs() const { return onDelayTimeAdrs_; }
    void SetOnDelayTimeAdrs(qint32 address) { onDelayTimeAdrs_ = address; }
    qint32 DosaAdrs() const { return dosaAdrs_; }
    void SetDosaAdrs(qint32 address) { dosaAdrs_ = address; }
    qint32 LogicAdrs() const { return logicAdrs_; }
    void SetLogicAdrs(qint32 address) { logicAdrs_ = address; }
    qint32 KinoAdrs() const { return kinoAdrs_; }
    void SetKinoAdrs(qint32 address) { kinoAdrs_ = address; }

private:
    QString category_;
    qint32 choppingOnTimeAdrs_ = 0;
    qint32 choppingOffTimeAdrs_ = 0;
    qint32 inout_ = 0;
    qint32 zenpaTime_ = 0;
    qint32 offDelayTime_ = 0;
    qint32 onDelayTime_ = 0;
    qint32 choppingOnTime_ = 0;
    qint32 choppingOffTime_ = 0;
    qint32 dosa_ = 0;
    qint32 logic_ = 0;
    qint32 kino_ = 0;
    QString location_;
    qint32 zenpaTimeAdrs_ = 0;
    qint32 offDelayTimeAdrs_ = 0;
    qint32 onDelayTimeAdrs_ = 0;
    qint32 dosaAdrs_ = 0;
    qint32 logicAdrs_ = 0;
    qint32 kinoAdrs_ = 0;
};

} // namespace vokg
