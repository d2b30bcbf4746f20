"""The sources that tell which words a reader knows: word frequencies (they rank lemmas), the
bilingual dictionaries, thesauri and word lists of Debian (a lemma they hold is known), and
Debian's morphological analysers (the lemma of an irregular form).

None of them gives a word to a list: every entry comes from the language's hunspell
dictionary."""

import gzip
import re
import subprocess
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent.parent
WORDFREQ = ROOT / "data" / "wordfreq"
FREEDICT = Path("/usr/share/dictd")
MYTHES = Path("/usr/share/mythes")
WORDS = Path("/usr/share/dict")
APERTIUM = Path("/usr/share/apertium")


def nfc(text):
    return unicodedata.normalize("NFC", text)


def headword(text):
    """A source's headword as the lists compare it: NFC, lower case, the Dutch ligature ĳ
    written i j (as the Dutch list writes it)."""
    return nfc(text).lower().replace("\u0133", "ij")


# --- Frequencies ---------------------------------------------------------------------------

def parse_wordfreq(buckets):
    """wordfreq's "cB" lists: bucket i holds the forms used 10^(-i/100) times a word.
    Returns {form: frequency per word}; a form in two buckets keeps the larger."""
    freq = {}
    for i, bucket in enumerate(buckets):
        for form in bucket:
            form = nfc(form)
            freq.setdefault(form, 10 ** (-i / 100))
    return freq


def read_wordfreq(code):
    """The frequencies of data/wordfreq/small_<code>.msgpack.gz."""
    import msgpack
    data = msgpack.unpackb(gzip.open(WORDFREQ / f"small_{code}.msgpack.gz").read(), raw=False)
    return parse_wordfreq(data[1:])


def ranked_frequencies(lines):
    """A list of forms, most frequent first, as frequencies: Zipf's law gives the form of
    rank r about 0.1 / r of the words of a text."""
    freq = {}
    for rank, line in enumerate((l.strip() for l in lines if l.strip()), start=1):
        freq.setdefault(nfc(line).lower(), 0.1 / rank)
    return freq


def read_ranked(path):
    return ranked_frequencies(Path(path).read_bytes().decode("utf-8", errors="replace").splitlines())


# --- Known words ---------------------------------------------------------------------------

BASE64 = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/"


def dict_number(text):
    n = 0
    for c in text:
        n = n * 64 + BASE64.index(c)
    return n


def freedict_entries(code, suffix="-eng"):
    """{headword: [entry texts]} of Debian's freedict-<code>-eng dictionary; a headword is a
    single word, NFC, lower case."""
    index = (FREEDICT / f"freedict-{code}{suffix}.index").read_bytes().decode("utf-8", errors="replace")
    data = gzip.open(FREEDICT / f"freedict-{code}{suffix}.dict.dz").read()
    entries = {}
    for line in index.splitlines():
        fields = line.split("\t")
        if len(fields) < 3 or not fields[0] or fields[0].startswith("00") or " " in fields[0]:
            continue
        start, length = dict_number(fields[1]), dict_number(fields[2])
        text = data[start:start + length].decode("utf-8", errors="replace")
        entries.setdefault(headword(fields[0]), []).append(text)
    return entries


def translation_words(entries):
    """The single words that an English-to-language dictionary's entries translate into:
    the lines after each headword, split at numbers, commas and semicolons, notes in
    brackets left out; in lower case."""
    words = set()
    for entry in entries:
        for line in entry.split("\n")[1:]:
            line = re.sub(r"\([^()]*\)|\[[^\]]*\]|(?:^|\s)\d+\.", " ", line)
            for piece in re.split(r"[,;.]", line):
                piece = piece.strip()
                if piece and " " not in piece:
                    words.add(nfc(piece).lower())
    return words


def freedict_translations(code, least=1):
    """The words of the translations of Debian's freedict-<code>, an English-to-language
    dictionary ("eng-ell"), that translate at least `least` of its headwords (a word many
    English words translate into is a common one)."""
    count = {}
    for entries in freedict_entries(code, suffix="").values():
        for word in translation_words(entries):
            count[word] = count.get(word, 0) + 1
    return {w for w, n in count.items() if n >= least}


