"""Swedish: hunspell-sv. Genitives (skinnbyxornas) and linking-s forms are odd. The
frequency list's everyday forms (plurals, definite forms, past tenses) are entries from 6
uses a million words on: a reader knows them as well as their lemmas."""
from languages import Language

LANGUAGE = Language(
    name="Swedish", hunspell="sv_SE", source="hunspell-sv", licence="LGPL-3", licence_part="sv_SE",
    frequency=("wordfreq", "sv"),
    analyser=("apertium-swe-dan/swe-dan.automorf.bin", "apertium-swe-dan"),
    freedict="swe", words="swedish", words_package="wswedish",
    odd_tags=("<gen>", "<sup>"), odd_forms=(r"(?:ens|ets|nas|ernas|arnas|ornas|ings)$",),
    form_use=6.0, extra_sources=2,
    names_by_twins=True,
)
