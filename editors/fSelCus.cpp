#include "editors/fSelCus.h"

#include "editors/rules/SelCusRules.h"
#include "hlpkit/RunError.h"
#include "platform/gui/Grid.h"
#include "platform/gui/Tree.h"
#include "shell/messages/Messages.h"
#include "shell/messages/gui/PictureSet.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace vokg {
namespace {

constexpr int kCaption = 121;
constexpr int kSelect = 117;
constexpr int kCancel = 118;
constexpr int kFind = 119;
const QColor kGroupColor(0, 64, 128);
constexpr int kIndentation = 10;

int Pixels(int twips) {
    return (twips + platform::Grid::TwipsPerPixel / 2) / platform::Grid::TwipsPerPixel;
}

QPixmap PictureOf(int id) {
    const std::optional<Picture> picture = LoadPictureById(id);
    return picture ? ToPixmap(*picture) : QPixmap();
}

} // namespace

fSelCus::fSelCus(SelCusRules& rules, hlpkit::CMethod& method, QRect& place, QWidget* parent)
    : QDialog(parent), rules_(rules), method_(method), place_(place) {
    setObjectName(QStringLiteral("fSelCus"));
    tv_ = new platform::Tree(this);
    tv_->setObjectName(QStringLiteral("tv"));
    btnSelect_ = new QPushButton(LoadMsg(kSelect), this);
    btnSelect_->setObjectName(QStringLiteral("BTN1"));
    btnSelect_->setDefault(true);
    btnCancel_ = new QPushButton(LoadMsg(kCancel), this);
    btnCancel_->setObjectName(QStringLiteral("BTN2"));
    btnFind_ = new QPushButton(LoadMsg(kFind), this);
    btnFind_->setObjectName(QStringLiteral("btnFind"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(btnFind_);
    buttons->addStretch();
    buttons->addWidget(btnSelect_);
    buttons->addWidget(btnCancel_);
    // The tree fills the client area, keeping its margins, however the window is sized.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(tv_, 1);
    layout->addLayout(buttons);

    connect(btnSelect_, &QPushButton::clicked, this, [this] { SelectCommand(); });
    connect(btnCancel_, &QPushButton::clicked, this, [this] { reject(); });
    connect(btnFind_, &QPushButton::clicked, this, [this] { FindCommand(); });
    tv_->Events().DblClick = [this](int node) {
        // A double click chooses only a function, never a group.
        if (tv_->Children(node) == 0)
            SelectCommand();
    };
    Form_Load();
}

fSelCus::~fSelCus() = default;

QPushButton* fSelCus::BTN(int index) const {
    return index == 1 ? btnSelect_ : index == 2 ? btnCancel_ : nullptr;
}

void fSelCus::Form_Load() {
    if (place_.width() > 0 && place_.height() > 0)
        setGeometry(Pixels(place_.left()), Pixels(place_.top()), Pixels(place_.width()),
                    Pixels(place_.height()));
    setWindowTitle(LoadMsg(kCaption));
    if (const std::optional<Picture> icon = LoadPictureById(PictureId::SelectionTreeIcon))
        setWindowIcon(ToIcon(*icon));
    tv_->SetImage(QStringLiteral("keyParent"), PictureOf(PictureId::TreeParentBitmap));
    tv_->SetImage(QStringLiteral("keyRArrowRed"), PictureOf(PictureId::TreeArrowRedBitmap));
    tv_->SetImage(QStringLiteral("keyRArrowBlue"), PictureOf(PictureId::TreeArrowBlueBitmap));
    tv_->SetImage(QStringLiteral("keyRArrow2"), PictureOf(PictureId::TreeArrowChosenBitmap));
    tv_->SetRootLines(true);
    tv_->SetIndentation(kIndentation);
    hlpkit::Guarded(method_, QStringLiteral("Create_Child"), false, [&] {
        for (const SelCusRules::Node& node : rules_.BuildNodes()) {
            const int added = tv_->Add(node.parentKey, node.key, node.text, node.image, node.selectedImage);
            if (node.isGroup)
                tv_->SetForeColor(added, kGroupColor);
        }
        return true;
    });
    tv_->ExpandRoot(rules_.ParentKeys());
    hlpkit::Guarded(method_, QStringLiteral("SelectOriginalNode"), false, [&] {
        const std::optional<int> original = rules_.SelectOriginalNode();
        tv_->SetSelectedNode(original);
        if (original)
            tv_->EnsureVisible(*original);
        return true;
    });
}

void fSelCus::SelectCommand() {
    if (!rules_.Select(tv_->SelectedNode())) {
        tv_->setFocus();
        return;
    }
    chosen_ = true;
    accept();
}

void fSelCus::FindCommand() {
    if (const std::optional<int> found = rules_.Find()) {
        tv_->SetSelectedNode(*found);
        tv_->EnsureVisible(*found);
        tv_->setFocus();
    }
}

void fSelCus::done(int result) {
    // Closing in any way but Select is Cancel.
    if (!chosen_)
        rules_.Cancel();
    SaveRegData();
    QDialog::done(result);
}

void fSelCus::SaveRegData() {
    hlpkit::Guarded(method_, QStringLiteral("SaveRegData"), false, [&] {
        const QRect shown = geometry();
        const int twips = platform::Grid::TwipsPerPixel;
        place_ =
            QRect(shown.left() * twips, shown.top() * twips, shown.width() * twips, shown.height() * twips);
        return true;
    });
}

} // namespace vokg
