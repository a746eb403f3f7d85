#include "model/CSelectTable.h"

#include "hlpkit/RunError.h"
#include "model/TableFile.h"
#include "platform/AnsiCodec.h"

#include <algorithm>

namespace vokg {
namespace {

// Text bytes are mirrored around 242 and shifted by the stamp's digit sum; stamp characters are
// mirrored around 245. Stored fields depend on both constants.
constexpr int kTextMirror = 242;
constexpr int kStampMirror = 245;

constexpr int kPasswordOffset = CSelectTable::kAuthorOffset + CSelectTable::kAuthorFieldLength;
constexpr int kHeaderLength = CSelectTable::kAuthorFieldLength + CSelectTable::kPasswordFieldLength;

int TextLength(bool authorFlag) {
    return authorFlag ? CSelectTable::kAuthorTextLength : CSelectTable::kPasswordTextLength;
}

int FieldLength(bool authorFlag) {
    return authorFlag ? CSelectTable::kAuthorFieldLength : CSelectTable::kPasswordFieldLength;
}

// The author is stamped with minutes and seconds and keyed by all four digits; the password is
// stamped with the date and keyed by the month and day digits only.
QByteArray Stamp(bool authorFlag, const QDateTime& now) {
    return (authorFlag ? now.toString(QStringLiteral("mmss")) : now.toString(QStringLiteral("yyyyMMdd")))
        .toLatin1();
}

int KeyOfStamp(const QByteArray& stamp, bool authorFlag) {
    const QByteArray keyed = authorFlag ? stamp : stamp.right(4);
    int key = 0;
    for (char digit : keyed)
        key += digit - '0';
    return key;
}

} // namespace

CSelectTable::CSelectTable(ModelContext context) : context_(context) {}

void CSelectTable::RememberTable(bool isDsg, int tableNumber) {
    if (isDsg)
        lastDsgTable_ = tableNumber;
    else
        lastOtherTable_ = tableNumber;
}

std::optional<QByteArray> CSelectTable::EncodeWord(const QString& text, bool authorFlag,
                                                   const QDateTime& now) {
    const std::optional<QByteArray> ansi = platform::AnsiCodec::EncodeStrict(text);
    if (!ansi)
        return std::nullopt;
    // A double-byte character that does not fit whole is dropped whole; half of one would decode
    // as garbage.
    const QByteArray kept = platform::AnsiCodec::CutAtCharBoundary(*ansi, TextLength(authorFlag));
    const QByteArray stamp = Stamp(authorFlag, now);
    const int key = KeyOfStamp(stamp, authorFlag);

    QByteArray field(TextLength(authorFlag), '\0');
    for (qsizetype i = 0; i < kept.size(); ++i) {
        const int byte = static_cast<unsigned char>(kept.at(i));
        const int scrambled = kTextMirror - byte + key;
        // A scrambled zero would read back as the end of the text.
        if (byte > kTextMirror || scrambled > 255 || scrambled == 0)
            return std::nullopt;
        field[i] = static_cast<char>(scrambled);
    }
    for (char digit : stamp)
        field.append(static_cast<char>(kStampMirror - static_cast<unsigned char>(digit)));
    return field;
}

std::optional<QByteArray> CSelectTable::EncodeWord(const QString& text, bool authorFlag) {
    return EncodeWord(text, authorFlag, QDateTime::currentDateTime());
}

void CSelectTable::SetAuthor(const QString& author) {
    if (author != user_.author)
        user_.storedAuthor.reset();
    user_.author = author;
}

void CSelectTable::SetPassword(const QString& password) {
    if (password != user_.password)
        user_.storedPassword.reset();
    user_.password = password;
}

std::optional<QString> CSelectTable::TryDecode(QByteArrayView field, bool authorFlag) {
    if (field.size() != FieldLength(authorFlag))
        return std::nullopt;
    const auto byteAt = [&](qsizetype i) { return static_cast<unsigned char>(field.at(i)); };
    const int textLength = TextLength(authorFlag);
    qsizetype length = 0;
    while (length < textLength && byteAt(length) != 0)
        ++length;
    if (length == 0)
        return QString();

    // Only the stamp's digits give the key; the password's year digits are not part of it.
    const qsizetype firstKeyByte = authorFlag ? textLength : FieldLength(authorFlag) - 4;
    int key = 0;
    for (qsizetype i = firstKeyByte; i < field.size(); ++i) {
        const int digit = kStampMirror - byteAt(i) - '0';
        if (digit < 0 || digit > 9)
            return std::nullopt;
        key += digit;
    }

    QByteArray text;
    for (qsizetype i = 0; i < length; ++i) {
        const int byte = byteAt(i);
        const int plain = kTextMirror - (byte - key);
        if (byte < key || plain < 0 || plain > 255)
            return std::nullopt;
        text.append(static_cast<char>(plain));
    }
    // Bytes that are no code page 932 text would come back as other bytes, or not at all.
    const QString decoded = platform::AnsiCodec::Decode(text);
    if (platform::AnsiCodec::EncodeStrict(decoded) != text)
        return std::nullopt;
    // A control character is typed by nobody, and the save could not scramble one under every
    // stamp (242 - 1 + 18 passes 255 at 12:34): such a field is damage, kept as stored.
    if (std::any_of(decoded.cbegin(), decoded.cend(),
                    [](QChar ch) { return ch.category() == QChar::Other_Control; }))
        return std::nullopt;
    return decoded;
}

QString CSelectTable::DecodeWord(QByteArrayView field, bool authorFlag) {
    return hlpkit::Guarded(context_.method, QStringLiteral("DecodeWord"), QString(), [&] {
        if (field.size() != FieldLength(authorFlag))
            hlpkit::Raise(hlpkit::SubscriptOutOfRange);
        const std::optional<QString> text = TryDecode(field, authorFlag);
        if (!text)
            hlpkit::Raise(hlpkit::InvalidCall);
        return *text;
    });
}

std::optional<CSelectTable::Record> CSelectTable::ReadFields(const QString& path, int tableNumber,
                                                             const QString& procName) {
    std::optional<Record> record = hlpkit::Guarded(context_.method, procName, std::optional<Record>(), [&] {
        if (tableNumber < 1)
            hlpkit::Raise(hlpkit::SubscriptOutOfRange);
        const QByteArray table = ReadTableBytes(path, TablePosition(tableNumber));
        const QByteArrayView author = QByteArrayView(table).sliced(kAuthorOffset, kAuthorFieldLength);
        const QByteArrayView password = QByteArrayView(table).sliced(kPasswordOffset, kPasswordFieldLength);
        Record fields;
        if (const std::optional<QString> text = TryDecode(author, true))
            fields.author = *text;
        else
            fields.storedAuthor = author.toByteArray();
        if (const std::optional<QString> text = TryDecode(password, false))
            fields.password = *text;
        else
            fields.storedPassword = password.toByteArray();
        return std::optional<Record>(fields);
    });
    if (record && (record->storedAuthor || record->storedPassword)) {
        // Reported once for the open, however many fields are damaged.
        QStringList damaged;
        if (record->storedAuthor)
            damaged << QStringLiteral("author");
        if (record->storedPassword)
            damaged << QStringLiteral("password");
        const QString text =
            damaged.size() == 1
                ? QStringLiteral("the %1 field cannot be decoded. It reads as empty and is saved "
                                 "back as stored until a new one is set.")
                : QStringLiteral("the %1 fields cannot be decoded. They read as empty and are "
                                 "saved back as stored until new ones are set.");
        context_.method.ErrReg(hlpkit::InvalidCall,
                               QStringLiteral("%1: table %2 of %3: ")
                                       .arg(hlpkit::StandardErrorText(hlpkit::InvalidCall))
                                       .arg(tableNumber)
                                       .arg(path) +
                                   text.arg(damaged.join(QStringLiteral(" and "))),
                               procName);
    }
    return record;
}

bool CSelectTable::ReadData(const QString& path, qint64 /*position*/, int tableNumber) {
    const std::optional<Record> fields = ReadFields(path, tableNumber, QStringLiteral("ReadData"));
    if (!fields)
        return false;
    user_ = *fields;
    return true;
}

bool CSelectTable::ReadData2(const QString& path, qint64 /*position*/, int tableNumber) {
    const std::optional<Record> fields = ReadFields(path, tableNumber, QStringLiteral("ReadData2"));
    if (!fields)
        return false;
    author2_ = fields->author;
    password2_ = fields->password;
    return true;
}

std::optional<QString> CSelectTable::PeekPassword(const QString& path, int tableNumber) {
    try {
        if (tableNumber < 1)
            return std::nullopt;
        const QByteArray table = ReadTableBytes(path, TablePosition(tableNumber));
        return TryDecode(QByteArrayView(table).sliced(kPasswordOffset, kPasswordFieldLength), false);
    } catch (const hlpkit::RunError&) {
        return std::nullopt;
    }
}

bool CSelectTable::SaveHeader(QByteArray& fileImage, bool write, qint64 position) {
    return SaveHeader(fileImage, write, position, QDateTime::currentDateTime());
}

bool CSelectTable::SaveHeader(QByteArray& fileImage, bool write, qint64 position, const QDateTime& now) {
    return hlpkit::Guarded(context_.method, QStringLiteral("SaveHeader"), false, [&] {
        if (!write)
            return true;
        const qint64 start = TableOffset(position) + kAuthorOffset;
        if (position < 1 || start + kHeaderLength > fileImage.size())
            hlpkit::Raise(hlpkit::SubscriptOutOfRange);
        const auto encode = [&](const QString& text, bool authorFlag, const char* what) {
            const std::optional<QByteArray>& stored = authorFlag ? user_.storedAuthor : user_.storedPassword;
            if (stored)
                return *stored;
            if (text.isEmpty())
                return QByteArray(FieldLength(authorFlag), '\0');
            const std::optional<QByteArray> field = EncodeWord(text, authorFlag, now);
            if (!field)
                throw hlpkit::RunError(hlpkit::Overflow,
                                       hlpkit::StandardErrorText(hlpkit::Overflow) +
                                           QStringLiteral(" (%1)").arg(QLatin1String(what)));
            return *field;
        };
        const QByteArray header =
            encode(user_.author, true, "author") + encode(user_.password, false, "password");
        fileImage.replace(start, kHeaderLength, header);
        return true;
    });
}

} // namespace vokg
