#include "shell/messages/SharedProcedures.h"

#include "hlpkit/CMethod.h"
#include "hlpkit/RunError.h"
#include "shell/messages/Messages.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <limits>

namespace vokg {

namespace {

constexpr int kDivisionByZero = 11;

// The page-header codes start with "&"; a literal ampersand in a model name must be doubled
// or the sheet would read "&B" in "A&B" as a code and drop the letter.
QString HeaderLiteral(const QString& text) {
    QString escaped = text;
    return escaped.replace(u'&', QStringLiteral("&&"));
}

} // namespace

QString ExecutableBaseName() {
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        return QCoreApplication::applicationName();
    return QFileInfo(path).completeBaseName();
}

bool df(hlpkit::CMethod& method, const QString& path) {
    return hlpkit::Guarded(method, QStringLiteral("df"), false, [&] {
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink())
            return true;
        if (info.isDir())
            throw hlpkit::RunError(hlpkit::PathFileAccessError,
                                   hlpkit::StandardErrorText(hlpkit::PathFileAccessError) +
                                       QStringLiteral(": ") + path);
        QFile file(path);
        if (!file.remove())
            throw hlpkit::RunError(hlpkit::PermissionDenied,
                                   hlpkit::StandardErrorText(hlpkit::PermissionDenied) +
                                       QStringLiteral(": ") + path);
        return true;
    });
}

int GetDutyPercent(int onTime, int offTime, hlpkit::CMethod& method) {
    return hlpkit::Guarded(method, QStringLiteral("GetDutyPercent"), 0, [&] {
        const long long total = static_cast<long long>(onTime) + offTime;
        if (total == 0)
            throw hlpkit::RunError(kDivisionByZero);
        // 100 × a 32-bit value fits 64 bits easily; C++ division truncates toward zero.
        const long long percent = static_cast<long long>(onTime) * 100 / total;
        if (percent > std::numeric_limits<int>::max() || percent < std::numeric_limits<int>::min())
            throw hlpkit::RunError(hlpkit::Overflow);
        return static_cast<int>(percent);
    });
}

QString MakeExcelHeader(bool withFileName, const QString& model, const QString& version,
                        int userTableNumber) {
    QString header = QStringLiteral("&10");
    if (withFileName)
        header += LoadMsg(462) + QStringLiteral("=[&F]  ");
    header += LoadMsg(463) + QStringLiteral("=[") + HeaderLiteral(model) + QStringLiteral("]  ");
    header += LoadMsg(464) + QStringLiteral("=[") + HeaderLiteral(version) + QStringLiteral("]  ");
    header += QStringLiteral("TableNo=[") + QString::number(userTableNumber) + QStringLiteral("]  ");
    header += QStringLiteral("(&P/&NPage)  &D &T");
    return header;
}

QString ColumnLetter(int n) {
    // Past "Z" the character n + 64 would be "[" and the sheet would get no column at all,
    // so wider sheets continue as the spreadsheet names them: AA, AB, ...
    QString letters;
    for (long long rest = n; rest > 0; rest = (rest - 1) / 26)
        letters.prepend(QChar(static_cast<char16_t>(u'A' + (rest - 1) % 26)));
    return letters;
}

int FindInArray(const QString& text, const QStringList& lines, int start) {
    for (qsizetype index = start > 0 ? start : 0; index < lines.size(); ++index)
        if (lines.at(index).contains(text, Qt::CaseSensitive))
            return static_cast<int>(index);
    return -1;
}

} // namespace vokg
