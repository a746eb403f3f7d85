#include "shell/gui/ProgramRun.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    return vokg::RunProgram(vokg::ParseProgramArguments(QApplication::arguments()));
}
