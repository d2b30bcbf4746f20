"""Norwegian Bokmål: hunspell-no. Genitives and superlatives of participles are odd. Past the
frequency list, a lemma is known when it is two ranked words written together
("skyggelue"); the thesaurus's and word list's other words are mostly rare or dialect. The
dictionary lists English words that are no Norwegian ("sorry", "street"), and the
frequencies rank abbreviations and names written in lower case ("mva", "trump"): a reader
listed them, and they are no lemmas. Everyday forms (plurals, definite forms, past tenses)
are entries from 4 uses a million words on."""
from languages import Language

# English words the dictionary holds that a Norwegian reader does not take for Norwegian words.
ENGLISH = ("adult adventure air and are area back beat being bestride bobby body boring bravo business bye "
           "case chief chuck colt con corner country county cover crazy dash dean different ding dominant "
           "done double during ecstasy engineering etc face fallen false fate fellow fiction fifty fight "
           "former forward game gear girl grace grand gray green hardy happy have heat heavy high hill hoc "
           "hole home hope horse hot house huge human independent initial inside kick kill king kiss know "
           "large light lissom living location major making manning mesa messing mining miss more "
           "multiple must none nor ocean off okay old opinion pair peer personal pickup play racing "
           "rainbow range rapid right safety same save secret setting shake short sierra sing sitting "
           "slow sorry soul sound steam story straight strange street style supply swing talk taste tax "
           "telling touch trading trust twist underside unit used walk water west wild yard zero").split()
# Abbreviations, names and interjections written as lower-case words.
NOT_WORDS = ("abc adm ai ali alna arild aps aqua aue aug avd busse ca cheng co def devon dir div dore ekg "
             "eve evje feb feks geir gimle gisle guffe haha hauge hehe hjell horst http id iht inkl innb "
             "jaja jun karl kim lee lene lian mao maya medl mill molde mva non nov nve obs osv pedro pga "
             "phil rakel rikke rudi runa sek sep sept sidd soria sos tesla tex thorn tidl torp tove trine "
             "trude trump tveit utg vedr veum vha yale åmot").split()

LANGUAGE = Language(
    name="Norwegian Bokmål", hunspell="nb_NO", source="hunspell-no", licence="GPL-2", licence_part="no",
    frequency=("wordfreq", "nb"),
    analyser=("apertium-nno-nob/nob-nno.automorf.bin", "apertium-nno-nob"),
    mythes="th_nb_NO_v2", mythes_package="mythes-no", words="bokmaal", words_package="wnorwegian",
    words_encoding="latin-1",
    odd_tags=("<gen>", "<compound-only-L>"), odd_forms=(r"(?:en|et|ne|ene|ers|as)s$",),
    odd_lemmas=("^(?:" + "|".join(ENGLISH + NOT_WORDS) + ")$",),
    form_use=4.0, extra_sources=2, extra_compounds=True,
    names_by_twins=True,
)
