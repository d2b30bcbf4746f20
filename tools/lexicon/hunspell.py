"""Reading a hunspell dictionary and asking hunspell about words."""

import re
import subprocess
from collections import namedtuple
from pathlib import Path

HUNSPELL = Path("/usr/share/hunspell")


class Affixes:
    """A .aff file: its flags, and its prefix and suffix rules by flag."""

    Rule = namedtuple("Rule", "strip add flags condition")

    def __init__(self, text):
        lines = text.lstrip("\ufeff").splitlines()
        self.flag_type = "char"
        self.aliases = []
        self.special = {}
        self.prefixes = {}
        self.suffixes = {}
        self.cross = {}
        for line in lines:
            fields = line.split()
            if not fields:
                continue
            key = fields[0]
            if key == "FLAG" and len(fields) > 1:
                self.flag_type = fields[1]
            elif key == "AF" and len(fields) > 1 and not fields[1].isdigit():
                self.aliases.append(self.parse_flags(fields[1]))
            elif key in ("NEEDAFFIX", "ONLYINCOMPOUND", "FORBIDDENWORD", "NOSUGGEST", "WARN",
                         "SUBSTANDARD", "CIRCUMFIX", "PSEUDOROOT") and len(fields) > 1:
                self.special[key] = fields[1]
            elif key in ("PFX", "SFX") and len(fields) >= 4:
                table = self.prefixes if key == "PFX" else self.suffixes
                if len(fields) == 4 and fields[3].isdigit() and fields[2] in "YN":
                    self.cross[(key, fields[1])] = fields[2] == "Y"
                    table.setdefault(fields[1], [])
                    continue
                if len(fields) < 5:
                    fields.append(".")
                strip = "" if fields[2] == "0" else fields[2]
                add, _, cont = fields[3].partition("/")
                add = "" if add == "0" else add
                cont = self.parse_flags(cont) if cont else frozenset()
                table.setdefault(fields[1], []).append(
                    self.Rule(strip, add, cont, re.compile(condition_pattern(fields[4], key == "SFX"))))
        excluded = {self.special[k] for k in ("NEEDAFFIX", "ONLYINCOMPOUND", "FORBIDDENWORD", "NOSUGGEST",
                                             "WARN", "SUBSTANDARD", "PSEUDOROOT") if k in self.special}
        self.excluded = {f for text in excluded for f in self.parse_flags(text)}
        self.circumfix = set(self.parse_flags(self.special["CIRCUMFIX"])) if "CIRCUMFIX" in self.special else set()
        self.need_affix = self.parse_flags(self.special.get("NEEDAFFIX", ""))

    @classmethod
    def read(cls, path):
        raw = Path(path).read_bytes()
        found = re.search(rb"^SET\s+(\S+)", raw, re.M)
        encoding = found.group(1).decode() if found else "utf-8"
        affixes = cls(raw.decode(encoding, errors="replace"))
        affixes.encoding = encoding
        return affixes

    encoding = "utf-8"

    def parse_flags(self, text):
        if self.aliases and text.isdigit():
            index = int(text)
            return self.aliases[index - 1] if 0 < index <= len(self.aliases) else frozenset()
        if self.flag_type == "long":
            return frozenset(text[i:i + 2] for i in range(0, len(text) - 1, 2))
        if self.flag_type == "num":
            return frozenset(f for f in text.split(",") if f)
        return frozenset(text)

    def ordered_flags(self, text):
        """The flags of a stem in the order the dictionary gives them."""
        if self.aliases and text.isdigit():
            return sorted(self.parse_flags(text))
        if self.flag_type == "long":
            return [text[i:i + 2] for i in range(0, len(text) - 1, 2)]
        if self.flag_type == "num":
            return [f for f in text.split(",") if f]
        return list(text)

    def suffixed(self, stem, flags):
        """The forms of a stem one suffix away, in the dictionary's order. Suffixes that need
        a further affix or a compound are skipped."""
        made = []
        for flag in flags:
            for rule in self.suffixes.get(flag, ()):
                if rule.flags & self.excluded or rule.flags & self.circumfix:
                    continue
                if stem.endswith(rule.strip) and rule.condition.search(stem):
                    made.append(stem[: len(stem) - len(rule.strip)] + rule.add)
        return made


def condition_pattern(condition, at_end):
    """A hunspell affix condition as a regular expression."""
    out = []
    i = 0
    while i < len(condition):
        c = condition[i]
        if c == "[":
            j = condition.find("]", i)
            if j < 0:
                j = len(condition)
            inner = condition[i + 1:j]
            negate = inner.startswith("^")
            body = "".join(re.escape(ch) for ch in (inner[1:] if negate else inner))
            out.append(("[^" if negate else "[") + body + "]")
            i = j + 1
            continue
        out.append("." if c == "." else re.escape(c))
        i += 1
    return "".join(out) + "$" if at_end else "".join(out)


def parse_stems(text):
    """The stems of a .dic file's text and their flag texts."""
    stems = []
    for number, line in enumerate(text.lstrip("\ufeff").splitlines()):
        if number == 0 and line.strip().split(" ")[0].isdigit():
            continue
        entry = line.split("\t")[0].strip()
        if not entry or entry.startswith("#"):
            continue
        entry = entry.split(" ")[0]
        stem, _, flags = entry.replace("\\/", "\0").partition("/")
        stems.append((stem.replace("\0", "/"), flags))
    return stems


def read_stems(path, affixes):
    return parse_stems(Path(path).read_bytes().decode(affixes.encoding, errors="replace"))


def _run(args, words):
    # hunspell complains on stderr of each word its dictionary's 8-bit encoding cannot hold;
    # such a word is no word of the dictionary.
    result = subprocess.run(args, input="\n".join(words).encode("utf-8") + b"\n",
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True)
    return result.stdout.decode("utf-8", errors="replace")


def accepts(words, dictionary):
    """The words hunspell accepts with the given dictionary (its name in /usr/share/hunspell)."""
    words = [w for w in words if w]
    if not words:
        return set()
    return set(_run(["hunspell", "-i", "utf-8", "-G", "-d", str(HUNSPELL / dictionary)], words).split())


def parse_stem_output(text):
    """`hunspell -s` output: {word: [stems]}, each word's stems in hunspell's order."""
    stems = {}
    for line in text.splitlines():
        fields = line.split()
        if len(fields) >= 2:
            found = stems.setdefault(fields[0], [])
            if fields[1] not in found:
                found.append(fields[1])
    return stems


def stems(words, dictionary):
    """The stems hunspell gives each word (`hunspell -s`); a word it does not know is absent."""
    words = [w for w in words if w and " " not in w]
    if not words:
        return {}
    return parse_stem_output(_run(["hunspell", "-i", "utf-8", "-s", "-d", str(HUNSPELL / dictionary)], words))
