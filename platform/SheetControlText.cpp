#include "platform/SheetControlText.h"

namespace platform {
namespace {

bool IsEscaped(char16_t code) {
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F); // C0, DEL and C1
    return control && code != u'\t' && code != u'\n' && code != u'\r';
}

} // namespace

QString SheetVisibleText(const QString& text) {
    QString shown;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t code = text[at].unicode();
        if (!IsEscaped(code)) {
            if (!shown.isNull())
                shown += text[at];
            continue;
        }
        // Most texts hold none: they are returned as they are, without a copy.
        if (shown.isNull())
            shown = text.left(at);
        shown += QStringLiteral("\\u") + QString::number(code, 16).toUpper().rightJustified(4, u'0');
    }
    return shown.isNull() ? text : shown;
}

} // namespace platform
