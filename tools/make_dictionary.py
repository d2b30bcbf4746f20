#!/usr/bin/python3
"""Build Dictionary/Dictionary.txt, the list of secret words and phrases.

Run it through tools/make-dictionary.sh, which installs the Debian packages
it reads from:

  /usr/share/dict/american-english-large   (wamerican-large, SCOWL size 70)
  /usr/share/dict/american-english-huge    (wamerican-huge,  SCOWL size 80)
  /usr/share/wordnet/data.{noun,verb,adj,adv}, *.exc, cntlist.rev
                                           (wordnet-base, WordNet 3.0)

Output: exactly TARGET entries, one per line, LF line ends, sorted in byte
order.  Every entry is plain ASCII: lowercase a-z, single blanks between the
words of a phrase and, inside a few phrases, a hyphen.  Nothing else - no
apostrophes, digits, dots or commas.

What counts as a fair entry
---------------------------
Single words come from the SCOWL lists and must match ^[a-z]+$ there.  That
drops everything capitalised (proper nouns), possessives and anything that
is not plain ASCII.  On top of that a word is rejected when
  * it is one letter long, or longer than MAX_LENGTH;
  * it has none of the letters a e i o u y (mostly abbreviations such as
    "bldg", plus noises like "hmm" or "psst");
  * it is a roman numeral ("xiv", "clxii"); "mix", "mi" and "xi" stay;
  * it has two letters and is not in TWO_LETTER_WORDS: the lists are full
    of two-letter abbreviations and symbols, so those are hand-picked;
  * it has three or four letters and WordNet does not know it, neither as a
    lowercase lemma nor as a regular inflection of one (the same suffix
    rules and exception lists WordNet's own morphology uses).  That throws
    out short abbreviations ("amt", "dept", "govt") while SHORT_WORDS puts
    back the function words and interjections WordNet does not cover
    ("and", "with", "oops");
  * every WordNet sense of it is glossed as a slur or an obscene/offensive
    term (words with a harmless sense too, such as "boy", are kept), or it
    is in the short BLOCKED list of crude words.

Phrases are WordNet lemmas written with underscores that are entirely
lowercase in the data files (capitalised lemmas are names), after removing
the adjective position markers "(a)", "(p)" and "(ip)", and that are at most
MAX_LENGTH characters long.  Lemmas with digits, dots, apostrophes or
anything else outside a-z, "_" and "-" are skipped.  A phrase needs every
word (split on blanks and hyphens) to be "a" or a word of at least two
letters with a vowel or "y" that is not a roman numeral; the same
slur/obscenity rules apply (no word of it may be in BLOCKED).

Selection rule
--------------
1. Every acceptable word from american-english-large goes in.
2. The remaining TARGET - len(step 1) entries are taken, in order, from this
   pool (each group entirely before the next):
     a. phrases whose words are all step-1 words (or "a");
     b. american-english-huge words not in step 1 that WordNet knows;
     c. the remaining phrases;
     d. the remaining american-english-huge words.
   Inside a group, entries with a higher SemCor tag count (cntlist.rev,
   summed over the senses of the entry or, for an inflected word, the best
   of its base forms) come first; ties are broken by the SHA-256 hex digest
   of the entry, which spreads the cut evenly over the alphabet without any
   random state.
3. The result is sorted (byte order) and written out.

Everything is read as bytes/UTF-8 and compared as Python str, so neither the
locale nor hash randomisation affects the output: the same inputs always give
a byte-identical file.
"""

import hashlib
import os
import re
import sys
from collections import Counter, defaultdict
from pathlib import Path

TARGET = 170_000
MAX_LENGTH = 30     # longer entries are mostly technical names nobody guesses

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "Dictionary" / "Dictionary.txt"

DICT_LARGE = Path("/usr/share/dict/american-english-large")
DICT_HUGE = Path("/usr/share/dict/american-english-huge")
WORDNET = Path("/usr/share/wordnet")
WN_POS = ("noun", "verb", "adj", "adv")

# Two-letter words a player can be expected to know.  Only those that are
# also in american-english-large end up in the output.
TWO_LETTER_WORDS = frozenset("""
    ad ah am an as at aw ax ay be by do eh em en er ex fa go ha he hi ho id
    if in is it la lo ma me mi mu my no nu of oh oi ok om on or ow ox pa pi
    re so ti to uh um up us we xi ya ye yo
""".split())

