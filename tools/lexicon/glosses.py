"""The offensive check by meaning: a lemma whose English glosses in the bilingual dictionary
are offensive terms, or are labelled vulgar, obscene, derogatory or slang for sex, is refused
with every form of it. naughty-words knows few terms of most languages, and a refused word's
other forms would pass it; the glosses see them."""

import re

# Labels a dictionary puts on a sense that no family game should hand out, as it writes them
# in brackets ("[vulg.]", "(obscene)", "<derog>"). A language module may add the labels its
# dictionary writes in the language itself. "Pejorative" is no such label: dictionaries put
# it on diminutives and mild words.
LABELS = ("vulgar", "vulg", "obscene", "obsc", "derogatory", "derog", "offensive", "slur", "taboo")
# "slang" alone is no reason; slang for one of these is.
SEXUAL = ("sex", "sexual", "sexually", "penis", "vagina", "vulva", "genitals", "genitalia", "breast",
          "breasts", "testicle", "testicles", "intercourse", "copulate", "copulation", "buttocks",
          "arse", "masturbate", "masturbation", "prostitute", "whore", "homosexual", "excrement",
          "defecate", "erection", "orgasm", "anus")

NUMBER = re.compile(r"(?:^|\s)\d+\.\s")
BRACKETED = re.compile(r"\([^()]*\)|\[[^\[\]]*\]|<[^<>]*>|\{[^{}]*\}")
NOTE = re.compile(r"\([^()]*\)|\[[^\[\]]*\]|<[^<>]*>|/[^/\s][^/]*/")
WORD = re.compile(r"[^\W\d_]+")
# A usage example, not a sense: a quoted phrase and its translation.
EXAMPLE = re.compile(r"[\"“”„«»]")


def senses(entry):
    """The senses of a freedict entry (its first line, the headword, left out): each a list
    of glosses, split at numbers, line ends, commas and semicolons."""
    body = entry.split("\n", 1)[1] if "\n" in entry else ""
    out = []
    for line in body.split("\n"):
        for piece in NUMBER.split(line):
            piece = piece.strip()
            if piece:
                out.append(piece)
    return out


def _glosses(sense):
    plain = NOTE.sub(" ", sense)
    return [g.strip() for g in re.split(r"[,;]", plain) if WORD.search(g)]


def bad_sense(sense, english, labels=()):
    """Why one sense is unfit for a family, or None: a label of offence in brackets, slang
    for sex, or glosses that are all offensive terms."""
    notes = " ".join(BRACKETED.findall(sense)).lower()
    note_words = WORD.findall(notes)
    label = next((l for l in LABELS if l in note_words), None) or next((l for l in labels if l in notes), None)
    if label:
        return f"labelled {label}"
    words = [w.lower() for w in WORD.findall(sense)]
    if "slang" in words and any(w in SEXUAL for w in words):
        return "slang for sex"
    glosses = _glosses(sense)
    if glosses and all(english.offending(g) for g in glosses):
        return "offensive glosses"
    return None


def judge(entries, english, labels=()):
    """Why the entries of one headword refuse it, or None: at least half of its senses are
    unfit (a word with one crude sense among many everyday ones stays for a reader to judge). Usage examples are no senses. `english` is an
    offensive-word Filter of English terms; `labels` adds labels of the dictionary's own
    language, found as parts of words ("wulgar" in "wulgarnie")."""
    found = [s for e in entries for s in senses(e) if not EXAMPLE.search(s)]
    bad = [(s, why) for s in found if (why := bad_sense(s, english, labels))]
    if bad and 2 * len(bad) >= len(found):
        sense, why = bad[0]
        return f"{why}: {sense[:80]}"
    return None


def refused(dictionary, english, labels=()):
    """{headword: reason} for every headword of a freedict dictionary the glosses refuse."""
    out = {}
    for word, entries in dictionary.items():
        reason = judge(entries, english, labels)
        if reason:
            out[word] = reason
    return out



def is_name(entries, english):
    """Every gloss of a headword is a name in English: a word that the English word list
    `english` (with its capitals) holds only with a capital ("Mozambique", "Italy"). For a
    script without capitals of its own, where nothing else tells a name."""
    found = [g for e in entries for sense in senses(e) if not EXAMPLE.search(sense) for g in _glosses(sense)]
    return bool(found) and all(g in english and g.lower() not in english for g in found)
