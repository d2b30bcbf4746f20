#!/usr/bin/python3
"""Build the word lists of the languages other than English: Dictionary/<code>.txt.

Run it through tools/make-dictionaries.sh, which installs the Debian packages it reads
(`make_languages.py --packages` names them) and the offensive-word terms.

    make_languages.py               every list
    make_languages.py de fr pt-BR   only these
    make_languages.py --packages    the Debian packages read, on one line
    make_languages.py --removed FILE de   also write to FILE each entry the offensive-word
                                          check removed, with its term, for reviewing
                                          the allow-lists

Where the words come from
-------------------------
Each list is made from one hunspell dictionary: its stems (the .dic file) and the forms its
affix rules make of them (the .aff file), expanded here by the same rules hunspell applies.
A stem is one level of inflection away from each form: a suffix, a prefix, or both where
the rules allow it; the affixes that continue an affix (two suffixes in a row) and
compounds are not followed, so nothing is derived from a derived form. At most MOST_FORMS
forms of a stem are used, the first ones its flags give, each at most MOST_GROWTH letters
longer than the stem.

Every candidate is then checked by hunspell itself with the same dictionary (`hunspell -G`):
what hunspell does not accept as a word is not used. Stems the dictionary marks as not to be
suggested, rare, substandard, forbidden or only for compounds are left out, with all their
forms; so are forms made with an affix that the dictionary only allows inside a compound or
with a further affix.

What an entry is
----------------
Letters and combining marks only (no digit, hyphen, apostrophe, period or joiner), composed
(NFC), at least two characters to find. A stem with a capital letter is a name or an
abbreviation and goes with its forms, except a German noun: German writes every noun with a
capital, and its dictionary gives a noun a plural, a case ending or the forms that begin a
compound, while it gives a name at most the genitive "s". A capitalised German stem with no
such forms is a noun when it ends in a noun (a compound) or in a noun suffix ("-ung",
"-heit", "-chen", ...). Entries that differ only in case are one entry: the game plays
entries in lower case; the lower-case spelling is kept. Forms nobody writes alone are left
out (see over_derived): Portuguese verb forms made for a pronoun after a hyphen ("velá-lo")
and playful augmentatives.

Each entry, and the stem it is a form of, is checked against the language's offensive-word
terms (tools/offensive.py): a form of a refused stem goes with it. The dictionary's own stems
are the words a compound may begin with, and its forms tell which terms are in fact common
word endings; a reviewed tools/wordlists/allowed-<code>.txt lists harmless words the check
would otherwise refuse.

Which entries, when there are more than the list holds
------------------------------------------------------
No frequency list whose terms allow its use is available for these languages, so the
entries are ranked by what they are. Stems a reader is likely to know come first: those a
bilingual dictionary of Debian's dict-freedict packages explains (the words it thought worth
translating; a form it explains counts as such a stem, as Portuguese "casa", a form of
"casar"), then those Debian's word list of the language (/usr/share/dict) has, then the
rest. Within each group the stems that are words (the lemmas) come first (where most stems
have no affix rules, as in Turkish, those are finished forms the dictionary lists: the stems
with rules come before them), then their forms the Debian word list also has, then their
other forms: each stem's first form before any stem's second form, and so on, in the order
the dictionary gives its affixes; forms made with a prefix come last. Ties are broken by the
SHA-256 digest of the entry, which spreads a cut evenly over the alphabet without any random
state. These two sources only rank: no word is taken from them. The list is cut at its
language's limit (LANGUAGES below), chosen to keep the lists within the package's size
budget.

LICENSES/word-lists-<code>.txt is written with each list: its source, its licence, and the
source's notice from its package's copyright file.

Output: Dictionary/<code>.txt, UTF-8 without a byte-order mark, LF line ends, one entry a
line, sorted by code point of the case-folded entry, then of the entry. Running the tool
again gives byte-identical files.
"""

