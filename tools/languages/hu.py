"""Hungarian: hunspell-hu. Suffixes stack (árpáéért): a form adds at most three letters."""
from languages import Language

LANGUAGE = Language(
    name="Hungarian", hunspell="hu_HU", source="hunspell-hu", licence="GPL-3+ or LGPL-3+ or MPL-2.0+",
    licence_part="hu_HU", frequency=("wordfreq", "hu"), freedict="hun",
    form_use=20.0, longest_growth=3, stemmer_lemmas=True,
    odd_forms=(r"(?:éért|éé|éi|éiért|ékért|éknek)$",),
    # The stemmer doubles a derived word's ending now and then (képzeletbelibeli).
    odd_lemmas=(r"(.{3,})\1$",),
)
