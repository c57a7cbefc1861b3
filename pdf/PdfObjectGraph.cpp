#include "PdfObjectGraph.h"

#include <QCoreApplication>

#include <qpdf/Buffer.hh>
#include <qpdf/QPDF.hh>

namespace {

// Direct arrays and dictionaries nested deeper than this are refused; qpdf's
// parser already stops far earlier, so only a damaged file comes near it.
constexpr int kMaxDepth = 1000;

bool isPageTreeNode(QPDFObjectHandle object)
{
    if (!object.isDictionary())
        return false;
    QPDFObjectHandle type = object.getKey("/Type");
    return type.isNameAndEquals("/Page") || type.isNameAndEquals("/Pages") ||
           type.isNameAndEquals("/Catalog");
}

void appendBytes(QByteArray& to, const std::string& text)
{
    to.append(text.data(), qsizetype(text.size()));
}

[[noreturn]] void fail(const char* why)
{
    throw PdfCopyError{QCoreApplication::translate("PdfFormCopy", why)};
}

} // namespace

QByteArray CopiedPdfObject::resolved(const std::vector<std::uint32_t>& ids) const
{
    QByteArray out;
    out.reserve(text.size() + qsizetype(refs.size()) * 12);
    qsizetype from = 0;
    for (const auto& [position, index] : refs) {
        out.append(text.constData() + from, position - from);
        out += QByteArray::number(ids.at(index)) + " 0 R";
        from = position;
    }
    out.append(text.constData() + from, text.size() - from);
    return out;
}

PdfObjectGraph::PdfObjectGraph(QPDF& file, std::vector<CopiedPdfObject>& objects)
    : file_(file), objects_(objects)
{
    objects_.clear();
    objects_.resize(1);
}

void PdfObjectGraph::append(QPDFObjectHandle value, CopiedPdfObject& object)
{
    appendValue(value, object, 1);
}

void PdfObjectGraph::appendEntries(QPDFObjectHandle dictionary, CopiedPdfObject& object, const char* skipKey,
                                   int depth)
{
    for (auto& [key, value] : dictionary.getDictAsMap()) {
        if (skipKey && key == skipKey)
            continue;
        if (value.isNull()) { // a null entry is no entry
            requireReadable(value);
            continue;
        }
        appendBytes(object.text, QPDFObjectHandle::newName(key).unparse());
        object.text += ' ';
        appendValue(value, object, depth);
    }
}

void PdfObjectGraph::copyReferred()
{
    while (!queue_.empty()) {
        QPDFObjectHandle source = queue_.front();
        queue_.pop_front();
        CopiedPdfObject copy;
        if (source.isStream()) {
            requireSoundLength(source);
            copy.isStream = true;
            appendEntries(source.getDict(), copy, "/Length", 1);
            // The stored bytes, still encoded: an image stays the same JPEG.
            const std::shared_ptr<Buffer> raw = source.getRawStreamData();
            copy.data =
                QByteArray(reinterpret_cast<const char*>(raw->getBuffer()), qsizetype(raw->getSize()));
        } else {
            appendValue(source, copy, 0);
        }
        objects_.push_back(std::move(copy));
    }
}

void PdfObjectGraph::appendValue(QPDFObjectHandle value, CopiedPdfObject& object, int depth)
{
    if (depth > kMaxDepth)
        throw PdfCopyError{
            QCoreApplication::translate("PdfFormCopy", "the page's resources are nested too deeply")};
    QByteArray& text = object.text;
    if (depth > 0 && value.isIndirect() && (value.isArray() || value.isDictionary() || value.isStream())) {
        appendReference(value, object);
        return;
    }
    switch (value.getTypeCode()) {
    case ::ot_boolean:
    case ::ot_integer:
    case ::ot_real:
    case ::ot_string:
    case ::ot_name:
        // An indirect number or name is written as its value: the object
        // number it has here means nothing in the other file.
        appendBytes(text, value.unparseResolved());
        break;
    case ::ot_array: {
        text += '[';
        const int count = value.getArrayNItems();
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                text += ' ';
            appendValue(value.getArrayItem(i), object, depth + 1);
        }
        text += ']';
        break;
    }
    case ::ot_dictionary:
        text += "<<";
        appendEntries(value, object, nullptr, depth + 1);
        text += ">>";
        break;
    default: // null, a dangling reference, or what a damaged file leaves
        requireReadable(value);
        text += "null";
        break;
    }
}

void PdfObjectGraph::requireReadable(QPDFObjectHandle value)
{
    // qpdf warns about every object it fails to parse, so a file read
    // without warnings has none.
    if (!value.isIndirect() || !value.isNull() || !file_.anyWarnings())
        return;
    if (!storedRead_) {
        for (const auto& [og, entry] : file_.getXRefTable()) {
            if (entry.getType() != 0) // 0: a free entry
                stored_.insert(og);
        }
        storedRead_ = true;
    }
    if (stored_.count(value.getObjGen()))
        fail(QT_TRANSLATE_NOOP("PdfFormCopy", "part of the page cannot be read"));
}

void PdfObjectGraph::requireSoundLength(QPDFObjectHandle stream)
{
    std::set<QPDFObjGen> passed{stream.getObjGen()};
    QPDFObjectHandle length = stream.getDict().getKey("/Length");
    // A length in another stream's dictionary is read through that stream.
    while (length.isIndirect()) {
        if (!passed.insert(length.getObjGen()).second)
            fail(QT_TRANSLATE_NOOP("PdfFormCopy", "a stream's length is damaged"));
        if (!length.isStream())
            break;
        length = length.getDict().getKey("/Length");
    }
    if (length.isInteger() && length.getIntValue() < 0)
        fail(QT_TRANSLATE_NOOP("PdfFormCopy", "a stream's length is damaged"));
}

void PdfObjectGraph::appendReference(QPDFObjectHandle value, CopiedPdfObject& object)
{
    if (isPageTreeNode(value)) {
        object.text += "null";
        return;
    }
    const QPDFObjGen og = value.getObjGen();
    auto found = indices_.find(og);
    if (found == indices_.end()) {
        found = indices_.emplace(og, nextIndex_++).first;
        queue_.push_back(value);
    }
    object.refs.emplace_back(object.text.size(), found->second);
}
