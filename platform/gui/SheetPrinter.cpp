#include "platform/gui/SheetPrinter.h"

#include "platform/SheetError.h"
#include "platform/SheetHeaderText.h"
#include "platform/SheetPageLayout.h"
#include "platform/SheetPalette.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"

#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <memory>

namespace platform {
namespace {

constexpr double kCellPadding = 2.0; // points between a cell's text and its side lines

QColor PaletteColor(int colorIndex, QColor fallback) {
    const std::optional<quint32> rgb = SheetPaletteColor(colorIndex);
    return rgb ? QColor::fromRgb(*rgb) : fallback;
}

double PenPoints(SheetBorderWeight weight) {
    switch (weight) {
    case SheetBorderWeight::None:
        return 0;
    case SheetBorderWeight::Hairline:
        return 0.25;
    case SheetBorderWeight::Thin:
        return 0.5;
    case SheetBorderWeight::Medium:
        return 1.5;
    case SheetBorderWeight::Thick:
        return 2.25;
    }
    return 0;
}

Qt::BrushStyle BrushOf(SheetPattern pattern) {
    switch (pattern) {
    case SheetPattern::Gray75:
        return Qt::Dense2Pattern;
    case SheetPattern::Gray50:
        return Qt::Dense4Pattern;
    case SheetPattern::Gray25:
        return Qt::Dense6Pattern;
    default:
        return Qt::SolidPattern;
    }
}

// Draws the pages of one sheet onto a started painter; all sizes in points, times `unit`.
class PageRenderer {
public:
    PageRenderer(QPainter& painter, const SheetWorksheet& sheet, double unit, double paperWidth,
                 double paperHeight)
        : painter_(painter), sheet_(sheet), unit_(unit), paperWidth_(paperWidth), paperHeight_(paperHeight),
          scale_(sheet.PageSetup().Zoom() / 100.0) {}

    void Draw(const SheetPage& page, const SheetHeaderContext& context) {
        const SheetPageSetup& setup = sheet_.PageSetup();
        std::vector<std::pair<int, int>> rowRuns;
        if (page.withTitleRows)
            rowRuns.emplace_back(setup.TitleFirstRow(), std::min(setup.TitleLastRow(), sheet_.LastRow()));
        rowRuns.emplace_back(page.firstRow, page.lastRow);

        // Positions in points from the page's top left corner.
        std::vector<double> columnLeft;
        double x = setup.LeftMargin();
        for (int column = page.firstColumn; column <= page.lastColumn + 1; ++column) {
            columnLeft.push_back(x);
            if (column <= page.lastColumn)
                x += SheetPageLayout::ColumnPoints(sheet_, column) * scale_;
        }
        struct PlacedRow {
            int row;
            double top;
            double height;
        };
        std::vector<PlacedRow> rows;
        double y = setup.TopMargin();
        for (const auto& [first, last] : rowRuns)
            for (int row = first; row <= last; ++row) {
                const double height = SheetPageLayout::RowPoints(sheet_, row) * scale_;
                rows.push_back({row, y, height});
                y += height;
            }

        for (const PlacedRow& placed : rows)
            for (int column = page.firstColumn; column <= page.lastColumn; ++column) {
                const std::size_t index = static_cast<std::size_t>(column - page.firstColumn);
                const QRectF cell(columnLeft[index], placed.top, columnLeft[index + 1] - columnLeft[index],
                                  placed.height);
                DrawCell(placed.row, column, cell);
            }
        for (const PlacedRow& placed : rows)
            for (int column = page.firstColumn; column <= page.lastColumn; ++column) {
                const std::size_t index = static_cast<std::size_t>(column - page.firstColumn);
                const QRectF cell(columnLeft[index], placed.top, columnLeft[index + 1] - columnLeft[index],
                                  placed.height);
                DrawBorders(sheet_.StyleAt(placed.row, column), cell);
            }
        DrawHeaderLine(SheetHeaderText::Expand(setup.HeaderText(), context), setup.HeaderMargin(), true);
        DrawHeaderLine(SheetHeaderText::Expand(setup.FooterText(), context), setup.FooterMargin(), false);
    }

private:
    QRectF Device(const QRectF& points) const {
        return QRectF(points.x() * unit_, points.y() * unit_, points.width() * unit_,
                      points.height() * unit_);
    }

