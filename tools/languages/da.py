"""Danish: hunspell-da. Genitives (-s on a definite or plural form) are odd forms. The
stemmer takes compounds for forms of their last word ("tyskland" of "land"): such forms are
no entries. The dictionary lists English words that are no Danish ("yes", "house"), Roman
numerals, and the frequencies rank abbreviations and names written in lower case ("atm",
"lucia"): a reader listed them, and they are no lemmas."""
from languages import Language

# English words the dictionary holds that a Danish reader does not take for Danish words.
ENGLISH = ("action age amour apostle apple bestride big billy boy boys bum bums but cal cam charleston "
           "cologne country crazy dims done earl ere esp eta facts gamble gambling gibbon guardian hems "
           "hole hook hot house hundred implicit jar joke keeper knob large lease light look lost mare "
           "mate morale nice non none nor off official old out page palm penny performance pet pike "
           "research resume run sea shine simple smug stupid support taste taster tide tons tony trace "
           "undertone unfair unit ups vibe wing wow yes").split()
ROMAN = r"^(?:ii|iii|iv|vii|viii|ix|xi|xii|xiii|xiv|xv|xx|xxx)$"
# Abbreviations, names, interjections and rare or foreign words the frequencies rank high: a
# reader listed them.
ODD = ("abc adhd ae ais alba alf alma alto ansa ard arh atm atp babs balle bey bmi bob capo carte cpu "
       "davs della did dolce donna dont edb eet elm erika ernes ethan eux faire faxe fidel føtex gie gu "
       "gus hi hilde hovsa html ibn ih ipa iq ir jah jeps joh kris lady len lex lgbt lise litra lix lixe "
       "loren lucia marc maya mba merle mi mu ngo nova novo næh nåh ocd palma peake petit pie primo psi "
       "ptsd pu puha py real remu rolfe roma samsø scoop sfo sgu sioux ska skype sok solution sound sous "
       "suv tao terre thi torp tove trine uf uh uha uhm verus vita vuc wiki yak yang yin zulu årh æv øh "
       "air arne ave back boom david erne etter exe fifa fight gere grand green heavy henry http https "
       "jack jens jep jon karl kim leo miles palle pius pope power ruppe sir spencer star story søren "
       "tofte varde vejle von cover quintus gray pat gasse vort "
       # a spelling of "forpligtelse"
       "forpligtigelse").split()

LANGUAGE = Language(
    name="Danish", hunspell="da_DK", source="hunspell-da", licence="LGPL-2.1 or GPL-2 or MPL-1.1",
    licence_part="da_DK", frequency=("wordfreq", "da"),
    analyser=("apertium-swe-dan/dan-swe.automorf.bin", "apertium-swe-dan"),
    freedict="dan", words="danish", words_package="wdanish",
    odd_tags=("<gen>", "<sup>", "<compound-only-L>"),
    # Frequent tokens the analyser takes for forms of a word: names ("niels") and archaic forms.
    odd_forms=(r"(?:en|et|ne|erne|ene|ernes)s$", r"^(?:dan|dur|ellen|las|niels|tim|und|vore|vort)$"),
    odd_lemmas=("^(?:" + "|".join(ENGLISH + ODD) + ")$", ROMAN),
    compound_forms=False,
    extra_sources=2,
    names_by_twins=True,
)