def freedict_back_translations(code):
    """The words Debian's freedict-eng-<code> dictionary gives as translations of English
    words (see back_translation_words)."""
    index = (FREEDICT / f"freedict-eng-{code}.index").read_bytes().decode("utf-8", errors="replace")
    data = gzip.open(FREEDICT / f"freedict-eng-{code}.dict.dz").read()
    words = set()
    for line in index.splitlines():
        fields = line.split("\t")
        if len(fields) < 3 or not fields[0] or fields[0].startswith("00"):
            continue
        start, length = dict_number(fields[1]), dict_number(fields[2])
        words |= back_translation_words(data[start:start + length].decode("utf-8", errors="replace"))
    return words


def back_translation_words(entry):
    """The words of one freedict-eng-<code> entry but its headword line, its notes, tags and
    cross-references, several-word translations split into their words: NFC, lower case."""
    body = entry.split("\n", 1)[1] if "\n" in entry else ""
    return {nfc(w).lower() for w in TRANSLATION_WORD.findall(MARKUP.sub(" ", body))}


# Notes, cross-references and tags of a freedict entry, which are English, not translations.
MARKUP = re.compile(r"\([^()]*\)|\{[^{}]*\}|<[^<>]*>|\[[^\[\]]*\]|See also:.*")
TRANSLATION_WORD = re.compile(r"[^\W\d_]+")


def mythes_main_words(name):
    """The single-word headwords of a thesaurus /usr/share/mythes/<name>.dat that have
    synonyms of their own (see parse_mythes_main)."""
    return parse_mythes_main((MYTHES / f"{name}.dat").read_bytes().decode("utf-8", errors="replace"))


def parse_mythes_main(text):
    """The single-word headwords of a thesaurus's text that have synonyms of their own: not
    those whose every meaning only points to another headword ("(див.) хліб")."""
    lines = text.splitlines()
    words = set()
    i = 1
    while i < len(lines):
        head, _, count = lines[i].rpartition("|")
        if not head or not count.isdigit():
            i += 1
            continue
        meanings = lines[i + 1:i + 1 + int(count)]
        if " " not in head and not all("(див.)" in m or "(см.)" in m for m in meanings):
            words.add(nfc(head).lower())
        i += 1 + int(count)
    return words


def mythes_words(name, lower=True):
    """The single-word headwords of a thesaurus index /usr/share/mythes/<name>.idx, in lower
    case unless asked."""
    raw = (MYTHES / f"{name}.idx").read_bytes()
    lines = raw.splitlines()
    encoding = lines[0].decode("ascii", errors="replace").lstrip("\ufeff").strip().lower() if lines else "utf-8"
    if encoding.startswith("\ufeff") or "utf" in encoding:
        encoding = "utf-8"
    words = set()
    for line in lines[2:]:
        word = line.decode(encoding, errors="replace").split("|")[0]
        if word and " " not in word:
            words.add(nfc(word).lower() if lower else nfc(word))
    return words


def word_list(name, lower=True, encoding="utf-8"):
    """The words of Debian's word list /usr/share/dict/<name>, in lower case unless asked
    (some lists, as Swedish and Norwegian, are written in ISO-8859-1)."""
    text = (WORDS / name).read_bytes().decode(encoding, errors="replace")
    return {nfc(w).lower() if lower else nfc(w) for w in text.split("\n") if w}


# --- Analysers -----------------------------------------------------------------------------

def parse_apertium(text):
    """lt-proc output ("^surface/lemma<tags>/lemma<tags>$" a line) as
    {surface: [(lemma, tags), ...]}; unknown words ("*surface") have none."""
    out = {}
    for line in text.splitlines():
        line = line.strip()
        if not (line.startswith("^") and line.endswith("$")):
            continue
        parts = line[1:-1].split("/")
        analyses = []
        for part in parts[1:]:
            if part.startswith("*"):
                continue
            lemma, _, tags = part.partition("<")
            lemma = lemma.split("#")[0].split("+")[0]
            analyses.append((nfc(lemma), "<" + tags if tags else ""))
        out.setdefault(nfc(parts[0]), analyses)
    return out


def apertium(words, automorf):
    """Each word's analyses by Apertium's lt-proc with the given .automorf.bin (a path
    relative to /usr/share/apertium)."""
    words = [w for w in words if w and " " not in w]
    if not words:
        return {}
    result = subprocess.run(["lt-proc", "-z", str(APERTIUM / automorf)],
                            input="".join(w + "\n\0" for w in words).encode("utf-8"),
                            stdout=subprocess.PIPE, check=True)
    return parse_apertium(result.stdout.decode("utf-8", errors="replace").replace("\0", "\n"))
