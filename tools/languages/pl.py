"""Polish: hunspell-pl. The Polish-English dictionary labels vulgar senses in Polish.

Debian's Polish word list comes from the same source as the hunspell dictionary, so it cannot
tell an English word from a Polish one: only the bilingual dictionary counts for that."""
from languages import Language
from languages.ru import OBLIQUE

LANGUAGE = Language(
    name="Polish", hunspell="pl_PL", source="hunspell-pl", licence="GPL or LGPL or MPL or Apache-2.0 or CC-SA-1.0",
    licence_part="pl_PL", frequency=("wordfreq", "pl"), freedict="pol", words="polish", words_package="wpolish",
    analyser=("apertium-pol-szl/pol-szl.automorf.bin", "apertium-pol-szl"),
    gloss_labels=("wulgar", "pogardliw", "obraźliw", "obelżyw"),
    # Past the frequency list, a lemma that its bilingual dictionary, the word list and the
    # English-Polish dictionary's translations all hold.
    back_freedict="pol", extra_sources=3, loan_sources=("freedict",), freedict_names=True,
    names_by_twins=True,
    # The analyser knows the everyday words: a short one it does not know is an entry only
    # where the bilingual dictionary holds it; English names ("madison") go.
    unknown_need_source="short", english_names=True,
    # A form other than the lemma is an entry only in the nominative or as a verb form
    # ("ziemniaki", "zapytał", "patrzy"), not "klasę", "wrogów" or "drużyną".
    odd_tags=OBLIQUE, forms_need_analysis=True,
)