# Three- and four-letter words WordNet has no entry for (closed-class words,
# interjections, a little informal vocabulary).  Checked against the SCOWL
# lists like any other word, so listing one here never adds a new spelling.
SHORT_WORDS = frozenset("""
    and are but for nor the yet via per its his her him she you our thy
    thee thou ere did got had has was been were does doth hath hast
    hers ours your they them this that what when whom with from into onto
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
TOKEN_SPLIT = re.compile(r"[ -]")

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
    shitheads shitfaced shitless shitload shitlist shitlists shitwork
    cunt cunts twat twats cocksucker cocksuckers dickhead dickheads
    asshole assholes fag fags faggot faggots homo homos dyke dykes
    nigga niggas niggaz spic spics spick spicks gook gooks
    slut sluts slutty sluttier sluttiest whore whores wank wanks wanked
    wanker wankers wanking
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


def acceptable_word(word, wn):
    if not 2 <= len(word) <= MAX_LENGTH or not VOWEL.search(word) or is_roman(word):
        return False
    if word in BLOCKED:
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


def rank_key(entry, score):
    return (-score, hashlib.sha256(entry.encode("ascii")).hexdigest())


def main():
    for path in (DICT_LARGE, DICT_HUGE, WORDNET / "data.noun"):
        if not path.exists():
            sys.exit(f"missing {path}; run tools/make-dictionary.sh")

    wn = WordNet(WORDNET)
    large = sorted(w for w in read_scowl(DICT_LARGE) if acceptable_word(w, wn))
    base = set(large)
    huge = sorted(w for w in read_scowl(DICT_HUGE) - base if acceptable_word(w, wn))

    common_phrases, other_phrases = [], []
    for phrase in sorted(wn.phrases):
        if len(phrase) > MAX_LENGTH:
            continue
        tokens = TOKEN_SPLIT.split(phrase)
        if not all(plausible_token(t) for t in tokens):
            continue
        if any(t in BLOCKED for t in tokens):
            continue
        if wn.offensive_only(phrase):
            continue
        if all(t == "a" or t in base for t in tokens):
            common_phrases.append(phrase)
        else:
            other_phrases.append(phrase)

    huge_known, huge_other = [], []
    for word in huge:
        (huge_known if wn.base_forms(word) else huge_other).append(word)

    def ranked(entries):
        def score(entry):
            forms = wn.base_forms(entry) if " " not in entry else ()
            return wn.frequency(entry, forms)
        return sorted(entries, key=lambda e: rank_key(e, score(e)))

    pool = (ranked(common_phrases) + ranked(huge_known)
            + ranked(other_phrases) + ranked(huge_other))

    need = TARGET - len(large)
    if need < 0 or need > len(pool):
        sys.exit(f"cannot reach {TARGET} entries: {len(large)} base, {len(pool)} in pool")

    entries = sorted(base.union(pool[:need]))
    assert len(entries) == TARGET == len(set(entries))
    for e in entries:
        assert re.fullmatch(r"[a-z]+(?:[ -][a-z]+)*", e), e

    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    tmp = OUTPUT.with_name(OUTPUT.name + ".tmp")
    with open(tmp, "wb") as fh:
        fh.write("".join(e + "\n" for e in entries).encode("ascii"))
    os.replace(tmp, OUTPUT)

    lengths = Counter(len(e) for e in entries)
    phrases = sum(1 for e in entries if " " in e)
    chosen = set(pool[:need])
    print(f"wrote {OUTPUT.relative_to(ROOT)}")
    print(f"total: {len(entries)}")
    print(f"  from american-english-large: {len(large)}")
    print(f"  added phrases (all words common): {sum(1 for e in common_phrases if e in chosen)}")
    print(f"  added american-english-huge words known to WordNet: {sum(1 for e in huge_known if e in chosen)}")
    print(f"  added other phrases: {sum(1 for e in other_phrases if e in chosen)}")
    print(f"  added other american-english-huge words: {sum(1 for e in huge_other if e in chosen)}")
    for n in range(16):
        print(f"length {n:2d}: {lengths.get(n, 0)}")
    print(f"length >15: {sum(c for n, c in lengths.items() if n > 15)}")
    print(f"phrases: {phrases}")
    print(f"hyphenated: {sum(1 for e in entries if '-' in e)}")


if __name__ == "__main__":
    main()
