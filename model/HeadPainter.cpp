#include "HeadPainter.h"

#include "model/CadenzoDoc.h"
#include "model/Codepage.h"
#include "model/FontFromLogFont.h"
#include "model/Int32.h"
#include "model/Units.h"

#include <QFontMetricsF>
#include <QPainter>

QRectF PageToDevice::mapRect(const RECT& r) const
{
    return QRectF(map(r.left, r.top), map(r.right, r.bottom)).normalized();
}

QPointF PageToDevice::unmap(const QPointF& device) const
{
    const QPointF d = device - origin;
    return QPointF(d.x() / scaleX, -d.y() / scaleY);
}

void DrawHeadText(QPainter& painter, const HEADING& head, const QByteArray& text, POINT reference,
                  const PageToDevice& map, const QRectF& clip)
{
    const ScaledFont font = scaledPageFont(head.font);
    const qreal ascent = QFontMetricsF(font.font).ascent();

    painter.save();
    painter.setClipRect(clip, Qt::IntersectClip);
    painter.translate(map.map(reference.x, reference.y));
    // Counter-clockwise on the page is clockwise-negative in Qt's y-down space.
    painter.rotate(-double(head.rotation % 360));
    painter.scale(map.scaleX * font.scale, map.scaleY * font.scale);
    painter.setFont(font.font);
    painter.setPen(QColor(rgbRed(head.color), rgbGreen(head.color), rgbBlue(head.color)));
    // The reference corner is the top of the text cell; Qt draws on the baseline.
    painter.drawText(QPointF(0, ascent), fromCp1252(text));
    painter.restore();
}

namespace {

// The unprintable margin in twips, truncated as the printer driver reports it.
POINT marginTwips(const PrinterOffsets& o)
{
    constexpr float twipsPerInch = units::kTwipsPerInch;
    const float offX = float(o.offsetX) / float(o.resolutionX > 0 ? o.resolutionX : 1) * twipsPerInch;
    const float offY = float(o.offsetY) / float(o.resolutionY > 0 ? o.resolutionY : 1) * twipsPerInch;
    return {int32::trunc(offX), int32::trunc(offY)};
}

} // namespace

POINT PrintReferencePoint(const HEADING& head, const PrinterOffsets& offsets)
{
    const POINT m = marginTwips(offsets);
    return {int32::sub(head.x, m.x), int32::add(head.y, m.y)};
}

void DrawHeads(QPainter& painter, const CCadenzoDoc& doc, int numberIndex, const PageToDevice& map,
               const PrinterOffsets* offsets)
{
    const PrinterOffsets o = offsets ? *offsets : PrinterOffsets();
    // The paper in the surface's coordinates: it starts at minus the margin
    // when the surface's origin is the corner of the printable area.
    const POINT m = marginTwips(o);
    const RECT paper{int32::sub(0, m.x), m.y, int32::sub(doc.GetPageWidth(), m.x),
                     int32::sub(m.y, doc.GetPageHeight())};
    const QRectF clip = map.mapRect(paper);

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);
    for (int i = 0; i < doc.GetHeadCount(); ++i) {
        const HEADING& head = *doc.GetHeadByIndex(i);
        const QByteArray text = head.GetNumberText(doc.GetHeadNumber(numberIndex, head));
        DrawHeadText(painter, head, text, PrintReferencePoint(head, o), map, clip);
    }
    painter.restore();
}
