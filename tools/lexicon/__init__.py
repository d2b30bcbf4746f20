"""Shared steps of the language word lists: reading hunspell dictionaries, frequencies and
known-word sources, ranking lemmas by use, the offensive-gloss check and the reviewers'
commands. tools/make_languages.py runs them; tools/languages/<code>.py says what each
language needs of them."""
