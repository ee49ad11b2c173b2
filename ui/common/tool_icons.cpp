#include "ui/common/tool_icons.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <numbers>

#include "ui/common/card_painter.h"

namespace tavexo {

namespace {

const QColor INK(250, 236, 196);
const QColor GOLD(224, 192, 104);
const QColor GREEN(70, 200, 90);
const QColor RED(220, 56, 50);

// Every icon is drawn on a 32 x 32 grid and scaled.
void Draw(QPainter& p, ToolIcon kind) {
    QPen pen(INK, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (kind) {
        case ToolIcon::Beenden: {
            // A door with an arrow leaving it.
            p.drawRect(QRectF(6, 5, 13, 22));
            p.setBrush(INK);
            p.drawEllipse(QPointF(16, 16), 1.2, 1.2);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(RED, 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.drawLine(QPointF(15, 16), QPointF(28, 16));
            p.drawPolyline(QPolygonF({QPointF(23, 11), QPointF(28, 16), QPointF(23, 21)}));
            break;
        }
        case ToolIcon::Start:
        case ToolIcon::Weiter: {
            p.setPen(Qt::NoPen);
            p.setBrush(GREEN);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setBrush(QColor(255, 255, 255));
            p.drawPolygon(QPolygonF({QPointF(12.5, 9), QPointF(23, 16), QPointF(12.5, 23)}));
            break;
        }
        case ToolIcon::Stop: {
            p.setPen(Qt::NoPen);
            p.setBrush(RED);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setBrush(QColor(255, 255, 255));
            p.drawRoundedRect(QRectF(11, 11, 10, 10), 1.5, 1.5);
            break;
        }
        case ToolIcon::Pause: {
            p.setPen(Qt::NoPen);
            p.setBrush(GOLD);
            p.drawEllipse(QRectF(3, 3, 26, 26));
            p.setBrush(QColor(40, 28, 10));
            p.drawRoundedRect(QRectF(11, 9.5, 3.8, 13), 1, 1);
            p.drawRoundedRect(QRectF(17.2, 9.5, 3.8, 13), 1, 1);
            break;
        }
        case ToolIcon::Statistik: {
            p.drawLine(QPointF(5, 27), QPointF(28, 27));
            p.setPen(Qt::NoPen);
            const QColor bars[] = {GOLD, GREEN, RED, INK};
            const double heights[] = {9, 16, 12, 20};
            for (int i = 0; i < 4; ++i) {
                p.setBrush(bars[i]);
                p.drawRect(QRectF(7 + i * 5.3, 25 - heights[i], 4, heights[i]));
            }
            break;
        }
        case ToolIcon::Profile: {
            p.setPen(Qt::NoPen);
            p.setBrush(GOLD);
            p.drawEllipse(QPointF(20, 10), 4.5, 4.5);
            p.drawChord(QRectF(12, 16, 16, 16), 0, 180 * 16);
            p.setBrush(INK);
            p.drawEllipse(QPointF(12, 12), 5, 5);
            p.drawChord(QRectF(3, 19, 18, 18), 0, 180 * 16);
            break;
        }
        case ToolIcon::Trainingszentrum: {
            // A strategy chart: a small grid with coloured cells.
            const QColor cells[] = {GREEN, RED, GOLD, RED, GREEN, GREEN, GOLD, RED, GREEN};
            p.setPen(QPen(QColor(20, 30, 20), 1));
            for (int i = 0; i < 9; ++i) {
                p.setBrush(cells[i]);
                p.drawRect(QRectF(5 + (i % 3) * 7.5, 5 + (i / 3) * 7.5, 7.5, 7.5));
            }
            p.setPen(QPen(INK, 1.6));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(5, 5, 22.5, 22.5));
            break;
        }
        case ToolIcon::Hinweise: {
            // A light bulb.
            p.setPen(QPen(GOLD, 2.2));
            p.setBrush(QColor(255, 236, 150));
            QPainterPath bulb;
            bulb.moveTo(12, 21);
            bulb.cubicTo(6, 16, 7, 4, 16, 4);
            bulb.cubicTo(25, 4, 26, 16, 20, 21);
            bulb.closeSubpath();
            p.drawPath(bulb);
            p.setPen(QPen(INK, 2.2, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(12.5, 24.5), QPointF(19.5, 24.5));
            p.drawLine(QPointF(13.5, 28), QPointF(18.5, 28));
            break;
        }
        case ToolIcon::Zaehlen: {
            // Two cards and a plus one.
            p.setPen(QPen(QColor(90, 90, 90), 1));
            p.setBrush(QColor(252, 252, 250));
            p.drawRoundedRect(QRectF(4, 7, 13, 18), 2, 2);
            p.drawRoundedRect(QRectF(9, 4, 13, 18), 2, 2);
            p.fillPath(QTransform::fromTranslate(12, 8).scale(7, 8).map(SuitPath(3)), RED);
            p.setPen(QPen(GREEN, 2.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(20, 24), QPointF(28, 24));
            p.drawLine(QPointF(24, 20), QPointF(24, 28));
            break;
        }
        case ToolIcon::Optionen: {
            // A gear wheel.
            p.setPen(Qt::NoPen);
            p.setBrush(INK);
            for (int i = 0; i < 8; ++i) {
                p.save();
                p.translate(16, 16);
                p.rotate(i * 45);
                p.drawRect(QRectF(-2.5, -13, 5, 6));
                p.restore();
            }
            p.drawEllipse(QPointF(16, 16), 9, 9);
            p.setBrush(QColor(30, 50, 34));
            p.drawEllipse(QPointF(16, 16), 3.8, 3.8);
            break;
        }
        case ToolIcon::Neues: {
            // A star burst with an exclamation mark.
            QPainterPath star;
            for (int i = 0; i < 16; ++i) {
                const double a = i * std::numbers::pi / 8;
                const double radius = i % 2 == 0 ? 14 : 10;
                const QPointF pt(16 + radius * std::sin(a), 16 - radius * std::cos(a));
                if (i == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            star.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(GOLD);
            p.drawPath(star);
            p.setBrush(QColor(60, 36, 10));
            p.drawRoundedRect(QRectF(14.5, 8, 3, 11), 1.5, 1.5);
            p.drawEllipse(QPointF(16, 23), 1.8, 1.8);
            break;
        }
        case ToolIcon::LiveTische: {
            // A screen showing a table, with a red "live" dot.
            p.setPen(QPen(INK, 2));
            p.setBrush(QColor(0, 90, 20));
            p.drawRoundedRect(QRectF(3, 6, 26, 18), 2, 2);
            p.drawLine(QPointF(12, 28), QPointF(20, 28));
            p.setPen(QPen(GOLD, 1.5));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(7, 0, 18, 20), 200 * 16, 140 * 16);
            p.setPen(Qt::NoPen);
            p.setBrush(RED);
            p.drawEllipse(QPointF(25, 9.5), 2.6, 2.6);
            break;
        }
        case ToolIcon::Hilfe: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(60, 120, 210));
            p.drawEllipse(QRectF(3, 3, 26, 26));
            QFont font;
            font.setPixelSize(20);
            font.setBold(true);
            p.setFont(font);
            p.setPen(QColor(255, 255, 255));
            p.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
            break;
        }
        case ToolIcon::Speichern: {
            p.setPen(QPen(INK, 2));
            p.setBrush(QColor(40, 70, 120));
            p.drawRoundedRect(QRectF(5, 5, 22, 22), 2, 2);
            p.setBrush(INK);
            p.drawRect(QRectF(10, 5, 12, 7));
            p.setBrush(QColor(250, 250, 250));
            p.drawRect(QRectF(9, 17, 14, 10));
            break;
        }
        case ToolIcon::BoxOn: {
            // The power sign of a box's on/off button.
            p.setPen(QPen(INK, 3, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(6, 7, 20, 20), 120 * 16, -240 * 16);
            p.drawLine(QPointF(16, 4), QPointF(16, 15));
            break;
        }
    }
}

QPixmap Render(ToolIcon kind, int size, qreal ratio, bool disabled) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    if (disabled) p.setOpacity(0.35);
    Draw(p, kind);
    return pixmap;
}

}  // namespace

QIcon MakeToolIcon(ToolIcon kind, int size) {
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    QIcon icon;
    icon.addPixmap(Render(kind, size, ratio, false), QIcon::Normal);
    icon.addPixmap(Render(kind, size, ratio, true), QIcon::Disabled);
    return icon;
}

}  // namespace tavexo
