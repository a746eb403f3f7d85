#pragma once

#include "model/CMode.h"
#include "model/FileKind.h"
#include "model/HeaderField.h"
#include "model/KeyedCollection.h"
#include "model/ModelContext.h"

#include <QByteArray>
#include <QString>

namespace vokg {

// The parameter vocabulary (modes → digitals → selections from Set01.e-Set03.e) and, on it,
// the values and header texts of the user table and of the comparison table.
class CModes {
public:
    explicit CModes(ModelContext context) : context_(context) {}

    // Header texts of the user table (editable) and of the comparison table.
    const QString& KishuName() const { return userHeader_.kishuName.Text(); }
    void SetKishuName(const QString& name) { userHeader_.kishuName.SetText(name); }
    const QString& DataVersion() const { return userHeader_.dataVersion.Text(); }
    void SetDataVersion(const QString& version) { userHeader_.dataVersion.SetText(version); }
    const QString& KishuName2() const { return kishuName2_; }
    const QString& DataVersion2() const { return dataVersion2_; }
    // Only an open that failed half-way puts the comparison header back with these.
    void SetKishuName2(const QString& name) { kishuName2_ = name; }
    void SetDataVersion2(const QString& version) { dataVersion2_ = version; }

    // The user table's two header fields with the bytes they were read from; an open that
    // failed half-way puts them back whole.
    struct Header {
        HeaderField kishuName;
        HeaderField dataVersion;
    };
    const Header& UserHeader() const { return userHeader_; }
    void SetUserHeader(const Header& header) { userHeader_ = header; }

    qsizetype AllDititalCount() const;
    // Kind 0: digitals of the special modes; kind 1: of the manufacturer modes; otherwise 0.
    qsizetype CountThisDititalCount(int kind) const;
    // Digitals whose comparison value differs from the user value.
    qsizetype DifDititalCount() const;

    // Read the definition tables from `folder`. A failure is reported under the operation's
    // name and gives false; the records before the failing line stay.
    bool ReadSet01e(const QString& folder);
    bool ReadSet02e(const QString& folder);
    bool ReadSet03e(const QString& folder);

    // Throws RunError 457 for a taken mode name.
    CMode& Add(const QString& modeName);
    CMode* Item(qsizetype index) const { return items_.At(index); }
    CMode* Item(const QString& key) const { return items_.Find(key); }
    qsizetype Count() const { return items_.Count(); }
    bool Remove(qsizetype index) { return items_.Remove(index); }
    bool Remove(const QString& key) { return items_.Remove(key); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    // Reads the header and every digital's value of the table at `position` (1-based byte
    // position of its first byte) of the file at `path`. The user kind fills UserValue, the
    // comparison kind CmpValue. The header goes to KishuName/DataVersion when the user file is being
    // opened (user kind only) and to KishuName2/DataVersion2 when a comparison file is being opened. Then
    // UpdateMaxMin. All or nothing: on a failure (reported under "ReadDataDigitals" or
    // "ReadHeader"/"ReadHeader2") no value and no header text changes.
    bool ReadDataDigitals(FileKind kind, const QString& path, qint64 position, const OpeningState& opening);

    // Writes the header and every digital's user value into the table at `position` of
    // `fileImage` (the whole new file). Bytes no definition names are left as they are. A header
    // text nobody changed is written back as the bytes it was read from. A value outside its
    // field's range fails (overflow, reported under "SaveOneTable"; the header under
    // "SaveHedder") and leaves `fileImage` exactly as it was.
    bool SaveOneTable(QByteArray& fileImage, qint64 position);

    // The user value of the first digital (modes in order, then digitals in order) whose name
    // equals `name` exactly, case-sensitively; 0 when there is none.
    qint32 GetUserValueByName(const QString& name) const;

    // Replaces every bound given by name (MinString/MaxString of NUM digitals) in Min/Max with
    // the decimal user value of the digital it names.
    void UpdateMaxMin();

private:
    ModelContext context_;
    KeyedCollection<CMode> items_;
    Header userHeader_;
    QString kishuName2_;
    QString dataVersion2_;
};

} // namespace vokg
