#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPoint>

#include <optional>

namespace vokg {

// The program's own pictures, by resource id. The hundreds digit says the kind: 0xx icons,
// 1xx bitmaps, 2xx cursors.
namespace PictureId {
inline constexpr int MainWindowIcon = 1;
inline constexpr int ParameterWindowIcon = 2;
inline constexpr int FeedWindowIcon = 3;
inline constexpr int CustomizeWindowIcon = 4;
inline constexpr int PitchWindowIcon = 5;
inline constexpr int PrintDialogIcon = 6;
inline constexpr int SelectionTreeIcon = 7;

inline constexpr int CloseBitmap = 110;
inline constexpr int TreeParentBitmap = 150;      // "keyParent"
inline constexpr int TreeArrowRedBitmap = 151;    // "keyRArrowRed": a function of an input
inline constexpr int TreeArrowBlueBitmap = 152;   // "keyRArrowBlue": a function of an output
inline constexpr int TreeArrowChosenBitmap = 153; // "keyRArrow2": the selected node
inline constexpr int OpenBitmap = 190;
inline constexpr int SaveBitmap = 194;
inline constexpr int PrintBitmap = 196;

inline constexpr int PointingCursor = 201;
} // namespace PictureId

enum class PictureKind { Icon, Bitmap, Cursor };

struct Picture {
    PictureKind kind;
    int id;
    QImage image;
    QPoint hotSpot; // cursors only
};

// The picture with this id: id ÷ 100 = 0 gives the icon, 1 the bitmap, 2 the cursor of that
// id. Nothing for any other id, and nothing for an id of the right range that names no picture.
// Pictures are drawn into images, so this works without a window system.
std::optional<Picture> LoadPictureById(int id);

// The forms the widgets take; these need a running GUI application.
QPixmap ToPixmap(const Picture& picture);
QIcon ToIcon(const Picture& picture);
QCursor ToCursor(const Picture& picture);

} // namespace vokg
