#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPushButton;

namespace hlpkit {
class CMethod;
}

namespace vokg {

// The version-information viewer: the maker's version text of one .vok file. A file that cannot
// be read is reported through the error log and the text stays empty.
class fVerInfo : public QDialog {
    Q_OBJECT

public:
    fVerInfo(const QString& filePath, hlpkit::CMethod& method, QWidget* parent = nullptr);

    const QString& FilePath() const { return filePath_; }
    QLabel* VersionLabel() const { return lblMakerVer_; }
    QPushButton* CloseButton() const { return btnClose_; }

private:
    QString filePath_;
    QLabel* lblMakerVerF_ = nullptr;
    QLabel* lblMakerVer_ = nullptr;
    QPushButton* btnClose_ = nullptr;
};

} // namespace vokg
