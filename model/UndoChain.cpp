#include "UndoChain.h"

#include "CadenzoDoc.h"

UndoChain::~UndoChain()
{
    deleteFrom(first_);
}

UndoNode* UndoChain::makeNode(const CCadenzoDoc& doc, UndoNode* prev)
{
    auto node = std::make_unique<UndoNode>();
    node->snapshot = std::make_unique<CCadenzoDoc>(CCadenzoDoc::SnapshotTag{});
    node->snapshot->CopyFrom(doc);
    node->prev = prev;
    ++size_;
    return node.release();
}

void UndoChain::deleteFrom(UndoNode* node)
{
    if (!node)
        return;
    if (node->prev)
        node->prev->next = nullptr;
    if (node == first_)
        first_ = nullptr;
    while (node) {
        UndoNode* newer = node->next;
        delete node;
        --size_;
        node = newer;
    }
}

void UndoChain::Restart(const CCadenzoDoc& doc)
{
    deleteFrom(first_);
    first_ = current_ = makeNode(doc, nullptr);
}

bool UndoChain::Record(CCadenzoDoc& doc)
{
    if (!current_) {
        Restart(doc);
        return false;
    }
    if (doc.IsEqual(*current_->snapshot))
        return false;
    doc.SetModifiedFlag(true);
    // Anything newer than the current state was undone already.
    deleteFrom(current_->next);
    UndoNode* node = makeNode(doc, current_);
    current_->next = node;
    current_ = node;
    return true;
}

bool UndoChain::Undo(CCadenzoDoc& doc)
{
    if (!CanUndo())
        return false;
    current_ = current_->prev;
    doc.CopyFrom(*current_->snapshot);
    if (current_ == first_)
        doc.SetModifiedFlag(false);
    return true;
}

bool UndoChain::Redo(CCadenzoDoc& doc)
{
    if (!CanRedo())
        return false;
    current_ = current_->next;
    doc.CopyFrom(*current_->snapshot);
    doc.SetModifiedFlag(true);
    return true;
}