import hashlib
import re
import subprocess
import sys
import unicodedata
from collections import namedtuple
from pathlib import Path

import offensive

ROOT = Path(__file__).resolve().parent.parent
DICTIONARY = ROOT / "Dictionary"
LICENSES = ROOT / "LICENSES"
HUNSPELL = Path("/usr/share/hunspell")
WORDS = Path("/usr/share/dict")
FREEDICT = Path("/usr/share/dictd")

# A language's name, its hunspell dictionary, the Debian packages read (the dictionary's
# first), Debian's word list of it in /usr/share/dict, the most entries its list holds, and
# its dict-freedict dictionary.
Language = namedtuple("Language", "name hunspell packages words limit known")

LANGUAGES = {
    "ar": Language("Arabic", "ar", ("hunspell-ar", "dict-freedict-ara-eng"), None, 80000, "ara"),
    "cs": Language("Czech", "cs_CZ", ("hunspell-cs", "dict-freedict-ces-eng"), None, 120000, "ces"),
    "da": Language("Danish", "da_DK", ("hunspell-da", "wdanish", "dict-freedict-dan-eng"),
                   "danish", 120000, "dan"),
    "de": Language("German", "de_DE", ("hunspell-de-de", "wngerman", "dict-freedict-deu-eng"),
                   "ngerman", 120000, "deu"),
    "el": Language("Greek", "el_GR", ("hunspell-el", "dict-freedict-ell-eng"), None, 120000, "ell"),
    "eo": Language("Esperanto", "eo", ("myspell-eo", "wesperanto", "dict-freedict-epo-eng"),
                   "esperanto", 120000, "epo"),
    "es": Language("Spanish", "es_ES", ("hunspell-es", "wspanish", "dict-freedict-spa-eng"),
                   "spanish", 120000, "spa"),
    "fr": Language("French", "fr", ("hunspell-fr-classical", "wfrench", "dict-freedict-fra-eng"),
                   "french", 120000, "fra"),
    "hu": Language("Hungarian", "hu_HU", ("hunspell-hu", "dict-freedict-hun-eng"), None, 120000, "hun"),
    "it": Language("Italian", "it_IT", ("hunspell-it", "witalian", "dict-freedict-ita-eng"),
                   "italian", 120000, "ita"),
    "nb": Language("Norwegian Bokmål", "nb_NO", ("hunspell-no", "wnorwegian"), "bokmaal", 120000, None),
    "nl": Language("Dutch", "nl", ("hunspell-nl", "wdutch", "dict-freedict-nld-eng"), "dutch", 120000, "nld"),
    "pl": Language("Polish", "pl_PL", ("hunspell-pl", "wpolish", "dict-freedict-pol-eng"),
                   "polish", 120000, "pol"),
    "pt": Language("Portuguese", "pt_PT", ("hunspell-pt-pt", "wportuguese", "dict-freedict-por-eng"),
                   "portuguese", 120000, "por"),
    "pt-BR": Language("Brazilian Portuguese", "pt_BR", ("hunspell-pt-br", "wbrazilian", "dict-freedict-por-eng"),
                      "brazilian", 120000, "por"),
    "ru": Language("Russian", "ru_RU", ("hunspell-ru",), None, 120000, None),
    "sv": Language("Swedish", "sv_SE", ("hunspell-sv", "wswedish", "dict-freedict-swe-eng"),
                   "swedish", 120000, "swe"),
    "th": Language("Thai", "th_TH", ("hunspell-th",), None, 120000, None),
    "tr": Language("Turkish", "tr_TR", ("hunspell-tr", "dict-freedict-tur-eng"), None, 120000, "tur"),
    "uk": Language("Ukrainian", "uk_UA", ("hunspell-uk", "wukrainian"), "ukrainian", 120000, None),
}

# What makes a capitalised German stem a noun (see above).
GERMAN_NOUN_FLAGS = set("EPNRTFpqgij")
GERMAN_NOUN_SUFFIXES = ("ung", "heit", "keit", "schaft", "chen", "lein", "tum", "nis", "ion", "ität", "ismus")

