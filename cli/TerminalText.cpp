#include "cli/TerminalText.h"

namespace vokg::cli {

QString TerminalText(const QString& text, bool keepLineBreaks) {
    QString shown;
    shown.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (!IsControlCharacter(code) || (keepLineBreaks && code == u'\n'))
            shown += character;
        else
            shown += QStringLiteral("\\u") +
                     QStringLiteral("%1").arg(static_cast<uint>(code), 4, 16, QLatin1Char('0')).toUpper();
    }
    return shown;
}

void WriteLine(std::FILE* stream, const QString& text) {
    const QString shown = TerminalText(text);
    const QByteArray bytes = stream == stdout ? shown.toUtf8() : shown.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}

} // namespace vokg::cli
