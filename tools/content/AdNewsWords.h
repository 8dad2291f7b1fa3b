#pragma once
// Vocabulary of advertisers and news headlines.
#include <cstdint>
#include <span>

#include "Lexicon.h"

namespace qvx::content {

// A line of business: who it speaks to, the word after the brand in the advertiser's name and
// the slogans it may run ({B} is the brand).
struct AdvertiserKind {
    int32_t target;
    std::string_view trade;
    Words slogans;
};

std::span<const AdvertiserKind> AdvertiserKinds();
// Invented brands are a start and an end glued together: "Kess" + "ling".
Words BrandStarts();
Words BrandEnds();

// Headline patterns of a news category (1..3) and the lists they use besides F, S and T.
Words NewsPatterns(int category);
void AddNewsWords(Lexicon& lexicon);

}  // namespace qvx::content
