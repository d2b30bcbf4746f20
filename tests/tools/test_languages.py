"""Each language's table: it loads, names its sources, and its form rules tell the odd forms
from the ordinary ones."""

import pytest

import languages
from languages import de, nl


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
    ("sv", "barns", [("barn", "<n><nt><sg><ind><gen>"), ("barn", "<n><nt><sg><ind><cmp><compound-only-L>")], True),
    ("sv", "dags", [("dag", "<n><ut><sg><ind><gen>"), ("dags", "<adv>")], False),
    ("sv", "dna", [], True),  # the analyser does not know it
    ("da", "husets", [], True),
    ("da", "niels", [("el", "<n>")], True),
    ("nb", "bilens", [], True),
    ("nb", "james", [("jam", "<n>")], True),
    ("nl", "https", [], True),
    ("de", "Tages", [], True),
    ("de", "Autos", [], False),
    ("hu", "árpáéért", [], True),
    ("ar", "كتابهما", [], True),
    ("ar", "الكتاب", [], True),
    ("ar", "كتب", [], False),
])
def test_odd_forms(code, form, analyses, odd):
    assert languages.load(code).odd_form(form, analyses) == odd


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


@pytest.mark.parametrize("code, lemma, odd", [
    ("de", "anzurufen", True),
    ("de", "hinzuzufügen", True),
    ("de", "hinzufügen", False),
    ("de", "zusammenzucken", False),
    ("de", "ward", True),
    ("da", "iii", True),
    ("da", "vi", False),
    ("nl", "vóór", True),
    ("nl", "écht", True),
    ("nl", "één", False),
    ("nl", "café", False),
    ("nb", "mva", True),
    ("nb", "hus", False),
    ("sv", "hdmi", True),
])
def test_odd_lemmas(code, lemma, odd):
    assert languages.load(code).odd_lemma(lemma) == odd


@pytest.mark.parametrize("code, word, spelled", [
    ("de", "Graphik", "Grafik"),
    ("de", "geographisch", "geografisch"),
    ("de", "Graph", "Graph"),
    ("de", "phantastisch", "fantastisch"),
    ("nb", "framtid", "fremtid"),
    ("sv", "café", "kafé"),
])
def test_one_spelling(code, word, spelled):
    assert languages.load(code).spelled(word) == spelled


@pytest.mark.parametrize("stem, infinitive", [
    ("buig", "buigen"), ("verstop", "verstoppen"), ("slaag", "slagen"), ("leef", "leven"),
    ("reis", "reizen"), ("zie", "zien"),
])
def test_dutch_infinitive_of_a_stem(stem, infinitive):
    assert infinitive in nl.infinitives(stem)


@pytest.mark.parametrize("noun, flags, name", [
    ("Dortmund", {"S"}, True),    # English writes it only with a capital
    ("Dänemark", {"S"}, True),    # glossed "Denmark"
    ("Memel", {"m"}, True),       # no plural, no genitive, not explained
    ("Buddhismus", {"S"}, False),
    ("Haus", {"E", "S"}, False),
])
def test_german_names(noun, flags, name):
    cased = {"Dortmund", "Denmark"}
    explained = {"dänemark": ["Dänemark\n  Denmark"]}
    assert de.is_name(noun, flags, cased, explained) == name
