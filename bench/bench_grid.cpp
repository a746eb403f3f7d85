// The grid at the size of the largest editor: 5,000 data rows by 8 columns with colours,
// marks and separator lines, filled and painted offscreen; then a row filter that hides
// most rows and one that shows them all again.
#include "platform/gui/Grid.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <memory>

using platform::Grid;
using platform::GridRange;

namespace {

constexpr int kDataRows = 5000;
constexpr int kCols = 8;

std::unique_ptr<Grid> FilledGrid() {
    auto grid = std::make_unique<Grid>();
    grid->resize(1000, 700);
    grid->SetRedraw(false);
    grid->SetRows(kDataRows + 1);
    grid->SetCols(kCols);
    grid->SetFixedRows(1);
    grid->SetFixedCols(5);
    grid->SetGridFont(QStringLiteral("Tahoma"), 8);
    grid->SetRowHeight(0, 500);
    grid->SetDefaultRowHeight(260);
    for (int col = 0; col < kCols; ++col) {
        grid->SetTextMatrix(0, col, QStringLiteral("Column\r\n%1").arg(col));
        grid->SetColWidth(col, 1200);
    }
    for (int row = 1; row <= kDataRows; ++row) {
        grid->SetTextMatrix(row, 0, QStringLiteral("Mode %1").arg(row / 100));
        grid->SetTextMatrix(row, 1, QStringLiteral("D%1").arg(row, 4, 10, QLatin1Char('0')));
        grid->SetTextMatrix(row, 2, QStringLiteral("Explanation of digital %1").arg(row));
        grid->SetTextMatrix(row, 3, QStringLiteral("ms"));
        grid->SetTextMatrix(row, 4, QString::number(row % 7));
        grid->SetTextMatrix(row, 5, QString::number(row % 100));
        grid->SetTextMatrix(row, 6, QString::number(row % 97));
        grid->SetTextMatrix(row, 7, row % 100 == row % 97 ? QString() : QStringLiteral("DIF"));
        if (row % 100 == 0) {
            grid->SetRowBottomBorder(row, 1);
        }
    }
    grid->SetCellBackColor({0, 0, 0, kCols - 1}, QColor(224, 224, 224));
    grid->SetCellBackColor({1, 5, kDataRows, 5}, QColor(255, 224, 192));
    grid->SetCellForeColor({1, 7, kDataRows, 7}, Qt::red);
    grid->Events().OwnerDraw = [](QPainter& painter, int row, int col, const QRect& rect, bool&) {
        if (col == 6 && row > 0 && row % 3 == 0) {
            painter.setPen(Qt::red);
            painter.drawText(rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("*"));
        }
    };
    grid->SetRedraw(true);
    return grid;
}

void Filter(Grid& grid, bool onlyDifferent) {
    grid.SetRedraw(false);
    for (int row = 1; row <= kDataRows; ++row) {
        // One row in ten stays, as a "Different" filter over a mostly equal comparison does.
        grid.SetRowHidden(row, onlyDifferent && row % 10 != 0);
    }
    grid.SetRedraw(true);
    grid.Select(0, 6);
}

void BM_FillAndFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<Grid> grid = FilledGrid();
        grid->show();
        const QPixmap painted = grid->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
    }
}
BENCHMARK(BM_FillAndFirstPaint)->Unit(benchmark::kMillisecond);

void BM_FilterHideMost(benchmark::State& state) {
    std::unique_ptr<Grid> grid = FilledGrid();
    grid->show();
    grid->grab();
    for (auto _ : state) {
        Filter(*grid, true);
        benchmark::DoNotOptimize(grid->grab().cacheKey());
        state.PauseTiming();
        state.counters["rowsShown"] = grid->View()->model()->rowCount();
        Filter(*grid, false);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_FilterHideMost)->Unit(benchmark::kMillisecond);

void BM_FilterShowAll(benchmark::State& state) {
    std::unique_ptr<Grid> grid = FilledGrid();
    grid->show();
    grid->grab();
    for (auto _ : state) {
        state.PauseTiming();
        Filter(*grid, true);
        state.ResumeTiming();
        Filter(*grid, false);
        benchmark::DoNotOptimize(grid->grab().cacheKey());
    }
}
BENCHMARK(BM_FilterShowAll)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
