#pragma once

#include "model/ModelContext.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>

#include <optional>

namespace vokg {

// The table header record: the author and password of the user table and of the comparison
// table, and the table last chosen for each kind of file. (The table-choice dialogs are built on
// top of this elsewhere.)
class CSelectTable {
public:
    // Where the scrambled fields sit in every table, and how long they are.
    static constexpr int kAuthorOffset = 4031; // one byte early; stored files rely on it
    static constexpr int kAuthorFieldLength = 20;
    static constexpr int kPasswordFieldLength = 16;
    static constexpr int kAuthorTextLength = 16;
    static constexpr int kPasswordTextLength = 8;

    explicit CSelectTable(ModelContext context);

    const QString& Author() const { return user_.author; }
    const QString& Password() const { return user_.password; }
    const QString& Author2() const { return author2_; }
    const QString& Password2() const { return password2_; }
    // Setting a text other than the one held is setting a new one: a field kept as stored (see
    // Record) is then written from the text.
    void SetAuthor(const QString& author);
    void SetPassword(const QString& password);
    void SetAuthor2(const QString& author) { author2_ = author; }
    void SetPassword2(const QString& password) { password2_ = password; }

    // The user table's author and password. A field that does not decode (a damaged stamp, a
    // byte below the key, bytes that are no code page 932 text) reads as the empty text and is
    // kept as the table stored it: SaveHeader writes those bytes back unchanged until a new text
    // is set, so a damaged password never turns into no password, and the table keeps whatever
    // protection it had. An open that failed half-way puts the record back whole.
    struct Record {
        QString author;
        QString password;
        std::optional<QByteArray> storedAuthor;   // the field as stored, while it is kept
        std::optional<QByteArray> storedPassword; // the same for the password
    };
    const Record& UserRecord() const { return user_; }
    void SetUserRecord(const Record& record) { user_ = record; }

    // Whether the user table is protected: it has a password, or a password field that does
    // not decode (whose password nobody can know).
    bool IsProtected() const { return !user_.password.isEmpty() || user_.storedPassword.has_value(); }

    // The table last chosen for a design (.dsg) file or for any other file; 0 until one was.
    void RememberTable(bool isDsg, int tableNumber);
    int LastTable(bool isDsg) const { return isDsg ? lastDsgTable_ : lastOtherTable_; }

    // Read the author and password of table `tableNumber` into Author/Password (ReadData) or
    // Author2/Password2 (ReadData2). `position` is accepted for the callers' symmetry and not
    // used. All or nothing: when the file cannot be read both fields keep their texts. A field
    // that does not decode reads as empty and is reported once, for both fields together, under
    // the operation's name; the read still succeeds.
    bool ReadData(const QString& path, qint64 position, int tableNumber);
    bool ReadData2(const QString& path, qint64 position, int tableNumber);

    // The password of table `tableNumber` of a design file, without reporting anything: empty
    // when the table has none, std::nullopt when the file cannot be read or the field does not
    // decode. For a quick check before the table is opened, which reports for itself.
    static std::optional<QString> PeekPassword(const QString& path, int tableNumber);

    // With `write` set, writes the user table's author and password fields into `fileImage` (the
    // whole data file in memory) at the table at `position`; an empty text is written as zero
    // bytes, a field kept as stored as those bytes. Both fields are made before anything is
    // written, so a failure leaves the image unchanged. Without `write` it does nothing and
    // succeeds.
    bool SaveHeader(QByteArray& fileImage, bool write, qint64 position);
    bool SaveHeader(QByteArray& fileImage, bool write, qint64 position, const QDateTime& now);

    // Decodes a 20-byte author field (`authorFlag`) or a 16-byte password field. A damaged field
    // reads as the empty text and is logged under "DecodeWord".
    QString DecodeWord(QByteArrayView field, bool authorFlag);

    // Scrambles a text into a 20-byte author field or a 16-byte password field, stamped with
    // `now`. std::nullopt when the text has no code page 932 form, a text byte is above 242 or a
    // scrambled byte would pass 255. A text longer than its field is cut at a character boundary.
    static std::optional<QByteArray> EncodeWord(const QString& text, bool authorFlag, const QDateTime& now);
    static std::optional<QByteArray> EncodeWord(const QString& text, bool authorFlag);

private:
    // The text of a field, or std::nullopt when it does not decode.
    static std::optional<QString> TryDecode(QByteArrayView field, bool authorFlag);
    std::optional<Record> ReadFields(const QString& path, int tableNumber, const QString& procName);

    ModelContext context_;
    Record user_;
    QString author2_;
    QString password2_;
    int lastDsgTable_ = 0;
    int lastOtherTable_ = 0;
};

} // namespace vokg
