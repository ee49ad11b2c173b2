#!/usr/bin/env bash
# Makes the table's nine sounds from scratch: sox synthesises the noises and
# the fanfare, espeak-ng speaks the three count words of the counting drill.
# The results are committed; run this again only to change a sound.
#   tools/make-sounds.sh [output folder]   (default: resources/sounds)
set -euo pipefail

cd "$(dirname "$0")/.."
OUT=${1:-resources/sounds}
mkdir -p "$OUT"
# Repeatable: the noise generators start from a fixed seed, so the same
# script gives the same files.
export SOX_OPTS=-R
calc() { awk "BEGIN { printf \"%.4f\", $1 }"; }

for tool in sox espeak-ng; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
done

TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT

# Mono 16-bit at 22.05 kHz is plenty for table noises and keeps the files small.
HI=(-r 22050 -c 1 -b 16)

# card: a short slide of the card over the felt, then the snap as it lands.
sox -n "${HI[@]}" "$TMP/slide.wav" synth 0.17 pinknoise fade q 0.03 0.17 0.12 \
    highpass 1800 lowpass 6500 gain -12
sox -n "${HI[@]}" "$TMP/snap.wav" synth 0.025 whitenoise gain -6 fade q 0 0.025 0.022 \
    highpass 2500
sox "$TMP/slide.wav" "$TMP/snap.wav" "$TMP/card.wav" gain -n -4
sox "$TMP/card.wav" "$OUT/card.wav" pad 0 0.285

# coin1: one chip laid on the felt, a bright metallic tick (48 kHz for the sparkle).
coin() { # coin <out> <base frequency> <length>
    sox -n -r 48000 -c 1 -b 16 "$TMP/a.wav" synth "$3" sine "$2" fade l 0 "$3" "$3" gain -3
    sox -n -r 48000 -c 1 -b 16 "$TMP/b.wav" synth "$3" sine "$(calc "$2 * 2.76")" \
        fade l 0 "$3" "$3" gain -9
    sox -n -r 48000 -c 1 -b 16 "$TMP/c.wav" synth 0.006 whitenoise gain -10 fade q 0 0.006 0.005 \
        highpass 4000 pad 0 "$(calc "$3 - 0.006")"
    sox -m "$TMP/a.wav" "$TMP/b.wav" "$TMP/c.wav" "$1"
}
coin "$TMP/coin1.wav" 2400 0.05
sox "$TMP/coin1.wav" "$OUT/coin1.wav" gain -n -3

# coin2: the payout, a few chips tumbling onto a stack.
coin "$TMP/p1.wav" 2300 0.08
coin "$TMP/p2.wav" 2750 0.08
coin "$TMP/p3.wav" 2100 0.09
coin "$TMP/p4.wav" 2900 0.07
sox "$TMP/p2.wav" "$TMP/p2d.wav" pad 0.045 0
sox "$TMP/p3.wav" "$TMP/p3d.wav" pad 0.085 0
sox "$TMP/p4.wav" "$TMP/p4d.wav" pad 0.13 0
sox -m "$TMP/p1.wav" "$TMP/p2d.wav" "$TMP/p3d.wav" "$TMP/p4d.wav" "$TMP/coin2.wav"
sox "$TMP/coin2.wav" "$OUT/coin2.wav" trim 0 0.2 fade q 0 0.2 0.03 gain -n -3

# Mischen: a riffle shuffle, noise chopped into quick flicks by a tremolo,
# fading out as the two halves meet. 8-bit mono is all a noise needs.
sox -n -r 11025 -c 1 -b 16 "$TMP/riffle.wav" synth 1.084 whitenoise \
    tremolo 28 95 bandpass 2600 1.2 fade q 0.05 1.084 0.25 gain -n -3
sox "$TMP/riffle.wav" -b 8 "$OUT/mischen.wav"

# piep: the time-out warning, a plain short tone.
sox -n -r 8000 -c 1 -b 8 "$OUT/piep.wav" synth 0.115 sine 1320 fade q 0.005 0.115 0.01 gain -4

# bj: a short brass-like fanfare, C E G and a held high C.
note() { # note <out> <frequency> <length>
    sox -n "${HI[@]}" "$TMP/n1.wav" synth "$3" sawtooth "$2" lowpass 2400 fade q 0.008 "$3" 0.02
    sox -n "${HI[@]}" "$TMP/n2.wav" synth "$3" sine "$(calc "$2 * 2")" fade q 0.008 "$3" 0.02 \
        gain -8
    sox -m "$TMP/n1.wav" "$TMP/n2.wav" "$1"
}
note "$TMP/f1.wav" 523.25 0.075
note "$TMP/f2.wav" 659.26 0.075
note "$TMP/f3.wav" 783.99 0.075
note "$TMP/f4.wav" 1046.50 0.175
sox "$TMP/f1.wav" "$TMP/f2.wav" "$TMP/f3.wav" "$TMP/f4.wav" "$OUT/bj.wav" gain -n -3

# plus, minus, null: the count values, spoken in German.
speak() { # speak <word> <words per minute>
    espeak-ng -v de -s "$2" -w "$TMP/$1-raw.wav" "$1"
    sox "$TMP/$1-raw.wav" "${HI[@]}" "$OUT/$1.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse gain -n -3 pad 0 0.04
}
speak plus 150
speak minus 150
speak null 160

for f in "$OUT"/*.wav; do
    printf '%-28s %s s\n' "$f" "$(soxi -D "$f")"
done
