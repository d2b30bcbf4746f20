"""Arabic: hunspell-ar. Its dictionary is made of parts: function words with their clitics,
names (continents, countries, capitals, people), then nouns, verbal nouns, participles and
adjectives, and verbs. Only the parts of words give lemmas, and no stem that carries a flag
of names.

hunspell's stemmer gives a frequent form hundreds of stems (every defective verb for "في"),
so forms are read here: a form is the word it is with its clitics cut (conjunction, preposition,
future particle, article; attached pronouns) and its endings of number, gender, case and
person, the least cut that is a lemma; and a lemma counts only where the frequency list shows
it alone or with the article. A relative adjective (عسكري) is a lemma of its own where the
list shows it in both genders.

Entries carry no attached pronoun, no dual, no article, no proclitic, no name (by the
dictionary's parts and by English glosses) and nothing built on a place name."""

from languages import Language
from lexicon import hunspell

# The parts of ar.dic whose stems are no lemmas: its files of function words, and the lines
# under the headers of names (continents, countries, capitals, people).
NAME_HEADERS = ("أسماء", "القارات", "البلدان", "العواصم", "اسماء،أشخاص")
# Affix flags (aliases of the .aff file) that only names and peoples carry.
NAME_FLAGS = {"55", "56", "57", "60", "62", "63", "64", "92", "222", "224"}

# Proclitics: conjunction, preposition or future particle, then the article.
PROCLITICS = ("وال", "فال", "بال", "كال", "ولل", "فلل", "لل", "ال", "وب", "فب", "وك", "فك", "ول", "فل",
              "وس", "فس", "و", "ف", "ب", "ك", "ل", "س")
# Attached pronouns.
ENCLITICS = ("كما", "هما", "هم", "هن", "كم", "كن", "ها", "نا", "ني", "ه", "ك", "ي")
# Endings of number, gender, case and person: (ending, what the lemma ends in instead, tag).
# The tag <odd> marks the forms no entry is: the dual, the indefinite accusative (كتابا), the
# feminine plural of verbs.
ENDINGS = (("ات", "ة", "<pl>"), ("ات", "", "<pl>"), ("ية", "ي", "<f>"), ("تان", "ة", "<odd>"),
           ("تين", "ة", "<odd>"), ("ون", "", "<pl>"), ("ين", "", "<pl>"), ("ان", "", "<odd>"),
           ("ة", "", "<f>"), ("ا", "", "<odd>"), ("وا", "", "<vb>"), ("ت", "", "<vb>"),
           ("تم", "", "<vb>"), ("نا", "", "<vb>"), ("ن", "", "<odd>"), ("تا", "", "<odd>"))
# How many times more a word must be used than a word that begins with a clitic's letters for
# a form to be read as the clitic and that word.
CLITIC_READING = 8
# The tags of forms that are no entries: a clitic, the dual, the indefinite accusative.
ODD_TAGS = ("<pro>", "<enc>", "<odd>")


def parts(text):
    """(words, function words, names, nouns) of a .dic text: the stems of the dictionary's parts of nouns,
    adjectives and verbs, none with a flag of names; of its files of function words; of its
    parts of names; and of its parts of nouns and adjectives alone."""
    lines = text.splitlines()
    words, verbs, function, names = set(), set(), set(), set()
    part = state = None
    for i, line in enumerate(lines):
        if line.startswith("::::"):
            if i + 1 < len(lines) and lines[i + 1].endswith(".dic"):
                part, state = lines[i + 1], "names"
            continue
        if line.startswith("#"):
            header = line.strip("#").split("\t")[0].strip()
            if line.split("\t")[0] == "#####":
                state = "credits"  # the dictionary's credits close its part of names
            elif header:
                state = "names" if header in NAME_HEADERS else "words"
            continue
        stem, _, flags = line.split("\t")[0].strip().partition("/")
        if not stem or stem.endswith(".dic"):
            continue
        if part in ("stopwords.dic", "tools.dic"):
            function.add(stem)
        elif part == "verb.huns.dic":
            verbs.add(stem)
        elif part == "names.dic" and state == "words" and flags not in NAME_FLAGS:
            words.add(stem)
        elif part == "names.dic" and state != "credits":
            names.add(stem)
    # A function word is no lemma, though the verbs hold its letters too ("في", "كان"); nor
    # is an adjective of a name (سوداني of سودان, سوري of سوريا).
    words = {w for w in words if not (w.endswith("ي") and built_on(w[:-1], names - words))}
    nouns = set(words)
    words |= verbs - function
    return words, function, names, nouns


PARTS = {}


def dictionary_parts():
    if not PARTS:
        PARTS["ar"] = parts((hunspell.HUNSPELL / "ar.dic").read_bytes().decode("utf-8"))
    return PARTS["ar"]


def word_stems(stems):
    """The stems of the dictionary's parts of words (see parts)."""
    words = dictionary_parts()[0]
    return [(s, f) for s, f in stems if s in words]


def built_on(base, names):
    """The word a relative adjective is built on is one of `names` (سودان, سوريا, أمريكا)."""
    return any(start + base + end in names for start in ("", "ال") for end in ("", "ا", "يا", "ة"))


