#include "shell/ModelSnapshot.h"

#include "model/CCustom.h"
#include "model/CCustoms.h"
#include "model/CDigital.h"
#include "model/CMode.h"
#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"
#include "shell/App.h"

namespace vokg {
namespace {

template <class Visit> void ForEachDigital(const CModes& modes, Visit&& visit) {
    for (qsizetype m = 1; m <= modes.Count(); ++m) {
        const CDigitals& digitals = modes.Item(m)->Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d)
            visit(*digitals.Item(d));
    }
}

} // namespace

ModelSnapshot::ModelSnapshot(const App& app) : userFeed_(app.UserOkuris().TakeContents()) {
    const CModes& modes = app.Modes();
    digitals_.reserve(static_cast<size_t>(modes.AllDititalCount()));
    ForEachDigital(modes, [this](const CDigital& digital) {
        digitals_.push_back({digital.UserValue(), digital.CmpValue(), digital.Min(), digital.Max()});
    });
    auto takeCustoms = [](const CCustoms& customs, std::vector<CustomValues>& into) {
        into.reserve(static_cast<size_t>(customs.Count()));
        for (qsizetype index = 1; index <= customs.Count(); ++index) {
            const CCustom& row = *customs.Item(index);
            into.push_back({row.Kino(), row.Logic(), row.Dosa(), row.OnDelayTime(), row.OffDelayTime(),
                            row.ChoppingOnTime(), row.ChoppingOffTime(), row.ZenpaTime()});
        }
    };
    takeCustoms(app.UserCustoms(), userCustoms_);
    takeCustoms(app.ComparisonCustoms(), comparisonCustoms_);
    userHeader_ = modes.UserHeader();
    kishuName2_ = modes.KishuName2();
    dataVersion2_ = modes.DataVersion2();
    const CSelectTable& record = app.SelectTable();
    userRecord_ = record.UserRecord();
    author2_ = record.Author2();
    password2_ = record.Password2();
}

void ModelSnapshot::Restore(App& app) const {
    CModes& modes = app.Modes();
    size_t index = 0;
    for (qsizetype m = 1; m <= modes.Count(); ++m) {
        CDigitals& digitals = modes.Item(m)->Digits();
        for (qsizetype d = 1; d <= digitals.Count(); ++d, ++index) {
            CDigital& digital = *digitals.Item(d);
            const DigitalValues& values = digitals_[index];
            digital.SetUserValue(values.user);
            digital.SetCmpValue(values.comparison);
            digital.SetMin(values.min);
            digital.SetMax(values.max);
        }
    }
    auto putCustoms = [](CCustoms& customs, const std::vector<CustomValues>& from) {
        for (qsizetype row = 1; row <= customs.Count(); ++row) {
            CCustom& custom = *customs.Item(row);
            const CustomValues& values = from[static_cast<size_t>(row - 1)];
            custom.SetKino(values.kino);
            custom.SetLogic(values.logic);
            custom.SetDosa(values.dosa);
            custom.SetOnDelayTime(values.onDelay);
            custom.SetOffDelayTime(values.offDelay);
            custom.SetChoppingOnTime(values.choppingOn);
            custom.SetChoppingOffTime(values.choppingOff);
            custom.SetZenpaTime(values.zenpa);
        }
    };
    putCustoms(app.UserCustoms(), userCustoms_);
    putCustoms(app.ComparisonCustoms(), comparisonCustoms_);
    modes.SetUserHeader(userHeader_);
    modes.SetKishuName2(kishuName2_);
    modes.SetDataVersion2(dataVersion2_);
    CSelectTable& record = app.SelectTable();
    record.SetUserRecord(userRecord_);
    record.SetAuthor2(author2_);
    record.SetPassword2(password2_);
    app.UserOkuris().RestoreContents(userFeed_);
}

} // namespace vokg
