#pragma once

#include "hlpkit/CMethod.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace bench {

// The main of a benchmark that opens windows: offscreen unless a platform is given, and any
// error box ends the run, since a timing taken past a failure means nothing.
inline int RunWindowBenchmarks(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    hlpkit::CMethod::SetErrorBox([](const QString&, const QString& text) { qFatal("%s", qPrintable(text)); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
