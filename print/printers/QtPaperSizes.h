#pragma once

#include "model/PaperList.h"

class QPageSize;

// A Qt page size as a driver would report it: tenths of a millimetre in the
// sense the paper is defined (a few, such as Ledger, are wider than long).
PaperList::Size PaperTenthsOf(const QPageSize& page);

// The Windows paper code of a page; 0 (a custom size) for papers that have no
// such code, so that they still reach the printer through their dimensions.
std::uint16_t WindowsPaperCodeOf(const QPageSize& page);

// The papers offered when no printer, or a printer without a paper list, is
// chosen: the common office papers and envelopes in Windows code order, with
// custom sizes and both orientations allowed.
PaperList CommonPapers();

// The entry of list that the user's locale prints on by default: Letter where
// US measures are used, A4 elsewhere; 0 when the list has neither.
int LocalePaperIndex(const PaperList& list);
