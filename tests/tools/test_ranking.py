"""Lemmas ranked by use and the entries chosen (tools/lexicon/ranking.py), and the readers of
the sources, on small fixtures."""

import pytest

from lexicon import hunspell, ranking, review, sources


def test_forms_map_to_their_lemmas_through_stemmer_and_analyser():
    variants = {"maisons": ["maisons"], "yeux": ["yeux"], "est": ["est"], "haus": ["Haus"], "xyz": ["xyz"]}
    stems = {"maisons": ["maison"], "yeux": ["yeux"], "est": ["est", "être"], "Haus": ["haus", "Haus"]}
    analyses = {"yeux": [("œil", "<n><m><pl>")]}
    lemmas = {"maison", "œil", "est", "être", "Haus"}
    assert ranking.lemmas_of_forms(variants, stems, analyses, lemmas) == {
        "maisons": {"maisons": ["maison"]},
        "yeux": {"yeux": ["œil"]},
        "est": {"est": ["est", "être"]},
        "haus": {"Haus": ["Haus"]},
    }


def test_a_lemma_scores_its_forms_and_a_shared_form_is_split_by_use():
    frequency = {"est": 0.01, "être": 0.002, "suis": 0.006, "porte": 0.004, "portes": 0.001,
                 "porter": 0.003, "xy": 0.002}
    form_lemmas = {"est": {"est": ["est", "être"]}, "être": {"être": ["être"]}, "suis": {"suis": ["être"]},
                   "porte": {"porte": ["porte", "porter"]}, "portes": {"portes": ["porte"]},
                   "porter": {"porter": ["porter"]}, "xy": {"xy": ["x", "y"]}}
    score = ranking.score_lemmas(frequency, form_lemmas)
    assert score == pytest.approx({"être": 0.018, "porte": 0.002, "porter": 0.006, "x": 0.001, "y": 0.001})
    assert ranking.rank_lemmas(score, 0.0015) == ["être", "porter", "porte"]


def test_a_shared_form_goes_to_the_lemma_written_as_it_by_its_own_use():
    frequency = {"casa": 0.005, "casas": 0.001, "casado": 0.002}
    form_lemmas = {"casa": {"casa": ["casa", "casar"]}, "casas": {"casas": ["casa", "casar"]},
                   "casado": {"casado": ["casar"]}}
    assert ranking.score_lemmas(frequency, form_lemmas) == pytest.approx({"casar": 0.008})
    assert ranking.score_lemmas(frequency, form_lemmas, own_form=True) == pytest.approx(
        {"casa": 0.0042857, "casar": 0.0037143}, rel=1e-4)


@pytest.mark.parametrize("knobs, kept", [
    ({"attested": True, "need_known": 2}, {"casa", "tahiti", "murciar", "lindo"}),
    ({"unlisted_need_analysis": True}, {"casa", "tahiti", "op", "lindo"}),
    ({"bare_need_known": True}, {"casa", "murciar", "lindar", "op"}),
])
def test_lemmas_only_the_stemmer_tells_go_and_their_known_forms_stand_in(knobs, kept):
    from lexicon import build
    from languages import Language

    class Lex:
        frequency = {"linda": 1e-4, "lindo": 8e-5, "op": 5e-5, "casa": 2e-4, "tahiti": 3e-6}
        score = {"lindar": 1.8e-4, "op": 5e-5, "casa": 2e-4, "tahiti": 3e-6, "murciar": 2e-6}
        form_lemmas = {"linda": {"linda": ["lindar"]}, "lindo": {"lindo": ["lindar"]}}
        analyses = {}
        lemmas = {"lindar": ["ajk"], "op": ["S"], "casa": ["S"], "tahiti": [""], "murciar": ["RED"]}
        holders = staticmethod(lambda words: {w: int(w in ("lindo", "casa", "murciar")) for w in words})
        analysed_lemmas = staticmethod(set)
        freedict = staticmethod(lambda: {"casa": []})

    holders = Lex.holders(Lex.lemmas)
    assert set(build.known_scores(Lex, holders, Language("x", "x", "x", "x", **knobs))) == kept


