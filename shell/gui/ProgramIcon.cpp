#include "shell/gui/ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace vokg {
namespace {

const QColor kField(0x1f, 0x5f, 0xa8);
const QColor kThread(0xff, 0xff, 0xff);
const QColor kSignal(0xff, 0xc1, 0x07);

QPixmap Paint(int size) {
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    // <rect x="2" y="2" width="60" height="60" rx="10" fill="#1f5fa8"/>
    painter.setPen(Qt::NoPen);
    painter.setBrush(kField);
    painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
    // Two parameter lines: <path d="M12 16 H26 M12 26 H22" stroke="#ffc107" stroke-width="4"/>
    QPen signal(kSignal, 4, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(signal);
    painter.drawLine(QPointF(12, 16), QPointF(26, 16));
    painter.drawLine(QPointF(12, 26), QPointF(22, 26));
    // The needle: <path d="M40 8 V38" stroke="#ffffff" stroke-width="4"/> with its eye
    QPen thread(kThread, 4, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(thread);
    painter.drawLine(QPointF(40, 8), QPointF(40, 38));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kField);
    painter.drawEllipse(QPointF(40, 14), 1.5, 1.5);
    // The stitches: <path d="M10 48 H18 M24 48 H32 M38 48 H46 M52 48 H54" stroke="#ffffff" stroke-width="4"/>
    painter.setPen(thread);
    for (const auto& [from, to] : {std::pair{10, 18}, {24, 32}, {38, 46}, {52, 54}})
        painter.drawLine(QPointF(from, 48), QPointF(to, 48));
    return picture;
}

} // namespace

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(Paint(size));
    return icon;
}

} // namespace vokg
