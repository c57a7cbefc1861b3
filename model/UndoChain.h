#pragma once

#include <cstddef>
#include <memory>

class CCadenzoDoc;

// One recorded state of the template.
struct UndoNode
{
    UndoNode* prev = nullptr; // the next older state; null for the oldest
    UndoNode* next = nullptr; // the next newer state; null for the newest
    std::unique_ptr<CCadenzoDoc> snapshot;
};

// The undo history: a linear chain of full snapshots of the template, one per
// recorded change. Undo steps back along the chain and keeps the states it
// left, so that Redo can bring them back; recording a new change drops them.
// Snapshots share the PDF bytes and handles of the template, so a step costs
// the settings and heads only.
class UndoChain
{
public:
    UndoChain() = default;
    ~UndoChain();
    UndoChain(const UndoChain&) = delete;
    UndoChain& operator=(const UndoChain&) = delete;

    // Drops every step and starts over with doc's state as the only one.
    void Restart(const CCadenzoDoc& doc);
    // When doc differs from the newest state, records it as a new step and
    // marks doc modified; returns whether a step was recorded. A chain that
    // was never started just starts with doc's state.
    bool Record(CCadenzoDoc& doc);
    // Brings doc back to the state before the current one, which stays for
    // Redo; at the oldest state doc is no longer modified. Returns false,
    // leaving doc alone, when there is no older state.
    bool Undo(CCadenzoDoc& doc);
    // Brings doc forward to the state the last Undo left, marking it
    // modified. Returns false, leaving doc alone, when there is none.
    bool Redo(CCadenzoDoc& doc);

    bool CanUndo() const { return current_ && current_ != first_; }
    bool CanRedo() const { return current_ && current_->next; }
    // Recorded states, the first one included; 0 before the first Restart.
    std::size_t size() const { return size_; }
    const UndoNode* first() const { return first_; }
    const UndoNode* current() const { return current_; }

private:
    // Deletes node and every newer node, oldest first, without recursion.
    void deleteFrom(UndoNode* node);
    UndoNode* makeNode(const CCadenzoDoc& doc, UndoNode* prev);

    UndoNode* first_ = nullptr;
    UndoNode* current_ = nullptr;
    std::size_t size_ = 0;
};
