#pragma once

#include "model/CadenzoDoc.h"

#include <QByteArray>

#include <cstdint>
#include <memory>
#include <vector>

// The heads selected in the editor, in the order they were selected. The
// panel reads the values they share through the getters and writes edits to
// all of them through the setters. Elements refer to the document's head list
// by index and list position, so whoever deletes, reorders or replaces heads
// must clear or rebuild the selection. Until then an element whose head is no
// longer at its index is passed over: it is never read or written.
class CSelectedHeads
{
public:
    using HeadList = std::vector<std::unique_ptr<HEADING>>;

    struct SelectedHead
    {
        int index = 0;
        POSITION position = nullptr;
        friend bool operator==(const SelectedHead& a, const SelectedHead& b)
        {
            return a.index == b.index && a.position == b.position;
        }
    };

    // heads is the document's list (not owned); it must outlive the selection.
    explicit CSelectedHeads(HeadList* heads);
    virtual ~CSelectedHeads() = default;

    void Add(int index, POSITION position);
    void Remove(int index);
    bool Contains(int index) const;
    void RemoveAll();
    int GetCount() const { return int(list_.size()); }
    // Index of the element added first; -1 when nothing is selected.
    int GetFirstIndex() const;

    // Iteration: MoveFirst, then GetCurrent and MoveNext until it returns
    // false. On an empty selection MoveFirst leaves no current element and
    // GetCurrent returns null.
    void MoveFirst();
    bool MoveNext();
    // Null when the current element's head is gone from the list.
    HEADING* GetCurrent(int* index = nullptr, POSITION* position = nullptr) const;

    // Common values: the value every selected head has, or -1 (an empty text)
    // when they differ or nothing is selected.
    std::int32_t GetX() const;
    std::int32_t GetY() const;
    std::int32_t GetRotation() const;
    std::int32_t GetSeed() const;
    std::int32_t GetSpaceAfterPreface() const;
    std::int32_t GetSpaceBeforeSuffix() const;
    std::int32_t GetZeroPad() const;
    std::int32_t GetDigits() const;
    QByteArray GetPreface() const;
    QByteArray GetSuffix() const;
    // font: stored when all 60 bytes agree (returns true); color: the common
    // colour or 0xFFFFFFFF (-1). Either pointer may be null.
    bool GetFontAndColor(LOGFONTA* font, COLORREF* color) const;

    // Write the value into every selected head; nothing is re-measured or
    // repainted.
    void SetX(std::int32_t v);
    void SetY(std::int32_t v);
    void SetRotation(std::int32_t v);
    void SetSeed(std::int32_t v);
    void SetSpaceAfterPreface(std::int32_t v);
    void SetSpaceBeforeSuffix(std::int32_t v);
    void SetZeroPad(std::int32_t v);
    void SetDigits(std::int32_t v);
    void SetPreface(const QByteArray& v);
    void SetSuffix(const QByteArray& v);
    void SetFontAndColor(const LOGFONTA& font, COLORREF color);

    // Largest bounds width and height among the selected heads; 0 when none.
    std::int32_t GetMaxWidth() const;
    std::int32_t GetMaxHeight() const;

    const std::vector<SelectedHead>& elements() const { return list_; }

private:
    POSITION positionOf(int index) const;
    bool isLive(int index, POSITION position) const;
    // The heads of the elements still in the list, in selection order.
    std::vector<HEADING*> liveHeads() const;
    template <typename F> std::int32_t common(F field) const;
    template <typename F> void setAll(F assign);

    std::size_t cursor_ = 0;
    int currentIndex_ = -1;
    POSITION currentPosition_ = nullptr;
    HeadList* heads_ = nullptr;
    std::vector<SelectedHead> list_;
};
