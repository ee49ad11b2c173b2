#include "settings/sound_cues.h"

namespace tavexo {

const char* SoundName(Sound sound) {
    switch (sound) {
        case Sound::Bj:
            return "bj";
        case Sound::Card:
            return "card";
        case Sound::Coin1:
            return "coin1";
        case Sound::Coin2:
            return "coin2";
        case Sound::Minus:
            return "minus";
        case Sound::Mischen:
            return "mischen";
        case Sound::Null:
            return "null";
        case Sound::Piep:
            return "piep";
        case Sound::Plus:
            return "plus";
    }
    return "";
}

}  // namespace tavexo
