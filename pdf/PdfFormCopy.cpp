#include "PdfFormCopy.h"

#include "PdfObjectGraph.h"
#include "PdfPrintedAnnotations.h"
#include "PdfSyntax.h"

#include <QCoreApplication>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFExc.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <algorithm>
#include <array>
#include <cmath>
#include <new>
#include <set>

namespace {

// A page whose content is split over several streams is decoded and joined
// in memory, up to this much.
constexpr size_t kMaxJoinedContent = size_t(64) << 20;
// Page boxes reaching further than this, in points, are refused rather than
// written as numbers no reader expects.
constexpr double kMaxCoordinate = 1e10;
// Neither side of the visible page may be smaller, in points.
constexpr double kMinSide = 1e-3;

[[noreturn]] void fail(const char* why)
{
    throw PdfCopyError{QCoreApplication::translate("PdfFormCopy", why)};
}

struct Box
{
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    double width() const { return x1 - x0; }
    double height() const { return y1 - y0; }
};

// A rectangle as the renderer reads it: four numbers, corners in either order.
bool readBox(QPDFObjectHandle array, Box* box)
{
    if (!array.isArray() || array.getArrayNItems() != 4)
        return false;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        QPDFObjectHandle item = array.getArrayItem(i);
        if (!item.isNumber())
            return false;
        v[i] = item.getNumericValue();
        if (!std::isfinite(v[i]))
            return false;
    }
    *box = Box{std::min(v[0], v[2]), std::min(v[1], v[3]), std::max(v[0], v[2]), std::max(v[1], v[3])};
    return true;
}

// The crop box within the media box; without a media box the renderer takes
// the page for Letter, and so does this.
Box visibleBox(QPDFPageObjectHelper& page)
{
    Box media{0, 0, 612, 792};
    readBox(page.getAttribute("/MediaBox", false), &media);
    Box box = media;
    Box crop;
    if (readBox(page.getAttribute("/CropBox", false), &crop))
        box = Box{std::max(crop.x0, media.x0), std::max(crop.y0, media.y0), std::min(crop.x1, media.x1),
                  std::min(crop.y1, media.y1)};
    for (double v : {box.x0, box.y0, box.x1, box.y1}) {
        if (std::fabs(v) > kMaxCoordinate)
            fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the page is too large"));
    }
    if (!(box.width() >= kMinSide && box.height() >= kMinSide))
        fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the page has no area"));
    return box;
}

// /Rotate as the renderer takes it: an integer, a multiple of 90 degrees
// clockwise; anything else leaves the page upright.
int rotation(QPDFPageObjectHelper& page)
{
    QPDFObjectHandle rotate = page.getAttribute("/Rotate", false);
    if (!rotate.isInteger())
        return 0;
    const long long degrees = (rotate.getIntValue() % 360 + 360) % 360;
    return degrees % 90 == 0 ? int(degrees) : 0;
}

// Maps the box, turned clockwise by degrees as a viewer shows it, onto
// (0, 0)-(paper), stretched along each side on its own.
std::array<double, 6> formMatrix(const Box& b, int degrees, QSizeF paper)
{
    const double w = b.width();
    const double h = b.height();
    const double W = paper.width();
    const double H = paper.height();
    switch (degrees) {
    case 90:
        return {0, -H / w, W / h, 0, -b.y0 * W / h, b.x1 * H / w};
    case 180:
        return {-W / w, 0, 0, -H / h, b.x1 * W / w, b.y1 * H / h};
    case 270:
        return {0, H / w, -W / h, 0, b.y1 * W / h, -b.x0 * H / w};
    default:
        return {W / w, 0, 0, H / h, -b.x0 * W / w, -b.y0 * H / h};
    }
}

// A finite number in plain decimals, to about eight significant digits: a
// huge page's tiny scale keeps its digits.
QByteArray pdfNumber(double value)
{
    int decimals = 4;
    if (value != 0)
        decimals = std::clamp(7 - int(std::floor(std::log10(std::fabs(value)))), 0, 12);
    QByteArray text = QByteArray::number(value, 'f', decimals);
    if (text.contains('.')) {
        while (text.endsWith('0'))
            text.chop(1);
        if (text.endsWith('.'))
            text.chop(1);
    }
    return text == "-0" ? QByteArray("0") : text;
}

QByteArray pdfArray(const double* values, int count)
{
    QByteArray text("[");
    for (int i = 0; i < count; ++i) {
        if (!std::isfinite(values[i]))
            fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the page is too large"));
        const QByteArray number = pdfNumber(values[i]);
        // A scale written as 0 would flatten the page.
        if (values[i] != 0 && number == "0")
            fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the page is too large"));
        if (i > 0)
            text += ' ';
        text += number;
    }
    return text + ']';
}

QByteArray bytesOf(const std::shared_ptr<Buffer>& buffer)
{
    return QByteArray(reinterpret_cast<const char*>(buffer->getBuffer()), qsizetype(buffer->getSize()));
}

// Collects decoded stream data, refusing more than a limit in all.
class BoundedSink : public Pipeline
{
public:
    BoundedSink(QByteArray& out, size_t limit) : Pipeline("content", nullptr), out_(out), limit_(limit) {}
    void write(unsigned char const* data, size_t len) override
    {
        if (len > limit_ - size_t(out_.size())) {
            overflowed = true;
            throw std::length_error("content too large");
        }
        out_.append(reinterpret_cast<const char*>(data), qsizetype(len));
    }
    void finish() override {}
    bool overflowed = false;

private:
    QByteArray& out_;
    const size_t limit_;
};

