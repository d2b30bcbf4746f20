"""Lemmas ranked by use, and the entries a list is made of. Pure functions of their inputs:
tests/tools/test_ranking.py checks them on small fixtures."""

import hashlib
import unicodedata

# Characters hunspell's word lists hold that are no letter of a word: the modifier letter
# apostrophe, the ordinal indicators of abbreviations ("nº"), and the Arabic vowel signs,
# written only in teaching texts; a letter that carries one is a character of its own, which a
# player typing the letter would not find.
NOT_LETTERS = {"\u02bc", "\u00aa", "\u00ba", "\u0670"} | {chr(c) for c in range(0x064B, 0x0660)}

# A word of up to three letters in an alphabet holds a vowel ("km", "cm", "ms" are
# abbreviations).
VOWELS = set("aeiouyàáâãäåæèéêëìíîïòóôõöøùúûüýÿāăąēėęěīįıōőœūůűųŷ"
             "аеёиоуыэюяіїєў" "αεηιουωάέήίόύώϊϋΐΰ")


def digest(word):
    return hashlib.sha256(word.encode("utf-8")).hexdigest()


def letters_only(word):
    return bool(word) and all(unicodedata.category(c)[0] in "LM" and c not in NOT_LETTERS for c in word)


def alphabetic(word):
    """Written in an alphabet with vowel letters: Latin, Cyrillic or Greek."""
    return all(unicodedata.name(c, "").startswith(("LATIN", "CYRILLIC", "GREEK")) for c in word)


def characters(word):
    """The characters a player finds: extended grapheme clusters, as the game counts them."""
    import regex
    return len(regex.findall(r"\X", word))


def to_find(word, shown=""):
    """The characters of a word a player has to find: those that do not start with a letter
    the game shows from the start (`shown`: Thai vowel letters)."""
    import regex
    return sum(1 for c in regex.findall(r"\X", word) if c[0] not in shown)


def acceptable(word, capitalised=False, syllabic="", shown=""):
    """Letters and marks only, at least two characters to find (`shown` are letters the game
    shows from the start), a vowel in a short word of an alphabet, lower case (German nouns: a
    capital first)."""
    if not letters_only(word) or (to_find(word, shown) if shown else characters(word)) < 2:
        return False
    if len(word) <= 3 and alphabetic(word) and not (VOWELS | set(syllabic)) & set(word.lower()):
        return False
    if capitalised:
        return word[1:] == word[1:].lower()
    return word == word.lower()


def lemmas_of_forms(variants, stems, analyses, lemmas):
    """Which lemmas each form is a form of. `variants` maps a frequency list's form to the
    spellings hunspell accepts ("haus" -> ["Haus"]); `analyses` gives the analyser's
    (lemma, tags) of a form, and where it knows none of the lemmas, `stems` hunspell's
    stems of a spelling; only lemmas of the dictionary (`lemmas`) count. Returns
    {form: {spelling: [lemmas]}}."""
    out = {}
    for form, spellings in variants.items():
        found = {}
        for spelling in spellings:
            candidates = []
            for lemma, _ in analyses.get(form, ()):
                for guess in (lemma, lemma[:1].upper() + lemma[1:]):
                    if guess in lemmas and guess not in candidates and (guess[:1].isupper()) == (spelling[:1].isupper()):
                        candidates.append(guess)
            if not candidates:
                # A capitalised spelling (a German noun) is a form of a capitalised lemma only.
                candidates = [s for s in stems.get(spelling, ())
                              if s in lemmas and s[:1].isupper() == spelling[:1].isupper()]
            if not candidates and spelling in lemmas:
                candidates = [spelling]
            if candidates:
                found[spelling] = candidates
        if found:
            out[form] = found
    return out


def segment(text, words, longest=20):
    """A text written without spaces (Thai) cut into words of `words`, the longest word
    first at each place; None where some part is no word."""
    parts = []
    i = 0
    while i < len(text):
        for j in range(min(len(text), i + longest), i, -1):
            if text[i:j] in words:
                parts.append(text[i:j])
                i = j
                break
        else:
            return None
    return parts


