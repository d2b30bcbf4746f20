"""Dutch: hunspell-nl. The dictionary writes the ĳ ligature; entries are written i j, as
readers type them."""
from languages import Language


def plain_ij(word):
    return word.replace("\u0133", "ij").replace("\u0132", "IJ")


LANGUAGE = Language(
    name="Dutch", hunspell="nl", source="hunspell-nl", licence="BSD-2-clause or CC-BY-3.0",
    frequency=("wordfreq", "nl"), freedict="nld", words="dutch", words_package="wdutch",
    extra_sources=2, respell=plain_ij,
    names_by_twins=True,
)
