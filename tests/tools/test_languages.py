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


# A dictionary of ar.dic's parts: function words, names, nouns (a name's flag and a name's
# adjective among them), verbs.
ARABIC_DIC = """9
::::::::::::::
stopwords.dic
::::::::::::::
أما
::::::::::::::
names.dic
::::::::::::::
###أسماء\t3
سوريا/57
##اسم-جامد##
كتاب/67
مدرسة/72
سوري/58
بلوتون/92
::::::::::::::
verb.huns.dic
::::::::::::::
قال/275\t1
أما/230\t2
"""


def test_arabic_dictionary_parts():
    from languages import ar
    words, function, names, nouns = ar.parts(ARABIC_DIC)
    assert words == {"كتاب", "مدرسة", "قال"}
    assert (function, names, nouns) == ({"أما"}, {"سوريا", "بلوتون"}, {"كتاب", "مدرسة"})


@pytest.mark.parametrize("form, analysis", [
    ("الكتاب", [("كتاب", "<pro>")]),
    ("كتابهما", [("كتاب", "<enc>")]),
    ("مدرستها", [("مدرسة", "<enc>")]),
    ("مدارس", None),                    # no lemma reads it
    ("وقال", [("قال", "<pro>")]),
    ("ووقعت", [("وقع", "<pro><vb>")]),   # a clitic and a word used many times more
    ("وزير", [("وزير", "")]),            # a word used more than "زير"
    ("وأما", None),                      # a function word with a clitic
    ("سياسي", [("سياسي", "")]),          # a relative adjective, in both genders
    ("سوري", None),                      # the adjective of a name
    ("امن", [("أمن", "")]),              # the spelling written most
])
def test_arabic_forms_read_as_their_lemmas(form, analysis):
    from languages import ar
    frequency = {"الكتاب": 9e-5, "كتاب": 5e-5, "كتابهما": 1e-6, "مدرستها": 2e-6, "مدرسة": 3e-5, "مدارس": 2e-6,
                 "وقال": 5e-5, "قال": 4e-4, "ووقعت": 3e-6, "ووقع": 1e-6, "وقع": 9e-5, "وزير": 9e-5, "زير": 1e-6,
                 "وأما": 2e-5, "سياسي": 4e-5, "السياسية": 6e-5, "سياسة": 5e-5, "سوري": 3e-5, "سورية": 2e-5,
                 "أمن": 6e-5, "امن": 1e-5}
    lemmas = {"كتاب", "مدرسة", "قال", "وقع", "ووقع", "وزير", "زير", "أما", "سياسة", "سور", "أمن", "امن"}
    dictionary = (lemmas, {"أما"}, {"سوريا"}, lemmas - {"سور"})
    assert ar.analyse(frequency, lemmas, dictionary).get(form) == analysis
