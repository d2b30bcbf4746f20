"""The sources that tell which words a reader knows: word frequencies (they rank lemmas), the
bilingual dictionaries, thesauri and word lists of Debian (a lemma they hold is known), and
Debian's morphological analysers (the lemma of an irregular form).

None of them gives a word to a list: every entry comes from the language's hunspell
dictionary."""

import gzip
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


def freedict_entries(code):
    """{headword: [entry texts]} of Debian's freedict-<code>-eng dictionary; a headword is a
    single word, NFC, lower case."""
    index = (FREEDICT / f"freedict-{code}-eng.index").read_bytes().decode("utf-8", errors="replace")
    data = gzip.open(FREEDICT / f"freedict-{code}-eng.dict.dz").read()
    entries = {}
    for line in index.splitlines():
        fields = line.split("\t")
        if len(fields) < 3 or not fields[0] or fields[0].startswith("00") or " " in fields[0]:
            continue
        start, length = dict_number(fields[1]), dict_number(fields[2])
        text = data[start:start + length].decode("utf-8", errors="replace")
        entries.setdefault(headword(fields[0]), []).append(text)
    return entries


def mythes_words(name):
    """The single-word headwords of a thesaurus index /usr/share/mythes/<name>.idx."""
    raw = (MYTHES / f"{name}.idx").read_bytes()
    lines = raw.splitlines()
    encoding = lines[0].decode("ascii", errors="replace").lstrip("\ufeff").strip().lower() if lines else "utf-8"
    if encoding.startswith("\ufeff") or "utf" in encoding:
        encoding = "utf-8"
    words = set()
    for line in lines[2:]:
        word = line.decode(encoding, errors="replace").split("|")[0]
        if word and " " not in word:
            words.add(nfc(word).lower())
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
