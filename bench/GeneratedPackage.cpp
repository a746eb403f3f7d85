#include "bench/GeneratedPackage.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace bench {
namespace {

void WriteLines(const QString& path, const QByteArray& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(text);
}

// Hands out table bytes no other field uses: a loadable package gives every field bytes of its
// own, outside the header record and the feed table.
class FreeBytes {
public:
    int Take(int size) {
        static constexpr int kRanges[][2] = {{20, 4031}, {4067, 4096}, {6864, 8192}};
        while (range_ < 3) {
            if (next_ < kRanges[range_][0])
                next_ = kRanges[range_][0];
            if (next_ + size <= kRanges[range_][1]) {
                next_ += size;
                return next_ - size;
            }
            ++range_;
        }
        qFatal("the generated package does not fit in one table");
    }

private:
    int range_ = 0;
    int next_ = 0;
};

} // namespace

platform::Answer SilentPrompter::Message(platform::BoxKind, const QString&, const QString& text) {
    qFatal("unexpected message: %s", qPrintable(text));
}

void WritePackage(const QString& folder, int digitals, int signalCount, int functions) {
    const QDir dir(folder);
    constexpr int kModes = 10;
    QByteArray modes;
    for (int m = 0; m < kModes; ++m)
        modes += "MODE" + QByteArray::number(m) + "\r\n";
    WriteLines(dir.filePath("Set01.e"), modes);

    FreeBytes bytes;
    QByteArray digitalLines;
    QByteArray selectionLines;
    for (int d = 0; d < digitals; ++d) {
        const QByteArray mode = "MODE" + QByteArray::number(d % kModes);
        const QByteArray name = "D" + QByteArray::number(d);
        const bool selection = d % 5 == 0;
        const int size = d % 3 == 0 ? 2 : 1;
        const int address = bytes.Take(size);
        digitalLines += mode + '\t' + name + '\t' + (selection ? "SEL" : "NUM") + "\tmm\t0\t" +
                        (size == 2 ? "60000" : "250") + "\tAdvice of " + name +
                        "\tFirst line<RETURN>second line\t" + QByteArray::number(address) + '\t' +
                        QByteArray::number(size) + "\r\n";
        if (selection)
            for (int s = 0; s < 3; ++s)
                selectionLines += mode + '\t' + name + "\tCHOICE" + QByteArray::number(s) + '\t' +
                                  QByteArray::number(s) + "\r\n";
    }
    WriteLines(dir.filePath("Set02.e"), digitalLines);
    WriteLines(dir.filePath("Set03.e"), selectionLines);

    QByteArray inputs;
    QByteArray outputs;
    for (int s = 0; s < signalCount; ++s) {
        if (s % 2 == 0) {
            inputs += "I" + QByteArray::number(s) + "\tIN\tStandard input";
            for (int field = 0; field < 3; ++field)
                inputs += '\t' + QByteArray::number(bytes.Take(1));
            inputs += "\r\n";
        } else {
            outputs += "O" + QByteArray::number(s) + "\tOUT\tStandard output";
            for (int field = 0; field < 3; ++field)
                outputs += '\t' + QByteArray::number(bytes.Take(1));
            for (int word = 0; word < 5; ++word)
                outputs += '\t' + QByteArray::number(bytes.Take(2));
            outputs += "\r\n";
        }
    }
    WriteLines(dir.filePath("Set04.e"), inputs);
    WriteLines(dir.filePath("Set05.e"), outputs);

    for (const char* table : {"Set06.e", "Set07.e"}) {
        QByteArray lines;
        for (int f = 0; f < functions; ++f)
            lines += "FUNC" + QByteArray::number(f) + '\t' + QByteArray::number(f) + "\tWhat function " +
                     QByteArray::number(f) + " does\r\n";
        WriteLines(dir.filePath(table), lines);
    }
}

bool PackWithLha(const QString& folder, const QString& archive) {
    const QString lha = QStandardPaths::findExecutable(QStringLiteral("lha"));
    if (lha.isEmpty())
        return false;
    QFile::remove(archive);
    QProcess process;
    process.setWorkingDirectory(folder);
    QStringList arguments{QStringLiteral("aq"), archive};
    for (int n = 1; n <= 7; ++n)
        arguments << QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
    process.start(lha, arguments);
    return process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace bench
