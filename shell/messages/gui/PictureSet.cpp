#include "shell/messages/gui/PictureSet.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <functional>

namespace vokg {

namespace {

constexpr int kIconSize = 32;
constexpr int kBitmapSize = 16;
constexpr int kCursorSize = 32;

QImage Canvas(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A window with a coloured title bar; each kind of window gets its own colour and content so
// that the window list and the task bar tell them apart.
QImage WindowIcon(const QColor& titleColour, const std::function<void(QPainter&)>& content) {
    QImage image = Canvas(kIconSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(1.5, 2.5, 29, 27), 2, 2);
    painter.fillRect(QRectF(2, 3, 28, 6), titleColour);
    content(painter);
    return image;
}

void GridContent(QPainter& painter) {
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    for (int y = 13; y <= 27; y += 4)
        painter.drawLine(QPointF(5, y), QPointF(27, y));
    painter.drawLine(QPointF(14, 12), QPointF(14, 28));
}

void ArrowContent(QPainter& painter, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(6, 16), QPointF(18, 16), QPointF(18, 12), QPointF(26, 19),
                                   QPointF(18, 26), QPointF(18, 22), QPointF(6, 22)}));
}

QImage MakeIcon(int id) {
    switch (id) {
    case PictureId::MainWindowIcon:
        return WindowIcon(QColor(0, 64, 128), [](QPainter& painter) {
            // a needle over a seam
            painter.setPen(QPen(QColor(80, 80, 80), 2));
            painter.drawLine(QPointF(16, 11), QPointF(16, 22));
            painter.setPen(QPen(QColor(200, 0, 0), 2, Qt::DashLine));
            painter.drawLine(QPointF(5, 25), QPointF(27, 25));
        });
    case PictureId::ParameterWindowIcon:
        return WindowIcon(QColor(0, 128, 0), GridContent);
    case PictureId::FeedWindowIcon:
        return WindowIcon(QColor(128, 64, 0),
                          [](QPainter& painter) { ArrowContent(painter, QColor(0, 96, 192)); });
    case PictureId::CustomizeWindowIcon:
        return WindowIcon(QColor(0, 128, 0), [](QPainter& painter) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(255, 133, 133));
            painter.drawEllipse(QRectF(6, 13, 8, 8));
            painter.setBrush(QColor(185, 185, 255));
            painter.drawEllipse(QRectF(18, 19, 8, 8));
        });
    case PictureId::PitchWindowIcon:
        return WindowIcon(QColor(128, 64, 0), [](QPainter& painter) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0, 96, 192));
            for (int column = 0; column < 5; ++column)
                painter.drawRect(QRectF(5 + column * 5, 27 - (column + 1) * 3, 3, (column + 1) * 3));
        });
    case PictureId::PrintDialogIcon:
        return WindowIcon(QColor(64, 64, 64), [](QPainter& painter) {
            painter.setPen(QPen(QColor(60, 60, 60), 1));
            painter.setBrush(QColor(200, 200, 200));
            painter.drawRect(QRectF(7, 17, 18, 8));
            painter.setBrush(Qt::white);
            painter.drawRect(QRectF(10, 12, 12, 6));
        });
    case PictureId::SelectionTreeIcon:
        return WindowIcon(QColor(0, 64, 128), [](QPainter& painter) {
            painter.setPen(QPen(QColor(90, 90, 90), 1));
            painter.drawLine(QPointF(8, 12), QPointF(8, 26));
            painter.drawLine(QPointF(8, 18), QPointF(14, 18));
            painter.drawLine(QPointF(8, 26), QPointF(14, 26));
            painter.fillRect(QRectF(15, 16, 10, 4), QColor(255, 0, 0));
            painter.fillRect(QRectF(15, 24, 10, 4), QColor(0, 0, 255));
        });
    default:
        return {};
    }
}

