"""Greek: hunspell-el. The dictionary lists every form as a word of its own and Debian has no
Greek analyser: the lemmas are the words of the bilingual dictionaries (Greek-English
headwords, English-Greek translations) and a form finds its lemma by its ending, compared
without accents (the stress moves: ανθρώπου of άνθρωπος). A form of a noun or adjective is
an entry only in the nominative (a plural, the feminine or neuter); a verb's forms are
entries where they are in everyday use. A frequent form whose lemma the endings cannot find
(a past tense, είπε) is an entry of its own, never a genitive."""
import unicodedata

from languages import Language

# A form's ending and the endings its dictionary form may have in its place, longest first.
ENDINGS = (
    # verbs: present, imperfect, passive
    ("ουμαστε", ("ουμαι", "ω")), ("ομαστε", ("ομαι",)), ("ιομαστε", ("ιεμαι",)),
    ("ουνται", ("ουμαι", "ω")), ("ονται", ("ομαι",)), ("ιουνται", ("ιεμαι",)),
    ("ιεσαι", ("ιεμαι",)), ("ιεται", ("ιεμαι",)), ("εισαι", ("ουμαι",)), ("ειται", ("ουμαι", "ω")),
    ("εσαι", ("ομαι",)), ("εται", ("ομαι",)), ("εστε", ("ομαι",)),
    ("ηθηκε", ("ω", "ουμαι")), ("ηθηκαν", ("ω", "ουμαι")), ("ηθει", ("ω", "ουμαι")),
    ("στηκε", ("ζω", "ζομαι")), ("στηκαν", ("ζω", "ζομαι")), ("στει", ("ζω", "ζομαι")),
    ("ουσαμε", ("ω",)), ("ουσατε", ("ω",)), ("ουσαν", ("ω",)), ("ουσε", ("ω",)), ("ουσα", ("ω",)),
    ("ουνε", ("ω",)), ("ουμε", ("ω", "αω")), ("ουν", ("ω", "αω")), ("ετε", ("ω",)), ("εις", ("ω", "η", "ης")),
    ("αμε", ("ω", "αω")), ("ατε", ("ω", "αω")), ("ανε", ("ω", "αω")), ("αει", ("αω",)),
    # nouns and adjectives
    ("ματων", ("μα",)), ("ματος", ("μα",)), ("ματα", ("μα",)),
    ("ιων", ("ι", "ιο", "ια")), ("ιου", ("ι", "ιο")), ("ια", ("ι", "ιο", "ια")),
    ("εων", ("η",)), ("εως", ("η",)),
    ("αδες", ("ας", "α")), ("ηδες", ("ης",)), ("εδες", ("ες",)), ("ουδες", ("ους",)),
    ("οι", ("ος",)), ("ους", ("ος",)), ("ου", ("ος", "ο", "ουμαι")), ("ων", ("ος", "ο", "α", "η", "ας", "ης")),
    ("ες", ("α", "η", "ας", "ης", "ω")), ("ας", ("α", "ας", "ω", "αω")), ("ης", ("η", "ης")),
    ("ει", ("ω",)), ("α", ("ο", "ος", "ας", "α", "ω")), ("η", ("ος", "ης", "η")), ("ο", ("ος",)),
    ("ε", ("ω", "ος")), ("ι", ("ι",)), ("ω", ("ω", "αω")),
)

# Endings of the oblique cases (genitive, accusative plural) of nouns and adjectives.
OBLIQUE = ("ου", "ων", "ους", "εως", "ματος")


def plain(word):
    """The word without accents, diaereses or final sigma: the key a lemma is found by."""
    decomposed = unicodedata.normalize("NFD", word.lower())
    return "".join(c for c in decomposed if not unicodedata.combining(c)).replace("ς", "σ")


def lemma_keys(form):
    """The keys of the dictionary forms a form may be of: itself, and each ending's
    replacements."""
    key = plain(form)
    out = [key]
    for ending, lemmas in ENDINGS:
        ending = plain(ending)
        if key.endswith(ending) and len(key) > len(ending) + 1:
            out += [key[: len(key) - len(ending)] + plain(l) for l in lemmas]
    return list(dict.fromkeys(out))


def is_verb(lemma):
    return plain(lemma).endswith(("ω", "μαι"))


def odd_form_of(form, lemma):
    """A case form other than the nominative: a genitive (-ου, -ων, the feminine's -ας,
    -ης), an accusative plural (-ους); a verb's forms are never odd for it. `lemma` is None
    for a frequent form of no lemma, which is an entry of its own unless odd."""
    if lemma is not None and is_verb(lemma):
        return False
    key = plain(form)
    if lemma is None and len(key) <= 3:
        return True  # a short form of no lemma: an elision ('χει of έχει) or an abbreviation
    if key.endswith(tuple(plain(e) for e in OBLIQUE)):
        return True
    return lemma is not None and key == plain(lemma) + "σ"


LANGUAGE = Language(
    name="Greek", hunspell="el_GR", source="hunspell-el", licence="MPL-1.1 or GPL-2 or LGPL-2.1",
    licence_part="el_GR", frequency=("wordfreq", "el"), freedict="ell", translations="eng-ell",
    lemmatise=lemma_keys, lemma_key=plain, own_lemma_use=10.0, odd_form_of=odd_form_of,
    form_use=8.0, longest_growth=3, extra_sources=2,
    # Names the lower-case frequency list and the dictionaries write as words; telling names
    # by their English glosses would also take the adjectives of nations (ελληνικός).
    odd_lemmas=(r"^(?:μιλάνο|ρώμη|κλάρα|σάρα|μάρα|βενιαμίν|ρούσος|γιούτα)$",),
)
