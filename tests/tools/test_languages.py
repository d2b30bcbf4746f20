"""Each language's table: it loads, names its sources, and its form rules tell the odd forms
from the ordinary ones."""

import pytest

import languages
from languages import de


@pytest.mark.parametrize("code", languages.CODES)
def test_every_language_has_a_table(code):
    language = languages.load(code)
    assert language.packages()[0] == language.source
    assert language.frequency[0] in ("wordfreq", "npm")
    assert language.licence


@pytest.mark.parametrize("code, form, analyses, odd", [
    ("it", "sgranocchiandogli", [], True),
    ("it", "dammi", [("dare", "<vblex><imp><p2><sg>+mi<prn><enc>")], True),
    ("it", "mangiando", [("mangiare", "<vblex><ger>")], False),
    ("it", "ancor", [("ancora", "<adv>")], True),   # cut of its last vowel
    ("it", "signor", [], True),
    ("fr", "chanta", [("chanter", "<vblex><ifi><p3><sg>")], True),
    ("fr", "chantait", [("chanter", "<vblex><pii><p3><sg>")], False),
    # "fût" is also a barrel: one ordinary analysis keeps it.
    ("fr", "fût", [("fût", "<n><m><sg>"), ("être", "<vblex><pis><p3><sg>")], False),
    ("es", "tenés", [], True),
    ("es", "tienes", [("tener", "<vblex><pri><p2><sg>")], False),
    ("es", "dímelo", [("decir", "<vblex><imp><p2><sg>+me<prn>+lo<prn>")], True),
    ("pt-BR", "cantais", [("cantar", "<vblex><pri><p2><pl>")], True),
    ("pt-BR", "normais", [("normal", "<adj><mf><pl>")], False),
    ("pt", "cantastes", [("cantar", "<vblex><ifi><p2><pl>")], True),
    ("pt", "velá", [], True),
    ("pt", "significaçonas", [], True),
    ("eo", "domon", [], True),
    ("eo", "domoj", [], False),
    ("sv", "skinnbyxornas", [("skinnbyxa", "<n><ut><pl><def><gen>")], True),
    ("sv", "hästarna", [("häst", "<n><ut><pl><def><nom>")], False),
    ("da", "husets", [], True),
    ("nb", "bilens", [], True),
    ("hu", "árpáéért", [], True),
    ("ar", "كتابهما", [], True),
    ("ar", "الكتاب", [], True),
    ("ar", "كتب", [], False),
])
def test_odd_forms(code, form, analyses, odd):
    assert languages.load(code).odd_form(form, analyses) == odd


@pytest.mark.parametrize("code, lemma, odd", [
    ("it", "gliene", True), ("it", "ecc", True), ("it", "gelato", False), ("it", "mele", False),
    ("fr", "parce", True), ("fr", "parc", False),
    ("pt", "xvii", True), ("pt-BR", "viii", True), ("pt", "vil", False), ("pt", "vi", False),
])
def test_odd_lemmas(code, lemma, odd):
    assert languages.load(code).odd_lemma(lemma) == odd


def test_russian_is_written_with_ye():
    assert languages.load("ru").spelled("актёр") == "актер"
    assert languages.load("uk").spelled("актёр") == "актёр"


@pytest.mark.parametrize("stem, flags, noun", [
    ("Haus", {"E", "S"}, True),      # a plural
    ("Berlin", {"S"}, False),        # a name: the genitive alone
    ("Zeitung", set(), True),        # a noun suffix
    ("Gartenhaus", set(), True),     # ends in a noun
    ("Müller", set(), False),
])
def test_german_nouns(stem, flags, noun):
    assert de.is_noun(stem, flags, {"tür", "haus"}) == noun