# A word of up to three letters in an alphabet holds a vowel ("km", "cm", "ms" are
# abbreviations); Czech also makes syllables of "r" and "l" ("prst", "vlk").
VOWELS = set("aeiouyàáâãäåæèéêëìíîïòóôõöøùúûüýÿāăąēėęěīįıōőœūůűųŷ"
             "аеёиоуыэюяіїєў" "αεηιουωάέήίόύώϊϋΐΰ")
SYLLABIC = {"cs": set("rl")}

# The forms of one stem that may be used: the first ones in the dictionary's order, each at
# most MOST_GROWTH letters longer than the stem. A longer ending is a derivation or a stack
# of endings (Hungarian "-ékéért", German "-licheren") rather than an inflection.
MOST_FORMS = 16
MOST_GROWTH = 4

# Characters hunspell's word lists hold that are no letter of a word: the modifier letter
# apostrophe, and the Arabic vowel signs, written only in teaching texts; a letter that
# carries one is a character of its own, which a player typing the letter would not find.
NOT_LETTERS = {"\u02bc", "\u0670"} | {chr(c) for c in range(0x064B, 0x0660)}


# --- Reading a hunspell dictionary -------------------------------------------------------

class Affixes:
    """A .aff file: its flags, and its prefix and suffix rules by flag."""

    Rule = namedtuple("Rule", "strip add flags condition")

    def __init__(self, path):
        raw = path.read_bytes()
        self.encoding = "utf-8"
        found = re.search(rb"^SET\s+(\S+)", raw, re.M)
        if found:
            self.encoding = found.group(1).decode()
        lines = raw.decode(self.encoding, errors="replace").lstrip("\ufeff").splitlines()
        self.flag_type = "char"
        self.aliases = []
        self.special = {}
        self.prefixes = {}
        self.suffixes = {}
        self.cross = {}
        for line in lines:
            fields = line.split()
            if not fields:
                continue
            key = fields[0]
            if key == "FLAG" and len(fields) > 1:
                self.flag_type = fields[1]
            elif key == "AF" and len(fields) > 1 and not fields[1].isdigit():
                self.aliases.append(self.parse_flags(fields[1]))
            elif key in ("NEEDAFFIX", "ONLYINCOMPOUND", "FORBIDDENWORD", "NOSUGGEST", "WARN",
                         "SUBSTANDARD", "CIRCUMFIX", "PSEUDOROOT") and len(fields) > 1:
                self.special[key] = fields[1]
            elif key in ("PFX", "SFX") and len(fields) >= 4:
                table = self.prefixes if key == "PFX" else self.suffixes
                if len(fields) == 4 and fields[3].isdigit() and fields[2] in "YN":
                    self.cross[(key, fields[1])] = fields[2] == "Y"
                    table.setdefault(fields[1], [])
                    continue
                if len(fields) < 5:
                    fields.append(".")
                strip = "" if fields[2] == "0" else fields[2]
                add, _, cont = fields[3].partition("/")
                add = "" if add == "0" else add
                cont = self.parse_flags(cont) if cont else frozenset()
                table.setdefault(fields[1], []).append(
                    self.Rule(strip, add, cont, re.compile(condition_pattern(fields[4], key == "SFX"))))
        self.excluded = {self.special[k] for k in ("NEEDAFFIX", "ONLYINCOMPOUND", "FORBIDDENWORD", "NOSUGGEST",
                                                  "WARN", "SUBSTANDARD", "PSEUDOROOT") if k in self.special}
        self.excluded = {f for text in self.excluded for f in self.parse_flags(text)}
        self.circumfix = set(self.parse_flags(self.special["CIRCUMFIX"])) if "CIRCUMFIX" in self.special else set()

    def parse_flags(self, text):
        if self.aliases and text.isdigit():
            index = int(text)
            return self.aliases[index - 1] if 0 < index <= len(self.aliases) else frozenset()
        if self.flag_type == "long":
            return frozenset(text[i:i + 2] for i in range(0, len(text) - 1, 2))
        if self.flag_type == "num":
            return frozenset(f for f in text.split(",") if f)
        return frozenset(text)

    def ordered_flags(self, text):
        """The flags of a stem in the order the dictionary gives them."""
        if self.aliases and text.isdigit():
            return sorted(self.parse_flags(text))
        if self.flag_type == "long":
            return [text[i:i + 2] for i in range(0, len(text) - 1, 2)]
        if self.flag_type == "num":
            return [f for f in text.split(",") if f]
        return list(text)

    def forms(self, stem, flags, most):
        """The first forms of a stem one affix away, in the dictionary's order: up to `most`
        made with a suffix, and a quarter as many with a prefix (and a suffix where the rules
        allow both). Affixes that need a further affix or a compound are skipped."""
        made = []
        suffixed = []
        for flag in flags:
            if len(made) >= most:
                break
            for rule in self.suffixes.get(flag, ()):
                if len(made) >= most:
                    break
                if rule.flags & self.excluded or rule.flags & self.circumfix:
                    continue
                if stem.endswith(rule.strip) and rule.condition.search(stem):
                    form = stem[: len(stem) - len(rule.strip)] + rule.add
                    made.append(form)
                    if self.cross.get(("SFX", flag)):
                        suffixed.append(form)
        prefixed = []
        for flag in flags:
            if len(prefixed) >= most // 4:
                break
            for rule in self.prefixes.get(flag, ()):
                if len(prefixed) >= most // 4:
                    break
                if rule.flags & self.excluded or rule.flags & self.circumfix:
                    continue
                if stem.startswith(rule.strip) and rule.condition.match(stem):
                    prefixed.append(rule.add + stem[len(rule.strip):])
                    if self.cross.get(("PFX", flag)):
                        prefixed.extend(rule.add + s[len(rule.strip):] for s in suffixed if s.startswith(rule.strip))
        return made, prefixed


