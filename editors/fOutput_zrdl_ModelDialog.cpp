#include "editors/fOutput_zrdl_ModelDialog.h"

#include "editors/fOutput_zrdl_Model.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vokg {
namespace {

QPushButton* MakeButton(const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

QLineEdit* MakeBox(const QString& name) {
    auto* box = new QLineEdit;
    box->setObjectName(name);
    return box;
}

} // namespace

fOutput_zrdl_ModelDialog::fOutput_zrdl_ModelDialog(fOutput_zrdl_Model& form, QWidget* parent)
    : QDialog(parent), form_(form) {
    setObjectName(QStringLiteral("fOutput_zrdl_Model"));
    setWindowTitle(QStringLiteral("zrdl_Model出力"));

    txtFileHinagata_ = MakeBox(QStringLiteral("txtFileHinagata"));
    txtFileNew_ = MakeBox(QStringLiteral("txtFileNew"));
    txtKishu_ = MakeBox(QStringLiteral("txtKishu"));
    txtSectionNo_ = MakeBox(QStringLiteral("txtSectionNo"));
    btnSpecifyHinagata_ = MakeButton(QStringLiteral("指定(&O)"), QStringLiteral("btnSpecifyHinagata"));
    btnSpecifyNew_ = MakeButton(QStringLiteral("指定(&N)"), QStringLiteral("btnSpecifyNew"));
    btnRule_ = MakeButton(QStringLiteral("ひな形ファイルのルール(&R)"), QStringLiteral("btnRule"));
    btnCreate_ = MakeButton(QStringLiteral("作成(&G)"), QStringLiteral("BTN1"));
    btnCancel_ = MakeButton(QString(), QStringLiteral("BTN9"));
    txtFileHinagata_->setMinimumWidth(420);

    auto* boxes = new QGridLayout;
    const auto label = [](const QString& text, QWidget* buddy) {
        auto* caption = new QLabel(text);
        caption->setBuddy(buddy);
        return caption;
    };
    boxes->addWidget(label(QStringLiteral("ひな形となる zrdl_Model.c"), txtFileHinagata_), 0, 0, 1, 2);
    boxes->addWidget(txtFileHinagata_, 1, 0);
    boxes->addWidget(btnSpecifyHinagata_, 1, 1);
    boxes->addWidget(label(QStringLiteral("新たに作成する zrdl_G[機種].c"), txtFileNew_), 2, 0, 1, 2);
    boxes->addWidget(txtFileNew_, 3, 0);
    boxes->addWidget(btnSpecifyNew_, 3, 1);
    auto* model = new QHBoxLayout;
    model->addWidget(label(QStringLiteral("機種名"), txtKishu_));
    model->addWidget(txtKishu_, 1);
    model->addWidget(label(QStringLiteral("セクション番号"), txtSectionNo_));
    model->addWidget(txtSectionNo_);
    boxes->addLayout(model, 4, 0, 1, 2);
    auto* note = new QLabel(QStringLiteral("※ファイル名の[機種]の部分は機種名で置き換えられます."));
    note->setObjectName(QStringLiteral("lblNote"));
    boxes->addWidget(note, 5, 0, 1, 2);

    auto* commands = new QHBoxLayout;
    commands->addWidget(btnRule_);
    commands->addStretch();
    commands->addWidget(btnCreate_);
    commands->addWidget(btnCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(commands);

    connect(btnSpecifyHinagata_, &QPushButton::clicked, this, [this] {
        TakeBoxes();
        form_.SpecifyHinagata();
        ShowBoxes();
    });
    connect(btnSpecifyNew_, &QPushButton::clicked, this, [this] {
        TakeBoxes();
        form_.SpecifyNew();
        ShowBoxes();
    });
    connect(btnRule_, &QPushButton::clicked, this, [this] { form_.ShowRules(); });
    connect(btnCreate_, &QPushButton::clicked, this, [this] {
        TakeBoxes();
        const fOutput_zrdl_Model::CreateResult created = form_.Create();
        ShowBoxes();
        if (!created.focus)
            return;
        switch (*created.focus) {
        case ModelSourceBox::Template:
            txtFileHinagata_->setFocus();
            break;
        case ModelSourceBox::NewFile:
            txtFileNew_->setFocus();
            break;
        case ModelSourceBox::Model:
            txtKishu_->setFocus();
            break;
        }
    });
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    form_.Load();
    ShowBoxes();
}

fOutput_zrdl_ModelDialog::~fOutput_zrdl_ModelDialog() {
    Unload();
}

void fOutput_zrdl_ModelDialog::done(int result) {
    Unload();
    QDialog::done(result);
}

QPushButton* fOutput_zrdl_ModelDialog::Button(int index) const {
    switch (index) {
    case 1:
        return btnCreate_;
    case 9:
        return btnCancel_;
    default:
        return nullptr;
    }
}

void fOutput_zrdl_ModelDialog::TakeBoxes() {
    form_.SetFileHinagata(txtFileHinagata_->text());
    form_.SetFileNew(txtFileNew_->text());
    form_.SetKishu(txtKishu_->text());
    form_.SetSectionNo(txtSectionNo_->text());
}

void fOutput_zrdl_ModelDialog::ShowBoxes() {
    txtFileHinagata_->setText(form_.FileHinagata());
    txtFileNew_->setText(form_.FileNew());
    txtKishu_->setText(form_.Kishu());
    txtSectionNo_->setText(form_.SectionNo());
    btnCancel_->setText(form_.CancelCaption());
}

void fOutput_zrdl_ModelDialog::Unload() {
    // Stored once, with what the boxes hold as the window goes.
    if (unloaded_)
        return;
    unloaded_ = true;
    TakeBoxes();
    form_.Unload();
}

} // namespace vokg
