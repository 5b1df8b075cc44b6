#include "glyphs.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace glyphs {
namespace {

const QColor ink{80, 80, 80};

// Each drawing fills a square of this many units; the engine scales it to the icon's size.
int units(Glyph glyph) {
    return glyph == Glyph::Product ? 64 : 16;
}

void drawProduct(QPainter &p) {
    QLinearGradient background(0, 0, 0, 64);
    background.setColorAt(0, QColor(128, 128, 255));
    background.setColorAt(1, QColor(0, 0, 128));
    p.setPen(Qt::NoPen);
    p.setBrush(background);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(12, 38, 10, 16));
    p.drawRect(QRectF(27, 28, 10, 26));
    p.setBrush(QColor(255, 80, 80));
    p.drawRect(QRectF(42, 16, 10, 38));
}

void drawNewFile(QPainter &p) {
    QPainterPath sheet;
    sheet.moveTo(3, 1.5);
    sheet.lineTo(10, 1.5);
    sheet.lineTo(13.5, 5);
    sheet.lineTo(13.5, 14.5);
    sheet.lineTo(3, 14.5);
    sheet.closeSubpath();
    p.setPen(QPen(ink, 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    QPainterPath fold;
    fold.moveTo(10, 1.5);
    fold.lineTo(10, 5);
    fold.lineTo(13.5, 5);
    fold.closeSubpath();
    p.setBrush(QColor(215, 215, 215));
    p.drawPath(fold);
}

void drawCalculate(QPainter &p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 80, 110));
    p.drawRoundedRect(QRectF(2.5, 1, 11, 14), 1.5, 1.5);
    p.setBrush(QColor(205, 235, 205));
    p.drawRect(QRectF(4, 2.5, 8, 3));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool equals = row == 2 && column == 2;
            p.setBrush(equals ? QColor(255, 160, 40) : QColor(Qt::white));
            p.drawRect(QRectF(4 + 3 * column, 7 + 2.5 * row, 2, 1.6));
        }
    }
}

void drawOptions(QPainter &p) {
    const struct { qreal y, knob; } sliders[] = {{4, 10}, {8, 5}, {12, 8.5}};
    for (const auto &slider : sliders) {
        p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(2, slider.y), QPointF(14, slider.y));
        p.setPen(QPen(QColor(0, 0, 128), 1));
        p.setBrush(QColor(128, 128, 255));
        p.drawEllipse(QPointF(slider.knob, slider.y), 2, 2);
    }
}

void drawHomePage(QPainter &p) {
    p.setPen(QPen(QColor(120, 90, 60), 1));
    p.setBrush(QColor(250, 240, 220));
    p.drawRect(QRectF(3.5, 7.5, 9, 7));
    p.setBrush(QColor(120, 90, 60));
    p.drawRect(QRectF(7, 10.5, 2.5, 4));
    QPainterPath roof;
    roof.moveTo(1.5, 8);
    roof.lineTo(8, 2);
    roof.lineTo(14.5, 8);
    roof.closeSubpath();
    p.setPen(QPen(QColor(150, 40, 40), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(210, 60, 60));
    p.drawPath(roof);
}

void drawKeypad(QPainter &p) {
    p.setPen(QPen(ink, 1));
    p.setBrush(QColor(235, 235, 235));
    p.drawRoundedRect(QRectF(1.5, 1.5, 13, 13), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    for (const qreal y : {3.2, 6.7, 10.2}) {
        for (const qreal x : {3.2, 6.7, 10.2}) {
            p.drawRect(QRectF(x, y, 2.6, 2.6));
        }
    }
}

void drawClose(QPainter &p) {
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(12, 12));
    p.drawLine(QPointF(12, 4), QPointF(4, 12));
}

void drawMore(QPainter &p) {
    p.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const qreal x : {4.0, 8.5}) {
        p.drawPolyline(QPolygonF{QPointF(x, 4), QPointF(x + 3.5, 8), QPointF(x, 12)});
    }
}

void drawAveraging(QPainter &p) {
    p.setPen(QPen(QColor(128, 0, 0), 1.2, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(1.5, 8.5), QPointF(14.5, 8.5));
    p.setPen(QPen(QColor(0, 0, 128), 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{QPointF(2, 3), QPointF(5.5, 6), QPointF(8.5, 5), QPointF(14, 13)});
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(128, 128, 255));
    p.drawEllipse(QPointF(11, 13), 1.8, 1.8);
}

void draw(QPainter &p, Glyph glyph) {
    switch (glyph) {
    case Glyph::Product:
        return drawProduct(p);
    case Glyph::NewFile:
        return drawNewFile(p);
    case Glyph::Calculate:
        return drawCalculate(p);
    case Glyph::Options:
        return drawOptions(p);
    case Glyph::HomePage:
        return drawHomePage(p);
    case Glyph::Keypad:
        return drawKeypad(p);
    case Glyph::Close:
        return drawClose(p);
    case Glyph::More:
        return drawMore(p);
    case Glyph::Averaging:
        return drawAveraging(p);
    }
}

// Paints its glyph into any rectangle, and keeps each pixmap of a button's size that it made for
// the next request of the same size. The larger sizes are asked for once, by the window
// manager's icon, and are not kept.
class PaintedIcon : public QIconEngine {
public:
    explicit PaintedIcon(Glyph glyph) : glyph_(glyph) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(rect.topLeft());
        const qreal size = units(glyph_);
        painter->scale(rect.width() / size, rect.height() / size);
        draw(*painter, glyph_);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override {
        if (size.width() > largestKept || size.height() > largestKept) {
            return painted(size, mode, state);
        }
        const quint64 key = (quint64(quint32(size.width())) << 32) | quint32(size.height());
        auto it = pixmaps_.find(key);
        if (it == pixmaps_.end()) {
            it = pixmaps_.insert(key, painted(size, mode, state));
        }
        return *it;
    }

    QIconEngine *clone() const override { return new PaintedIcon(glyph_); }

private:
    static constexpr int largestKept = 32; // the product icon of the toolbar

    QPixmap painted(const QSize &size, QIcon::Mode mode, QIcon::State state) {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, pixmap.rect(), mode, state);
        painter.end();
        return pixmap;
    }

    Glyph glyph_;
    QHash<quint64, QPixmap> pixmaps_;
};

} // namespace

QIcon icon(Glyph glyph) {
    return QIcon(new PaintedIcon(glyph));
}

} // namespace glyphs
