"""Words no family game should offer, and the check every word list passes.

The terms come from two maintained lists, fetched by tools/make-dictionaries.sh with
`npm pack` and kept in the repository so that the tests read the same terms:

  naughty-words 1.2.0  (CC-BY-4.0)  one JSON file of terms per language
  cuss 2.2.0           (MIT)        English, Spanish, French, Italian and Portuguese terms,
                                    each rated 0 to 2; the terms rated 2, "likely profane"

`extract` writes tools/wordlists/offensive-<language>.txt from the unpacked packages: one
term a line, NFC, case-folded, sorted. Two lists are reviewed by hand:
tools/wordlists/blocked-<language>.txt adds slurs and crude words the maintained lists miss
(Greek and Ukrainian have none), and tools/wordlists/allowed-<language>.txt lists words and
phrases whose every sense is harmless ("blue tit", "pussy willow").

An entry is refused when a run of its whole words (split at blanks and hyphens) is a term,
or (where the caller gives the language's words, for languages that write compounds as one
word) a compound that ends in a term after a word of four letters or more. A part of a word is never a match on its
own: "cocktail" and "class" stay. A run inside an allowed phrase is no match.
"""

import json
import re
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
WORDLISTS = ROOT / "tools" / "wordlists"

# The naughty-words file and the cuss module (if any) for each language code of a list.
SOURCES = {
    "ar": ("ar", None), "cs": ("cs", None), "da": ("da", None), "de": ("de", None),
    "en": ("en", "index.js"), "eo": ("eo", None), "es": ("es", "es.js"), "fa": ("fa", None),
    "fi": ("fi", None), "fr": ("fr", "fr.js"), "hi": ("hi", None), "hu": ("hu", None),
    "it": ("it", "it.js"), "ja": ("ja", None), "ko": ("ko", None), "nb": ("no", None),
    "nl": ("nl", None), "pl": ("pl", None), "pt": ("pt", "pt-pt.js"), "pt-BR": ("pt", "pt.js"),
    "ru": ("ru", None), "sv": ("sv", None), "th": ("th", None), "tr": ("tr", None),
}

# A term ending at least this many known words is taken for a suffix (see Filter).
SUFFIX_WORDS = 10

SPLIT = re.compile(r"[\s\-\u2010\u2011]+")
CUSS_ENTRY = re.compile(r"^\s+(?:'([^']+)'|\"([^\"]+)\"|([^\s:'\"]+)):\s*(\d)\s*,?\s*$", re.M)


def normal(text):
    return unicodedata.normalize("NFC", unicodedata.normalize("NFC", text).casefold())


def tokens(text):
    return tuple(t for t in SPLIT.split(normal(text)) if t)


def extract(naughty_dir, cuss_dir):
    """Writes the kept term files from the unpacked npm packages."""
    WORDLISTS.mkdir(parents=True, exist_ok=True)
    for language, (naughty, cuss) in sorted(SOURCES.items()):
        terms = set()
        with open(Path(naughty_dir) / f"{naughty}.json", "rb") as fh:
            terms.update(json.loads(fh.read().decode("utf-8")))
        if cuss:
            source = (Path(cuss_dir) / cuss).read_bytes().decode("utf-8")
            for quoted, double, bare, rating in CUSS_ENTRY.findall(source):
                if rating == "2":
                    terms.add(quoted or double or bare)
        kept = sorted({" ".join(tokens(t)) for t in terms} - {""})
        (WORDLISTS / f"offensive-{language}.txt").write_bytes("".join(t + "\n" for t in kept).encode("utf-8"))


def read_list(path):
    if not path.exists():
        return []
    lines = path.read_bytes().decode("utf-8").splitlines()
    return [line for line in lines if line.strip() and not line.startswith("#")]


class Filter:
    """The offensive-word check for one language."""

    def __init__(self, language, known_words=(), vocabulary=None):
        self.terms = {tokens(t) for t in read_list(WORDLISTS / f"offensive-{language}.txt")}
        self.terms |= {tokens(t) for t in read_list(WORDLISTS / f"blocked-{language}.txt")}
        self.allowed = {tokens(a) for a in read_list(WORDLISTS / f"allowed-{language}.txt")}
        self.longest = max((len(t) for t in self.terms | self.allowed), default=1)
        self.single = {t[0] for t in self.terms if len(t) == 1}
        self.allowed_single = {a[0] for a in self.allowed if len(a) == 1}
        self.known = {normal(w) for w in known_words}
        # A term that ends many of the language's words (its inflected forms too, where the
        # vocabulary is given) is a suffix there, not a compound's last part: German "-ische"
        # ends "demokratische" and hundreds more.
        endings = {}
        for word in self.known if vocabulary is None else {normal(w) for w in vocabulary}:
            for cut in range(1, len(word) - 2):
                if word[cut:] in self.single:
                    endings[word[cut:]] = endings.get(word[cut:], 0) + 1
        self.suffixes = {t for t, n in endings.items() if n >= SUFFIX_WORDS}
        self.allowed_hits = set()  # allowed phrases that spared an entry

    def _is_term(self, run):
        return run in self.terms

    def _compound(self, token):
        """A term ending a compound after a known word of four letters or more; an allowed
        word ends a compound harmlessly ("guardapolvo")."""
        if not self.known:
            return None
        for cut in range(4, len(token) - 2):
            head, tail = token[:cut], token[cut:]
            if (head in self.known and tail not in self.suffixes and tail not in self.allowed_single
                    and self._is_term((tail,))):
                return tail
        return None

    def allows(self, entry):
        """The entry is on the allow-list as a whole."""
        return tokens(entry) in self.allowed

    def offending(self, entry):
        """The term an entry holds, or None."""
        words = tokens(entry)
        spared = [False] * len(words)
        for n in range(self.longest, 0, -1):
            for i in range(len(words) - n + 1):
                if words[i:i + n] in self.allowed:
                    self.allowed_hits.add(words[i:i + n])
                    spared[i:i + n] = [True] * n
        for n in range(1, self.longest + 1):
            for i in range(len(words) - n + 1):
                run = words[i:i + n]
                if not all(spared[i:i + n]) and self._is_term(run):
                    return " ".join(run)
        for i, word in enumerate(words):
            if not spared[i] and (term := self._compound(word)):
                return term
        return None
