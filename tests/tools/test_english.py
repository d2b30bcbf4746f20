"""The English list's own rules (tools/make_dictionary.py), on small hand-made inputs."""

import gzip
import sys
from collections import Counter
from pathlib import Path

import pytest

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tools"))

import make_dictionary as md  # noqa: E402
from offensive import Filter  # noqa: E402


class Lemmas:
    """A stand-in for WordNet: each word's lemmas, and no sense glossed as offensive."""

    def __init__(self, lemmas):
        self.lemmas = lemmas

    def base_forms(self, word, parts=None):
        return set(self.lemmas.get(word, ()))

    def offensive_only(self, entry, forms=()):
        return False


@pytest.mark.parametrize("form, irregular, expected", [
    ("given", {"gave", "given"}, True),
    ("gave", {"gave", "given"}, False),
    ("drunk", {"drank", "drunk"}, True),
    ("drank", {"drank", "drunk"}, False),
    ("beaten", {"beaten"}, True),
    ("ran", {"ran"}, False),
])
def test_past_participle_among_irregular_forms(form, irregular, expected):
    assert md.is_participle(form, irregular) is expected


@pytest.mark.parametrize("phrase, plurals, uses, expected", [
    ("living room", {"room": "rooms"}, {"room": 200, "rooms": 90}, "living rooms"),
    ("global warming", {"warming": "warmings"}, {"warming": 30, "warmings": 0}, None),
    ("subject matter", {"matter": "matters"}, {"matter": 300, "matters": 50}, None),
    ("ice cream", {}, {"cream": 40}, None),
])
def test_noun_phrase_plural_only_where_the_plural_is_said(phrase, plurals, uses, expected):
    assert md.noun_plural(phrase, plurals, lambda w: uses.get(w, 0)) == expected


class Phrases:
    """A stand-in for WordNet with a few verbs and phrases."""

    lemmas = {"verb": {"give", "hang", "fall", "machine"}, "noun": {"room", "gun", "effect"}}
    exceptions = {"verb": {"gave": ["give"], "given": ["give"], "hung": ["hang"],
                           "fell": ["fall"], "fallen": ["fall"]}}
    phrase_pos = {"give up": {"verb"}, "hang around": {"verb"}, "fall in love": {"verb"},
                  "machine gun": {"noun", "verb"}, "living room": {"noun"},
                  "greenhouse effect": {"noun"}}
    files = {"machine gun": {"noun.artifact", "verb.contact"}, "living room": {"noun.artifact"},
             "greenhouse effect": {"noun.phenomenon"}}

    def base_forms(self, word, parts):
        if parts == ("noun",):
            return {word[:-1]} & self.lemmas["noun"]
        bases = set(self.exceptions["verb"].get(word, ()))
        for verb in self.lemmas["verb"]:
            if word.startswith(verb) and word[len(verb):] in ("s", "es", "ed", "ing", "ning"):
                bases.add(verb)
            if word.startswith(verb[:-1]) and word[len(verb) - 1:] in ("ing", "ed"):
                bases.add(verb)
        return bases


def test_phrase_forms():
    words = {"gives", "gave", "given", "giving", "hangs", "hung", "hanged", "hanging", "falls",
             "fell", "fallen", "falling", "machined", "guns", "rooms", "effects"}
    uses = {"room": 200, "rooms": 90, "effect": 100, "effects": 80, "gun": 50, "guns": 30}
    assert md.phrase_forms(set(Phrases.phrase_pos), Phrases(), words, lambda w: uses.get(w, 0)) == {
        "gives up", "gave up", "given up", "giving up",
        "hangs around", "hung around", "hanging around",        # not "hanged around"
        "falls in love", "fell in love", "falling in love",     # not "fallen in love"
        "machine guns", "living rooms",             # not "machined gun", "greenhouse effects"
    }


@pytest.mark.parametrize("phrase, expected", [
    ("ice cream", True), ("cut in", True), ("good and", False), ("the true", False),
    ("or so", False), ("speak of the devil", True),
])
def test_phrases_that_stand_alone(phrase, expected):
    assert md.set_expression(phrase) is expected


@pytest.mark.parametrize("word, expected", [
    ("apple", 24.0),     # SUBTLEX's 1224 in 51 million words beats wordfreq's 10 per million
    ("hello", 2.0),      # capitalised in SUBTLEX, but in SCOWL's small list
    ("weber", 0.0),      # capitalised in SUBTLEX and not in the small list: a name
    ("yeah", 3.0),       # capitalised because it starts sentences
    ("kettle", 15.0),    # wordfreq only
])
def test_word_use_per_million(word, expected):
    subtlex = {"apple": (1224, True), "hello": (102, False), "weber": (38, False), "yeah": (153, False)}
    wordfreq = {"apple": 10.0, "weber": 4.0, "kettle": 15.0}
    assert md.word_use(word, subtlex, wordfreq, {"apple", "hello", "kettle"}) == pytest.approx(expected)


