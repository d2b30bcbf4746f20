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
    chosen = ranking.choose_forms(frequency, form_lemmas, rank, 1e-5, 4, lambda s, f: s == "chanta")
    assert chosen == {"chats": ("chat", 2e-5)}


@pytest.mark.parametrize("form, lemma, kept", [
    ("sozialen", "sozial", False),     # an adjective's case ending
    ("Freunde", "Freund", True),       # a noun's plural
    ("tyskland", "land", False),       # a compound the stemmer takes for a form
    ("landet", "land", True),
])
def test_forms_by_ending_and_compound(form, lemma, kept):
    chosen = ranking.choose_forms({form: 1e-4}, {form: {form: [lemma]}}, {lemma: 0}, 1e-5, 8,
                                  lambda s, f: False, ("e", "en"), compounds=False)
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


def test_one_spelling_keeps_the_better_ranked():
    ye = lambda w: w.replace("ё", "е")
    assert ranking.one_spelling([("актёр", 1), ("актер", 2), ("всё", 3), ("все", 4)], ye) == [("актер", 1), ("все", 3)]
    assert ranking.one_spelling([("Freund", 1), ("freund", 2)], lambda w: w) == [("Freund", 1)]


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
