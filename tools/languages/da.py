"""Danish: hunspell-da. Genitives (-s on a definite or plural form) are odd forms. The
stemmer takes compounds for forms of their last word ("tyskland" of "land"): such forms are
no entries. The dictionary lists English words that are no Danish ("yes", "house") and Roman
numerals: they are no lemmas."""
from languages import Language

# English words the dictionary holds that a Danish reader does not take for Danish words.
ENGLISH = ("action age amour apostle apple bestride big billy boy boys bum bums but cal cam charleston "
           "cologne country crazy dims done earl ere esp eta facts gamble gambling gibbon guardian hems "
           "hole hook hot house hundred implicit jar joke keeper knob large lease light look lost mare "
           "mate morale nice non none nor off official old out page palm penny performance pet pike "
           "research resume run sea shine simple smug stupid support taste taster tide tons tony trace "
           "undertone unfair unit ups vibe wing wow yes").split()
ROMAN = r"^(?:ii|iii|iv|vii|viii|ix|xi|xii|xiii|xiv|xv|xx|xxx)$"
# Abbreviations and rare or foreign words the frequencies rank high.
ODD = "alto atm bob kris len primo wiki".split()

LANGUAGE = Language(
    name="Danish", hunspell="da_DK", source="hunspell-da", licence="LGPL-2.1 or GPL-2 or MPL-1.1",
    licence_part="da_DK", frequency=("wordfreq", "da"),
    analyser=("apertium-swe-dan/dan-swe.automorf.bin", "apertium-swe-dan"),
    freedict="dan", words="danish", words_package="wdanish",
    odd_tags=("<gen>", "<sup>", "<compound-only-L>"), odd_forms=(r"(?:en|et|ne|erne|ene|ernes)s$",),
    odd_lemmas=("^(?:" + "|".join(ENGLISH + ODD) + ")$", ROMAN),
    compound_forms=False,
    extra_sources=2,
    names_by_twins=True,
)
