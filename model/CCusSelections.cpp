#include "model/CCusSelections.h"

#include "hlpkit/RunError.h"
#include "model/DefinitionFile.h"
#include "shell/messages/Messages.h"

namespace vokg {
namespace {
constexpr int kCustomizeCategory = 262;
}

QString CCusSelections::CategoryByDigital(const QString& name) const {
    const qint16 value = ValueByDigital(name);
    if (value == -1)
        return {};
    const CCusSelection* function = items_.Find(QString::number(value));
    return function ? function->Category() : QString();
}

bool CCusSelections::ReadSet6_7_8_9e(const QString& path) {
    return hlpkit::Guarded(context_.method, QStringLiteral("ReadSet6_7_8_9e"), false, [&] {
        const DefinitionFile table = DefinitionFile::Open(path);
        for (qsizetype line = 0; line < table.LineCount(); ++line) {
            const QStringList fields = table.Fields(line, 3);
            const QString name = DefinitionFile::TrimSpaces(fields[0]);
            const qint16 value = table.Int16Field(line, fields, 1);
            if (dicValue_.contains(QString::number(value)))
                throw table.LineError(hlpkit::DuplicateKey, line,
                                      QStringLiteral("the function value %1 is taken twice").arg(value));
            if (dicDigital_.contains(name))
                throw table.LineError(hlpkit::DuplicateKey, line,
                                      QStringLiteral("the function \"%1\" is defined twice").arg(name));
            Add(name, value, fields[2]);
        }
        return true;
    });
}

CCusSelection& CCusSelections::Add(const QString& name, qint16 value, const QString& advice) {
    const QString key = QString::number(value);
    if (dicDigital_.contains(name))
        throw hlpkit::RunError(hlpkit::DuplicateKey, KeyedCollection<CCusSelection>::DuplicateKeyText(name));
    auto function = std::make_unique<CCusSelection>();
    function->SetDitigal(name);
    function->SetValue(value);
    function->SetAdvice(advice);
    function->SetCategory(LoadMsg(kCustomizeCategory));
    CCusSelection& added = items_.Append(key, std::move(function));
    dicDigital_.insert(name, value);
    dicValue_.insert(key);
    return added;
}

bool CCusSelections::Remove(qsizetype index) {
    const CCusSelection* function = items_.At(index);
    if (!function)
        return false;
    dicDigital_.remove(function->Ditigal());
    dicValue_.remove(QString::number(function->Value()));
    return items_.Remove(index);
}

bool CCusSelections::Remove(const QString& valueText) {
    const CCusSelection* function = items_.Find(valueText);
    if (!function)
        return false;
    dicDigital_.remove(function->Ditigal());
    dicValue_.remove(QString::number(function->Value()));
    return items_.Remove(valueText);
}

qint16 CCusSelections::ValueByDigital(const QString& name) const {
    return dicDigital_.value(name, qint16(-1));
}

QString CCusSelections::CategoryByValue(qint16 value) const {
    const QString key = QString::number(value);
    if (!dicValue_.contains(key))
        return QStringLiteral("-1");
    const CCusSelection* function = items_.Find(key);
    return function ? function->Category() : QStringLiteral("-1");
}

} // namespace vokg
