#pragma once
// How each sound file of the game is made: a name, what kind of sound it is, its channel count
// and the function that composes it into a track (levels are set afterwards, by kind).
#include <functional>
#include <string_view>
#include <vector>

#include "SoundKit.h"
#include "Status.h"

namespace qvx::content::sounds {

enum class SoundKind { Music, Cue, Ambience, Effect };

struct Recipe {
    std::string_view name;
    SoundKind kind;
    int channels;
    std::function<Status(SoundRng&, Track&)> compose;
    double levelDb = 0.0;  // 0 = the kind's usual level
};

std::vector<Recipe> MusicRecipes();
std::vector<Recipe> CueRecipes();
std::vector<Recipe> OfficeRecipes();
std::vector<Recipe> EffectRecipes();

}  // namespace qvx::content::sounds
