"""Italian: hunspell-it. Forms with attached pronouns (sgranocchiandogli, dammi) and forms cut
of their last vowel (ancor, signor) are odd; so are the glie- pronoun clusters and "ecc" as
lemmas. The dictionary lists names and foreign words as stems without affix flags ("tahiti",
"bersani"): such a stem, or a lemma of up to five letters, needs a known-word source or the
analyser."""
from languages import Language

CLITICS = r"(?:mi|ti|si|ci|vi|gli|glie|lo|la|li|le|ne)"

LANGUAGE = Language(
    name="Italian", hunspell="it_IT", source="hunspell-it", licence="GPL-3", licence_part="it_IT",
    frequency=("wordfreq", "it"),
    analyser=("apertium-spa-ita/ita-spa.automorf.bin", "apertium-spa-ita"),
    freedict="ita", words="italian", words_package="witalian", words_cased=True,
    mythes="th_it_IT_v2", mythes_package="mythes-it",
    odd_tags=("+",), odd_forms=(rf"(?:ando|endo|ato|uto|ito|ar|er|ir){CLITICS}+$", r"[^aeiouàèéìíòóù]$"),
    odd_lemmas=(rf"^glie{CLITICS}$", r"^(?:ecc|etc)$"),
    extra_sources=3, form_use=5.0,
    own_form_share=True, names_by_twins=True, twins_need_freedict=True,
    attested=True, need_known=5, bare_need_known=True,
)
