"""Turkish: hunspell-tr. Suffixes stack (taksitlendirebilecek): the dictionary lists many
finished forms as stems of their own, which count as forms of their root; a form must be
frequent and add at most five letters."""
from languages import Language

LANGUAGE = Language(
    name="Turkish", hunspell="tr_TR", source="hunspell-tr", licence="MPL-2.0", licence_part="tr_TR",
    frequency=("wordfreq", "tr"), freedict="tur",
    form_use=20.0, longest_growth=5, listed_forms=True,
    # Its bilingual dictionary is small: English words cannot be told from its own.
    english_loans=False,
)
