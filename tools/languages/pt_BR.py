"""Brazilian Portuguese: hunspell-pt-br. As Portuguese (tools/languages/pt.py): vós forms,
attached pronouns, augmentatives are odd. Its dictionary derives adjectives and nouns from
rare verbs ("linda", "lindo" of "lindar"), so every lemma needs a known-word source or the
analyser, and the forms of a verb nothing else knows stand for themselves."""
from languages import Language
from languages.pt import ODD_FORMS, ODD_LEMMAS, ODD_TAGS

LANGUAGE = Language(
    name="Brazilian Portuguese", hunspell="pt_BR", source="hunspell-pt-br", licence="LGPL-3 or MPL",
    licence_part="pt_BR", frequency=("wordfreq", "pt"),
    analyser=("apertium-por-cat/por-cat.automorf.bin", "apertium-por-cat"),
    freedict="por", words="brazilian", words_package="wbrazilian", words_cased=True,
    mythes="th_pt_BR", mythes_package="mythes-pt-br",
    odd_tags=ODD_TAGS, odd_forms=ODD_FORMS, odd_lemmas=ODD_LEMMAS, forms_need_analysis=True,
    extra_sources=3, form_use=5.0,
    own_form_share=True, names_by_twins=True, twins_need_freedict=True,
    attested=True, need_known=99,
)
