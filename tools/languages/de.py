"""German: hunspell-de-de. Nouns are written with a capital: a capitalised stem is a noun
when the dictionary gives it a plural, a case ending or a compound form (a name has at most
the genitive "s"), or when it ends in a noun or a noun suffix. A stem listed only for
compounds is no word where it is another stem's compound form ("Abschieds", "Heiß"), and a
noun where it is not ("Mitarbeiter"). A capitalised stem without a plural
that English writes only with a capital, or whose English glosses are all names, is a name
("Dortmund", "Dänemark"). The dictionary also lists infinitives with "zu" ("anzurufen"),
letters of the Greek alphabet, Latin phrases' words and archaic forms as stems: they are no
entries."""
import re

from languages import Language
from lexicon import glosses, sources

NOUN_FLAGS = set("EPNRTFpqgij")
NOUN_SUFFIXES = ("ung", "heit", "keit", "schaft", "chen", "lein", "tum", "nis", "ion", "ität", "ismus")
# What a noun's compound form adds to it ("Abschied-s", "Affe-n", "Freundin-nen").
COMPOUND_ENDINGS = ("s", "es", "n", "en", "e", "ns", "ens", "nen")
# The flags of a noun's plural.
PLURAL_FLAGS = set("EPNRTFpqg")
# Nouns without a plural that English writes with a capital, or that the bilingual
# dictionary glosses with capitals or leaves out, and still common nouns here.
KNOWN = set("""Januar Februar März April Mai Juni Juli August September Oktober November Dezember
    Aschermittwoch Fronleichnam Halloween Ostern Pfingsten Weihnachten Islam Esperanto Fahrenheit
    Celsius Heiland Herrgott Messias Nikolaus Oberstleutnant Parmesankäse Orient Biedermeier
    Heilsarmee Olymp Bernstein Diaspora Labrador Mafia Schnabel Steinmetz Menschheit Memoiren
    Fastnacht Evidenz Arbeiterschaft Publizistik Kraft Koch Faust Donner Mensa Brut Apartheid Gotik
    Nirwana Plexiglas Vaseline Pustekuchen Karwoche Walpurgisnacht""".split())

# Infinitives with "zu" after a separable prefix ("anzurufen", "hinzuzufügen"); "hinzufügen",
# "dazugehören", "bevorzugen", "sozusagen" and the verbs of "zucken" are words of their own.
ZU_INFINITIVE = r"^(?!bevorzug|sozusagen|dazu|hinzu(?!zu|weisen))(?!.*zuck)[a-zäöü]{2,}zu[a-zäöüß]{2,}n$"
# Stems that are Greek letters, words of Latin phrases, archaic or poetic forms.
ODD_STEMS = ("absurdum acta ad ade alldieweil andre andern beta bizonal chi contra cum dato de dereinst "
             "derenthalben "
             "dieweil div documenta duplex epsilon et ex facto franko gamma geschehe hie hienieden hoc http "
             "ihrethalben iota kappa kontra lambda modulo natura omega phi pi puncto ratio röter sapperlot "
             "sigma solle spe summa ultima unserm unserthalben van vice ward weiland xi zeta "
             # names the dictionary gives a plural or a compound's flags
             "Frank Rhön Trias "
             # words of one set phrase ("mit Fug und Recht", "auf Pump")
             "Fug Pump").split()


def nouns(stems, affixes):
    """The capitalised stems of the dictionary that are nouns, names left out."""
    found = common_nouns(stems, affixes)
    cased = sources.word_list("american-english", lower=False)
    explained = sources.freedict_entries("deu")
    flags = {}
    for stem, flag_text in stems:
        flags.setdefault(stem, set()).update(affixes.parse_flags(flag_text))
    return {n for n in found if not is_name(n, flags[n], cased, explained)}


