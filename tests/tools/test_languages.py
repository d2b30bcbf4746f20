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


# Forms of the Slavic lists: in the nominative or as a verb form, by the analyser's tags (Polish,
# Russian, Ukrainian) or the dictionary's conjugation flags (Czech, checked in the build).
@pytest.mark.parametrize("code, form, analyses, odd", [
    ("ru", "условиях", [("условие", "<n><nt><nn><pl><prp>")], True),
    ("ru", "книги", [("книга", "<n><f><nn><sg><gen>"), ("книга", "<n><f><nn><pl><nom>")], False),
    ("ru", "купила", [("купить", "<vblex><perf><tv><past><f><sg>")], False),
    ("ru", "возможности", [("возможность", "<n><f><nn><pl><nom>")], True),
    ("ru", "психолого", [], True),
    ("uk", "числі", [("число", "<n><nt><nn><sg><loc>")], True),
    ("uk", "хлопці", [("хлопець", "<n><m><aa><pl><nom>")], False),
    ("pl", "klasę", [("klasa", "<n><f><sg><acc>")], True),
    ("pl", "ziemniaki", [("ziemniak", "<n><mi><pl><nom>"), ("ziemniak", "<n><mi><pl><acc>")], False),
    ("cs", "dělals", [], True),
    ("cs", "dělal", [], False),
])
def test_slavic_forms(code, form, analyses, odd):
    assert languages.load(code).odd_form(form, analyses) == odd


def test_czech_case_families():
    from languages import cs
    bare = {"domu", "domy", "domě", "domů", "dům", "ovoce", "ovocem", "ovoci", "pomalu", "psa", "psu"}
    # "ovoce" is an everyday word of its family; "psa", "psu" are only two.
    assert cs.case_families(bare) == {"domu", "domy", "domě", "domů", "ovocem", "ovoci"}
    assert languages.load("cs").odd_lemma("námi") and not languages.load("cs").odd_lemma("námitka")
