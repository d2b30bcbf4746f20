"""Norwegian Bokmål: hunspell-no. Genitives and superlatives of participles are odd. Past the
frequency list, a lemma is known when it is two ranked words written together
("skyggelue"); the thesaurus's and word list's other words are mostly rare or dialect. The
dictionary lists English words that are no Norwegian ("sorry", "street"): they are no
lemmas."""
from languages import Language

# English words the dictionary holds that a Norwegian reader does not take for Norwegian words.
ENGLISH = ("adult adventure are area being bobby colt con country county dean different ecstasy "
           "engineering etc face fellow fiction fifty gear girl grace hardy have heavy high hill hoc home "
           "huge inside kill king kiss know large location manning mesa mining multiple ocean off okay "
           "old peer play racing rainbow rapid right safety secret short sierra sing sitting slow sorry "
           "steam street tax trading walk west wild zero").split()

LANGUAGE = Language(
    name="Norwegian Bokmål", hunspell="nb_NO", source="hunspell-no", licence="GPL-2", licence_part="no",
    frequency=("wordfreq", "nb"),
    analyser=("apertium-nno-nob/nob-nno.automorf.bin", "apertium-nno-nob"),
    mythes="th_nb_NO_v2", mythes_package="mythes-no", words="bokmaal", words_package="wnorwegian",
    odd_tags=("<gen>",), odd_forms=(r"(?:en|et|ne|ene|ers|as)s$",),
    odd_lemmas=("^(?:" + "|".join(ENGLISH) + ")$",),
    form_use=4.0, extra_sources=2, extra_compounds=True,
    names_by_twins=True,
)
