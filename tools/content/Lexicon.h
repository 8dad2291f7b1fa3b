#pragma once
// Word lists and the little template language every invented name, title and headline is built
// from. A pattern such as "Showdown at {P}" names lists by one capital letter; "{F1} ... {F2}"
// are two different picks from list F, and a token repeated (also in a later pattern expanded
// by the same Expander) repeats the same pick, so a story can name the hero of its title.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "Rng.h"

namespace qvx::content {

using Words = std::span<const std::string_view>;

class Lexicon {
  public:
    Lexicon& Set(char key, Words words);
    Words Get(char key) const;

  private:
    std::array<Words, 26> m_lists{};
};

std::string_view Pick(Words words, Rng& rng);

// Fills every {K} / {Kn} token ({K} is {K0}; {k} is the same pick in lower case). Picks are
// remembered for the Expander's lifetime, and "a" before a vowel becomes "an".
// A token naming an empty list is left as written, so a gap in the tables shows up in the output
// (and in the tests) instead of silently vanishing.
class Expander {
  public:
    Expander(const Lexicon& lexicon, Rng& rng);
    std::string operator()(std::string_view pattern);

  private:
    static constexpr int kSlotsPerKey = 10;
    const Lexicon& m_lexicon;
    Rng& m_rng;
    // m_chosen[key][slot] = index into the key's list, or -1 while not yet drawn.
    std::array<std::array<int, kSlotsPerKey>, 26> m_chosen{};
};

// Lists shared by every kind of text.
Words FirstNames();
Words Surnames();
Words Towns();

}  // namespace qvx::content
