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
// print stay off, as they do on paper from any viewer. Fields a viewer is
// asked to draw anew (/NeedAppearances) are given their appearances by qpdf
// first. Throws PdfCopyError for a field that prints without an appearance
// of its own, which the renderer draws in a look of its own making.
void AddPrintedAnnotations(QPDF& file, QPDFPageObjectHelper& page, int rotate, PdfObjectGraph& graph);