def condition_pattern(condition, at_end):
    """A hunspell affix condition as a regular expression."""
    out = []
    i = 0
    while i < len(condition):
        c = condition[i]
        if c == "[":
            j = condition.find("]", i)
            if j < 0:
                j = len(condition)
            inner = condition[i + 1:j]
            negate = inner.startswith("^")
            body = "".join(re.escape(ch) for ch in (inner[1:] if negate else inner))
            out.append(("[^" if negate else "[") + body + "]")
            i = j + 1
            continue
        out.append("." if c == "." else re.escape(c))
        i += 1
    return "".join(out) + "$" if at_end else "".join(out)


def read_stems(path, affixes):
    """The .dic file's stems and their flag texts."""
    text = path.read_bytes().decode(affixes.encoding, errors="replace").lstrip("\ufeff")
    stems = []
    for number, line in enumerate(text.splitlines()):
        if number == 0 and line.strip().split(" ")[0].isdigit():
            continue
        entry = line.split("\t")[0].strip()
        if not entry or entry.startswith("#"):
            continue
        entry = entry.split(" ")[0]
        stem, _, flags = entry.replace("\\/", "\0").partition("/")
        stems.append((stem.replace("\0", "/"), flags))
    return stems


# --- What an entry may be ------------------------------------------------------------------

def letters_only(word):
    return all(unicodedata.category(c)[0] in "LM" and c not in NOT_LETTERS for c in word)


def alphabetic(word):
    """Written in an alphabet with vowel letters: Latin, Cyrillic or Greek."""
    return all(unicodedata.name(c, "").startswith(("LATIN", "CYRILLIC", "GREEK")) for c in word)


def characters_to_find(word):
    """A lower bound of the characters a reader sees: marks join the letter before them."""
    return sum(1 for c in word if unicodedata.category(c)[0] != "M" and c not in "\u0e33\u0eb3")


