#include "platform/SheetXlsxWriter.h"
#include "platform/FileOps.h"

#include "platform/SheetError.h"
#include "platform/SheetPalette.h"
#include "platform/SheetWorkbook.h"
#include "platform/SheetWorksheet.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRandomGenerator>

#include <xlsxwriter.h>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kPathNotFound = 76;

[[noreturn]] void Fail(const QString& path, const QString& why) {
    throw SheetError(SheetError::PathFileAccessError,
                     QStringLiteral("The workbook \"%1\" could not be written: %2").arg(path, why));
}

void Check(lxw_error error, const QString& path, const char* step) {
    if (error != LXW_NO_ERROR)
        Fail(path, QStringLiteral("%1 (%2).")
                       .arg(QString::fromUtf8(lxw_strerror(error)), QString::fromLatin1(step)));
}

lxw_color_t ColorOf(int colorIndex, quint32 fallback) {
    const quint32 rgb = SheetPaletteColor(colorIndex).value_or(fallback) & 0xFFFFFF;
    // The library reads 0 as "no colour"; black has its own value.
    return rgb == 0 ? static_cast<lxw_color_t>(LXW_COLOR_BLACK) : static_cast<lxw_color_t>(rgb);
}

uint8_t BorderStyle(SheetBorderWeight weight) {
    switch (weight) {
    case SheetBorderWeight::None:
        return LXW_BORDER_NONE;
    case SheetBorderWeight::Hairline:
        return LXW_BORDER_HAIR;
    case SheetBorderWeight::Thin:
        return LXW_BORDER_THIN;
    case SheetBorderWeight::Medium:
        return LXW_BORDER_MEDIUM;
    case SheetBorderWeight::Thick:
        return LXW_BORDER_THICK;
    }
    return LXW_BORDER_NONE;
}

uint8_t PatternOf(SheetPattern pattern) {
    switch (pattern) {
    case SheetPattern::None:
        return LXW_PATTERN_NONE;
    case SheetPattern::Solid:
        return LXW_PATTERN_SOLID;
    case SheetPattern::Gray75:
        return LXW_PATTERN_DARK_GRAY;
    case SheetPattern::Gray50:
        return LXW_PATTERN_MEDIUM_GRAY;
    case SheetPattern::Gray25:
        return LXW_PATTERN_LIGHT_GRAY;
    }
    return LXW_PATTERN_NONE;
}

// One library format per distinct look; the default look needs none.
class FormatCache {
public:
    explicit FormatCache(lxw_workbook* book) : book_(book) {}

    lxw_format* Get(const SheetStyle& style) {
        if (style == SheetStyle())
            return nullptr;
        const auto found = formats_.constFind(style);
        if (found != formats_.cend())
            return found.value();
        lxw_format* format = Create(style);
        formats_.insert(style, format);
        return format;
    }

private:
    lxw_format* Create(const SheetStyle& style) {
        lxw_format* format = workbook_add_format(book_);
        if (style.fontName != QLatin1String(kSheetDefaultFontName))
            format_set_font_name(format, style.fontName.toUtf8().constData());
        if (style.fontSize != kSheetDefaultFontSize)
            format_set_font_size(format, style.fontSize);
        if (style.bold)
            format_set_bold(format);
        switch (style.horizontal) {
        case SheetHorizontalAlignment::General:
            break;
        case SheetHorizontalAlignment::Left:
            format_set_align(format, LXW_ALIGN_LEFT);
            break;
        case SheetHorizontalAlignment::Center:
            format_set_align(format, LXW_ALIGN_CENTER);
            break;
        case SheetHorizontalAlignment::Right:
            format_set_align(format, LXW_ALIGN_RIGHT);
            break;
        }
        if (style.vertical == SheetVerticalAlignment::Top)
            format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
        else if (style.vertical == SheetVerticalAlignment::Center)
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
        if (style.wrapText)
            format_set_text_wrap(format);
        if (style.pattern != SheetPattern::None) {
            format_set_pattern(format, PatternOf(style.pattern));
            if (style.pattern == SheetPattern::Solid) {
                // A solid fill with an automatic colour takes the pattern colour, black by default.
                const quint32 fallback = SheetPaletteColor(style.patternColor).value_or(0x000000);
                format_set_bg_color(format, ColorOf(style.interiorColor, fallback));
            } else {
                format_set_bg_color(format, ColorOf(style.interiorColor, 0xFFFFFF));
                format_set_fg_color(format, ColorOf(style.patternColor, 0x000000));
            }
        }
        format_set_left(format, BorderStyle(style.borders[0]));
        format_set_top(format, BorderStyle(style.borders[1]));
        format_set_bottom(format, BorderStyle(style.borders[2]));
        format_set_right(format, BorderStyle(style.borders[3]));
        return format;
    }