// The form's data: the page's one content stream as stored, filters and
// all; several streams decoded, joined and compressed again, since tokens
// may run on from one into the next.
void copyContent(QPDFObjectHandle page, CopiedPdfObject& form, PdfObjectGraph& graph)
{
    QPDFObjectHandle contents = page.getKey("/Contents");
    std::vector<QPDFObjectHandle> streams;
    graph.requireReadable(contents);
    if (contents.isStream()) {
        streams.push_back(contents);
    } else if (contents.isArray()) {
        for (QPDFObjectHandle item : contents.getArrayAsVector()) {
            graph.requireReadable(item);
            if (item.isStream())
                streams.push_back(item);
        }
    }
    for (const QPDFObjectHandle& stream : streams)
        PdfObjectGraph::requireSoundLength(stream);
    if (streams.empty())
        return;
    if (streams.size() == 1) {
        QPDFObjectHandle dictionary = streams.front().getDict();
        for (const char* key : {"/Filter", "/DecodeParms"}) {
            QPDFObjectHandle value = dictionary.getKey(key);
            if (value.isNull())
                continue;
            form.text += key;
            form.text += ' ';
            graph.append(value, form);
        }
        form.data = bytesOf(streams.front().getRawStreamData());
        return;
    }
    QByteArray joined;
    BoundedSink sink(joined, kMaxJoinedContent);
    for (size_t i = 0; i < streams.size(); ++i) {
        bool decoded = false;
        bool ok = false;
        try {
            if (i > 0)
                sink.write(reinterpret_cast<const unsigned char*>("\n"), 1);
            ok = streams[i].pipeStreamData(&sink, &decoded, 0, qpdf_dl_specialized, true, false);
        } catch (const std::exception&) {
        }
        if (sink.overflowed)
            fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the page's content is too large"));
        if (!ok || !decoded)
            fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the page's content is damaged"));
    }
    form.text += "/Filter/FlateDecode";
    form.data = pdfsyntax::flateEncoded(joined);
}

// The page and the page tree nodes it inherits from, all of which the
// renderer reads: one that qpdf cannot parse would leave its boxes,
// resources and content out of the copy.
void requireReadablePage(QPDFObjectHandle page, PdfObjectGraph& graph)
{
    std::set<QPDFObjGen> passed;
    for (QPDFObjectHandle node = page; node.isIndirect() && passed.insert(node.getObjGen()).second;
         node = node.getKey("/Parent")) {
        graph.requireReadable(node);
        if (!node.isDictionary())
            break;
    }
}

void copyPage(QByteArrayView file, int pageIndex, QSizeF paper, std::vector<CopiedPdfObject>& objects)
{
    if (!(paper.width() > 0 && paper.height() > 0 && paper.width() <= kMaxCoordinate &&
          paper.height() <= kMaxCoordinate))
        fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the paper has no area"));
    // An empty file is no PDF; qpdf is not handed a view that may point nowhere.
    if (file.isEmpty())
        fail(QT_TRANSLATE_NOOP("PdfFormCopy", "the file is damaged or is not a PDF file"));
    QPDF qpdf;
    qpdf.setSuppressWarnings(true);
    qpdf.setAttemptRecovery(true);
    qpdf.processMemoryFile("background", file.data(), size_t(file.size()));
    std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(qpdf).getAllPages();
    if (pageIndex < 0 || size_t(pageIndex) >= pages.size())
        throw PdfCopyError{
            QCoreApplication::translate("PdfFormCopy", "the file has no page %1").arg(pageIndex + 1)};
    QPDFPageObjectHelper& page = pages[size_t(pageIndex)];
    PdfObjectGraph graph(qpdf, objects);
    requireReadablePage(page.getObjectHandle(), graph);
    const Box box = visibleBox(page);
    const int degrees = rotation(page);
    AddPrintedAnnotations(qpdf, page, degrees, graph);
    const std::array<double, 6> matrix = formMatrix(box, degrees, paper);
    const double bbox[4] = {box.x0, box.y0, box.x1, box.y1};

    CopiedPdfObject form;
    form.isStream = true;
    form.text = "/Type/XObject/Subtype/Form/BBox" + pdfArray(bbox, 4) + "/Matrix" +
                pdfArray(matrix.data(), int(matrix.size())) + "/Resources ";
    QPDFObjectHandle resources = page.getAttribute("/Resources", false);
    if (resources.isDictionary())
        graph.append(resources, form);
    else
        form.text += "<<>>";
    QPDFObjectHandle group = page.getObjectHandle().getKey("/Group");
    if (group.isDictionary()) {
        form.text += "/Group ";
        graph.append(group, form);
    }
    copyContent(page.getObjectHandle(), form, graph);
    graph.copyReferred();
    objects.front() = std::move(form);
}

} // namespace

bool CopyPageAsForm(QByteArrayView file, int pageIndex, QSizeF paperPoints,
                    std::vector<CopiedPdfObject>* objects, QString* why)
{
    std::vector<CopiedPdfObject> copied;
    QString reason;
    const char* damaged = QT_TRANSLATE_NOOP("PdfFormCopy", "the file is damaged or is not a PDF file");
    try {
        copyPage(file, pageIndex, paperPoints, copied);
        *objects = std::move(copied);
        return true;
    } catch (const PdfCopyError& error) {
        reason = error.why;
    } catch (const QPDFExc& error) {
        reason = error.getErrorCode() == qpdf_e_password
                     ? QCoreApplication::translate("PdfFormCopy", "the file is protected by a password")
                     : QCoreApplication::translate("PdfFormCopy", damaged);
    } catch (const std::bad_alloc&) {
        reason = QCoreApplication::translate("PdfFormCopy", "the page is too large");
    } catch (const std::exception&) {
        reason = QCoreApplication::translate("PdfFormCopy", damaged);
    }
    objects->clear();
    if (why)
        *why = reason;
    return false;
}
