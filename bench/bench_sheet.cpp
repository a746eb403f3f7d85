// The parameter sheet at 5,000 rows: built, formatted and saved as .xlsx through the export,
// and the same sheet written by openpyxl under the system Python in the same run, so the two
// figures come from one machine at one moment.
#include "bench/GeneratedPackage.h"
#include "export/ParameterSheet.h"
#include "hlpkit/CMethod.h"
#include "model/CModes.h"
#include "platform/Prompter.h"
#include "shell/messages/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kModes = 10;
constexpr int kDigitalsPerMode = 500;

struct Fixture {
    hlpkit::CMethod method;
    bench::SilentPrompter prompter;
    vokg::Messenger messenger{prompter, QStringLiteral("VOKG_SET")};
    vokg::CModes modes{vokg::ModelContext{method, messenger}};
    QStringList modeNames;
    QTemporaryDir folder;

    Fixture() {
        modes.SetKishuName(QStringLiteral("VK-2300"));
        modes.SetDataVersion(QStringLiteral("1.01"));
        for (int m = 0; m < kModes; ++m) {
            const QString name = QStringLiteral("MODE%1").arg(m, 2, 10, QLatin1Char('0'));
            modeNames.append(name);
            vokg::CMode& mode = modes.Add(name);
            for (int d = 0; d < kDigitalsPerMode; ++d) {
                const bool selection = d % 5 == 0;
                vokg::CDigital& digital =
                    mode.Digits().Add(QStringLiteral("D%1_%2").arg(m).arg(d, 4, 10, QLatin1Char('0')),
                                      selection ? QStringLiteral("SEL") : QStringLiteral("NUM"),
                                      QStringLiteral("mm"), QStringLiteral("0"), QStringLiteral("9999"),
                                      QStringLiteral("Remark text for parameter %1").arg(d), QString(), d, 2);
                if (selection) {
                    digital.Selections().Add(QStringLiteral("OFF"), 0);
                    digital.Selections().Add(QStringLiteral("ON"), 1);
                }
                digital.SetUserValue(selection ? 1 : d);
                digital.SetCmpValue(d % 7 == 0 ? 0 : digital.UserValue());
            }
        }
    }

    vokg::ParameterSheetRequest Request(const QString& name) const {
        vokg::ParameterSheetRequest request;
        request.fileName = folder.filePath(name);
        request.selectedModes = modeNames;
        request.saveToFile = true;
        request.hasComparison = true;
        return request;
    }

