#include "shell/gui/ProgramRun.h"

#include <QApplication>
#include <QStringList>

int main(int argc, char* argv[]) {
    // --help and --version are answered before the window system is asked for, so that they work
    // on a terminal without a display. The window system's own options (-platform, ...) are
    // unknown here: mistakes are only reported once it has taken those out.
    QStringList raw;
    for (int index = 0; index < argc; ++index)
        raw.append(QString::fromLocal8Bit(argv[index]));
    const vokg::ProgramOptions early = vokg::ParseProgramArguments(raw);
    if (early.answerOnly && early.answerStatus == 0)
        return vokg::PrintAnswer(early);
    QApplication application(argc, argv);
    return vokg::RunProgram(vokg::ParseProgramArguments(QApplication::arguments()));
}