def readings(form):
    """The ways a form splits into clitics, a word and an ending: [(letters cut, word, tags)],
    least cut first."""
    bases = [(0, form, "")] + [(len(p), form[len(p):], "<pro>") for p in PROCLITICS if form.startswith(p)]
    out = []
    for cut, base, tags in bases:
        out.append((cut, base, tags))
        for e in ENCLITICS:
            if base.endswith(e):
                stem = base[:-len(e)]
                out.append((cut + len(e), stem, tags + "<enc>"))
                if stem.endswith("ت"):
                    out.append((cut + len(e), stem[:-1] + "ة", tags + "<enc>"))
                if stem.endswith("و"):
                    out.append((cut + len(e), stem[:-1], tags + "<enc>"))
    more = []
    for cut, base, tags in out:
        for ending, instead, tag in ENDINGS:
            if base.endswith(ending):
                more.append((cut + len(ending) - len(instead), base[:-len(ending)] + instead, tags + tag))
    return sorted({r for r in out + more if len(r[1]) >= 2})


def relative_adjectives(frequency, lemmas, names=frozenset()):
    """Relative adjectives (عسكري of عسكر, سياسي of سياسة): a form ending in ي whose word
    without it is a lemma, shown in both genders (عسكري, عسكرية, with or without the
    article)."""
    out = set()
    for form in frequency:
        if form.startswith("ال") or not form.endswith("ي") or len(form) < 4:
            continue
        base = form[:-1]
        if base not in lemmas and base + "ة" not in lemmas or built_on(base, names):
            continue
        if form + "ة" in frequency or "ال" + form + "ة" in frequency:
            out.add(form)
    return out


def folded(word):
    """A word as the game's letters see it: every alef one letter, ى as ي."""
    return word.translate(FOLD)


FOLD = str.maketrans({"أ": "ا", "إ": "ا", "آ": "ا", "ى": "ي"})


def analyse(frequency, lemmas, dictionary=None):
    """{form: [(lemma, tags)]}: the least cut reading of each form that is a lemma shown alone
    or with the article; where a form is a lemma itself and also a more frequent one with a
    clitic ("وقال" of "قال"), that one. Spellings of one word under the game's rule (every alef
    finds the others, ي finds ى) are one lemma, written as the list shows it most.
    `dictionary` is what parts() reads of the dictionary."""
    _, function, names, nouns = dictionary or dictionary_parts()
    lemmas = set(lemmas) | relative_adjectives(frequency, lemmas, names - nouns)
    use = {l: frequency.get(l, 0) + frequency.get("ال" + l, 0) for l in lemmas}
    written = {}
    for lemma in sorted((l for l in lemmas if use[l] > 0), key=lambda l: (-use[l], l)):
        written.setdefault(folded(lemma), lemma)
    out = {}
    for form in frequency:
        if any(w in function for c, w, tags in readings(form) if tags in ("", "<pro>")):
            continue  # a function word, with a clitic or not ("وأما")
        found = [(c, written[folded(w)], tags) for c, w, tags in readings(form) if folded(w) in written]
        if not found:
            continue
        least = found[0][0]
        best = min((r for r in found if r[0] == least), key=lambda r: (-use[r[1]], r[1], r[2]))
        if least == 0:
            # A word itself ("وقف"), unless it reads as a clitic and a more frequent word
            # ("وقال" of "قال", "أحبك" of "أحب").
            others = [r for r in found if r[0] > 0 and frequency.get(r[1], 0) > frequency[form]]
        else:
            # A form of a word whose first letters are a clitic's, unless it reads as the clitic
            # and a word of three letters or more used many times more ("ووقعت" of "وقع").
            others = [r for r in found if "<pro>" in r[2] and "<pro>" not in best[2] and len(r[1]) >= 3
                      and use[r[1]] > CLITIC_READING * use[best[1]]]
        if others:
            best = max(others, key=lambda r: (frequency.get(r[1], 0), -r[0], r[1]))
        out[form] = [(best[1], best[2])]
    return out


class FunctionWords:
    """The dictionary's function words, with a proclitic or without ("وهو"): the coverage
    figure leaves them out. Read from the dictionary when first asked."""

    def __contains__(self, form):
        function = dictionary_parts()[1]
        return any(w in function for c, w, tags in readings(form) if tags in ("", "<pro>"))


LANGUAGE = Language(
    name="Arabic", hunspell="ar", source="hunspell-ar", licence="GPL-2+ or LGPL-2.1+ or MPL-1.1",
    frequency=("wordfreq", "ar"), freedict="ara",
    form_use=3.0, longest_growth=2,
    # Attached pronouns (-ه, -ها, -هم, -كم, -نا, -ني ...), the dual (-هما, -كما, -تما, -ان),
    # and the article or a proclitic before it (ال, وال, بال, لل, فال, كال).
    odd_forms=(r"(?:ه|ها|هم|هن|هما|ك|كم|كن|كما|تما|تموه|نا|ني|ان|ين)$", r"^(?:و|ف|ب|ل|ك)?ال", r"^لل",
               r"^(?:و|ف)"),
    odd_lemmas=(r"^ال",),
    odd_tags=ODD_TAGS, function_words=FunctionWords(), word_stems=word_stems, analyse=analyse, same_puzzle=folded,
    names_by_gloss=True, extra_lemmas=0, limit=40000,
)