    QFont FontOf(const QString& name, double points, bool bold) const {
        QFont font(name);
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    void DrawCell(int row, int column, const QRectF& cell) {
        const SheetStyle style = sheet_.StyleAt(row, column);
        const QRectF area = Device(cell);
        if (style.pattern != SheetPattern::None) {
            const QColor interior = PaletteColor(style.interiorColor, Qt::white);
            if (style.pattern == SheetPattern::Solid) {
                painter_.fillRect(
                    area, PaletteColor(style.interiorColor, PaletteColor(style.patternColor, Qt::black)));
            } else {
                painter_.fillRect(area, interior);
                painter_.fillRect(
                    area, QBrush(PaletteColor(style.patternColor, Qt::black), BrushOf(style.pattern)));
            }
        }
        QString text = sheet_.TextAt(row, column);
        text.remove(u'\r'); // a CR LF pair breaks the line once, as in the workbook
        if (text.isEmpty())
            return;
        int flags = 0;
        const bool number = std::holds_alternative<double>(sheet_.ValueAt(row, column));
        switch (style.horizontal) {
        case SheetHorizontalAlignment::General:
            flags |= number ? Qt::AlignRight : Qt::AlignLeft;
            break;
        case SheetHorizontalAlignment::Left:
            flags |= Qt::AlignLeft;
            break;
        case SheetHorizontalAlignment::Center:
            flags |= Qt::AlignHCenter;
            break;
        case SheetHorizontalAlignment::Right:
            flags |= Qt::AlignRight;
            break;
        }
        switch (style.vertical) {
        case SheetVerticalAlignment::Top:
            flags |= Qt::AlignTop;
            break;
        case SheetVerticalAlignment::Center:
            flags |= Qt::AlignVCenter;
            break;
        case SheetVerticalAlignment::Bottom:
            flags |= Qt::AlignBottom;
            break;
        }
        if (style.wrapText)
            flags |= Qt::TextWordWrap;
        const double padding = kCellPadding * scale_;
        const QRectF inner = Device(cell.adjusted(padding, 0, -padding, 0));
        painter_.save();
        painter_.setClipRect(area);
        painter_.setFont(FontOf(style.fontName, style.fontSize * scale_, style.bold));
        painter_.setPen(Qt::black);
        painter_.drawText(inner, flags, text);
        painter_.restore();
    }

    void DrawBorders(const SheetStyle& style, const QRectF& cell) {
        const QRectF area = Device(cell);
        auto line = [this](SheetBorderWeight weight, QPointF from, QPointF to) {
            if (weight == SheetBorderWeight::None)
                return;
            painter_.setPen(QPen(Qt::black, PenPoints(weight) * unit_, Qt::SolidLine, Qt::SquareCap));
            painter_.drawLine(from, to);
        };
        line(style.Border(SheetBorderEdge::Left), area.topLeft(), area.bottomLeft());
        line(style.Border(SheetBorderEdge::Top), area.topLeft(), area.topRight());
        line(style.Border(SheetBorderEdge::Bottom), area.bottomLeft(), area.bottomRight());
        line(style.Border(SheetBorderEdge::Right), area.topRight(), area.bottomRight());
    }

    void DrawHeaderLine(const std::array<SheetHeaderSection, 3>& sections, double margin, bool atTop) {
        const SheetStyle standard = sheet_.SheetWideStyle();
        const Qt::Alignment across[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
        const SheetPageSetup& setup = sheet_.PageSetup();
        for (std::size_t index = 0; index < sections.size(); ++index) {
            const SheetHeaderSection& section = sections[index];
            if (section.text.isEmpty())
                continue;
            const QFont font = FontOf(standard.fontName, section.fontSize, section.bold);
            const double lineHeight = section.fontSize * 1.6;
            const double top = atTop ? margin : paperHeight_ - margin - lineHeight;
            const QRectF box(setup.LeftMargin(), top, paperWidth_ - setup.LeftMargin() - setup.RightMargin(),
                             lineHeight);
            painter_.save();
            painter_.setFont(font);
            painter_.setPen(Qt::black);
            painter_.drawText(Device(box), int(across[index] | (atTop ? Qt::AlignTop : Qt::AlignBottom)),
                              section.text);
            painter_.restore();
        }
    }

    QPainter& painter_;
    const SheetWorksheet& sheet_;
    double unit_;
    double paperWidth_;
    double paperHeight_;
    double scale_;
};

} // namespace

void SheetPrinter::PrintSheet(const SheetWorksheet& sheet, int copies, bool collate) {
    QPrinter printer(QPrinter::HighResolution);
    if (!pdfPath_.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath_);
    } else if (QPrinterInfo::defaultPrinter().isNull()) {
        throw SheetError(SheetError::DeviceUnavailable, QStringLiteral("No printer is installed."));
    }
    const SheetPageSetup& setup = sheet.PageSetup();
    printer.setPageOrientation(setup.Orientation() == SheetOrientation::Landscape ? QPageLayout::Landscape
                                                                                  : QPageLayout::Portrait);
    // The sheet keeps its own margins; the printer's would come on top of them.
    printer.setFullPage(true);
    printer.setDocName(sheet.Parent().Name());
    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Point);
    const std::vector<SheetPage> pages = SheetPageLayout::Paginate(sheet, paper.width(), paper.height());

