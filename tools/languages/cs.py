"""Czech: hunspell-cs."""
from languages import Language

LANGUAGE = Language(
    name="Czech", hunspell="cs_CZ", source="hunspell-cs", licence="GPL-2", licence_part="cs_CZ",
    frequency=("wordfreq", "cs"), freedict="ces", syllabic="rl",
    form_use=10.0,
    # Its bilingual dictionary is small: English words cannot be told from its own.
    english_loans=False,
)
