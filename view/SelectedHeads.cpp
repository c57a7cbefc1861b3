#include "SelectedHeads.h"

#include "model/Int32.h"

#include <algorithm>

CSelectedHeads::CSelectedHeads(HeadList* heads) : heads_(heads) {}

POSITION CSelectedHeads::positionOf(int index) const
{
    if (!heads_ || index < 0 || std::size_t(index) >= heads_->size())
        return nullptr;
    return (*heads_)[std::size_t(index)].get();
}

void CSelectedHeads::Add(int index, POSITION position)
{
    const SelectedHead e{index, position};
    if (std::find(list_.begin(), list_.end(), e) == list_.end())
        list_.push_back(e);
}

void CSelectedHeads::Remove(int index)
{
    const SelectedHead e{index, positionOf(index)};
    const auto it = std::find(list_.begin(), list_.end(), e);
    if (it == list_.end())
        return;
    const std::size_t at = std::size_t(it - list_.begin());
    list_.erase(it);
    // Keep the cursor on the element it was on, or past the end.
    if (cursor_ > at)
        --cursor_;
}

bool CSelectedHeads::Contains(int index) const
{
    const SelectedHead e{index, positionOf(index)};
    return std::find(list_.begin(), list_.end(), e) != list_.end();
}

void CSelectedHeads::RemoveAll()
{
    list_.clear();
    cursor_ = 0;
    currentIndex_ = -1;
    currentPosition_ = nullptr;
}

int CSelectedHeads::GetFirstIndex() const
{
    return list_.empty() ? -1 : list_.front().index;
}

void CSelectedHeads::MoveFirst()
{
    cursor_ = 0;
    if (list_.empty()) {
        currentIndex_ = -1;
        currentPosition_ = nullptr;
        return;
    }
    currentIndex_ = list_.front().index;
    currentPosition_ = list_.front().position;
}

bool CSelectedHeads::MoveNext()
{
    if (cursor_ + 1 >= list_.size())
        return false;
    ++cursor_;
    currentIndex_ = list_[cursor_].index;
    currentPosition_ = list_[cursor_].position;
    return true;
}

HEADING* CSelectedHeads::GetCurrent(int* index, POSITION* position) const
{
    if (index)
        *index = currentIndex_;
    if (position)
        *position = currentPosition_;
    return isLive(currentIndex_, currentPosition_) ? currentPosition_ : nullptr;
}

bool CSelectedHeads::isLive(int index, POSITION position) const
{
    return position && positionOf(index) == position;
}

std::vector<HEADING*> CSelectedHeads::liveHeads() const
{
    std::vector<HEADING*> result;
    result.reserve(list_.size());
    for (const SelectedHead& e : list_) {
        if (isLive(e.index, e.position))
            result.push_back(e.position);
    }
    return result;
}

template <typename F> std::int32_t CSelectedHeads::common(F field) const
{
    const std::vector<HEADING*> heads = liveHeads();
    if (heads.empty())
        return -1;
    const std::int32_t first = field(*heads.front());
    for (const HEADING* head : heads) {
        if (field(*head) != first)
            return -1;
    }
    return first;
}

template <typename F> void CSelectedHeads::setAll(F assign)
{
    for (HEADING* head : liveHeads())
        assign(*head);
}

std::int32_t CSelectedHeads::GetX() const
{
    return common([](const HEADING& h) { return h.x; });
}
std::int32_t CSelectedHeads::GetY() const
{
    return common([](const HEADING& h) { return h.y; });
}
std::int32_t CSelectedHeads::GetRotation() const
{
    return common([](const HEADING& h) { return h.rotation; });
}
std::int32_t CSelectedHeads::GetSeed() const
{
    return common([](const HEADING& h) { return h.seed; });
}
std::int32_t CSelectedHeads::GetSpaceAfterPreface() const
{
    return common([](const HEADING& h) { return h.spaceAfterPreface; });
}
std::int32_t CSelectedHeads::GetSpaceBeforeSuffix() const
{
    return common([](const HEADING& h) { return h.spaceBeforeSuffix; });
}
std::int32_t CSelectedHeads::GetZeroPad() const
{
    return common([](const HEADING& h) { return h.zeroPad; });
}
std::int32_t CSelectedHeads::GetDigits() const
{
    return common([](const HEADING& h) { return h.digits; });
}

