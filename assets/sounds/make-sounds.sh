#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the game's wave files: the card click and every player's spoken lines, each in a male
# and a female voice, plus the fall-back files played when a player's own file is missing.
# The results are committed beside this script, so building the game needs neither tool.
# Needs Debian's espeak-ng and sox. Run it again after changing a line below.
set -euo pipefail
cd "$(dirname "$0")"

rate=22050
maxlen=1.15 # seconds: a spoken line never holds up play for longer

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# speak OUT VOICE SPEED PITCH TEXT: one line in kana, trimmed, 16-bit PCM mono.
speak() {
    local out=$1 voice=$2 speed=$3 pitch=$4 text=$5
    espeak-ng -v "$voice" -s "$speed" -p "$pitch" -w "$work/raw.wav" "$text" 2>/dev/null
    # Trim silence at both ends, level to -1 dBFS, short fades against clicks.
    sox "$work/raw.wav" -r "$rate" -b 16 -c 1 -e signed-integer "$work/cut.wav" \
        silence 1 0.01 0.5% reverse silence 1 0.01 0.5% reverse
    sox "$work/cut.wav" "$work/trim.wav" gain -n -1 fade t 0.005 0 0.02
    local len
    len=$(soxi -D "$work/trim.wav")
    if awk -v l="$len" -v m="$maxlen" 'BEGIN { exit !(l > m) }'; then
        # Too long: speed it up without changing the pitch.
        sox "$work/trim.wav" "$work/fast.wav" tempo -s "$(awk -v l="$len" -v m="$maxlen" \
            'BEGIN { printf "%.3f", l / m }')"
        mv "$work/fast.wav" "$work/trim.wav"
    fi
    mv "$work/trim.wav" "$out"
}

# The lines of each event, one per player 1..4 (the player number is the file's digit).
declare -A lines=(
    [pass]="パス|パスします|うーん、パス|パスです"
    [agari]="あがり！|あがりました|やった、あがり！|あがりです"
    [babamoti]="ばばもち…|ばばもちです|あーあ、ばばもち|ざんねん、ばばもち"
    [hakidasi]="はきだし！|はきだします|もうだめ、はきだし|はきだしです"
    [babadasi]="ジョーカー！|ジョーカーです|ジョーカーだ！|ジョーカーを、どうぞ"
    [babadas2]="はい、どうぞ|はい、だします|しかたない、どうぞ|はい、これ"
)
# The line of each fall-back file (no player digit).
declare -A generic=(
    [pass]="パス"
    [agari]="あがり"
    [babamoti]="ばばもち"
    [hakidasi]="はきだし"
    [babadasi]="ジョーカー"
    [babadas2]="どうぞ"
)

# Voice per player: speed (words per minute) and pitch (0..99) of the male and female voice.
male_speed=(0 170 160 185 150)
male_pitch=(0 45 30 60 38)
female_speed=(0 175 165 190 155)
female_pitch=(0 55 40 70 48)

for event in "${!lines[@]}"; do
    IFS='|' read -r -a text <<<"${lines[$event]}"
    female=w${event:1} # the female name drops the first character and starts with "w"
    for p in 1 2 3 4; do
        speak "$event$p.wav" ja "${male_speed[$p]}" "${male_pitch[$p]}" "${text[$((p - 1))]}"
        speak "$female$p.wav" ja+f3 "${female_speed[$p]}" "${female_pitch[$p]}" \
            "${text[$((p - 1))]}"
    done
    speak "$event.wav" ja 170 45 "${generic[$event]}"
    speak "$female.wav" ja+f3 175 55 "${generic[$event]}"
done

# The card click: a short burst of band-passed noise over a low knock, decaying fast.
sox -n -r "$rate" -b 16 -c 1 -e signed-integer "$work/tick.wav" \
    synth 0.05 pinknoise band 3000 2000 fade l 0.001 0.05 0.045
sox -n -r "$rate" -b 16 -c 1 -e signed-integer "$work/knock.wav" \
    synth 0.05 sine 220 fade l 0.001 0.05 0.045
sox -m "$work/tick.wav" "$work/knock.wav" -b 16 "$work/click.wav" gain -n -3
cp "$work/click.wav" dasu.wav
# A missing "dasu.wav" is looked up as "das.wav".
cp dasu.wav das.wav
