#pragma once
// The vocabulary of each genre. Patterns use A (adjectives), N (nouns), P (places), X (a list of
// the genre's own, e.g. sport events) and the shared lists F/S (first names and surnames; a
// genre with its own cast of names, like the ancient world, replaces them).
#include <array>

#include "Lexicon.h"

namespace qvx::content {

constexpr int kGenres = 15;

struct GenreVocabulary {
    Words adjectives{}, nouns{}, places{}, extra{};
    Words firstNames{}, surnames{};  // empty: the shared lists
    // Indexed by programme type 1..4; an empty list falls back to the movie patterns.
    std::array<Words, 5> titles{};
    std::array<Words, 5> stories{};
    Words taglines{};
};

// Genre 1..15.
const GenreVocabulary& GenreWords(int genre);
const char* GenreName(int genre);

namespace detail {
const GenreVocabulary& GenreWordsActionToSoap(int genre);
const GenreVocabulary& GenreWordsSportToScienceFiction(int genre);
}  // namespace detail

}  // namespace qvx::content
