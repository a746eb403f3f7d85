#include "shell/gui/fVerInfo.h"

#include "shell/VersionFile.h"
#include "shell/messages/Messages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vokg {
namespace {

constexpr int kClose = 1052;        // "Close   "
constexpr int kMakerVersion = 1590; // "MANUFACTURER Ver"
constexpr int kCaption = 1591;      // "VersionInfo"

} // namespace

fVerInfo::fVerInfo(const QString& filePath, hlpkit::CMethod& method, QWidget* parent)
    : QDialog(parent), filePath_(filePath) {
    setObjectName(QStringLiteral("fVerInfo"));
    setWindowTitle(ResourceText(kCaption));
    lblMakerVerF_ = new QLabel(ResourceText(kMakerVersion));
    lblMakerVerF_->setObjectName(QStringLiteral("lblMakerVerF"));
    lblMakerVer_ = new QLabel(VersionFile::ReadVersionVok(filePath_, method).value_or(QString()));
    lblMakerVer_->setObjectName(QStringLiteral("lblMakerVer"));
    lblMakerVer_->setTextFormat(Qt::PlainText);
    lblMakerVer_->setMinimumWidth(120);
    btnClose_ = new QPushButton(ResourceText(kClose));
    btnClose_->setObjectName(QStringLiteral("BTN1"));
    connect(btnClose_, &QPushButton::clicked, this, &QDialog::accept);

    auto* version = new QHBoxLayout;
    version->addWidget(lblMakerVerF_);
    version->addWidget(lblMakerVer_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnClose_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(version);
    layout->addLayout(buttons);
}

} // namespace vokg
