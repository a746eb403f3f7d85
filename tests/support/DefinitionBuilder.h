#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace testsupport {

// Writes definition tables (Set01.e ... Set07.e) into a folder from readable rows, as the
// program reads them: TAB-separated fields, code page 932, every line ended by CR LF.
class DefinitionBuilder {
public:
    explicit DefinitionBuilder(QString folder) : folder_(std::move(folder)) {}

    const QString& Folder() const { return folder_; }
    QString Path(const QString& fileName) const;

    // One line per row, fields joined by TAB. Returns the path, or "" when the file could not be
    // written (or a text has no code page 932 form).
    QString Write(const QString& fileName, const QList<QStringList>& rows) const;

    // Lines exactly as given (blank lines included), each ended by CR LF.
    QString WriteLines(const QString& fileName, const QStringList& lines) const;

    // A Set02.e row: mode, name, type, unit, min, max, advice, detail, address, size.
    static QStringList Digital(const QString& mode, const QString& name, const QString& type,
                               const QString& min, const QString& max, int address, int size,
                               const QString& detail = {});

    // A Set04.e row (6 fields) and a Set05.e row (11 fields).
    static QStringList Input(const QString& location, const QString& category, int kino, int logic, int dosa);
    static QStringList Output(const QString& location, const QString& category, int kino, int logic, int dosa,
                              int onDelay, int offDelay, int choppingOn, int choppingOff, int zenpa);

private:
    QString folder_;
};

} // namespace testsupport