def is_german_noun(stem, flags, nouns):
    if flags & GERMAN_NOUN_FLAGS or flags == {"m"}:
        return True
    if flags - {"S", "m"} or flags == {"S"}:
        return False
    lower = stem.lower()
    if lower.endswith(GERMAN_NOUN_SUFFIXES):
        return True
    return any(lower[cut:] in nouns for cut in range(3, len(lower) - 3))


# Endings of forms made to be playful rather than used: Portuguese augmentatives of any noun
# ("significaçonas", "fundamentalzões").
OVER_DERIVED = {"pt": ("zão", "zões", "zona", "zonas", "çona", "çonas"),
                "pt-BR": ("zão", "zões", "zona", "zonas", "çona", "çonas")}


def over_derived(code, stem, form, forms):
    """A form nobody writes alone: an ending of OVER_DERIVED, or a Portuguese verb form
    written only before a hyphen and a pronoun, which hunspell accepts alone: "velá"
    (velá-lo) from "velar", "visaremo" (visaremo-nos)."""
    endings = OVER_DERIVED.get(code, ())
    if endings and form.endswith(endings) and not stem.endswith(endings):
        return True
    if code not in ("pt", "pt-BR") or not stem.endswith("r"):
        return False
    host = {"a": "á", "e": "ê", "o": "ô"}.get(stem[-2:-1])
    if host is not None and form.endswith(stem[-5:-2] + host):
        return forms.count(form) == 1  # "está" is also the present of "estar"
    return form.endswith("mo") and form + "s" in forms


def digest(word):
    return hashlib.sha256(word.encode("utf-8")).hexdigest()


def hunspell_accepts(words, dictionary):
    """The words hunspell accepts with the given dictionary."""
    if not words:
        return set()
    result = subprocess.run(["hunspell", "-i", "utf-8", "-G", "-d", str(HUNSPELL / dictionary)],
                            input="\n".join(words).encode("utf-8"), stdout=subprocess.PIPE, check=True)
    return set(result.stdout.decode("utf-8", errors="replace").split())


# --- Building a list -----------------------------------------------------------------------

def headwords(language):
    """The single words a bilingual dictionary of the language explains, case-folded."""
    if not language.known:
        return None
    words = set()
    index = (FREEDICT / f"freedict-{language.known}-eng.index").read_bytes().decode("utf-8", errors="replace")
    for line in index.splitlines():
        word = line.split("\t")[0]
        if word and not word.startswith("00") and " " not in word:
            words.add(unicodedata.normalize("NFC", word).casefold())
    return words


