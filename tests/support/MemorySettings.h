#pragma once

#include "hlpkit/CMethod.h"
#include "shell/messages/ProgramSettings.h"

#include <QHash>
#include <QString>

namespace testsupport {

// The program's settings kept in memory: a test reads and plants the stored texts through the
// hash (value, insert, contains) and hands Typed() to the code under test.
class MemorySettings : public vokg::SettingsStore, public QHash<QString, QString> {
public:
    explicit MemorySettings(const QString& programFolder = QString())
        : programFolder_(programFolder), typed_(*this, method_, programFolder) {}
    // A copy holds the same texts; its typed settings read its own.
    MemorySettings(const MemorySettings& other)
        : vokg::SettingsStore(), QHash<QString, QString>(other), programFolder_(other.programFolder_),
          typed_(*this, method_, programFolder_) {}
    MemorySettings& operator=(const MemorySettings& other) {
        QHash<QString, QString>::operator=(other);
        return *this;
    }

    QString Read(const QString& key) const override { return value(key); }
    bool Write(const QString& key, const QString& text) override {
        insert(key, text);
        return true;
    }
    bool WriteDefault(const QString& key, const QString& text) override {
        if (value(key).isEmpty())
            insert(key, text);
        return true;
    }

    vokg::ProgramSettings& Typed() { return typed_; }

private:
    QString programFolder_;
    hlpkit::CMethod method_;
    vokg::ProgramSettings typed_;
};

} // namespace testsupport
