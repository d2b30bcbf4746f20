"""The two figures a reviewer needs: a seeded sample of a list, and its coverage of the
language's most frequent words."""

import random
import re

import languages
import offensive
from lexicon import build, ranking

# Length classes of the sample, in characters as the game counts them.
CLASSES = ((3, 5), (6, 8), (9, 12), (13, None))
PER_CLASS = 10

# Parts of speech of function words as freedict writes them on an entry's first line.
FUNCTION_POS = {"prep", "conj", "pron", "art", "det", "num", "prep.", "conj.", "pron."}
POS = re.compile(r"<([^<>]*)>")


def classes(entries):
    """The entries of each length class, in the list's order."""
    out = [[] for _ in CLASSES]
    for entry in entries:
        n = ranking.characters(entry)
        for i, (low, high) in enumerate(CLASSES):
            if n >= low and (high is None or n <= high):
                out[i].append(entry)
    return out


def draw(entries, seed, per_class=PER_CLASS):
    """[(class, entry)]: `per_class` entries of each class, drawn with the given seed
    (the same seed draws the same entries of the same list)."""
    rng = random.Random(f"velmora-sample:{seed}")
    out = []
    for (low, high), members in zip(CLASSES, classes(entries)):
        label = f"{low}-{high}" if high else f"{low}+"
        picked = rng.sample(members, min(per_class, len(members)))
        out += [(label, e) for e in sorted(picked, key=members.index)]
    return out


def sample(path, seed):
    entries = path.read_bytes().decode("utf-8").split("\n")
    return [f"{label}\t{entry}" for label, entry in draw([e for e in entries if e], seed)]


def function_word(form, language, lex, freedict):
    if form in language.function_words:
        return True
    analyses = lex.analyses.get(form)
    if analyses:
        return all(any(t in tags for t in languages.FUNCTION_TAGS) for _, tags in analyses)
    entries = freedict.get(form)
    if entries:
        parts = [set(p.strip() for p in POS.findall(e.split("\n", 1)[0])[0].split(",")) if POS.findall(e.split("\n", 1)[0]) else set()
                 for e in entries]
        return all(p & FUNCTION_POS for p in parts)
    return False


def is_name(spellings, lex):
    """Every stem hunspell gives the form is capitalised and no word of the list's lemmas."""
    stems = [s for sp in spellings for s in lex.stems.get(sp, [sp])]
    return all(s[:1].isupper() and s not in lex.lemmas for s in stems)


def coverage(code, language, top=1000):
    """(covered, counted, missing forms): of the `top` most frequent forms hunspell accepts,
    names, function words, letters and abbreviations aside, how many have a lemma (or are an entry) of the list."""
    lex = build.Lexicon(code, language)
    entries = build.ROOT / "Dictionary" / f"{code}.txt"
    listed = {e.lower() for e in entries.read_bytes().decode("utf-8").split("\n") if e}
    freedict = lex.freedict()
    # What a reader found to be no word of the language's players (names, foreign words) is
    # left out like names.
    unknown = set(offensive.read_list(build.WORDLISTS / f"unknown-{code}.txt"))
    counted = covered = 0
    missing = []
    for form in sorted(lex.variants, key=lambda f: (-lex.frequency[f], f)):
        if counted >= top:
            break
        spellings = lex.variants[form]
        if not any(ranking.acceptable(s, bool(language.capitalised), language.syllabic, language.shown)
                   for s in spellings):
            continue  # a letter, an abbreviation ("km"), a form with a digit, a word with too few characters to find
        said = [l for ls in lex.form_lemmas.get(form, {}).values() for l in ls] + [form]
        if is_name(spellings, lex) or unknown.intersection(said) or function_word(form, language, lex, freedict):
            continue
        counted += 1
        lemmas = [l for ls in lex.form_lemmas.get(form, {}).values() for l in ls] + spellings
        if any(language.spelled(l).lower() in listed for l in lemmas):
            covered += 1
        else:
            missing.append(form)
    return covered, counted, missing