    lxw_workbook* book_;
    QHash<SheetStyle, lxw_format*> formats_;
};

void WriteColumns(lxw_worksheet* out, const SheetWorksheet& sheet, FormatCache& formats,
                  const QString& path) {
    const bool sheetWide = sheet.HasSheetWideStyle();
    lxw_format* sheetFormat = sheetWide ? formats.Get(sheet.SheetWideStyle()) : nullptr;
    const bool standardChanged = sheet.StandardWidth() != SheetWorksheet::kStandardWidth;
    int next = 1;
    auto fillGap = [&](int first, int last) {
        // Columns without settings of their own still carry the sheet's look and width.
        if (first <= last && (sheetWide || standardChanged))
            Check(worksheet_set_column(out, static_cast<lxw_col_t>(first - 1),
                                       static_cast<lxw_col_t>(last - 1), sheet.StandardWidth(), sheetFormat),
                  path, "columns");
    };
    for (const int column : sheet.FormattedColumns()) {
        fillGap(next, column - 1);
        lxw_format* format =
            sheet.ColumnHasOwnStyle(column) || sheetWide ? formats.Get(sheet.ColumnStyle(column)) : nullptr;
        Check(worksheet_set_column(out, static_cast<lxw_col_t>(column - 1),
                                   static_cast<lxw_col_t>(column - 1), sheet.ColumnWidth(column), format),
              path, "columns");
        next = column + 1;
    }
    fillGap(next, SheetArea::kMaxColumns);
}

void WriteRows(lxw_worksheet* out, const SheetWorksheet& sheet, FormatCache& formats, const QString& path) {
    if (sheet.StandardHeight() != SheetWorksheet::kStandardHeight)
        worksheet_set_default_row(out, sheet.StandardHeight(), LXW_FALSE);
    for (const int row : sheet.FormattedRows()) {
        lxw_format* format = sheet.RowHasOwnStyle(row) ? formats.Get(sheet.RowStyle(row)) : nullptr;
        Check(worksheet_set_row(out, static_cast<lxw_row_t>(row - 1), sheet.RowHeight(row), format), path,
              "rows");
    }
}

void WriteCells(lxw_worksheet* out, const SheetWorksheet& sheet, FormatCache& formats, const QString& path) {
    QByteArray utf8;
    for (int row = 1; row <= sheet.LastRow(); ++row) {
        const int columns = sheet.StoredColumns(row);
        for (int column = 1; column <= columns; ++column) {
            const SheetWorksheet::CellValue& value = sheet.ValueAt(row, column);
            const bool empty = std::holds_alternative<std::monostate>(value);
            if (empty && !sheet.HasOwnStyle(row, column))
                continue;
            lxw_format* format = formats.Get(sheet.StyleAt(row, column));
            const auto r = static_cast<lxw_row_t>(row - 1);
            const auto c = static_cast<lxw_col_t>(column - 1);
            if (const double* number = std::get_if<double>(&value)) {
                Check(worksheet_write_number(out, r, c, *number, format), path, "cells");
            } else if (const QString* text = std::get_if<QString>(&value)) {
                utf8 = text->toUtf8();
                Check(worksheet_write_string(out, r, c, utf8.constData(), format), path, "cells");
            } else if (format != nullptr) {
                Check(worksheet_write_blank(out, r, c, format), path, "cells");
            }
        }
    }
}

void WritePageSetup(lxw_worksheet* out, const SheetWorksheet& sheet, const QString& path) {
    const SheetPageSetup& page = sheet.PageSetup();
    if (page.Orientation() == SheetOrientation::Landscape)
        worksheet_set_landscape(out);
    else
        worksheet_set_portrait(out);
    if (page.Zoom() != 100)
        worksheet_set_print_scale(out, static_cast<uint16_t>(page.Zoom()));
    worksheet_set_margins(out, page.LeftMargin() / 72.0, page.RightMargin() / 72.0, page.TopMargin() / 72.0,
                          page.BottomMargin() / 72.0);
    lxw_header_footer_options header = {};
    header.margin = page.HeaderMargin() / 72.0;
    Check(worksheet_set_header_opt(out, page.HeaderText().toUtf8().constData(), &header), path,
          "page header");
    lxw_header_footer_options footer = {};
    footer.margin = page.FooterMargin() / 72.0;
    Check(worksheet_set_footer_opt(out, page.FooterText().toUtf8().constData(), &footer), path,
          "page footer");
    if (page.TitleFirstRow() > 0)
        Check(worksheet_repeat_rows(out, static_cast<lxw_row_t>(page.TitleFirstRow() - 1),
                                    static_cast<lxw_row_t>(page.TitleLastRow() - 1)),
              path, "print titles");
    worksheet_gridlines(out, sheet.DisplayGridlines() ? LXW_SHOW_SCREEN_GRIDLINES : LXW_HIDE_ALL_GRIDLINES);
    const SheetArea& selection = sheet.Selection();
    worksheet_set_selection(out, static_cast<lxw_row_t>(selection.firstRow - 1),
                            static_cast<lxw_col_t>(selection.firstColumn - 1),
                            static_cast<lxw_row_t>(selection.lastRow - 1),
                            static_cast<lxw_col_t>(selection.lastColumn - 1));
}