def candidates(code, language):
    """Every candidate entry with its rank (smaller first), and the stems that are words."""
    affixes = Affixes(HUNSPELL / f"{language.hunspell}.aff")
    stems = read_stems(HUNSPELL / f"{language.hunspell}.dic", affixes)
    attested = set()
    if language.words:
        attested = set(unicodedata.normalize("NFC", w) for w in
                       (WORDS / language.words).read_bytes().decode("utf-8", errors="replace").split("\n"))
    attested_folded = {w.casefold() for w in attested}
    known = headwords(language)
    german = code == "de"
    nouns = set()
    if german:
        for stem, flag_text in stems:
            flags = affixes.parse_flags(flag_text)
            if (stem[:1].isupper() and stem[1:].islower() and flags & GERMAN_NOUN_FLAGS
                    and not flags & affixes.excluded):
                nouns.add(stem.lower())
    need_affix = affixes.parse_flags(affixes.special.get("NEEDAFFIX", ""))
    # Where most stems have no affix rules, those are finished forms the dictionary lists.
    listed_forms = 2 * sum(1 for _, flag_text in stems if not flag_text) > len(stems)

    rank = {}
    stem_of = {}

    def offer(word, key, stem):
        word = unicodedata.normalize("NFC", word.replace("\u0133", "ij"))
        if key < rank.get(word, (9,)):
            rank[word] = key
            stem_of[word] = stem

    lemmas = set()
    for stem, flag_text in stems:
        flags = affixes.parse_flags(flag_text)
        if flags & affixes.excluded - need_affix:
            continue
        if stem[:1].isupper():
            if not german or not stem[1:].islower() or not is_german_noun(stem, flags, nouns):
                continue
        elif any(c.isupper() for c in stem):
            continue
        folded = unicodedata.normalize("NFC", stem).casefold()
        group = 0 if known is None or folded in known else 1 if folded in attested_folded else 2
        if not flags & need_affix:
            offer(stem, (group, 1 if listed_forms and not flags else 0, 0, digest(stem)), stem)
            lemmas.add(stem)
        # Portuguese needs every form to tell a form written before a pronoun from the same
        # form made by another rule.
        most = len(stem) * 1000 if code in OVER_DERIVED else MOST_FORMS
        suffixed, prefixed = affixes.forms(stem, affixes.ordered_flags(flag_text), most)
        suffixed = [f for f in suffixed
                    if len(f) <= len(stem) + MOST_GROWTH and not over_derived(code, stem, f, suffixed)]
        prefixed = [f for f in prefixed
                    if len(f) <= len(stem) + MOST_GROWTH and not over_derived(code, stem, f, prefixed)]
        for form in suffixed:
            if known is not None and form.casefold() in known:
                offer(form, (0, 0, 0, digest(form)), stem)  # a word of its own: Portuguese "casa"
        for n, form in enumerate(suffixed[:MOST_FORMS]):
            offer(form, (group, 2 if form in attested else 3, n, digest(form)), stem)
        for n, form in enumerate(prefixed[:MOST_FORMS // 4]):
            offer(form, (group, 4, n, digest(form)), stem)
    return rank, stem_of, lemmas


def acceptable(word, german, vowels):
    if not word or not letters_only(word) or characters_to_find(word) < 2:
        return False
    if len(word) <= 3 and alphabetic(word) and not vowels & set(word.lower()):
        return False
    if german:
        return word[1:] == word[1:].lower()
    return word == word.lower()


def build(code, language, report=None):
    rank, stem_of, lemmas = candidates(code, language)
    german = code == "de"
    vowels = VOWELS | SYLLABIC.get(code, set())
    ordered = sorted((w for w in rank if acceptable(w, german, vowels)), key=rank.get)
    check = offensive.Filter(code, lemmas, rank)
    chosen = {}
    removed = 0
    start = 0
    while len(chosen) < language.limit and start < len(ordered):
        batch = ordered[start:start + max(language.limit, 20000)]
        start += len(batch)
        accepted = hunspell_accepts(batch, language.hunspell)
        for word in batch:
            if len(chosen) >= language.limit:
                break
            if word not in accepted:
                continue
            folded = word.lower()
            if folded in chosen:
                if word == folded:
                    chosen[folded] = word
                continue
            if term := check.offending(word) or check.offending(stem_of[word]):
                removed += 1
                if report:
                    report.write(f"{code}\t{word}\t{term}\n")
                continue
            chosen[folded] = word
    # One spelling per entry, the lower-case one where both were chosen.
    entries = sorted(chosen.values(), key=lambda w: (w.casefold(), w))
    data = "".join(e + "\n" for e in entries).encode("utf-8")
    (DICTIONARY / f"{code}.txt").write_bytes(data)
    (LICENSES / f"word-lists-{code}.txt").write_bytes(notice(code, language).encode("utf-8"))
    return len(entries), removed, len(check.allowed), len(data)


# The licence of each list (its hunspell dictionary's), and where the dictionary's notice is
# in its package's copyright file: the whole file, or the part for one folder of a package
# built from many dictionaries.
LICENCES = {
    "ar": ("GPL-2+ or LGPL-2.1+ or MPL-1.1", None),
    "cs": ("GPL-2", "cs_CZ"),
    "da": ("LGPL-2.1 or GPL-2 or MPL-1.1", "da_DK"),
    "de": ("GPL-2+", None),
    "el": ("MPL-1.1 or GPL-2 or LGPL-2.1", "el_GR"),
    "eo": ("GPL-2+", None),
    "es": ("GPL-3+ or LGPL-3+ or MPL-1.1+", "es"),
    "fr": ("MPL-2.0", None),
    "hu": ("GPL-3+ or LGPL-3+ or MPL-2.0+", "hu_HU"),
    "it": ("GPL-3", "it_IT"),
    "nb": ("GPL-2", "no"),
    "nl": ("BSD-2-clause or CC-BY-3.0", None),
    "pl": ("GPL or LGPL or MPL or Apache-2.0 or CC-SA-1.0", "pl_PL"),
    "pt": ("GPL-2 or LGPL-2.1 or MPL-1.1", "pt_PT"),
    "pt-BR": ("LGPL-3 or MPL", "pt_BR"),
    "ru": ("custom-bsd-4-clauses", "ru_RU"),
    "sv": ("LGPL-3", "sv_SE"),
    "th": ("LGPL", "th_TH"),
    "tr": ("MPL-2.0", "tr_TR"),
    "uk": ("GPL-2+ or LGPL-2.1+ or MPL-1.1", "uk_UA"),
}


def version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], stdout=subprocess.PIPE,
                          check=True).stdout.decode()