    // The rows the sheet shows, one per line, TAB-separated, for the Python side.
    QString WriteRows() const {
        const QString path = folder.filePath(QStringLiteral("rows.tsv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return {};
        QTextStream out(&file);
        for (const vokg::CMode& mode : modes)
            for (const vokg::CDigital& digital : mode.Digits()) {
                const bool selection = digital.InputType() == QLatin1String("SEL");
                auto value = [&](qint32 v) {
                    return selection ? digital.Selections().GetSelection(v) : QString::number(v);
                };
                out << mode.ModeName() << '\t' << digital.digital() << '\t' << digital.Advice() << '\t'
                    << digital.Unit() << '\t' << digital.Min() << '\t' << digital.Max() << '\t'
                    << value(digital.CmpValue()) << '\t' << value(digital.UserValue()) << '\t'
                    << (digital.CmpValue() != digital.UserValue() ? "*" : "") << '\n';
            }
        return path;
    }
};

Fixture& Shared() {
    static Fixture fixture; // built once: the benchmarks time the export, not the model
    return fixture;
}

void BM_ParameterSheetSave5000(benchmark::State& state) {
    Fixture& fixture = Shared();
    const vokg::ParameterSheetRequest request = fixture.Request(QStringLiteral("VOKG_SET.xlsx"));
    for (auto _ : state) {
        if (!vokg::PrintToExcel(fixture.modes, fixture.method, request, {}))
            state.SkipWithError("the export failed");
    }
    state.counters["rows"] = kModes * kDigitalsPerMode;
}
BENCHMARK(BM_ParameterSheetSave5000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The same rows, formats, widths, borders and page setup written by openpyxl. The time is the
// one Python measures around building and saving the workbook (its start-up and the reading
// of the rows are not counted), so the comparison favours openpyxl.
constexpr const char* kOpenpyxlScript = R"(
import sys, time
from openpyxl import Workbook
from openpyxl.styles import Alignment, Border, Font, PatternFill, Side
rows = [line.rstrip('\n').split('\t') for line in open(sys.argv[1], encoding='utf-8')]
def number(text):
    try:
        return int(text)
    except ValueError:
        return text
start = time.perf_counter()
book = Workbook()
sheet = book.active
sheet.title = 'VOK-G Parameters'
sheet.append(['Mode', 'Digital', 'Remark', 'Unit', 'MIN', 'MAX', 'Comparative', 'Value', 'Dif'])
for r in rows:
    sheet.append([r[0], r[1], r[2], r[3], number(r[4]), number(r[5]), number(r[6]), number(r[7]), r[8] or None])
last = len(rows) + 1
thin, hair = Side(style='thin'), Side(style='hair')
plain = Font(size=9)
fonts = {2: Font(name='Arial Black', size=9), 8: Font(size=9, bold=True)}
centre = Alignment(horizontal='center')
grey = PatternFill('solid', fgColor='C0C0C0')
heading = Font(size=9, bold=True)
for row in sheet.iter_rows(min_row=1, max_row=last, max_col=9):
    for cell in row:
        r, c = cell.row, cell.column
        cell.font = heading if r == 1 else fonts.get(c, plain)
        if r == 1:
            cell.fill = grey
            cell.alignment = Alignment(horizontal='center', vertical='center')
        elif c in (2, 4, 7, 8, 9):
            cell.alignment = centre
        cell.border = Border(left=thin if c == 1 else hair, right=thin if c == 9 else hair,
                             top=thin if r == 1 else hair, bottom=thin if r == last else hair)
sheet['B1'].font = Font(name='Tahoma', size=9, bold=True)
for index, letter in enumerate('ABCDEFGHI'):
    if letter in 'EF':
        sheet.column_dimensions[letter].width = 5.25
    elif letter == 'I':
        sheet.column_dimensions[letter].width = 5
    else:
        longest = max(len(str(row[index])) for row in rows)
        sheet.column_dimensions[letter].width = longest * 1.1 + 1
for r in range(1, last + 1):
    sheet.row_dimensions[r].height = 14
sheet.sheet_view.showGridLines = False
sheet.page_setup.orientation = 'landscape'
sheet.page_setup.scale = 70
sheet.page_margins.left = sheet.page_margins.right = sheet.page_margins.top = 0.4
sheet.page_margins.bottom = 0.3
sheet.page_margins.header = sheet.page_margins.footer = 0.1
sheet.oddHeader.center.text = 'Filename=[&F]  Name of machine=[VK-2300]  Data version=[1.01]  TableNo=[1]  (&P/&NPage)  &D &T'
sheet.oddHeader.center.size = 10
sheet.print_title_rows = '1:1'
book.save(sys.argv[2])
print(time.perf_counter() - start)
)";

void BM_OpenpyxlSameSheet5000(benchmark::State& state) {
    Fixture& fixture = Shared();
    const QString rows = fixture.WriteRows();
    const QString out = fixture.folder.filePath(QStringLiteral("openpyxl.xlsx"));
    for (auto _ : state) {
        QProcess python;
        python.start(QStringLiteral("/usr/bin/python3"),
                     {QStringLiteral("-c"), QString::fromUtf8(kOpenpyxlScript), rows, out});
        if (!python.waitForFinished(120000) || python.exitCode() != 0) {
            state.SkipWithError(python.readAllStandardError().constData());
            break;
        }
        state.SetIterationTime(python.readAllStandardOutput().trimmed().toDouble());
    }
}
BENCHMARK(BM_OpenpyxlSameSheet5000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
