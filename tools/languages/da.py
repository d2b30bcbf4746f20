"""Danish: hunspell-da. Genitives (-s on a definite or plural form) are odd forms."""
from languages import Language

LANGUAGE = Language(
    name="Danish", hunspell="da_DK", source="hunspell-da", licence="LGPL-2.1 or GPL-2 or MPL-1.1",
    licence_part="da_DK", frequency=("wordfreq", "da"),
    analyser=("apertium-swe-dan/dan-swe.automorf.bin", "apertium-swe-dan"),
    freedict="dan", words="danish", words_package="wdanish",
    odd_tags=("<gen>", "<sup>"), odd_forms=(r"(?:en|et|ne|erne|ene|ernes)s$",),
    extra_sources=2,
    names_by_twins=True,
)
