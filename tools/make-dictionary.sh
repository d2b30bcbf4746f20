#!/bin/bash
# Regenerate Dictionary/Dictionary.txt from the Debian word lists.
#
# Installs what the generator reads (SCOWL-based American English lists and
# the WordNet database) if it is missing, then runs tools/make_dictionary.py
# with the system Python.  The selection rules are described at the top of
# that script.  The output depends only on the package contents, so running
# this twice gives a byte-identical file.
#
# Licence notices for the word lists are kept in LICENSES/wordlists.txt.
set -euo pipefail

export LC_ALL=C
export PYTHONHASHSEED=0

cd "$(dirname "${BASH_SOURCE[0]}")/.."

packages=(wamerican-large wamerican-huge wordnet-base python3)

missing=()
for pkg in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    if [[ "$status" != "install ok installed" ]]; then
        missing+=("$pkg")
    fi
done

if ((${#missing[@]} > 0)); then
    sudo=()
    if ((EUID != 0)); then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y --no-install-recommends "${missing[@]}"
fi

/usr/bin/python3 tools/make_dictionary.py