QImage TreeArrow(const QColor& colour) {
    QImage image = Canvas(kBitmapSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({QPointF(3, 6), QPointF(8, 6), QPointF(8, 2), QPointF(14, 8),
                                   QPointF(8, 14), QPointF(8, 10), QPointF(3, 10)}));
    return image;
}

QImage MakeBitmap(int id) {
    switch (id) {
    case PictureId::CloseBitmap: {
        QImage image = Canvas(kBitmapSize);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(192, 0, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(4, 4), QPointF(12, 12));
        painter.drawLine(QPointF(12, 4), QPointF(4, 12));
        return image;
    }
    case PictureId::OpenBitmap:
    case PictureId::TreeParentBitmap: {
        // an open folder for the toolbar; a closed one heads the tree's group
        QImage image = Canvas(kBitmapSize);
        QPainter painter(&image);
        painter.setPen(QPen(QColor(128, 96, 0), 1));
        painter.setBrush(QColor(255, 208, 64));
        painter.drawRect(QRectF(1.5, 4.5, 12, 9));
        painter.drawRect(QRectF(1.5, 2.5, 5, 2));
        if (id == PictureId::OpenBitmap) {
            painter.setBrush(QColor(255, 232, 128));
            painter.drawPolygon(
                QPolygonF({QPointF(4.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
        }
        return image;
    }
    case PictureId::SaveBitmap: {
        QImage image = Canvas(kBitmapSize);
        QPainter painter(&image);
        painter.setPen(QPen(QColor(0, 0, 96), 1));
        painter.setBrush(QColor(48, 80, 160));
        painter.drawRect(QRectF(1.5, 1.5, 13, 13));
        painter.fillRect(QRectF(4, 2, 8, 5), Qt::white);
        painter.fillRect(QRectF(5, 10, 6, 4), QColor(200, 200, 200));
        return image;
    }
    case PictureId::PrintBitmap: {
        QImage image = Canvas(kBitmapSize);
        QPainter painter(&image);
        painter.setPen(QPen(QColor(60, 60, 60), 1));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 1.5, 7, 5));
        painter.setBrush(QColor(190, 190, 190));
        painter.drawRect(QRectF(1.5, 6.5, 13, 6));
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(4.5, 10.5, 7, 4));
        return image;
    }
    case PictureId::TreeArrowRedBitmap:
        return TreeArrow(QColor(255, 0, 0));
    case PictureId::TreeArrowBlueBitmap:
        return TreeArrow(QColor(0, 0, 255));
    case PictureId::TreeArrowChosenBitmap:
        return TreeArrow(QColor(0, 160, 0));
    default:
        return {};
    }
}

QImage MakeCursor(int id) {
    if (id != PictureId::PointingCursor)
        return {};
    QImage image = Canvas(kCursorSize);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPolygon(QPolygonF({QPointF(1, 1), QPointF(1, 17), QPointF(5, 13), QPointF(8, 20),
                                   QPointF(11, 19), QPointF(8, 12), QPointF(13, 12)}));
    return image;
}

} // namespace

std::optional<Picture> LoadPictureById(int id) {
    if (id < 0)
        return std::nullopt;
    Picture picture{PictureKind::Icon, id, {}, {}};
    switch (id / 100) {
    case 0:
        picture.image = MakeIcon(id);
        break;
    case 1:
        picture.kind = PictureKind::Bitmap;
        picture.image = MakeBitmap(id);
        break;
    case 2:
        picture.kind = PictureKind::Cursor;
        picture.image = MakeCursor(id);
        picture.hotSpot = QPoint(1, 1);
        break;
    default:
        return std::nullopt;
    }
    if (picture.image.isNull())
        return std::nullopt;
    return picture;
}

QPixmap ToPixmap(const Picture& picture) {
    return QPixmap::fromImage(picture.image);
}

QIcon ToIcon(const Picture& picture) {
    return QIcon(ToPixmap(picture));
}

QCursor ToCursor(const Picture& picture) {
    return QCursor(ToPixmap(picture), picture.hotSpot.x(), picture.hotSpot.y());
}

} // namespace vokg
