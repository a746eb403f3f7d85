#pragma once

#include <QDateTime>
#include <QString>

#include <array>

namespace platform {

// What the header codes of one printed page stand for.
struct SheetHeaderContext {
    int page = 1;
    int pages = 1;
    QString fileName;  // "&F"
    QString sheetName; // "&A"
    QDateTime printed; // "&D", "&T"
};

// One section (left, centre or right) of a page header or footer, ready to draw.
struct SheetHeaderSection {
    QString text;
    double fontSize = 11.0;
    bool bold = false;
};

// Reads the header codes: "&L", "&C", "&R" start a section (text before any of them is
// centred); "&P", "&N", "&D", "&T", "&F", "&A" are filled in; "&nn" sets the font size;
// "&B" and a font code with "Bold" make the section bold; "&&" is an ampersand. Codes this
// program does not draw (underline, colour, pictures) are dropped, never printed as text.
class SheetHeaderText {
public:
    static std::array<SheetHeaderSection, 3> Expand(const QString& code, const SheetHeaderContext& context,
                                                    double defaultFontSize = 11.0);
};

} // namespace platform
