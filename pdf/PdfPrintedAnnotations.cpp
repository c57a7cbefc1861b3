#include "PdfPrintedAnnotations.h"

#include "PdfObjectGraph.h"

#include <QCoreApplication>

#include <qpdf/Constants.h>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAcroFormDocumentHelper.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFFormFieldObjectHelper.hh>

#include <set>

namespace {

constexpr int kRequired = an_print;
constexpr int kForbidden = an_invisible | an_hidden;

// Whether the renderer, asked to draw a field anew (/NeedAppearances), puts
// anything on the page: every field but a text or choice field that is
// empty and has no border or background.
bool drawnByTheViewer(QPDFAcroFormDocumentHelper& form, QPDFAnnotationObjectHelper& annotation)
{
    QPDFFormFieldObjectHelper field = form.getFieldForAnnotation(annotation);
    const std::string type = field.getFieldType();
    if (type != "/Tx" && type != "/Ch")
        return true;
    if (!field.getValueAsString().empty())
        return true;
    QPDFObjectHandle look = annotation.getObjectHandle().getKey("/MK");
    return look.isDictionary() && (look.hasKey("/BG") || look.hasKey("/BC"));
}

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
    std::string drawing;
    for (QPDFAnnotationObjectHelper& annotation : page.getAnnotations()) {
        const int flags = annotation.getFlags();
        if ((flags & kRequired) != kRequired || (flags & kForbidden) != 0)
            continue;
        const bool widget = annotation.getSubtype() == "/Widget";
        // A field the viewer is asked to draw anew (/NeedAppearances), or
        // one without an appearance of its own, the renderer draws in a
        // look of its own making.
        if (widget && (form.getNeedAppearances() || !annotation.getAppearanceDictionary().isDictionary())) {
            if (drawnByTheViewer(form, annotation))
                throw PdfCopyError{
                    QCoreApplication::translate("PdfFormCopy", "its form fields are drawn by the viewer")};
            continue;
        }
        QPDFObjectHandle appearance = annotation.getAppearanceStream("/N");
        if (!appearance.isStream())
            continue;
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
