"""Russian: hunspell-ru. Entries are written with е, as ordinary Russian print writes them:
актёр and актер are one entry, актер; все and всё are one entry, все."""
from languages import Language


# The analyser's oblique cases.
OBLIQUE = ("<gen>", "<dat>", "<acc>", "<ins>", "<prp>", "<loc>", "<par>", "<voc>")


def with_ye(word):
    return word.replace("ё", "е").replace("Ё", "Е")


LANGUAGE = Language(
    name="Russian", hunspell="ru_RU", source="hunspell-ru", licence="custom-bsd-4-clauses", licence_part="ru_RU",
    frequency=("wordfreq", "ru"),
    analyser=("apertium-rus-ukr/rus-ukr.automorf.bin", "apertium-rus-ukr"),
    mythes="th_ru_RU_v2", mythes_package="mythes-ru",
    respell=with_ye,
    # A form other than the lemma is an entry only in the nominative (a plural, a feminine
    # or neuter adjective) or as a verb form: "книги", "пошел", "купила", not "условиях",
    # "ванной" or "лесу", which nobody would pick on their own.
    odd_tags=OBLIQUE, forms_need_analysis=True,
    # The plural of an abstract noun in -ность/-ність is the form of its oblique cases, and
    # rarely meant as a plural ("возможности").
    odd_forms=(r"ности$",),
    names_by_twins=True,
    unknown_need_source="bare",
)
