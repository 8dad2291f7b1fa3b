#include "Lexicon.h"

namespace qvx::content {

namespace {

int KeyIndex(char key) {
    return key >= 'A' && key <= 'Z' ? key - 'A' : -1;
}

constexpr std::array<std::string_view, 48> kFirstNames = {
    "Abel",  "Ada",   "Bram",   "Clara",   "Dario",  "Della",  "Edwin",  "Elsa",
    "Felix", "Fern",  "Gideon", "Greta",   "Hollis", "Ines",   "Jasper", "Juno",
    "Kit",   "Lena",  "Linus",  "Mabel",   "Milo",   "Nadia",  "Noel",   "Odette",
    "Orson", "Petra", "Quinn",  "Rosa",    "Rufus",  "Selma",  "Silas",  "Tamsin",
    "Theo",  "Una",   "Vance",  "Vera",    "Wade",   "Wilma",  "Xavi",   "Yara",
    "Zeke",  "Renée", "Arlo",   "Bettina", "Cormac", "Dulcie", "Emmett", "Flora"};

constexpr std::array<std::string_view, 48> kSurnames = {
    "Abernathy", "Ashcombe", "Bellweather", "Brody",    "Calloway",  "Corrigan",  "Dunmore",
    "Ellery",    "Farrow",   "Fenwick",     "Galloway", "Grisham",   "Hallam",    "Hartigan",
    "Ingram",    "Jessop",   "Kettering",   "Lachance", "Lindqvist", "Marchetti", "Morrow",
    "Nettleton", "Oakes",    "Pellegrini",  "Quayle",   "Radcliffe", "Rourke",    "Sandoval",
    "Sorensen",  "Strand",   "Thackeray",   "Tolliver", "Underhill", "Vasquez",   "Voss",
    "Whitlock",  "Winslow",  "Yardley",     "Zeller",   "Okafor",    "Brannigan", "Castellane",
    "Drummond",  "Escobedo", "Fairweather", "Gautier",  "Halloran",  "Kowalczyk"};

constexpr std::array<std::string_view, 24> kTowns = {
    "Harbor City", "Millbrook",   "Greyport",  "Stanwick",   "Corran Bay", "Eastvale",
    "Halbridge",   "Ostmere",     "Port Lusk", "Redmarsh",   "Tollington", "Brackwater",
    "Kestrel Bay", "Fenmouth",    "Larchmont", "New Carrow", "Ashvale",    "Dunhollow",
    "Marrowgate",  "Silverbrook", "Wexham",    "Caldmoor",   "Pinecrest",  "Vellmouth"};

}  // namespace

Lexicon& Lexicon::Set(char key, Words words) {
    if (const int i = KeyIndex(key); i >= 0) m_lists[static_cast<size_t>(i)] = words;
    return *this;
}

Words Lexicon::Get(char key) const {
    const int i = KeyIndex(key);
    return i >= 0 ? m_lists[static_cast<size_t>(i)] : Words{};
}

std::string_view Pick(Words words, Rng& rng) {
    if (words.empty()) return {};
    return words[static_cast<size_t>(rng.Random(static_cast<int32_t>(words.size())))];
}

Expander::Expander(const Lexicon& lexicon, Rng& rng) : m_lexicon(lexicon), m_rng(rng) {
    for (auto& slots : m_chosen)
        slots.fill(-1);
}

namespace {

bool StartsWithVowel(std::string_view word) {
    return !word.empty() && std::string_view("AEIOUaeiou").find(word[0]) != std::string_view::npos;
}

// "a" / "A" written just before a word that starts with a vowel becomes "an" / "An".
void FixArticle(std::string& out, std::string_view nextWord) {
    if (!StartsWithVowel(nextWord) || out.size() < 2 || out.back() != ' ') return;
    const char article = out[out.size() - 2];
    if (article != 'a' && article != 'A') return;
    if (out.size() > 2 && out[out.size() - 3] != ' ') return;
    out.insert(out.size() - 1, "n");
}

}  // namespace

std::string Expander::operator()(std::string_view pattern) {
    std::string out;
    size_t pos = 0;
    while (pos < pattern.size()) {
        const size_t open = pattern.find('{', pos);
        if (open == std::string_view::npos) break;
        const size_t close = pattern.find('}', open);
        if (close == std::string_view::npos) break;
        out.append(pattern.substr(pos, open - pos));
        const std::string_view token = pattern.substr(open + 1, close - open - 1);
        pos = close + 1;

        // A lower-case key is the same pick written in lower case, for use mid-sentence.
        const bool lower = !token.empty() && token[0] >= 'a' && token[0] <= 'z';
        const char keyChar = lower           ? static_cast<char>(token[0] - 'a' + 'A')
                             : token.empty() ? '?'
                                             : token[0];
        const int key = KeyIndex(keyChar);
        const bool numbered = token.size() == 2 && token[1] >= '0' && token[1] <= '9';
        const int slot = numbered ? token[1] - '0' : 0;
        const bool valid = key >= 0 && (token.size() == 1 || numbered);
        const Words words = valid ? m_lexicon.Get(keyChar) : Words{};
        if (words.empty()) {
            out.append(pattern.substr(open, close - open + 1));
            continue;
        }
        auto& slots = m_chosen[static_cast<size_t>(key)];
        int& pick = slots[static_cast<size_t>(slot)];
        if (pick < 0) {
            // Different slots of one list name different things ("Rovers vs. Rovers" is no
            // match), so a collision moves on to the next free word.
            const int n = static_cast<int>(words.size());
            int candidate = m_rng.Random(n);
            for (int tries = 0; tries < n; ++tries) {
                bool taken = false;
                for (int other : slots)
                    taken = taken || other == candidate;
                if (!taken) break;
                candidate = (candidate + 1) % n;
            }
            pick = candidate;
        }
        std::string word(words[static_cast<size_t>(pick)]);
        if (lower) {
            for (char& c : word) {
                if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            }
        }
        FixArticle(out, word);
        out.append(word);
    }
    out.append(pattern.substr(pos));
    return out;
}

Words FirstNames() {
    return kFirstNames;
}
Words Surnames() {
    return kSurnames;
}
Words Towns() {
    return kTowns;
}

}  // namespace qvx::content
