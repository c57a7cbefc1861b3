#include "PdfPrintedAnnotations.h"

#include "PdfObjectGraph.h"

#include <QCoreApplication>

#include <qpdf/Buffer.hh>
#include <qpdf/Constants.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>

#include <set>

namespace {

constexpr int kRequired = an_print;
constexpr int kForbidden = an_invisible | an_hidden;

} // namespace

void AddPrintedAnnotations(QPDF& file, QPDFPageObjectHelper& page, int rotate, PdfObjectGraph& graph)
{
    QPDFObjectHandle list = page.getObjectHandle().getKey("/Annots");
    graph.requireReadable(list);
    if (!list.isArray())
        return;
    for (QPDFObjectHandle item : list.getArrayAsVector())
        graph.requireReadable(item);

    QPDFAcroFormDocumentHelper form(file);
    QPDFObjectHandle resources;
    std::set<std::string> names;
    int nextName = 1;
    bool generated = false;
    std::string drawing;
    for (QPDFAnnotationObjectHelper& annotation : page.getAnnotations()) {
        const int flags = annotation.getFlags();
        if ((flags & kRequired) != kRequired || (flags & kForbidden) != 0)
            continue;
        const bool widget = annotation.getSubtype() == "/Widget";
        if (widget && form.getNeedAppearances()) {
            form.generateAppearancesIfNeeded(); // for every field; then no longer needed
            generated = true;
        }
        // The renderer draws a field without an appearance of its own in a
        // look of its own making.
        if (widget && !annotation.getAppearanceDictionary().isDictionary())
            throw PdfCopyError{
                QCoreApplication::translate("PdfFormCopy", "a form field has no appearance of its own")};
        QPDFObjectHandle appearance = annotation.getAppearanceStream("/N");
        if (!appearance.isStream())
            continue;
        if (widget && generated) {
            // qpdf writes a field's value into its appearance as the stream
            // is read through its filters; the copy reads stored bytes.
            std::shared_ptr<Buffer> data = appearance.getStreamData(qpdf_dl_generalized);
            appearance.replaceStreamData(data, QPDFObjectHandle::newNull(), QPDFObjectHandle::newNull());
        }
        if (widget) {
            // A field's appearance may take its fonts from the form's
            // default resources.
            QPDFObjectHandle own = appearance.getDict().getKey("/Resources");
            if (!own.isDictionary()) {
                own = QPDFObjectHandle::newDictionary();
                appearance.getDict().replaceKey("/Resources", own);
            } else if (own.isIndirect()) {
                own = own.shallowCopy();
                appearance.getDict().replaceKey("/Resources", own);
            }
            QPDFObjectHandle defaults = form.getFieldForAnnotation(annotation).getDefaultResources();
            if (defaults.isDictionary())
                own.mergeResources(defaults);
        }
        if (!resources.isInitialized()) {
            resources = page.getAttribute("/Resources", true);
            if (!resources.isDictionary()) {
                resources = QPDFObjectHandle::newDictionary();
                page.getObjectHandle().replaceKey("/Resources", resources);
            }
            resources.mergeResources(QPDFObjectHandle::parse("<< /XObject << >> >>"));
            names = resources.getResourceNames(); // read once, kept up to date here
        }
        const std::string name = resources.getUniqueResourceName("/Fxo", nextName, &names);
        const std::string placed =
            annotation.getPageContentForAppearance(name, rotate, kRequired, kForbidden);
        if (placed.empty())
            continue;
        resources.getKey("/XObject").replaceKey(name, appearance);
        names.insert(name);
        drawing += placed;
    }
    if (drawing.empty())
        return;
    // The page's content may leave its graphics state changed; the
    // annotations are drawn in the page's own.
    page.addPageContents(QPDFObjectHandle::newStream(&file, "q\n"), true);
    page.addPageContents(QPDFObjectHandle::newStream(&file, "\nQ\n" + drawing), false);
}