def is_name(noun, flags, cased, explained):
    """A noun without a plural is a name ("Dortmund", "Dänemark") when English writes it only
    with a capital, when the bilingual dictionary's glosses of it are all capitalised
    ("Denmark") or when, with no case ending either, that dictionary does not hold it
    ("Memel"). Months, feasts and "-ismus" words stay."""
    if flags & PLURAL_FLAGS or noun in KNOWN or noun.endswith("ismus"):
        return False
    if noun in cased and noun.lower() not in cased:
        return True
    entries = explained.get(noun.lower())
    if not entries:
        return flags <= {"m"}
    found = [g for e in entries for sense in glosses.senses(e) if not glosses.EXAMPLE.search(sense)
             for g in glosses._glosses(sense)]
    return bool(found) and all(g[:1].isupper() and not g.isupper() for g in found)


def common_nouns(stems, affixes):
    plain = set()
    words = set()  # the stems that are words alone
    for stem, flag_text in stems:
        flags = affixes.parse_flags(flag_text)
        if stem[:1].isupper() and stem[1:].islower() and flags & NOUN_FLAGS and not flags & affixes.excluded:
            plain.add(stem.lower())
        if not flags & affixes.need_affix:
            words.add(stem)
    out = set()
    for stem, flag_text in stems:
        if not stem[:1].isupper() or not stem[1:].islower():
            continue
        flags = affixes.parse_flags(flag_text)
        if flags & affixes.need_affix and compound_part(stem, words):
            continue
        if is_noun(stem, flags, plain):
            out.add(stem)
    return out


def compound_part(stem, words):
    """A stem the dictionary lists only for compounds is a word's compound form when that word
    is a stem of its own: a noun's genitive or plural ("Abschieds", "Affen"), an adjective, a
    numeral or a verb's stem written with a capital ("Heiß", "Sechs", "Fahr"). Otherwise it is
    a noun of its own ("Mitarbeiter", "Standort")."""
    lower = stem.lower()
    if any(stem[:-len(e)] in words for e in COMPOUND_ENDINGS if stem.endswith(e)):
        return True
    return lower in words or any(lower + e in words for e in ("n", "en"))


def is_noun(stem, flags, plain):
    if flags & NOUN_FLAGS or flags == {"m"}:
        return True
    if flags - {"S", "m"} or flags == {"S"}:
        return False
    lower = stem.lower()
    if lower.endswith(NOUN_SUFFIXES):
        return True
    return any(lower[cut:] in plain for cut in range(3, len(lower) - 3))


# Words the dictionary spells both ways are written as readers write them today: "f" for
# "ph" in "-graf-" and "Fantasie" words ("Grafik", "fantastisch", "Delfin"); "Graph", the
# figure of mathematics, is another word than "Graf".
NEW_SPELLINGS = tuple((re.compile(p), f) for p, f in (
    (r"(?<=[a-zäöü])graph", "graf"), (r"^Graph(?=i[ks])", "Graf"), (r"^graph(?=i[ks])", "graf"),
    (r"^phantas", "fantas"), (r"^Phantas", "Fantas"), (r"^Delphin", "Delfin")))


def modern(word):
    for pattern, spelling in NEW_SPELLINGS:
        word = pattern.sub(spelling, word)
    return word


LANGUAGE = Language(
    name="German", hunspell="de_DE", source="hunspell-de-de", licence="GPL-2+",
    frequency=("wordfreq", "de"), freedict="deu", words="ngerman", words_package="wngerman",
    capitalised=nouns, affix_stems=False, respell=modern,
    odd_lemmas=(ZU_INFINITIVE, "^(?:" + "|".join(ODD_STEMS) + ")$"),
    odd_endings=("e", "en", "er", "es", "em"),
    # A noun's form in -es is its genitive ("Tages", "Prozesses").
    odd_forms=(r"^[A-ZÄÖÜ].*[^aeiouäöüy]es$",),
    # Past the frequency list about one word in five is rare ("Inkunabel", "jählings"): the
    # list takes fewer of them, those whose own spelling is used first ("Macht").
    extra_lemmas=5000, extras_by_use=True,
    extra_sources=2,
)
