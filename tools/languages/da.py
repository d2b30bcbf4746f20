"""Danish: hunspell-da. Genitives (-s on a definite or plural form) are odd forms. The
stemmer takes compounds for forms of their last word ("tyskland" of "land"): such forms are
no entries. The dictionary lists English words that are no Danish ("yes", "house"), Roman
numerals, and the frequencies rank abbreviations and names written in lower case ("atm",
"lucia") and rare short words: a reader listed them, and they are no lemmas. Everyday forms
(plurals, definite forms, past tenses) are entries from 7 uses a million words on."""
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
       "forpligtigelse "
       # rare, archaic and set-phrase words of up to five letters
       "adle adræt afart afvej agne agter alun ambe amish aqua bagi balde basse bast batte beære bif "
       "biord bisse boer boote boss bov bowle brase bule bumse bunde byret byrum bøvle cap cape cox "
       "cutte dadle daffe dale daler dat dav deale degn deri derom derop derud dille dirk dirre dis "
       "dixie dok dokke dolly dræne dusse dynd dyste dåd dælen entre ergo ester facon facto fager "
       "favne ferm fif firme fixe fjor flove foged forgå forst fre fryde funke fuppe fure fut fælg "
       "fænge gak gipse gire gnave gokke greje grime grube grum gruse gyde hamle hank helme herme "
       "herom herop herpå herse hid hin his hisse hist hoc hooke horst hub hærge højne høvl iltog "
       "indbo inte irre islæt issyl itu jamme joine jokes jolle junke kahyt kali kaper karte katar "
       "kikke kimse kinin kip kippe kitte kling knase knobe knut kukke kyle kæmme kølle laban lens "
       "levn liden lidet linge loco lut malte mande mart mele mille mire mixe morse mulde munde møge "
       "mønne nag nage nana nas nasse nibe nuvel nørde oblat obo okker oktet olden omløb orde orne "
       "ort otium pal pari pedel peer peppe perse pjalt plys praje prior pukke pøj quo rad rebe rille "
       "rime rinde rippe ritte rouge ræs ræse scala sekt sem sifon simse skage skude skue skyts skøde "
       "smøge snert sode somme spæde stade stime stub styg styk sysle sæter sømil sømme sørme talon "
       "tara tele tern tese tikke toer toft togt tonse tot trit træl tysse udi udle utide utugt uven "
       "valle vang vedel vera versa vom vrå væge vælde væsel yams yard ynde ytre yver åsyn ælde æter "
       "øhav cleare dean lotte son").split()

LANGUAGE = Language(
    name="Danish", hunspell="da_DK", source="hunspell-da", licence="LGPL-2.1 or GPL-2 or MPL-1.1",
    licence_part="da_DK", frequency=("wordfreq", "da"),
    analyser=("apertium-swe-dan/dan-swe.automorf.bin", "apertium-swe-dan"),
    freedict="dan", words="danish", words_package="wdanish",
    odd_tags=("<gen>", "<sup>", "<compound-only-L>"),
    # Frequent tokens the analyser takes for forms of a word: names ("niels") and archaic forms.
    odd_forms=(r"(?:en|et|ne|erne|ene|ernes)s$", r"^(?:dan|dur|ellen|las|niels|tim|und|vore|vort)$"),
    odd_lemmas=("^(?:" + "|".join(ENGLISH + ODD) + ")$", ROMAN),
    compound_forms=False, form_use=7.0,
    extra_sources=2,
    names_by_twins=True,
)
