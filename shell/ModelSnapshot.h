#pragma once

#include "model/CModes.h"
#include "model/COkuris.h"
#include "model/CSelectTable.h"

#include <QString>

#include <vector>

namespace vokg {

class App;

// The values an open may change, taken before it starts, so that an open that fails half-way
// puts the model back exactly as it was: a later save must never write a mix of two tables.
class ModelSnapshot {
public:
    explicit ModelSnapshot(const App& app);
    void Restore(App& app) const;

private:
    struct DigitalValues {
        qint32 user;
        qint32 comparison;
        QString min;
        QString max;
    };
    struct CustomValues {
        qint32 kino, logic, dosa, onDelay, offDelay, choppingOn, choppingOff, zenpa;
    };
    std::vector<DigitalValues> digitals_;
    std::vector<CustomValues> userCustoms_;
    std::vector<CustomValues> comparisonCustoms_;
    CModes::Header userHeader_;
    QString kishuName2_, dataVersion2_;
    CSelectTable::Record userRecord_;
    QString author2_, password2_;
    // The user feed table: a save pushes the feed windows' edits into it before writing.
    COkuris::Contents userFeed_;
};

} // namespace vokg
