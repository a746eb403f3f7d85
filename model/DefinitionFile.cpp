#include "model/DefinitionFile.h"

#include "model/LenientNumber.h"
#include "platform/AnsiCodec.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace vokg {

DefinitionFile DefinitionFile::Open(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw hlpkit::RunError(hlpkit::FileNotFound,
                               hlpkit::StandardErrorText(hlpkit::FileNotFound) + QStringLiteral(": ") + path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw hlpkit::RunError(hlpkit::PathFileAccessError,
                               hlpkit::StandardErrorText(hlpkit::PathFileAccessError) + QStringLiteral(": ") +
                                   path);
    // Line feeds and TABs never occur inside a double-byte character (trail bytes are 0x40 and up),
    // so the whole file can be decoded before it is split.
    DefinitionFile table;
    table.text_ = platform::AnsiCodec::Decode(file.readAll());
    table.fileName_ = info.fileName();
    // Lines are views into the one decoded text: only the fields that are kept become strings.
    table.lines_ = QStringView(table.text_).split(u'\n');
    if (!table.lines_.isEmpty() && table.lines_.last().isEmpty())
        table.lines_.removeLast();
    for (QStringView& line : table.lines_) {
        if (line.endsWith(u'\r'))
            line.chop(1);
    }
    return table;
}

QStringList DefinitionFile::Fields(qsizetype index, int minFields) const {
    const QStringView line = lines_.at(index);
    if (std::all_of(line.cbegin(), line.cend(), [](QChar ch) { return ch.isSpace(); }))
        throw LineError(hlpkit::SubscriptOutOfRange, index, QStringLiteral("the line is blank"));
    // A name of NUL characters or a text with an escape sequence would reach the windows, the
    // terminal and the workbooks as it is; no definition holds such a thing on purpose.
    for (qsizetype column = 0; column < line.size(); ++column) {
        const QChar ch = line.at(column);
        if (ch != u'\t' && ch.category() == QChar::Other_Control)
            throw LineError(hlpkit::InvalidCall, index,
                            QStringLiteral("field %1 holds the control character U+%2")
                                .arg(line.first(column).count(u'\t'))
                                .arg(QString::number(ch.unicode(), 16).toUpper().rightJustified(4, u'0')));
        // Bytes that are no code page 932 character decode as U+FFFD: the text would show a
        // character the table never held, and a name so read would match none.
        if (ch == QChar::ReplacementCharacter)
            throw LineError(hlpkit::InvalidCall, index,
                            QStringLiteral("field %1 holds bytes that are no code page 932 character")
                                .arg(line.first(column).count(u'\t')));
    }
    QStringList fields;
    for (const QStringView field : line.split(u'\t'))
        fields.append(field.toString());
    if (fields.size() < minFields)
        throw LineError(hlpkit::SubscriptOutOfRange, index,
                        QStringLiteral("%1 fields where %2 are needed").arg(fields.size()).arg(minFields));
    return fields;
}

qint32 DefinitionFile::Int32Field(qsizetype index, const QStringList& fields, int field) const {
    try {
        return LenientInt32(fields.at(field));
    } catch (const hlpkit::RunError& error) {
        throw LineError(error.code, index,
                        QStringLiteral("field %1 \"%2\" is out of range").arg(field).arg(fields.at(field)));
    }
}

qint16 DefinitionFile::Int16Field(qsizetype index, const QStringList& fields, int field) const {
    try {
        return LenientInt16(fields.at(field));
    } catch (const hlpkit::RunError& error) {
        throw LineError(
            error.code, index,
            QStringLiteral("field %1 \"%2\" is out of the 16-bit range").arg(field).arg(fields.at(field)));
    }
}

hlpkit::RunError DefinitionFile::LineError(int code, qsizetype index, const QString& detail) const {
    const QString base = hlpkit::StandardErrorText(code);
    return hlpkit::RunError(
        code, QStringLiteral("%1: %2 line %3: %4").arg(base, fileName_).arg(index + 1).arg(detail));
}

QString DefinitionFile::TrimSpaces(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == u' ')
        ++first;
    while (last > first && text[last - 1] == u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace vokg
