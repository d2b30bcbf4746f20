"""European Portuguese: hunspell-pt-pt. Forms of vós, forms with attached pronouns, forms
written only before a hyphen and a pronoun (velá-lo), which the analyser does not know, and
playful augmentatives are odd; roman numerals ("xvii") are no lemmas. The word list holds
rare words, so lemmas past the frequency list need all three known-word sources."""
from languages import Language

ODD_TAGS = ("<p2><pl>", "+")
# Augmentatives of any noun (significaçonas) and verb forms written for a hyphen and a
# pronoun (visaremo-nos); the analyser does not know the others (velá-lo).
ODD_FORMS = (r"(?:zão|zões|zona|zonas|çona|çonas)$", r"remo$")
# Roman numerals of three letters or more ("xvii"), which the dictionary lists as words.
ODD_LEMMAS = (r"^(?=...)x{0,3}(?:ix|iv|v?i{0,3})$",)

LANGUAGE = Language(
    name="Portuguese", hunspell="pt_PT", source="hunspell-pt-pt", licence="GPL-2 or LGPL-2.1 or MPL-1.1",
    licence_part="pt_PT", frequency=("wordfreq", "pt"),
    analyser=("apertium-por-cat/por-cat.automorf.bin", "apertium-por-cat"),
    freedict="por", words="portuguese", words_package="wportuguese", words_cased=True,
    mythes="th_pt_PT_v2", mythes_package="mythes-pt-pt",
    odd_tags=ODD_TAGS, odd_forms=ODD_FORMS, odd_lemmas=ODD_LEMMAS, forms_need_analysis=True,
    extra_sources=3, form_use=5.0,
    own_form_share=True, names_by_twins=True, twins_need_freedict=True,
)
