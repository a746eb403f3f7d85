#include "tests/support/DefinitionBuilder.h"

#include "platform/AnsiCodec.h"

#include <QDir>
#include <QFile>

namespace testsupport {

QString DefinitionBuilder::Path(const QString& fileName) const {
    return QDir(folder_).filePath(fileName);
}

QString DefinitionBuilder::Write(const QString& fileName, const QList<QStringList>& rows) const {
    QStringList lines;
    for (const QStringList& row : rows)
        lines.append(row.join(u'\t'));
    return WriteLines(fileName, lines);
}

QString DefinitionBuilder::WriteLines(const QString& fileName, const QStringList& lines) const {
    QByteArray bytes;
    for (const QString& line : lines) {
        const std::optional<QByteArray> encoded = platform::AnsiCodec::EncodeStrict(line);
        if (!encoded)
            return {};
        bytes += *encoded + "\r\n";
    }
    QFile file(Path(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return file.fileName();
}

QStringList DefinitionBuilder::Digital(const QString& mode, const QString& name, const QString& type,
                                       const QString& min, const QString& max, int address, int size,
                                       const QString& detail) {
    return {mode,
            name,
            type,
            QStringLiteral("mm"),
            min,
            max,
            QStringLiteral("Advice of ") + name,
            detail,
            QString::number(address),
            QString::number(size)};
}

QStringList DefinitionBuilder::Input(const QString& location, const QString& category, int kino, int logic,
                                     int dosa) {
    return {location,
            QStringLiteral("text"),
            category,
            QString::number(kino),
            QString::number(logic),
            QString::number(dosa)};
}

QStringList DefinitionBuilder::Output(const QString& location, const QString& category, int kino, int logic,
                                      int dosa, int onDelay, int offDelay, int choppingOn, int choppingOff,
                                      int zenpa) {
    QStringList row = Input(location, category, kino, logic, dosa);
    for (int address : {onDelay, offDelay, choppingOn, choppingOff, zenpa})
        row.append(QString::number(address));
    return row;
}

} // namespace testsupport
