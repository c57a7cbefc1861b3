#pragma once

// The annotations of a background page that belong on paper, for the form
// copy only.
#include <qpdf/QPDFPageObjectHelper.hh>

class PdfObjectGraph;

// Adds to page, in the file qpdf holds in memory, the drawing of every
// annotation that prints: its Print flag set, neither hidden nor invisible,
// with a normal appearance stream. The drawing follows the page's own
// content, each appearance a form XObject placed on the annotation's
// rectangle as for a page turned by rotate degrees. Annotations that do not
// print stay off, since the background is the page as printed. A form field
// the viewer is asked to draw anew (/NeedAppearances), or one without an
// appearance of its own, the renderer draws in a look of its own making:
// such a field is left off when it shows nothing, and otherwise makes this
// throw PdfCopyError.
void AddPrintedAnnotations(QPDF& file, QPDFPageObjectHelper& page, int rotate, PdfObjectGraph& graph);
