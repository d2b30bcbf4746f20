"""German: hunspell-de-de. Nouns are written with a capital: a capitalised stem is a noun
when the dictionary gives it a plural, a case ending or a compound form (a name has at most
the genitive "s"), or when it ends in a noun or a noun suffix."""
from languages import Language

NOUN_FLAGS = set("EPNRTFpqgij")
NOUN_SUFFIXES = ("ung", "heit", "keit", "schaft", "chen", "lein", "tum", "nis", "ion", "ität", "ismus")


def nouns(stems, affixes):
    """The capitalised stems of the dictionary that are nouns."""
    plain = set()
    for stem, flag_text in stems:
        flags = affixes.parse_flags(flag_text)
        if stem[:1].isupper() and stem[1:].islower() and flags & NOUN_FLAGS and not flags & affixes.excluded:
            plain.add(stem.lower())
    out = set()
    for stem, flag_text in stems:
        if not stem[:1].isupper() or not stem[1:].islower():
            continue
        flags = affixes.parse_flags(flag_text)
        if is_noun(stem, flags, plain):
            out.add(stem)
    return out


def is_noun(stem, flags, plain):
    if flags & NOUN_FLAGS or flags == {"m"}:
        return True
    if flags - {"S", "m"} or flags == {"S"}:
        return False
    lower = stem.lower()
    if lower.endswith(NOUN_SUFFIXES):
        return True
    return any(lower[cut:] in plain for cut in range(3, len(lower) - 3))


LANGUAGE = Language(
    name="German", hunspell="de_DE", source="hunspell-de-de", licence="GPL-2+",
    frequency=("wordfreq", "de"), freedict="deu", words="ngerman", words_package="wngerman",
    capitalised=nouns,
    extra_sources=2,
)
