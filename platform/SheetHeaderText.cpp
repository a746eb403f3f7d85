#include "platform/SheetHeaderText.h"

#include <QLocale>

namespace platform {

std::array<SheetHeaderSection, 3>
SheetHeaderText::Expand(const QString& code, const SheetHeaderContext& context, double defaultFontSize) {
    std::array<SheetHeaderSection, 3> sections;
    for (SheetHeaderSection& section : sections)
        section.fontSize = defaultFontSize;
    std::size_t current = 1;
    double fontSize = defaultFontSize;
    bool bold = false;
    bool sizeFixed[3] = {false, false, false};
    auto append = [&](const QString& text) {
        SheetHeaderSection& section = sections[current];
        if (!sizeFixed[current]) {
            // A section is drawn in one size: the one in force at its first character.
            section.fontSize = fontSize;
            sizeFixed[current] = true;
        }
        section.bold = section.bold || bold;
        section.text += text;
    };
    const QLocale locale = QLocale::system();
    const qsizetype size = code.size();
    for (qsizetype at = 0; at < size; ++at) {
        const QChar character = code[at];
        if (character != u'&') {
            append(QString(character));
            continue;
        }
        if (++at >= size)
            break;
        const QChar kind = code[at];
        if (kind.isDigit() && kind.unicode() < 128) {
            int points = 0;
            int digits = 0;
            while (at < size && digits < 3 && code[at].isDigit() && code[at].unicode() < 128) {
                points = points * 10 + (code[at].unicode() - u'0');
                ++at;
                ++digits;
            }
            --at;
            if (points > 0)
                fontSize = points;
            continue;
        }
        switch (kind.toUpper().unicode()) {
        case u'&':
            append(QStringLiteral("&"));
            break;
        case u'L':
            current = 0;
            fontSize = defaultFontSize;
            bold = false;
            break;
        case u'C':
            current = 1;
            fontSize = defaultFontSize;
            bold = false;
            break;
        case u'R':
            current = 2;
            fontSize = defaultFontSize;
            bold = false;
            break;
        case u'P':
            append(QString::number(context.page));
            break;
        case u'N':
            append(QString::number(context.pages));
            break;
        case u'D':
            append(locale.toString(context.printed.date(), QLocale::ShortFormat));
            break;
        case u'T':
            append(locale.toString(context.printed.time(), QLocale::ShortFormat));
            break;
        case u'F':
            append(context.fileName);
            break;
        case u'A':
            append(context.sheetName);
            break;
        case u'B':
            bold = !bold;
            break;
        case u'"': {
            const qsizetype close = code.indexOf(u'"', at + 1);
            const QString font = code.mid(at + 1, close < 0 ? -1 : close - at - 1);
            if (font.contains(QLatin1String("Bold"), Qt::CaseInsensitive))
                bold = true;
            at = close < 0 ? size : close;
            break;
        }
        case u'K':
            at += 6; // a colour: six hexadecimal digits
            break;
        default:
            break; // underline, strike-through, pictures and the like are not drawn
        }
    }
    return sections;
}

} // namespace platform
