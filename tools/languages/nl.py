"""Dutch: hunspell-nl."""
from languages import Language

LANGUAGE = Language(
    name="Dutch", hunspell="nl", source="hunspell-nl", licence="BSD-2-clause or CC-BY-3.0",
    frequency=("wordfreq", "nl"), freedict="nld", words="dutch", words_package="wdutch",
)
