#pragma once

#include <QString>

namespace platform {

enum class SheetOrientation : int { Portrait, Landscape };

// How a worksheet goes onto paper. Margins are in points; the header text uses the sheet's
// header codes ("&10" font size, "&F" file, "&A" sheet, "&P" page, "&N" pages, "&D" date,
// "&T" time, "&L"/"&C"/"&R" sections, "&&" an ampersand); control characters other than tab, line
// feed and carriage return are kept visible as "\u001B" (SheetVisibleText). A value the sheet cannot take
// throws SheetError and leaves the setting as it was.
class SheetPageSetup {
public:
    SheetOrientation Orientation() const { return orientation_; }
    void SetOrientation(SheetOrientation orientation) { orientation_ = orientation; }

    // Percent, 10 to 400.
    int Zoom() const { return zoom_; }
    void SetZoom(int percent);

    double LeftMargin() const { return left_; }
    double RightMargin() const { return right_; }
    double TopMargin() const { return top_; }
    double BottomMargin() const { return bottom_; }
    double HeaderMargin() const { return header_; }
    double FooterMargin() const { return footer_; }
    void SetLeftMargin(double points) { left_ = Checked(points); }
    void SetRightMargin(double points) { right_ = Checked(points); }
    void SetTopMargin(double points) { top_ = Checked(points); }
    void SetBottomMargin(double points) { bottom_ = Checked(points); }
    void SetHeaderMargin(double points) { header_ = Checked(points); }
    void SetFooterMargin(double points) { footer_ = Checked(points); }

    const QString& LeftHeader() const { return leftHeader_; }
    const QString& CenterHeader() const { return centerHeader_; }
    const QString& RightHeader() const { return rightHeader_; }
    const QString& CenterFooter() const { return centerFooter_; }
    void SetLeftHeader(const QString& text) { SetSection(leftHeader_, text, true); }
    void SetCenterHeader(const QString& text) { SetSection(centerHeader_, text, true); }
    void SetRightHeader(const QString& text) { SetSection(rightHeader_, text, true); }
    void SetCenterFooter(const QString& text) { SetSection(centerFooter_, text, false); }

    // Rows printed again at the top of every page ("$1:$1"); 0 when none.
    int TitleFirstRow() const { return titleFirst_; }
    int TitleLastRow() const { return titleLast_; }
    void SetPrintTitleRows(const QString& address); // empty: none

    // The whole header or footer as the workbook stores it: "&L…&C…&R…", empty sections left out.
    QString HeaderText() const;
    QString FooterText() const;

    // A header or footer holds at most this many characters, all sections together.
    static constexpr int kMaxHeaderLength = 255;

private:
    static double Checked(double points);
    // Sets one section unless the whole header (or footer) would grow past kMaxHeaderLength.
    void SetSection(QString& section, const QString& text, bool header);

    SheetOrientation orientation_ = SheetOrientation::Portrait;
    int zoom_ = 100;
    // The workbook format's own defaults: 0.7 inch sides, 0.75 inch top and bottom, 0.3 inch
    // header and footer.
    double left_ = 50.4;
    double right_ = 50.4;
    double top_ = 54.0;
    double bottom_ = 54.0;
    double header_ = 21.6;
    double footer_ = 21.6;
    QString leftHeader_;
    QString centerHeader_;
    QString rightHeader_;
    QString centerFooter_;
    int titleFirst_ = 0;
    int titleLast_ = 0;
};

} // namespace platform
