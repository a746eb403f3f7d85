#include "hlpkit/CMethod.h"

#include "hlpkit/AnsiText.h"
#include "hlpkit/RunError.h"
#include "hlpkit/SystemLocale.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QMutex>
#include <QMutexLocker>
#include <QPainter>
#include <QPalette>
#include <QThread>
#include <QTime>
#include <QWidget>

#include <cstdio>
#include <dlfcn.h>

namespace hlpkit {

const QUuid CMethod::kClassId{0xa7e1bc6e, 0x075b, 0x4bb5, 0x90, 0x82, 0xed, 0x0a, 0x67, 0x5a, 0x27, 0xe2};
const QUuid CMethod::kInterfaceId{0x44d56b6e, 0x568b, 0x49ff, 0xb3, 0x5d, 0x45, 0x9e, 0xa7, 0xff, 0x8c, 0x21};

namespace {

constexpr int kPrintZoneWidth = 14;
const char kLineEnd[] = "\r\n";

struct ReportSettings {
    QMutex mutex;
    CMethod::ErrorBox box;
    QString logFolder;
};

ReportSettings& Settings() {
    static ReportSettings settings;
    return settings;
}

void DefaultErrorBox(const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    auto* application = qobject_cast<QApplication*>(QCoreApplication::instance());
    // On a platform without a screen (offscreen, minimal) nobody could ever close the box, so
    // the report goes to standard error instead of blocking the program for good.
    const QString platformName = QGuiApplication::platformName();
    const bool canShow =
        platformName != QLatin1String("offscreen") && platformName != QLatin1String("minimal");
    if (application != nullptr && canShow && QThread::currentThread() == application->thread()) {
        QMessageBox::critical(QApplication::activeWindow(), title, shown, QMessageBox::Ok);
        return;
    }
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(),
                 shown.replace(QLatin1Char('\n'), QLatin1Char(' ')).toLocal8Bit().constData());
}

// The folder of the file this library was loaded from: Err.log belongs beside it.
QString LibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<const void*>(&LibraryFolder), &info) != 0 && info.dli_fname != nullptr)
        return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath();
    return QCoreApplication::applicationDirPath();
}

// A text laid out in 14-column print zones. Columns are counted in code page 932 bytes, as
// the file stores them, so that a line with Japanese text still lines up in a text editor.
class ZoneLine {
public:
    void AddText(const QString& text) { Add(detail::EncodeCp932(text)); }
    void AddNumber(int value) {
        QByteArray number = QByteArray::number(value);
        Add((value < 0 ? number : QByteArray(" ") + number) + ' ');
    }
    QByteArray Finish() const { return bytes_ + kLineEnd; }

private:
    void Add(const QByteArray& item) {
        if (!first_) {
            // The next zone lies strictly beyond the previous item, so an item that fills its
            // zone exactly is still followed by blanks and never runs into the next one.
            qsizetype column = bytes_.size();
            qsizetype next = (column / kPrintZoneWidth + 1) * kPrintZoneWidth;
            bytes_.append(QByteArray(next - column, ' '));
        }
        first_ = false;
        bytes_.append(item);
    }

    QByteArray bytes_;
    bool first_ = true;
};

void AppendToLog(int errNumber, const QString& errText, const QString& procName) {
    QString path = QDir(CMethod::LogFolder()).filePath(QStringLiteral("Err.log"));
    bool isNew = !QFileInfo::exists(path);
    QFile log(path);
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append))
        return;

    QByteArray text;
    if (isNew) {
        ZoneLine header;
        header.AddText(QStringLiteral("ErrorCode"));
        header.AddText(QStringLiteral("Date/Time"));
        header.AddText(QStringLiteral("ModuleName"));
        header.AddText(QStringLiteral("Content"));
        text += header.Finish();
    }
    QLocale locale = QLocale::system();
    ZoneLine entry;
    entry.AddNumber(errNumber);
    entry.AddText(locale.toString(QDate::currentDate(), QLocale::ShortFormat) + QLatin1Char(' ') +
                  locale.toString(QTime::currentTime(), QLocale::ShortFormat));
    entry.AddText(procName);
    entry.AddText(errText);
    text += entry.Finish();
    log.write(text);
}

} // namespace

