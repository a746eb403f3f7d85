#pragma once

#include "hlpkit/RunError.h"
#include "platform/SheetError.h"

#include <QString>

namespace vokg {

// Runs one step of a sheet export as an operation of its own: a sheet failure is reported under
// the step's name with the sheet's code and text, and the step gives false.
template <class Body> bool SheetStep(hlpkit::CMethod& method, const char* name, Body&& body) {
    return hlpkit::Guarded(method, QString::fromLatin1(name), false, [&] {
        try {
            body();
        } catch (const platform::SheetError& error) {
            throw hlpkit::RunError(error.Code(), error.Text());
        }
        return true;
    });
}

} // namespace vokg
