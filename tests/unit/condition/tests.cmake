# Unit tests of the condition family.