// The new workbook is written beside the target under the name every new file of the user's
// gets (fileops::NewFile: hidden, naming this run, swept after a killed run) and renamed over it
// only when complete. The library writes it by name, so the name is only created here, with the
// mode every new file of the user gets (0666 less the umask): a workbook is an ordinary
// document, shared as the user's others are, not a private temporary file. Removed again
// unless kept.
class StagingFile {
public:
    explicit StagingFile(const QString& target) {
        fileops::SweepLeftovers(target);
        const QString prefix = fileops::NewFilePrefix(target, ::getpid());
        static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
        for (int attempt = 0; attempt < 100; ++attempt) {
            QString candidate = prefix;
            for (int i = 0; i < 6; ++i)
                candidate.append(QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]));
            const int descriptor = fileops::Refused(fileops::Call::Open, candidate)
                                       ? -1
                                       : ::open(QFile::encodeName(candidate).constData(),
                                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (descriptor >= 0) {
                ::close(descriptor);
                name_ = candidate;
                return;
            }
            if (errno != EEXIST)
                Fail(target, QString::fromLocal8Bit(std::strerror(errno)) + u'.');
        }
        Fail(target, QStringLiteral("no free name for the new file beside it."));
    }
    ~StagingFile() {
        if (!kept_ && !name_.isEmpty())
            fileops::Remove(name_);
    }
    StagingFile(const StagingFile&) = delete;
    StagingFile& operator=(const StagingFile&) = delete;

    const QString& Name() const { return name_; }
    void Keep() { kept_ = true; }

private:
    QString name_;
    bool kept_ = false;
};

// Frees a workbook the library never got to close (it is closed, and freed, only on success).
struct BookGuard {
    lxw_workbook* book;
    ~BookGuard() {
        if (book != nullptr)
            lxw_workbook_free(book);
    }
};

} // namespace

void SheetXlsxWriter::Write(const SheetWorkbook& workbook, const QString& path) {
    const QFileInfo target(path);
    if (path.isEmpty() || target.fileName().isEmpty())
        Fail(path, QStringLiteral("no file name was given."));
    if (!target.absoluteDir().exists())
        throw SheetError(kPathNotFound,
                         QStringLiteral("The folder of the workbook \"%1\" does not exist.").arg(path));
    if (target.isDir())
        Fail(path, QStringLiteral("a folder of that name exists."));

    StagingFile staging(target.absoluteFilePath());
    const QByteArray stagingPath = QFile::encodeName(staging.Name());
    lxw_workbook_options options = {};
    BookGuard guard{workbook_new_opt(stagingPath.constData(), &options)};
    if (guard.book == nullptr)
        Fail(path, QStringLiteral("the library could not start a workbook."));
    FormatCache formats(guard.book);
    for (int index = 1; index <= workbook.WorksheetCount(); ++index) {
        const SheetWorksheet& sheet = workbook.Worksheets(index);
        lxw_worksheet* out = workbook_add_worksheet(guard.book, sheet.Name().toUtf8().constData());
        if (out == nullptr)
            Fail(path, QStringLiteral("the sheet name \"%1\" was refused.").arg(sheet.Name()));
        WriteColumns(out, sheet, formats, path);
        WriteRows(out, sheet, formats, path);
        WriteCells(out, sheet, formats, path);
        WritePageSetup(out, sheet, path);
    }
    // Closing writes the whole workbook into the new file.
    if (fileops::Refused(fileops::Call::Write, staging.Name()))
        Fail(path, QString::fromLocal8Bit(std::strerror(errno)) + u'.');
    lxw_workbook* book = guard.book;
    guard.book = nullptr; // closing frees it, whatever the outcome
    Check(workbook_close(book), path, "closing");
    // On the disk before it takes the workbook's name: a power cut after the rename must not
    // leave an empty workbook.
    if (const int descriptor = ::open(stagingPath.constData(), O_RDONLY | O_CLOEXEC); descriptor >= 0) {
        const bool synced = ::fsync(descriptor) == 0;
        const int error = errno;
        ::close(descriptor);
        if (!synced)
            Fail(path, QString::fromLocal8Bit(std::strerror(error)) + u'.');
    }

    if (!fileops::Rename(staging.Name(), target.absoluteFilePath()))
        Fail(path, QString::fromLocal8Bit(std::strerror(errno)) + u'.');
    staging.Keep();
}

} // namespace platform
