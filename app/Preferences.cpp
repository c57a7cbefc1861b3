#include "Preferences.h"

namespace prefs {

std::uint32_t& viewWord()
{
    static std::uint32_t word = kDefaultViewWord;
    return word;
}

} // namespace prefs
