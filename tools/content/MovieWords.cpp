#include "MovieWords.h"

namespace qvx::content {

const GenreVocabulary& GenreWords(int genre) {
    return genre <= 8 ? detail::GenreWordsActionToSoap(genre)
                      : detail::GenreWordsSportToScienceFiction(genre);
}

const char* GenreName(int genre) {
    static constexpr const char* kNames[kGenres + 1] = {
        "",       "Action",           "Cartoon", "Crime",          "Love", "Thriller",
        "Quiz",   "Cultural",         "Soap",    "Sport / Live",   "War",  "Western",
        "Comedy", "Ancient/Medieval", "Drama",   "Science-Fiction"};
    return genre >= 1 && genre <= kGenres ? kNames[genre] : "";
}

}  // namespace qvx::content
