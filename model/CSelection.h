#pragma once

#include <QString>

namespace vokg {

// One choice of a selection digital: the text the user sees and the value stored in the file.
class CSelection {
public:
    CSelection(QString selection, qint32 value) : selection_(std::move(selection)), value_(value) {}

    const QString& Selection() const { return selection_; }
    void SetSelection(const QString& selection) { selection_ = selection; }
    qint32 Value() const { return value_; }
    void SetValue(qint32 value) { value_ = value; }

private:
    QString selection_;
    qint32 value_;
};

} // namespace vokg
