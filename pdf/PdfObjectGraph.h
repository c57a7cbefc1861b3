#pragma once

// Copies objects out of a file read by qpdf, for the form copy only: with
// PdfPrintedAnnotations, the one place besides it that sees qpdf's types.
#include "PdfFormCopy.h"

#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <deque>
#include <map>
#include <set>

class QPDF;

// Thrown when a copy cannot go on, with the reason for the user.
struct PdfCopyError
{
    QString why;
};

// Serialises objects with their references renumbered into a set of copied
// objects. Every indirect object reached is copied once, however often and
// in whatever cycles it is referred to; the walk goes through a queue, so
// long chains of references use no stack. Page and page tree nodes are not
// copied: references to them become null.
//
// Where qpdf and the renderer would read an object differently, the copy is
// refused (PdfCopyError) rather than made unlike the page on screen: an
// object the file holds but qpdf cannot parse, which qpdf takes for null, and
// a stream whose /Length is negative or leads back to the stream itself,
// which qpdf recovers and the renderer leaves empty.
class PdfObjectGraph
{
public:
    // Starts an empty set of objects read from file; index 0 is kept for an
    // object the caller makes with append() and stores in objects[0] itself.
    PdfObjectGraph(QPDF& file, std::vector<CopiedPdfObject>& objects);

    // Appends value to object's text as it is written in a file: arrays,
    // dictionaries and streams of their own by reference, everything else
    // (an indirect number too) in full.
    void append(QPDFObjectHandle value, CopiedPdfObject& object);
    // Copies every object referred to so far, and those they refer to.
    void copyReferred();

    // Throws PdfCopyError when value refers to an object of the file that
    // qpdf could not parse.
    void requireReadable(QPDFObjectHandle value);
    // Throws PdfCopyError when stream's data is not where the renderer
    // finds it.
    static void requireSoundLength(QPDFObjectHandle stream);

private:
    // A dictionary's entries without << >>, leaving out skipKey (may be null).
    void appendEntries(QPDFObjectHandle dictionary, CopiedPdfObject& object, const char* skipKey, int depth);
    void appendValue(QPDFObjectHandle value, CopiedPdfObject& object, int depth);
    void appendReference(QPDFObjectHandle value, CopiedPdfObject& object);

    QPDF& file_;
    std::vector<CopiedPdfObject>& objects_;
    std::set<QPDFObjGen> stored_; // the objects the file's cross-reference lists
    bool storedRead_ = false;
    std::map<QPDFObjGen, std::uint32_t> indices_;
    std::deque<QPDFObjectHandle> queue_; // referred to, not copied yet
    std::uint32_t nextIndex_ = 1;
};
