"""Norwegian Bokmål: hunspell-no. Genitives and superlatives of participles are odd."""
from languages import Language

LANGUAGE = Language(
    name="Norwegian Bokmål", hunspell="nb_NO", source="hunspell-no", licence="GPL-2", licence_part="no",
    frequency=("wordfreq", "nb"),
    analyser=("apertium-nno-nob/nob-nno.automorf.bin", "apertium-nno-nob"),
    mythes="th_nb_NO_v2", mythes_package="mythes-no", words="bokmaal", words_package="wnorwegian",
    odd_tags=("<gen>",), odd_forms=(r"(?:en|et|ne|ene|ers|as)s$",),
    extra_sources=2,
    names_by_twins=True,
)
