"""The offensive check by meaning (tools/lexicon/glosses.py) on freedict entries written
out by hand."""

import pytest

from lexicon import glosses


class Terms:
    """An English term check that knows a few terms, as offensive.Filter answers."""
    TERMS = {"cunt", "pussy", "cock", "shit", "whore", "bitch"}

    def offending(self, gloss):
        return next((w for w in gloss.lower().split() if w in self.TERMS), None)


@pytest.mark.parametrize("entry, labels, refused", [
    # Half the senses are crude terms.
    ("chatte /ʃat/ <n, fem>\n1. female cat\n2. cunt, pussy\n", (), True),
    # A harmless synonym in the same sense spares it.
    ("coq /kɔk/ <n, masc>\ncock, rooster\n", (), False),
    ("Wichse <n>\n[vulg.] jizz <n>, spunk <n>\n", (), True),
    ("kommen <v>\n1. come\n2. arrive\n3. [slang] have an orgasm\n", (), False),
    ("bumsen <v>\n[slang] have sex\n", (), True),
    # A usage example is no sense: "cock your head" is not about the head.
    ("Kopf <n>\n1. head\n2. \"den Kopf neigen\" - cock your head\n", (), False),
    # The dictionary's own language labels it.
    ("kurwa <n>\nwhore, bitch 2.\n(wulgarnie, wulgaryzm) prostytutka\n", ("wulgar",), True),
    ("dom <n>\n1. house, home\n(urzędowy) placówka\n", ("wulgar",), False),
    # "vulgar" as a gloss is no label.
    ("vulgaire <adj>\ncommon, everyday, vulgar\n", (), False),
    ("merde <n>\nshit\n", (), True),
])
def test_judge(entry, labels, refused):
    assert (glosses.judge([entry], Terms(), labels) is not None) == refused


def test_senses_split_at_numbers_and_lines():
    assert glosses.senses("mot <n>\n1. first 2. second\nthird\n") == ["first", "second", "third"]


def test_refused_names_each_headword_with_its_reason():
    found = glosses.refused({"merde": ["merde <n>\nshit\n"], "maison": ["maison <n>\nhouse\n"]}, Terms())
    assert list(found) == ["merde"]
    assert found["merde"].startswith("offensive glosses: shit")


def test_a_headword_glossed_by_english_names_only_is_a_name():
    english = {"Italy", "Mozambique", "book", "Book", "casebook"}
    assert glosses.is_name(["إيطاليا /x/\nItaly\n"], english)
    assert not glosses.is_name(["كتاب /x/\nCasebook\n"], english)
    assert not glosses.is_name(["بيت /x/\n1. Italy\n2. Bett\n"], english)