def test_wordfreq_buckets_are_centibels_below_one(tmp_path):
    msgpack = pytest.importorskip("msgpack")
    path = tmp_path / "small.msgpack.gz"
    path.write_bytes(gzip.compress(msgpack.packb([{"format": "cB"}, ["the"], [], ["cat", "dog"]])))
    assert md.read_wordfreq(path) == pytest.approx({"the": 1e6, "cat": 954992.586, "dog": 954992.586})


@pytest.mark.parametrize("entry, lemmas, refused", [
    ("erections", {"erections": {"erection"}}, True),   # a refused lemma takes its forms along
    ("erect", {"erect": {"erect"}}, False),
    ("pee", {}, True),
    ("peeling", {"peeling": {"peel"}}, False),
])
def test_reviewed_blocked_words_and_their_forms(entry, lemmas, refused):
    assert md.offensive_word(entry, Lemmas(lemmas), Filter("en")) is refused


@pytest.mark.parametrize("phrase, accepted", [
    ("sperm whale", True),       # spared by allowed-en.txt
    ("sperm bank", False),
    ("get laid", False),
    ("laid off", True),
])
def test_reviewed_phrases(phrase, accepted):
    assert md.acceptable_phrase(phrase, Lemmas({}), Filter("en")) is accepted


@pytest.mark.parametrize("verb, irregular, has, lacks", [
    ("have", {"had", "has"}, {"has", "having"}, {"haves"}),
    ("do", {"did", "done"}, {"does", "doing"}, {"dos"}),
    ("give", {"gave", "given"}, {"gives", "giving"}, set()),
])
def test_verb_forms_take_the_irregular_third_person(verb, irregular, has, lacks):
    forms = md.verb_inflections(verb, irregular)
    assert has <= forms and not lacks & forms


@pytest.mark.parametrize("word, known, expected", [
    ("unpack", {"pack"}, True),
    ("happily", {"happy"}, True),
    ("stopper", {"stop"}, True),
    ("gently", {"gentle"}, True),
    ("reread", {"read"}, True),
    ("pastry", {"pasta"}, False),
    ("unto", {"to"}, False),
])
def test_words_derived_from_known_words(word, known, expected):
    assert md.derived(word, known) is expected


def test_fill_word_groups():
    lemmas = {"tobaccoes": {"tobacco"}, "thaws": {"thaw"}, "helpfully": {"helpfully"}}
    uses = {"tobacco": 20.0, "thaws": 3.0}
    tier = {"tobaccoes": 50, "thaws": 35, "playfulnesses": 70, "unhelpfully": 70,
            "zymurgies": 80, "wastefully": 35}
    groups = md.fill_words(set(tier), {"helpfully", "wasteful"}, Lemmas(lemmas),
                           lambda w: uses.get(w, 0.0), tier, Counter({"thaws": 2}))
    assert {w: g for w, (g, _) in groups.items()} == {
        "tobaccoes": "odd inflection",          # unused, though "tobacco" is common
        "thaws": "used 35",
        "unhelpfully": "unused 70 derived",
        "zymurgies": "unused 80",
        "wastefully": "unused 35",
    }                                           # no "playfulnesses"


@pytest.fixture
def rules(monkeypatch):
    for name, value in (("CORE_RATE", 0.98), ("SHORT_CLASSES", (0, 1)), ("SHORT_CLASS_RATE", 0.85),
                        ("CLASS_FLOOR", 0.8), ("SINK_CLASS", 2)):
        monkeypatch.setattr(md, name, value)


@pytest.mark.parametrize("total, expected", [
    (6, ["b1", "a1", "d1", "d2", "d3", "c1"]),
    (9, ["b1", "a1", "d1", "d2", "d3", "c1", "c2"]),   # "a2" is too rare for a short class
])
def test_fill_goes_by_rate_to_classes_that_take_it(rules, total, expected):
    ranked = [[(0.9, "a1"), (0.5, "a2")], [(0.95, "b1")], [(0.2, "c1"), (0.1, "c2")],
              [(0.7, "d1"), (0.6, "d2"), (0.5, "d3")]]
    assert md.allocate([10, 10, 10, 10], ranked, total) == expected


def test_a_class_stops_at_its_floor_and_the_sink_takes_the_rest(rules):
    ranked = [[], [], [(0.1, f"c{i}") for i in range(20)], [(0.5, f"d{i}") for i in range(20)]]
    chosen = md.allocate([10, 10, 10, 10], ranked, 20)
    # (9.8 + 0.5 k) / (10 + k) stays at 0.8 up to k = 6
    assert sorted(chosen) == sorted([f"d{i}" for i in range(6)] + [f"c{i}" for i in range(14)])