@pytest.mark.parametrize("names, counts", [
    (None, {"dom": 3, "madison": 1, "okay": 2, "xyz": 0}),
    (["freedict"], {"dom": 1, "madison": 0, "okay": 0, "xyz": 0}),
    (["freedict", "back"], {"dom": 2, "madison": 0, "okay": 1, "xyz": 0}),
    (["words", "translations"], {"dom": 1, "madison": 1, "okay": 1, "xyz": 0}),
])
def test_holders_count_only_the_sources_named(names, counts):
    from lexicon import build

    class Lex:
        lemmas = {"dom": ["S"], "madison": [""], "okay": [""], "xyz": [""]}
        known_sets = staticmethod(lambda: {"freedict": {"dom"}, "words": {"dom", "madison", "okay"},
                                           "back": {"dom", "okay"}})

    assert build.Lexicon.holders(Lex, names=names) == counts
    assert build.Lexicon.holders(Lex, ["Dom"], names) == {"Dom": counts["dom"]}


def test_extra_lemmas_need_sources_and_a_length():
    holders = {"alpha": 2, "beta": 1, "gamma": 0, "epsilonepsilon": 2, "delta": 1}
    assert ranking.extra_lemmas(holders, ["delta"], holders, 1, 12, 5)[0] == "alpha"
    assert sorted(ranking.extra_lemmas(holders, ["delta"], holders, 1, 12, 5)) == ["alpha", "beta"]
    assert ranking.extra_lemmas(holders, [], holders, 2, 12, 5) == ["alpha"]


def test_forms_enter_by_use_growth_and_rules():
    frequency = {"chats": 2e-5, "chatons": 5e-7, "chanta": 3e-5, "chanteraient": 4e-5}
    form_lemmas = {f: {f: [lemma]} for f, lemma in
                   (("chats", "chat"), ("chatons", "chaton"), ("chanta", "chanter"), ("chanteraient", "chanter"))}
    rank = {"chat": 0, "chanter": 1, "chaton": 2}
    chosen = ranking.choose_forms(frequency, form_lemmas, rank, 1e-5, 4, lambda s, f, l: s == "chanta")
    assert chosen == {"chats": ("chat", 2e-5)}


@pytest.mark.parametrize("form, lemma, kept", [
    ("sozialen", "sozial", False),     # an adjective's case ending
    ("Freunde", "Freund", True),       # a noun's plural
    ("tyskland", "land", False),       # a compound the stemmer takes for a form
    ("landet", "land", True),
])
def test_forms_by_ending_and_compound(form, lemma, kept):
    chosen = ranking.choose_forms({form: 1e-4}, {form: {form: [lemma]}}, {lemma: 0}, 1e-5, 8,
                                  lambda s, f, l: False, ("e", "en"), compounds=False)
    assert (form in chosen) == kept


@pytest.mark.parametrize("word, capitalised, syllabic, ok", [
    ("maison", False, "", True),
    ("Maison", False, "", False),
    ("Haus", True, "", True),
    ("HAus", True, "", False),
    ("km", False, "", False),
    ("prst", False, "rl", True),
    ("vlk", False, "", False),
    ("a", False, "", False),
    ("l'eau", False, "", False),
    ("كتاب", False, "", True),
    ("كِتاب", False, "", False),
])
def test_acceptable(word, capitalised, syllabic, ok):
    assert ranking.acceptable(word, capitalised, syllabic) == ok


@pytest.mark.parametrize("word, ok", [
    ("กอด", True),    # ก and ด to find; อ is shown
    ("กอ", False),
    ("ไป", False),    # ไ is shown
    ("ใจดี", True),
])
def test_acceptable_counts_the_characters_to_find(word, ok):
    assert ranking.acceptable(word, shown="เแโใไาะำอฤฦๅๆ") == ok


