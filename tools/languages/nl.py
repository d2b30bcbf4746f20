"""Dutch: hunspell-nl. The dictionary writes the ĳ ligature; entries are written i j, as
readers type them. It lists a verb twice: its stem ("slaag/V3", which makes "slaagt") and its
infinitive ("slagen/Vi"); a stem the dictionary lists as nothing else is no dictionary
form, so such a verb is written as its infinitive. The lemmas are those the frequencies rank:
past them, even words two ranked words make ("viersprong") are mostly rare; everyday forms
(plurals, past tenses) are entries from 4 uses a million words on. Debian's Dutch word list
holds English words and names too ("area", "sake", "aad"): an English word of three letters
or more, or a word whose capitalised twin is a stem, that the bilingual dictionary does not
hold is foreign or a name."""
from functools import lru_cache

from languages import Language
from lexicon import hunspell, sources

# The flags of a verb's stem and of its infinitive (FLAG long: two letters a flag).
STEM_FLAG = "V3"
INFINITIVE_FLAG = "Vi"
# Flags of a compound's parts (C., X.): a verb's stem may carry them too. Flags of a noun's
# plural (Y., Z.) and an adjective's forms (A.) make a stem a word of its own.
COMPOUND_FLAGS = ("C", "X")
WORD_FLAGS = ("Y", "Z", "A")
# How much more a verb's stem may be used than its infinitive ("maak", "maken") and still
# be a form of it.
RARER = 10
# Stems ending in f or s are voiced before -en: "leef", "leven"; "reis", "reizen".
VOICED = {"f": "v", "s": "z"}


def plain_ij(word):
    return word.replace("\u0133", "ij").replace("\u0132", "IJ")


def infinitives(stem):
    """The spellings the infinitive of a verb's stem may have, likeliest first: "buig" buigen,
    "stop" stoppen, "slaag" slagen, "leef" leven, "reis" reizen, "zie" zien."""
    out = [stem + "en"]
    if stem.endswith("e"):
        out.append(stem + "n")
    last = stem[-1:]
    if len(stem) >= 2 and stem[-2] in "aeiou" and last not in "aeiouwj":
        out.append(stem + last + "en")
    short = stem
    if len(stem) >= 3 and stem[-3] == stem[-2] and stem[-2] in "aeou" and last not in "aeiou":
        short = stem[:-2] + last
    for base in dict.fromkeys((short, stem)):
        if base[-1:] in VOICED:
            out.append(base[:-1] + VOICED[base[-1]] + "en")
        out.append(base + "en")
    return list(dict.fromkeys(out))


@lru_cache(maxsize=1)
def verb_stems():
    """{verb stem: its infinitive} from the dictionary's flags."""
    pairs = []
    path = hunspell.HUNSPELL / "nl.dic"
    for line in path.read_bytes().decode("utf-8").split("\n")[1:]:
        word, _, flags = line.partition("/")
        flags = flags.split()[0] if flags.strip() else ""
        pairs.append((plain_ij(word), [flags[i:i + 2] for i in range(0, len(flags), 2)]))
    with_infinitive = {w for w, flags in pairs if INFINITIVE_FLAG in flags}
    # A stem listed otherwise too (without flags, or as a noun or adjective: "voeg", the
    # joint; "jij") is a word of its own.
    words = {w for w, flags in pairs
             if any(f.startswith(WORD_FLAGS) for f in flags)
             or STEM_FLAG not in flags and not (flags and all(f.startswith(COMPOUND_FLAGS) for f in flags))}
    use = sources.read_wordfreq("nl")
    out = {}
    for word, flags in pairs:
        if STEM_FLAG in flags and word not in with_infinitive and word not in words:
            found = next((i for i in infinitives(word) if i in with_infinitive), None)
            # A noun without a plural is listed as a verb's stem too ("badminton",
            # "badmintonnen"): where the frequencies show the stem far more used than its
            # infinitive, it is that word.
            if found and use.get(word, 0.0) <= RARER * use.get(found, 0.0):
                out[word] = found
    return out


def spelled(word):
    word = plain_ij(word)
    return verb_stems().get(word, word)


# Names, abbreviations, foreign words, archaic forms and words of one set phrase ("ten
# gehore", "Jan en alleman") that the frequencies rank: a reader listed them.
ODD = ("aed aha alf alla alleman aloud alv ama amor apa apr ara arbo ares aston atb avant baba bene besla "
       "besta bis bits bleu blut bobo boe boston bso brut carte chet ciao cité corso cru cyber dalai det "
       "deus dezen dezer dixie dolce dover dáár déjà eau enfin enne eo epa fa facto feng fte gazet gedag "
       "gehore gei gegil gejat genua gers giga gros haute hola hunne ia ier iet ikke indo io isp ito janus "
       "jemig jen jeu jeune kaag koi kol kommer lande latin lazer libre lijve lil linea loc lumen maarte "
       "mare mata mic midi mille misga monde mor mora moto mu naw nel nero noir nor obs oi ont opga oprot "
       "opsta paso passe petit petto pinot pom prees quo rai rambo ri rover sant sar sas sept ti toto tri "
       "trias tweep uni vanop versa voip volks vous vve véél wegga wéér yard zelve zijt álle óók "
       "abc bah bam berge cuba dec eva ever feb goeds haag haha hamas hee high huize immer ineen jaap jee "
       "jozef koen koog look mer moge neen nov okt que soest tijde und vloei walt zake zul acte electro "
       "griet zijne leur gemogen ast bie most beschot shisha verschiet cara oeps official yuan aurora "
       "haram latino moor").split()
# An acute accent inside a word only stresses it ("vóór", "géén", "écht"); "één" and loans
# ending in it ("café") are words.
STRESSED = r"[áíóú]|^(?!één$|élan$).*é."

LANGUAGE = Language(
    name="Dutch", hunspell="nl", source="hunspell-nl", licence="BSD-2-clause or CC-BY-3.0",
    frequency=("wordfreq", "nl"), freedict="nld", words="dutch", words_package="wdutch",
    odd_lemmas=("^(?:" + "|".join(ODD) + ")$", STRESSED),
    # Frequent tokens the stemmer takes for forms of a word: names, English words, odd forms.
    odd_forms=(r"^(?:acts|afghaan|delft|goeds|grieken|https|loser|make|maker|oplet|por|stads|stars|teleur"
               r"|walt)$",), form_use=4.0, extra_lemmas=0,
    respell=spelled,
    word_list_counts=False, english_loans_shortest=3,
    names_by_twins=True,
)