def score_lemmas(frequency, form_lemmas, own_form=False):
    """A lemma's use: the frequencies of its forms added up. A form of several lemmas is
    shared in proportion to what each has from its forms of one lemma alone ("est" goes
    mostly to "être", which "suis" and "sont" show in use, little to "est", the east), and
    equally where none has any. With `own_form`, the use of a lemma's own dictionary form
    counts for it too: Spanish "casa" and "casas" are also forms of "casar", whose "casado"
    is its alone, but "casa" written as itself is the noun's."""
    alone = {}
    for form, spellings in form_lemmas.items():
        pairs = [l for ls in spellings.values() for l in ls]
        if len(pairs) == 1:
            alone[pairs[0]] = alone.get(pairs[0], 0.0) + frequency[form]
    score = dict(alone)
    for form, spellings in form_lemmas.items():
        pairs = [l for ls in spellings.values() for l in ls]
        if len(pairs) == 1:
            continue
        weights = [alone.get(l, 0.0) + (frequency.get(l, 0.0) if own_form else 0.0) for l in pairs]
        total = sum(weights)
        for lemma, weight in zip(pairs, weights):
            share = frequency[form] * (weight / total if total else 1 / len(pairs))
            score[lemma] = score.get(lemma, 0.0) + share
    return {l: s for l, s in score.items() if s > 0}


def rank_lemmas(score, least):
    """The lemmas used at least `least` times a word, most used first (ties by digest)."""
    return sorted((l for l, s in score.items() if s >= least), key=lambda l: (-score[l], digest(l)))


def extra_lemmas(lemmas, ranked, holders, need, longest, most, use=None):
    """Lemmas past the frequency list that `need` known-word sources hold (`holders` counts
    them per lemma), at most `longest` letters, at most `most`: those most sources hold
    first, then (where `use` gives the frequencies of forms) those whose own spelling is most
    used (German "Macht", whose use the frequencies, in lower case, give to "macht" of
    "machen"), then by digest."""
    taken = set(ranked)
    use = use or {}
    pool = [l for l in lemmas if l not in taken and holders.get(l, 0) >= need and len(l) <= longest]
    pool.sort(key=lambda l: (-holders[l], -use.get(l.lower(), 0.0), digest(l)))
    return pool[:most]


def choose_forms(frequency, form_lemmas, lemma_rank, least, growth, odd, endings=(), compounds=True):
    """Forms other than the lemmas that are entries of their own: used at least `least`
    times a word, a form of a chosen lemma (`lemma_rank` gives each its place), at most
    `growth` characters longer than it, not odd (`odd(spelling, form, lemma)` says), not a
    lemma in lower case plus one of `endings` (German adjectives' case endings); without
    `compounds`, not another word written before the lemma (Danish "tyskland" of "land").
    Returns {spelling: (lemma, frequency)}, each with the best ranked of its lemmas."""
    out = {}
    for form, spellings in form_lemmas.items():
        use = frequency[form]
        if use < least:
            continue
        for spelling, lemmas in spellings.items():
            chosen = [l for l in lemmas if l in lemma_rank]
            if not chosen or spelling in lemma_rank:
                continue
            lemma = min(chosen, key=lemma_rank.get)
            if characters(spelling) - characters(lemma) > growth or odd(spelling, form, lemma):
                continue
            if lemma.islower() and spelling.startswith(lemma) and spelling[len(lemma):] in endings:
                continue
            if not compounds and spelling.endswith(lemma) and not spelling.startswith(lemma):
                continue
            if spelling not in out or use > out[spelling][1]:
                out[spelling] = (lemma, use)
    return out


def one_spelling(entries, respell, same=None):
    """Entries that are one word under the list's spelling rule are one: each entry is
    written as `respell` gives it, and where two meet (Russian актёр and актер, or two that
    differ only in case, as the game plays entries in lower case, or two that `same` makes
    one puzzle, as Arabic alefs) the better ranked stays.
    `entries` is [(word, key)] best first; returns the same, respelled, each once."""
    seen = set()
    out = []
    for word, key in entries:
        spelled = respell(word)
        folded = (same(spelled) if same else spelled).lower()
        if folded in seen:
            continue
        seen.add(folded)
        out.append((spelled, key))
    return out
