"""Greek: hunspell-el."""
from languages import Language

LANGUAGE = Language(
    name="Greek", hunspell="el_GR", source="hunspell-el", licence="MPL-1.1 or GPL-2 or LGPL-2.1",
    licence_part="el_GR", frequency=("wordfreq", "el"), freedict="ell",
)
