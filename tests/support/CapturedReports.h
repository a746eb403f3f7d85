#pragma once

#include "hlpkit/CMethod.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

// Catches every error box the library would show and sends Err.log to a temporary folder,
// for as long as it lives: no test ever blocks on a box or writes beside the real library.
class CapturedReports {
public:
    struct Box {
        QString title;
        QString text;
    };

    CapturedReports() : boxes_(std::make_shared<QList<Box>>()) {
        auto boxes = boxes_;
        hlpkit::CMethod::SetErrorBox([boxes](const QString& title, const QString& text) {
            boxes->append({title, text});
        });
        hlpkit::CMethod::SetLogFolder(folder_.path());
    }
    ~CapturedReports() {
        hlpkit::CMethod::ResetErrorBox();
        hlpkit::CMethod::SetLogFolder(QString());
    }
    CapturedReports(const CapturedReports&) = delete;
    CapturedReports& operator=(const CapturedReports&) = delete;

    const QList<Box>& boxes() const { return *boxes_; }
    int count() const { return int(boxes_->size()); }
    // The procedure name a box reports: the text up to the first line break.
    QString procedure(int index) const {
        return boxes_->at(index).text.section(QStringLiteral("\r\n"), 0, 0);
    }
    QString folder() const { return folder_.path(); }
    QString logPath() const { return folder_.filePath(QStringLiteral("Err.log")); }

private:
    QTemporaryDir folder_;
    std::shared_ptr<QList<Box>> boxes_;
};
