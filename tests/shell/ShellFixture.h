#pragma once

#include "hlpkit/CMethod.h"
#include "hlpkit/CProperty.h"
#include "shell/App.h"
#include "tests/support/ScriptedPrompter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <memory>

// A program folder of its own for each test: the sample definition archive or its extracted
// tables, the settings store in test mode, error boxes captured and Err.log in the folder.
class ShellFixture {
public:
    ShellFixture() {
        QStandardPaths::setTestModeEnabled(true);
        auto boxes = boxes_;
        hlpkit::CMethod::SetErrorBox([boxes](const QString&, const QString& text) { boxes->append(text); });
        hlpkit::CMethod::SetLogFolder(folder_.path());
        // A settings file of its own, so that tests running side by side never share settings.
        appName_ = QStringLiteral("VOKG_TEST_%1_%2")
                       .arg(QCoreApplication::applicationPid())
                       .arg(QRandomGenerator::global()->generate());
        QFile::remove(hlpkit::CProperty::SettingsFile(appName_));
        app_ = std::make_unique<vokg::App>(prompter_,
                                           vokg::ProgramIdentity{folder_.path(), appName_, folder_.path()});
        app_->CreateActiveX();
    }
    ~ShellFixture() {
        app_.reset();
        QFile::remove(hlpkit::CProperty::SettingsFile(appName_));
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
    }
    ShellFixture(const ShellFixture&) = delete;
    ShellFixture& operator=(const ShellFixture&) = delete;

    vokg::App& App() { return *app_; }
    testsupport::ScriptedPrompter& Prompter() { return prompter_; }
    QString Folder() const { return folder_.path(); }
    QString PathOf(const QString& name) const { return QDir(folder_.path()).filePath(name); }
    const QStringList& ErrorBoxes() const { return *boxes_; }

    // The text of a setting as the store holds it, and planting one, past the typed settings.
    QString StoredSetting(const QString& key) const {
        return app_->Property().ReadEntry(appName_, QStringLiteral("Setting"), key);
    }
    bool StoreSetting(const QString& key, const QString& text) const {
        return app_->Property().WriteEntry(appName_, QStringLiteral("Setting"), key, text);
    }

    // The procedure named by each error box, in order (the first line of its text).
    QStringList ReportedProcedures() const {
        QStringList names;
        for (const QString& text : *boxes_)
            names.append(text.section(QStringLiteral("\r\n"), 0, 0));
        return names;
    }
    QByteArray ErrorLog() const {
        QFile log(PathOf(QStringLiteral("Err.log")));
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    }

    // Copies the sample machine's extracted tables into the program folder.
    void CopySampleTables() const {
        for (int n = 1; n <= 7; ++n) {
            const QString name = QStringLiteral("Set%1.e").arg(n, 2, 10, QLatin1Char('0'));
            QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/") + name, PathOf(name));
        }
    }
    void CopySampleArchive() const {
        QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/data/definitions/VOKG_SET.e"),
                    PathOf(QStringLiteral("VOKG_SET.e")));
    }
    // Copies a sample data file (and for a design file its companion) into the folder.
    QString CopySample(const QString& name) const {
        QFile::copy(QStringLiteral(VOKG_SOURCE_DIR "/samples/") + name, PathOf(name));
        QFile::setPermissions(PathOf(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return PathOf(name);
    }

private:
    QTemporaryDir folder_;
    QString appName_;
    testsupport::ScriptedPrompter prompter_;
    std::shared_ptr<QStringList> boxes_ = std::make_shared<QStringList>();
    std::unique_ptr<vokg::App> app_;
};