QByteArray CSelectedHeads::GetPreface() const
{
    const std::vector<HEADING*> heads = liveHeads();
    if (heads.empty())
        return {};
    const QByteArray& first = heads.front()->preface;
    for (const HEADING* head : heads) {
        if (head->preface != first)
            return {};
    }
    return first;
}

QByteArray CSelectedHeads::GetSuffix() const
{
    const std::vector<HEADING*> heads = liveHeads();
    if (heads.empty())
        return {};
    const QByteArray& first = heads.front()->suffix;
    for (const HEADING* head : heads) {
        if (head->suffix != first)
            return {};
    }
    return first;
}

bool CSelectedHeads::GetFontAndColor(LOGFONTA* font, COLORREF* color) const
{
    const std::vector<HEADING*> heads = liveHeads();
    bool sameFont = !heads.empty();
    bool sameColor = !heads.empty();
    if (!heads.empty()) {
        const HEADING& first = *heads.front();
        for (const HEADING* head : heads) {
            sameFont = sameFont && logFontBytesEqual(head->font, first.font);
            sameColor = sameColor && head->color == first.color;
        }
        if (sameFont && font)
            *font = first.font;
        if (color)
            *color = sameColor ? first.color : COLORREF(0xFFFFFFFFu);
    } else if (color) {
        *color = COLORREF(0xFFFFFFFFu);
    }
    return sameFont;
}

void CSelectedHeads::SetX(std::int32_t v)
{
    setAll([v](HEADING& h) { h.x = v; });
}
void CSelectedHeads::SetY(std::int32_t v)
{
    setAll([v](HEADING& h) { h.y = v; });
}
void CSelectedHeads::SetRotation(std::int32_t v)
{
    setAll([v](HEADING& h) { h.rotation = v; });
}
void CSelectedHeads::SetSeed(std::int32_t v)
{
    setAll([v](HEADING& h) { h.seed = v; });
}
void CSelectedHeads::SetSpaceAfterPreface(std::int32_t v)
{
    setAll([v](HEADING& h) { h.spaceAfterPreface = v; });
}
void CSelectedHeads::SetSpaceBeforeSuffix(std::int32_t v)
{
    setAll([v](HEADING& h) { h.spaceBeforeSuffix = v; });
}
void CSelectedHeads::SetZeroPad(std::int32_t v)
{
    setAll([v](HEADING& h) { h.zeroPad = v; });
}
void CSelectedHeads::SetDigits(std::int32_t v)
{
    setAll([v](HEADING& h) { h.digits = v; });
}
void CSelectedHeads::SetPreface(const QByteArray& v)
{
    setAll([&v](HEADING& h) { h.preface = v; });
}
void CSelectedHeads::SetSuffix(const QByteArray& v)
{
    setAll([&v](HEADING& h) { h.suffix = v; });
}

void CSelectedHeads::SetFontAndColor(const LOGFONTA& font, COLORREF color)
{
    setAll([&font, color](HEADING& h) {
        h.font = font;
        h.color = color;
    });
}

std::int32_t CSelectedHeads::GetMaxWidth() const
{
    std::int32_t best = 0;
    for (const HEADING* head : liveHeads())
        best = std::max(best, int32::sub(head->bounds.right, head->bounds.left));
    return best;
}

std::int32_t CSelectedHeads::GetMaxHeight() const
{
    std::int32_t best = 0;
    for (const HEADING* head : liveHeads())
        best = std::max(best, int32::sub(head->bounds.top, head->bounds.bottom));
    return best;
}
