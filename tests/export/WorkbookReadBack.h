#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>

// Reads a written workbook back with an independent reader (openpyxl under the system Python)
// and gives what the tests look at as JSON: the first sheet's title, every cell with a value or
// a look of its own, column widths, row heights, page setup, header and footer.
namespace workbookreadback {

inline constexpr const char* kScript = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
sheet = book.worksheets[0]
def color(c):
    return c.rgb if c is not None and c.type == 'rgb' else None
cells = {}
for row in sheet.iter_rows():
    for c in row:
        if c.value is None and not c.has_style:
            continue
        cells[c.coordinate] = {
            'value': c.value, 'font': c.font.name, 'size': c.font.sz, 'bold': bool(c.font.b),
            'horizontal': c.alignment.horizontal, 'vertical': c.alignment.vertical,
            'wrap': bool(c.alignment.wrap_text), 'fill': c.fill.fill_type,
            'fillColor': color(c.fill.fgColor),
            'left': c.border.left.style, 'top': c.border.top.style,
            'bottom': c.border.bottom.style, 'right': c.border.right.style}
columns = {}
for key, d in sheet.column_dimensions.items():
    for n in range(d.min or 0, min((d.max or 0), 60) + 1):
        if n > 0:
            columns[openpyxl.utils.get_column_letter(n)] = d.width
rows = {str(k): d.height for k, d in sheet.row_dimensions.items() if d.height is not None}
header = sheet.oddHeader
out = {
    'sheets': [s.title for s in book.worksheets], 'title': sheet.title, 'cells': cells,
    'columns': columns, 'rows': rows, 'defaultRowHeight': sheet.sheet_format.defaultRowHeight,
    'maxRow': sheet.max_row, 'maxColumn': sheet.max_column,
    'orientation': sheet.page_setup.orientation, 'scale': sheet.page_setup.scale,
    'margins': {'left': sheet.page_margins.left, 'right': sheet.page_margins.right,
                'top': sheet.page_margins.top, 'bottom': sheet.page_margins.bottom,
                'header': sheet.page_margins.header, 'footer': sheet.page_margins.footer},
    'headerLeft': header.left.text, 'headerCenter': header.center.text,
    'headerCenterSize': header.center.size, 'headerRight': header.right.text,
    'gridlines': sheet.sheet_view.showGridLines, 'titleRows': sheet.print_title_rows,
    'selection': sheet.sheet_view.selection[0].sqref if sheet.sheet_view.selection else None,
}
print(json.dumps(out, default=str))
)";

// The workbook as JSON, or an empty object (and `error` filled) when it cannot be read.
inline QJsonObject Read(const QString& path, QString* error = nullptr) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(kScript), path});
    if (!python.waitForFinished(60000) || python.exitStatus() != QProcess::NormalExit ||
        python.exitCode() != 0) {
        if (error != nullptr)
            *error = QString::fromUtf8(python.readAllStandardError());
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

inline QJsonObject Cell(const QJsonObject& book, const QString& address) {
    return book.value(QStringLiteral("cells")).toObject().value(address).toObject();
}

} // namespace workbookreadback