void CMethod::ErrReg(int errNumber, const QString& errText, const QString& procName) {
    if (errNumber == 0)
        return;
    // Nothing may escape from here: every caller is already on its failure path.
    try {
        QString closing = IsJapaneseSystem() ? QStringLiteral("どうかこれを控えて報告をお願いいたします。")
                                             : QStringLiteral("Please note this message and report.");
        const QString crlf = QStringLiteral("\r\n");
        QString message = procName + crlf + crlf + errText + crlf + crlf + QStringLiteral("[ErrCode] ") +
                          QString::number(errNumber) + crlf + crlf + closing;

        ErrorBox box;
        {
            QMutexLocker lock(&Settings().mutex);
            box = Settings().box;
        }
        if (box)
            box(QStringLiteral("ERROR"), message);
        else
            DefaultErrorBox(QStringLiteral("ERROR"), message);
    } catch (...) {
    }
    try {
        // One line at a time, so that reports from two threads never interleave in the file.
        static QMutex logMutex;
        QMutexLocker lock(&logMutex);
        AppendToLog(errNumber, errText, procName);
    } catch (...) {
    }
}

void CMethod::SetErrorBox(ErrorBox box) {
    QMutexLocker lock(&Settings().mutex);
    Settings().box = std::move(box);
}

void CMethod::ResetErrorBox() {
    SetErrorBox(nullptr);
}

QString CMethod::LogFolder() {
    {
        QMutexLocker lock(&Settings().mutex);
        if (!Settings().logFolder.isEmpty())
            return Settings().logFolder;
    }
    return LibraryFolder();
}

void CMethod::SetLogFolder(const QString& folder) {
    QMutexLocker lock(&Settings().mutex);
    Settings().logFolder = folder;
}

void CMethod::TextSelOp(QLineEdit* textBox) {
    // The keyboard can only be asked about modifiers; Tab is known to the focus-in event alone.
    bool altHeld = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier);
    TextSelOp(textBox, altHeld);
}

void CMethod::TextSelOp(QLineEdit* textBox, bool tabOrAltHeld) {
    Guarded(*this, QStringLiteral("TextSelOp"), 0, [&] {
        if (textBox == nullptr)
            Raise(91);
        if (tabOrAltHeld)
            textBox->setSelection(0, int(textBox->text().size()));
        else
            textBox->setCursorPosition(textBox->cursorPosition());
        return 0;
    });
}

void CMethod::DrawButtonEdge(QPainter& painter, const QWidget* control, int edgeStyle, int spread) {
    Guarded(*this, QStringLiteral("DrawButtonEdge"), 0, [&] {
        if (control == nullptr)
            Raise(91);
        // A ring cannot be raised and sunken at once; anything beyond the four ring bits is no style.
        if (edgeStyle <= 0 || (edgeStyle & ~0xF) != 0 || (edgeStyle & 0x3) == 0x3 || (edgeStyle & 0xC) == 0xC)
            Raise(InvalidCall);
        if (!painter.isActive())
            Raise(InvalidCall);

        const QRect geometry = control->geometry();
        // Outer bounds: right and bottom are one past the last pixel, as the edge rectangle is given.
        const int left = geometry.left() - spread;
        const int top = geometry.top() - spread;
        const int right = geometry.left() + geometry.width() + spread;
        const int bottom = geometry.top() + geometry.height() + spread;
        if (right - left < 2 || bottom - top < 2)
            return 0;

        const QPalette& palette = control->palette();
        auto ring = [&](int inset, const QColor& topLeft, const QColor& bottomRight) {
            const int l = left + inset, t = top + inset, r = right - 1 - inset, b = bottom - 1 - inset;
            if (r < l || b < t)
                return;
            painter.save();
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(topLeft, 0));
            painter.drawLine(l, t, r - 1, t);
            painter.drawLine(l, t, l, b - 1);
            painter.setPen(QPen(bottomRight, 0));
            painter.drawLine(l, b, r, b);
            painter.drawLine(r, t, r, b);
            painter.restore();
        };
        if (edgeStyle & RaisedOuter)
            ring(0, palette.color(QPalette::Light), palette.color(QPalette::Shadow));
        else if (edgeStyle & SunkenOuter)
            ring(0, palette.color(QPalette::Dark), palette.color(QPalette::Light));
        if (edgeStyle & RaisedInner)
            ring(1, palette.color(QPalette::Midlight), palette.color(QPalette::Dark));
        else if (edgeStyle & SunkenInner)
            ring(1, palette.color(QPalette::Shadow), palette.color(QPalette::Midlight));
        return 0;
    });
}

} // namespace hlpkit
