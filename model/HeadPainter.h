#pragma once

#include "model/Geometry.h"

#include <QByteArray>
#include <QPointF>
#include <QRectF>

class CCadenzoDoc;
class HEADING;
class QPainter;

// Where page twips (origin at the page's top-left corner, y up) land on a
// painter's device (y down): device = origin + (x * scaleX, -y * scaleY).
// The flip happens only in this mapping; text itself is never mirrored.
struct PageToDevice
{
    double scaleX = 1.0; // device pixels per twip
    double scaleY = 1.0;
    QPointF origin; // device position of the page's (0, 0)

    QPointF map(double x, double y) const { return origin + QPointF(x * scaleX, -y * scaleY); }
    // A page rectangle (top >= bottom) as a device rectangle.
    QRectF mapRect(const RECT& r) const;
    // A device point back to page twips.
    QPointF unmap(const QPointF& device) const;
};

// A printer's unprintable margin: the printable area starts offsetX, offsetY
// device pixels from the paper's corner at the given dots per inch.
struct PrinterOffsets
{
    int offsetX = 0;
    int offsetY = 0;
    int resolutionX = 1;
    int resolutionY = 1;
};

// The routine that puts head texts on a painter: the editor and the preview
// (the job's PDF sets its texts where this draws them). The text turns
// counter-clockwise by the head's rotation about its reference corner, the
// top-left of the unturned text, and nothing of it is drawn outside clip
// (device coordinates).
void DrawHeadText(QPainter& painter, const HEADING& head, const QByteArray& text, POINT reference,
                  const PageToDevice& map, const QRectF& clip);

// Reference point of a head on paper: the head's position, moved so that it
// stays measured from the paper's physical corner when the surface's origin is
// the corner of the printable area.
POINT PrintReferencePoint(const HEADING& head, const PrinterOffsets& offsets);

// Draws every head of doc with the numbers of numberIndex, later heads over
// earlier ones, clipped to the page: the texts only, placed by
// PrintReferencePoint; offsets may be null for a surface whose origin is the
// paper's corner.
void DrawHeads(QPainter& painter, const CCadenzoDoc& doc, int numberIndex, const PageToDevice& map,
               const PrinterOffsets* offsets);
