#include "Heading.h"

#include "Codepage.h"
#include "FontFromLogFont.h"
#include "Int32.h"
#include "TextMeasurer.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstdio>

LOGFONTA defaultHeadFont()
{
    LOGFONTA f;
    f.lfHeight = -21;
    f.lfWeight = 700;
    f.lfCharSet = 0;
    f.lfOutPrecision = 8;
    f.lfClipPrecision = 0;
    f.lfQuality = 2;
    f.lfPitchAndFamily = 0x12;
    setFaceName(f, "Times New Roman");
    return f;
}

QByteArray HeadCaption(int index)
{
    // In the user's language, in the code page head texts are drawn in.
    const QString caption = index == 0 ? QCoreApplication::translate("Heading", "Master Head")
                                       : QCoreApplication::translate("Heading", "Head %1").arg(index + 1);
    return toCp1252(caption);
}

HEADING::HEADING() : preface("No."), font(defaultHeadFont()) {}

void HEADING::CopyFrom(const HEADING& o)
{
    seed = o.seed;
    x = o.x;
    y = o.y;
    extent = o.extent;
    bounds = o.bounds;
    captionRect = o.captionRect;
    preface = o.preface;
    spaceAfterPreface = o.spaceAfterPreface;
    suffix = o.suffix;
    spaceBeforeSuffix = o.spaceBeforeSuffix;
    zeroPad = o.zeroPad;
    digits = o.digits;
    rotation = o.rotation;
    font = o.font;
    color = o.color;
    extensions = o.extensions;
}

QByteArray HEADING::GetNumberText(std::int32_t value) const
{
    QByteArray text = preface;
    if (spaceAfterPreface)
        text += ' ';

    // "%0*d": zeros go between the sign and the digits. The width is bounded on
    // both sides so that a damaged file can neither ask for a line of a billion
    // zeros nor overflow the subtraction below; a width of 0 or less pads nothing.
    char number[16];
    std::snprintf(number, sizeof number, "%d", static_cast<int>(value));
    QByteArray digitsText(number);
    if (zeroPad) {
        constexpr std::int32_t kMaxWidth = 255;
        const int width = int(std::clamp<std::int32_t>(digits, 0, kMaxWidth));
        const int missing = width - int(digitsText.size());
        if (missing > 0)
            digitsText.insert(value < 0 ? 1 : 0, QByteArray(missing, '0'));
    }
    text += digitsText;

    if (spaceBeforeSuffix)
        text += ' ';
    text += suffix;
    return text;
}

std::int32_t HEADING::escapement() const
{
    return int32::mul(-10, rotation);
}

namespace {

// Rotations outside 0..359 (only a file can hold them) turn the text as their
// remainder does, so they are measured as that remainder.
std::int32_t normalizedRotation(std::int32_t r)
{
    const std::int32_t m = r % 360;
    return m < 0 ? m + 360 : m;
}

// Folds a rotation of 1..359 into the 0..90 degree angle of its axis-aligned box.
std::int32_t foldRotation(std::int32_t r)
{
    if (r == 90 || r == 270)
        return 90;
    if (r == 180)
        return 0;
    if ((r >= 1 && r <= 89) || (r >= 181 && r <= 269))
        return r - 90 * (r / 90);
    // 90 * (r / 90 + 1) - r, in wrapping arithmetic for extreme values.
    return int32::sub(int32::mul(90, r / 90 + 1), r);
}

} // namespace

RECT HEADING::CalcBounds(TextMeasurer& dc, std::int32_t value)
{
    const QByteArray text = GetNumberText(value);

    font.lfEscapement = escapement();
    font.lfOrientation = font.lfEscapement;

    const SIZE size = dc.textExtent(inTwips(font), text);
    const std::int32_t cx = size.cx;
    const std::int32_t cy = size.cy;

    const std::int32_t r = normalizedRotation(rotation);
    if (r == 0) {
        extent = {cx, -cy};
        bounds = {x, y, int32::add(x, cx), int32::sub(y, cy)};
    } else {
        const std::int32_t a = foldRotation(r);
        const double A = static_cast<double>(static_cast<float>(a) * 0.017453292f);
        const double R = static_cast<double>(r) * 0.017453292519943295;

        const std::int32_t w = int32::trunc(std::sin(A) * cy + std::cos(A) * cx);
        const std::int32_t h = int32::sub(0, int32::trunc(std::cos(A) * cy + std::sin(A) * cx));
        extent = {w, h};

        const std::int32_t dx = int32::trunc(std::cos(R) * cx + std::sin(R) * cy);
        const std::int32_t dy = int32::trunc(std::sin(R) * cx - std::cos(R) * cy);
        const std::int32_t cX = int32::trunc(static_cast<double>(int32::add(dx, int32::mul(2, x))) * 0.5);
        const std::int32_t cY = int32::trunc(static_cast<double>(int32::add(dy, int32::mul(2, y))) * 0.5);

        bounds = {int32::sub(cX, int32::trunc(w * 0.5)), int32::sub(cY, int32::trunc(h * 0.5)),
                  int32::sub(cX, int32::trunc(w * -0.5)), int32::sub(cY, int32::trunc(h * -0.5))};
    }

    return bounds;
}
