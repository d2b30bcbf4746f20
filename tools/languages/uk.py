"""Ukrainian: hunspell-uk."""
from languages import Language
from languages.ru import OBLIQUE

LANGUAGE = Language(
    name="Ukrainian", hunspell="uk_UA", source="hunspell-uk", licence="GPL-2+ or LGPL-2.1+ or MPL-1.1",
    licence_part="uk_UA", frequency=("wordfreq", "uk"),
    analyser=("apertium-rus-ukr/ukr-rus.automorf.bin", "apertium-rus-ukr"),
    mythes="th_uk_UA_v2", mythes_package="mythes-uk", words="ukrainian", words_package="wukrainian",
    # Past the frequency list, a lemma that the word list holds and the thesaurus explains with
    # synonyms of its own.
    extra_sources=2, mythes_main=True,
    names_by_twins=True,
    # A stem without affix flags that the analyser does not know ("млрд", "ага") is no word
    # unless a known-word source holds it.
    unknown_need_source="bare",
    # A form other than the lemma is an entry only in the nominative or as a verb form
    # ("хлопці", "йдуть", "впала"), not "числі", "зброї" or "рівнем".
    odd_tags=OBLIQUE, forms_need_analysis=True,
    # The plural of an abstract noun in -ность/-ність is the form of its oblique cases, and
    # rarely meant as a plural ("свідомості").
    odd_forms=(r"ності$",),
    # Adjectives of small places and of family names ("іловайський", "крушельницький") that
    # the analyser does not know are entries only where people use them often.
    name_adjectives=("[сц]ький$", 20.0),
)
