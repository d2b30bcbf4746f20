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
    ("eo", "ŝin", [], True),
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


@pytest.mark.parametrize("code, form, lemma, odd", [
    ("el", "χημικού", "χημικός", True),       # a genitive
    ("el", "φίλους", "φίλος", True),          # an accusative plural
    ("el", "θάλασσας", "θάλασσα", True),      # the feminine's genitive
    ("el", "καλοί", "καλός", False),          # a nominative plural
    ("el", "τραυματίστηκε", "τραυματίζομαι", False),  # a verb's past
    ("el", "χει", None, True),               # an elision of no lemma
    ("el", "είπε", None, False),
    ("tr", "sahneye", "sahne", True),        # a dative
    ("tr", "kitaplar", "kitap", False),      # a plural
    ("tr", "geldi", "gelmek", False),
    ("tr", "geliyorsunuz", "gelmek", False),
    ("tr", "gelmesinin", "gelmek", True),    # a verbal noun with case endings
    ("tr", "gel", "gelmek", False),          # the imperative
])
def test_odd_forms_of_a_lemma(code, form, lemma, odd):
    assert languages.load(code).odd_form(form, (), lemma) == odd


@pytest.mark.parametrize("code, form, keys", [
    ("eo", "knabojn", ["knabo", "knabojn"]),
    ("eo", "iris", ["iri", "iris"]),
    ("eo", "kiujn", ["kiu"]),
    ("eo", "vin", ["vi"]),
    ("eo", "tamen", ["tamen"]),
])
def test_dictionary_forms_by_endings(code, form, keys):
    assert languages.load(code).lemmatise(form) == keys


def test_greek_forms_find_their_lemma_without_accents():
    greek = languages.load("el")
    assert greek.key("άνθρωπος") in greek.lemmatise("ανθρώπου")
    assert greek.key("σκέψη") in greek.lemmatise("σκέψεις")
    assert greek.key("γράφω") in greek.lemmatise("γράφουμε")


@pytest.mark.parametrize("stem, lemma", [
    ("gel", "gelmek"),
    ("yaz", "yaz"),             # the summer, a noun: it takes the plural's flag
    ("yapabil", "yapmak"),      # the potential
    ("yapma", "yapmak"),        # the negative
    ("süresi", "süre"),         # a possessive the dictionary lists as a stem
    ("sattık", "satmak"),       # a past the dictionary lists as a stem
    ("bekli", "beklemek"),      # the stem before -yor
    ("hafta", "hafta"),         # not haf + locative
    ("bina", "bina"),           # not bin + dative
    ("bakan", "bakan"),         # the participle ends many nouns
])
def test_turkish_stems_stand_for_their_lemma(stem, lemma):
    lemmas = {"gelmek": ["1"], "yaz": ["0,3"], "yazmak": ["1"], "yapmak": ["1"], "süre": ["1"], "satmak": ["1"], "bin": ["1"],
              "bakmak": ["1"], "bina": ["1"], "bakan": ["1"],
              "beklemek": ["1"], "bekli": ["1"], "haf": ["1"], "hafta": ["1"]}
    assert languages.load("tr").stem_lemma(stem, lemmas) == lemma


def test_turkish_roots_soften_and_drop_a_vowel():
    spell = languages.load("tr").root_spellings
    assert spell("cep") == ["cep", "ceb"]
    assert spell("renk") == ["renk", "renğ", "reng"]
    assert spell("oğul") == ["oğul", "oğl"]


@pytest.mark.parametrize("lemma, admitted", [
    ("malpura", True), ("kuracistino", True),
    ("kuracisto", False),      # no affix: the ranked lemma itself
    ("malpurigi", False),      # two affixes
    ("limimposto", False),     # two roots
    ("purigi", False),         # an affix outside the commonest
])
def test_esperanto_words_past_the_frequency_list(lemma, admitted):
    admits = languages.load("eo").extra_lemma(["pura", "patrino", "kuracisto", "limo", "imposto"])
    assert admits(lemma) == admitted


def test_hungarian_doubled_endings_are_no_lemmas():
    hungarian = languages.load("hu")
    assert hungarian.odd_lemma("képzeletbelibeli")
    assert not hungarian.odd_lemma("képzeletbeli")


@pytest.mark.parametrize("lemma, odd", [("æiuj", True), ("whisky", True), ("ĉiuj", False), ("ajn", False), ("ĉion", True)])
def test_esperanto_lemmas_in_its_alphabet_and_not_accusative(lemma, odd):
    assert languages.load("eo").odd_lemma(lemma) == odd


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
