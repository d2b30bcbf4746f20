"""Polish: hunspell-pl. The Polish-English dictionary labels vulgar senses in Polish."""
from languages import Language

LANGUAGE = Language(
    name="Polish", hunspell="pl_PL", source="hunspell-pl", licence="GPL or LGPL or MPL or Apache-2.0 or CC-SA-1.0",
    licence_part="pl_PL", frequency=("wordfreq", "pl"), freedict="pol", words="polish", words_package="wpolish",
    gloss_labels=("wulgar", "pogardliw", "obraźliw", "obelżyw"),
    extra_sources=2,
    names_by_twins=True,
)
