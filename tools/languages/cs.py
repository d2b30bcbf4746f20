"""Czech: hunspell-cs."""
from languages import Language

# Case endings of Czech nouns, pronouns and adjectives, longest first.
CASE_ENDINGS = ("ami", "ách", "ích", "ech", "ovi", "ové", "ými", "ého", "ému", "ům", "em", "ou", "mi",
                "ím", "ých", "ým", "u", "e", "ě", "y", "ů", "i", "í", "a", "é", "o")


def case_families(bare, least=3):
    """The stems without affix flags that are case forms of an irregular word: the dictionary
    lists them one by one, so that several of them share what is left when their case ending
    is cut ("dome", "domem", "domu", "domy", "domě", "domů"; "kamene", "kamenem", "kameny").
    The nominative that stands apart ("dům", "kámen") is no member of the family."""
    base_of = {}
    for stem in bare:
        for ending in CASE_ENDINGS:
            if stem.endswith(ending) and len(stem) - len(ending) >= 2:
                base_of[stem] = stem[: -len(ending)]
                break
    members = {}
    for stem, base in base_of.items():
        members.setdefault(base, set()).add(stem)
    return {s for group in members.values() if len(group) >= least for s in group} - FAMILY_WORDS


# Members of such families that are everyday words in their own right, as a reader found them:
# nominatives and plurals people say, and adverbs and pronouns.
FAMILY_WORDS = {"děti", "lidé", "oči", "uši", "ovoce", "paní", "kamna", "chleba", "zde", "vše",
                "všechny", "oba", "obě", "bravo", "lasagne", "zombie", "kari"}


LANGUAGE = Language(
    name="Czech", hunspell="cs_CZ", source="hunspell-cs", licence="GPL-2", licence_part="cs_CZ",
    frequency=("wordfreq", "cs"), freedict="ces", syllabic="rl",
    form_use=10.0,
    # No analyser tells a Czech form's case: a form other than the lemma is an entry only as a
    # verb form (the flags that conjugate, "pomáhal", "nechce", and the past of "byl", "šel":
    # "byla") or an adverb ("aktivně", "anglicky"), never a noun's or adjective's case
    # ("kostela", "německého"), nor the spoken past with -s ("dělals").
    form_flags="ABJOR", odd_forms=(r"l[aoiy]?s$",),
    # The case forms the dictionary lists as words ("základě", "příčinou") are forms.
    case_flags="CDHILMPQSUYZVéí",
    bare_forms=case_families,
    # Its bilingual dictionary is small: English words cannot be told from its own.
    english_loans=False,
)
