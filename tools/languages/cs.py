"""Czech: hunspell-cs."""
from languages import Language

LANGUAGE = Language(
    name="Czech", hunspell="cs_CZ", source="hunspell-cs", licence="GPL-2", licence_part="cs_CZ",
    frequency=("wordfreq", "cs"), freedict="ces", syllabic="rl",
    form_use=10.0,
    # No analyser tells a Czech form's case: a form other than the lemma is an entry only as a
    # verb form (the flags that conjugate, "pomáhal", "nechce", and the past of "byl", "šel":
    # "byla") or an adverb ("aktivně", "anglicky"), never a noun's or adjective's case
    # ("kostela", "německého"), nor the spoken past with -s ("dělals").
    form_flags="ABJOR", odd_forms=(r"l[aoiy]?s$",),
    # The case forms the dictionary lists as words ("základě", "příčinou") are forms.
    case_flags="CDHILMPQSUYZVéí",
    # Its bilingual dictionary is small: English words cannot be told from its own.
    english_loans=False,
)