def notice(code, language):
    """LICENSES/word-lists-<code>.txt: where the list comes from, under which licence, and
    the notice of its source as its package gives it."""
    licence, folder = LICENCES[code]
    source = language.packages[0]
    copyright = (Path("/usr/share/doc") / source / "copyright").read_text(encoding="utf-8")
    where = f"/usr/share/doc/{source}/copyright"
    if folder:
        paragraphs = copyright.strip("\n").split("\n\n")
        files = [p for p in paragraphs if p.startswith(f"Files: dictionaries/{folder}/*\n")]
        names = set(re.split(r"\s+(?:or|and)\s+", re.search(r"^License: (.*)$", files[0], re.M).group(1)))
        texts = [p for p in paragraphs if p.startswith("License: ") and p.split("\n")[0][9:].strip() in names]
        copyright = "\n\n".join(files + texts) + "\n"
        where += f", the part for dictionaries/{folder}/ and the licences it names"
    ranking = [p for p in language.packages[1:]]
    title = f"Word list Dictionary/{code}.txt ({language.name})"
    lines = [
        title, "=" * len(title), "",
        f"Made by tools/make_languages.py from the hunspell dictionary {language.hunspell} of",
        f"Debian 12's package {source} {version(source)}: its words, and the forms its affix rules",
        "make of them.",
        "",
        f"Licence: {licence}, the licence of that dictionary.",
    ]
    if ranking:
        lines += ["", "Used to rank the entries only (no word is taken from them):"]
        lines += [f"  {p} {version(p)}" for p in ranking]
    lines += ["", f"The notice below is copied from {where}.", "", "-" * 72, ""]
    return "\n".join(lines) + "\n" + copyright


def main(argv):
    if argv[1:] == ["--packages"]:
        print(" ".join(sorted({p for lang in LANGUAGES.values() for p in lang.packages})))
        return 0
    args = argv[1:]
    report = None
    if args[:1] == ["--removed"] and len(args) >= 2:
        report = open(args[1], "w", encoding="utf-8")
        args = args[2:]
    wanted = args or sorted(LANGUAGES)
    unknown = [c for c in wanted if c not in LANGUAGES]
    if unknown:
        print(f"make_languages.py: no list for {' '.join(unknown)}; known: {' '.join(sorted(LANGUAGES))}",
              file=sys.stderr)
        return 2
    for code in wanted:
        entries, removed, allowed, size = build(code, LANGUAGES[code], report)
        print(f"{code}\t{entries} entries\t{removed} removed by the offensive-word check\t"
              f"{allowed} allowed\t{size} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
