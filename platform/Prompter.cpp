#include "platform/Prompter.h"

#include <QFileInfo>

namespace platform {

Prompter::~Prompter() = default;

int Prompter::ChooseTable(const TableChoiceRequest&) {
    return -1;
}

QList<int> Prompter::ChooseTables(int) {
    return {};
}

std::optional<PasswordAuthor> Prompter::EditPasswordAuthor(const PasswordAuthor&) {
    return std::nullopt;
}

int Prompter::ChooseFunction(const FunctionChoiceRequest& request) {
    return request.current;
}

ChoppingTimes Prompter::EditChoppingDuty(const ChoppingTimes& current) {
    return current;
}

bool BoxKindAsks(BoxKind kind) {
    switch (kind) {
    case BoxKind::Question:
    case BoxKind::CriticalYesNo:
    case BoxKind::QuestionYesNoCancel:
    case BoxKind::QuestionYesNoDefaultNo:
    case BoxKind::ExclamationYesNo:
        return true;
    case BoxKind::Critical:
    case BoxKind::Exclamation:
    case BoxKind::Information:
        break;
    }
    return false;
}

QString SaveFileName(const FileDialogRequest& request, const QString& chosen) {
    QString extension = request.defaultExtension;
    while (extension.startsWith(QLatin1Char('.')))
        extension.remove(0, 1);
    if (extension.isEmpty() || chosen.isEmpty())
        return chosen;
    const QString ending = QLatin1Char('.') + extension;
    const bool add = request.extensionAlways ? !chosen.endsWith(ending, Qt::CaseInsensitive)
                                             : QFileInfo(chosen).suffix().isEmpty();
    return add ? chosen + ending : chosen;
}

} // namespace platform