def test_one_spelling_keeps_the_better_ranked():
    ye = lambda w: w.replace("ё", "е")
    assert ranking.one_spelling([("актёр", 1), ("актер", 2), ("всё", 3), ("все", 4)], ye) == [("актер", 1), ("все", 3)]
    assert ranking.one_spelling([("Freund", 1), ("freund", 2)], lambda w: w) == [("Freund", 1)]
    alef = lambda w: w.replace("آ", "ا").replace("أ", "ا")
    assert ranking.one_spelling([("أمن", 1), ("آمن", 2), ("امن", 3)], lambda w: w, alef) == [("أمن", 1)]


def test_segment_cuts_at_the_longest_word():
    words = {"ขอ", "ขอโทษ", "โทษ", "นะ"}
    assert ranking.segment("ขอโทษนะ", words) == ["ขอโทษ", "นะ"]
    assert ranking.segment("ขอโทษX", words) is None


def test_frequency_readers():
    assert sources.parse_wordfreq([["de"], [], ["la", "de"]]) == pytest.approx({"de": 1.0, "la": 0.9549926})
    assert sources.ranked_frequencies(["la", "Mi", "", "la"]) == pytest.approx({"la": 0.1, "mi": 0.05})


def test_tool_outputs_are_read():
    assert hunspell.parse_stem_output("est est\nest être\n\nxyz\n\nmaisons maison\n") == {
        "est": ["est", "être"], "maisons": ["maison"]}
    assert sources.parse_apertium("^dammi/dare<vblex><imp>+mi<prn>$\n^xyz/*xyz$\n") == {
        "dammi": [("dare", "<vblex><imp>+mi<prn>")], "xyz": []}
    assert hunspell.parse_stems("3\nmaison/S.() po:nom\nchat/S\nà\n") == [("maison", "S.()"), ("chat", "S"), ("à", "")]


def test_sample_draws_ten_of_each_class_the_same_for_a_seed():
    entries = [w * n for w in "abcdefghijklmnop" for n in (3, 7, 10, 14)]
    first = review.draw(entries, "42")
    assert first == review.draw(entries, "42")
    assert [label for label, _ in first] == ["3-5"] * 10 + ["6-8"] * 10 + ["9-12"] * 10 + ["13+"] * 10
    assert {len(e) for label, e in first if label == "13+"} == {14}
    assert review.classes(["กำลัง", "ab", "abcdef"]) == [["กำลัง"], ["abcdef"], [], []]


def test_listed_forms_are_forms_of_the_flagged_root_they_begin_with():
    from lexicon import build
    lemmas = {"kullan": ["12"], "kullanabileceğini": [""], "vay": [""], "ev": ["3"], "evde": [""]}
    assert build.listed_form_roots(lemmas) == {"kullanabileceğini": "kullan"}


def test_translations_give_single_words_without_notes():
    entries = ["abide /ɐbˈaɪd/\n1. bir yerde kalmak\n2. (huk.) sabit, dayanmak; tahammül", "animal\n\nζώο, κτήνος\n"]
    assert sources.translation_words(entries) == {"sabit", "dayanmak", "tahammül", "ζώο", "κτήνος"}


def test_thesaurus_headwords_with_synonyms_of_their_own():
    text = ("UTF-8\nхліб|1\n|харч|їжа\nкниш|1\n|(див.) хліб\nобрив|2\n|урвище\n|(див.) круча\n"
            "добрий день|1\n|привіт\n")
    assert sources.parse_mythes_main(text) == {"хліб", "обрив"}


def test_back_translation_words_leave_the_headword_and_notes_out():
    entry = "abbey /ˈæbɪ/ <N>\n 1.  opactwo (budynek), klasztor\n   See also: {abbot}\n"
    assert sources.back_translation_words(entry) == {"opactwo", "klasztor"}
