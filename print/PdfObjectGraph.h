#pragma once

// Copies objects out of a file read by qpdf, for the form copy only: the one
// place besides it that sees qpdf's types.
#include "PdfFormCopy.h"

#include <qpdf/QPDFObjGen.hh>
#include <qpdf/QPDFObjectHandle.hh>

#include <deque>
#include <map>

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
class PdfObjectGraph
{
public:
    // Starts an empty set; index 0 is kept for an object the caller makes
    // with append() and stores in objects[0] itself.
    explicit PdfObjectGraph(std::vector<CopiedPdfObject>& objects);

    // Appends value to object's text as it is written in a file: arrays,
    // dictionaries and streams of their own by reference, everything else
    // (an indirect number too) in full.
    void append(QPDFObjectHandle value, CopiedPdfObject& object);
    // Copies every object referred to so far, and those they refer to.
    void copyReferred();

private:
    // A dictionary's entries without << >>, leaving out skipKey (may be null).
    void appendEntries(QPDFObjectHandle dictionary, CopiedPdfObject& object, const char* skipKey, int depth);
    void appendValue(QPDFObjectHandle value, CopiedPdfObject& object, int depth);
    void appendReference(QPDFObjectHandle value, CopiedPdfObject& object);

    std::vector<CopiedPdfObject>& objects_;
    std::map<QPDFObjGen, std::uint32_t> indices_;
    std::deque<QPDFObjectHandle> queue_; // referred to, not copied yet
    std::uint32_t nextIndex_ = 1;
};