    int passes = 1;
    int repeats = 1;
    if (printer.supportsMultipleCopies()) {
        printer.setCopyCount(copies);
        printer.setCollateCopies(collate);
    } else if (collate) {
        passes = copies;
    } else {
        repeats = copies;
    }

    QPainter painter;
    if (!painter.begin(&printer))
        throw SheetError(SheetError::DeviceUnavailable,
                         pdfPath_.isEmpty()
                             ? QStringLiteral("The printer could not be started.")
                             : QStringLiteral("The file \"%1\" could not be written.").arg(pdfPath_));
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double unit = printer.resolution() / 72.0;
    PageRenderer renderer(painter, sheet, unit, paper.width(), paper.height());
    SheetHeaderContext context;
    context.pages = static_cast<int>(pages.size());
    context.fileName = sheet.Parent().Name();
    context.sheetName = sheet.Name();
    context.printed = printTime_.isValid() ? printTime_ : QDateTime::currentDateTime();
    bool first = true;
    for (int pass = 0; pass < passes; ++pass)
        for (std::size_t index = 0; index < pages.size(); ++index)
            for (int repeat = 0; repeat < repeats; ++repeat) {
                if (!first)
                    printer.newPage();
                first = false;
                context.page = static_cast<int>(index) + 1;
                renderer.Draw(pages[index], context);
            }
    if (!painter.end())
        throw SheetError(SheetError::DeviceUnavailable,
                         QStringLiteral("The printout could not be finished."));
    lastPageCount_ = static_cast<int>(pages.size());
}

SheetTextMeasure SheetPrinter::FontMeasure() {
    // Metrics at 96 dots per inch whatever the screen, cached per font: AutoFit asks once per cell.
    auto device = std::make_shared<QImage>(1, 1, QImage::Format_ARGB32);
    device->setDotsPerMeterX(3780);
    device->setDotsPerMeterY(3780);
    auto cache = std::make_shared<QHash<QString, std::shared_ptr<QFontMetricsF>>>();
    return [device, cache](const QString& text, const QString& fontName, double pointSize, bool bold) {
        const QString key = fontName + u'|' + QString::number(pointSize) + (bold ? u'b' : u'r');
        auto found = cache->find(key);
        if (found == cache->end()) {
            QFont font(fontName);
            font.setPointSizeF(pointSize);
            font.setBold(bold);
            found = cache->insert(key, std::make_shared<QFontMetricsF>(font, device.get()));
        }
        return found.value()->horizontalAdvance(text);
    };
}

} // namespace platform
