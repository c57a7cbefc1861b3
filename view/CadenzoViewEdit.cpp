// The Edit menu's commands of the editor: Undo and Redo over the chain of
// recorded states, Copy and Paste through the program's own head clipboard, Select All
// and Clear PDF.
#include "CadenzoView.h"

#include "SelectedHeads.h"
#include "model/CadenzoDoc.h"
#include "model/Int32.h"
#include "model/UndoChain.h"

namespace {

// Each Paste places the clipboard's heads this much further right and down.
constexpr std::int32_t kPasteOffsetX = 180;
constexpr std::int32_t kPasteOffsetY = 360;

} // namespace

void CCadenzoView::RecordUndoStep()
{
    if (undo_->Record(*doc_))
        emit editStateChanged();
}

void CCadenzoView::RestartUndo()
{
    undo_->Restart(*doc_);
    emit editStateChanged();
}

bool CCadenzoView::CanUndo() const
{
    return undo_->CanUndo();
}

bool CCadenzoView::CanRedo() const
{
    return undo_->CanRedo();
}

bool CCadenzoView::CanCopy() const
{
    return selection_->GetCount() > 0;
}

bool CCadenzoView::CanClearPdf() const
{
    return bool(doc_->GetPdfPage());
}

void CCadenzoView::OnEditUndo()
{
    if (CanUndo())
        bringBackState(&UndoChain::Undo);
}

void CCadenzoView::OnEditRedo()
{
    if (CanRedo())
        bringBackState(&UndoChain::Redo);
}

void CCadenzoView::bringBackState(bool (UndoChain::*step)(CCadenzoDoc&))
{
    // The other state may have fewer heads: nothing may still point at them.
    selection_->RemoveAll();
    (undo_.get()->*step)(*doc_);
    // Page, background, scroll origin, master head selected, panel refilled.
    doc_->UpdateAllViews(nullptr, 0);
    emit editStateChanged();
}

void CCadenzoView::ClearClipboard()
{
    clipboard_.clear();
}

void CCadenzoView::OnEditCopy()
{
    if (!CanCopy())
        return;
    ClearClipboard();
    selection_->MoveFirst();
    do {
        if (const HEADING* head = selection_->GetCurrent()) {
            auto copy = std::make_unique<HEADING>();
            copy->CopyFrom(*head);
            clipboard_.push_back(std::move(copy));
        }
    } while (selection_->MoveNext());
    emit editStateChanged();
}

void CCadenzoView::OnEditPaste()
{
    if (!CanPaste())
        return;
    selection_->RemoveAll();
    for (const auto& copy : clipboard_) {
        // The clipboard keeps the moved copy, so the next Paste lands further on.
        copy->x = int32::add(copy->x, kPasteOffsetX);
        copy->y = int32::sub(copy->y, kPasteOffsetY);
        // Frame and caption move along, so the recorded state is drawn right.
        for (RECT* r : {&copy->bounds, &copy->captionRect}) {
            *r = RECT{int32::add(r->left, kPasteOffsetX), int32::sub(r->top, kPasteOffsetY),
                      int32::add(r->right, kPasteOffsetX), int32::sub(r->bottom, kPasteOffsetY)};
        }
        int index = 0;
        const POSITION position = doc_->AddHeadCopy(*copy, &index);
        selection_->Add(index, position);
    }
    // The frame rebuilds its head list from the document.
    emit documentUpdated();
    RecordUndoStep();
    RefreshSelectedHeads(false);
    emit headSelectionChanged();
}

void CCadenzoView::OnEditSelectAll()
{
    selection_->RemoveAll();
    for (int i = 0; i < doc_->GetHeadCount(); ++i) {
        POSITION position = nullptr;
        doc_->GetHeadByIndex(i, &position);
        selection_->Add(i, position);
    }
    RefreshAllHeads(false, false);
    emit headSelectionChanged();
}

void CCadenzoView::OnEditClearPdf()
{
    if (!CanClearPdf())
        return;
    ReleasePdfScreenBitmap();
    // The embedded file stays; Undo brings the page back.
    doc_->ClearPdfPage();
    RefreshAllHeads(false, true);
    emit editStateChanged();
}
